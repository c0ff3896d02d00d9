// The folders the program works in: the program folder and its datos/ and result/.
#pragma once

#include <QString>

namespace oscilab {

struct EstadoGlobal;

// Fills dirprograma (ending in "/"), dirdatos and dirresult. The two working folders live
// in the user's data folder (~/.local/share/oscilab/datos and result), for a build and an
// installed copy alike; they are created when missing, and datos/ receives the example
// documents of carpetaCompartida()'s datos/ that it does not hold yet.
void preparaCarpetas(EstadoGlobal& estado, const QString& carpetaPrograma);

// Copies every *.qvd of `desde` into the folder `hacia` (ending in "/") where no file of
// that name exists: an example the user has edited is never overwritten.
void copiaEjemplos(const QString& desde, const QString& hacia);

// The folder (ending in "/") that holds the help, the installation data and the example
// documents in datos/: dirprograma itself, or ../share/oscilab/ beside it in an installed
// copy (bin/ and share/ under one prefix).
QString carpetaCompartida(const QString& dirprograma);

// The folder (ending in "/") that holds the file `ruta`: where a dialog that chose it starts
// the next time.
QString carpetaDeFichero(const QString& ruta);

} // namespace oscilab
