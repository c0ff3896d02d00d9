// The folders the program works in: the program folder and its datos/ and result/.
#pragma once

#include <QString>

namespace oscilab {

struct EstadoGlobal;

// Fills dirprograma (ending in "/"), dirdatos and dirresult, and creates the two working
// folders. When they cannot be made under the program folder (a read-only copy), or the
// program is installed, they live under the user's data folder, which receives the
// example documents.
void preparaCarpetas(EstadoGlobal& estado, const QString& carpetaPrograma);

// The folder (ending in "/") that holds the help, the installation data and the example
// documents in datos/: dirprograma itself, or ../share/oscilab/ beside it in an installed
// copy (bin/ and share/ under one prefix).
QString carpetaCompartida(const QString& dirprograma);

// The folder (ending in "/") that holds the file `ruta`: where a dialog that chose it starts
// the next time.
QString carpetaDeFichero(const QString& ruta);

} // namespace oscilab
