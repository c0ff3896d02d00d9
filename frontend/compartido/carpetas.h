// The folders the program works in: the program folder and its datos/ and result/.
#pragma once

#include <QString>

namespace oscilab {

struct EstadoGlobal;

// Fills dirprograma (ending in "/"), dirdatos and dirresult, and creates the two working
// folders. When they cannot be made under the program folder (an installed, read-only
// copy), they live under the user's data folder, which receives the example documents.
void preparaCarpetas(EstadoGlobal& estado, const QString& carpetaPrograma);

} // namespace oscilab
