// The strict reading of a data file for Open: a file that is not a document (a picture, a
// spreadsheet, a truncated file) is refused with the line at fault and why, and nothing of
// it reaches the open document.
#pragma once

#include "compartido/resultado.h"
#include "modelo/datos_documento.h"

#include <QByteArray>

namespace oscilab {

// Line 1 the title, line 2 the powers (integers from -15 to 14), line 3 the two masses,
// line 4 the two units, then one point "R V" a line; CR LF or LF line ends, blank lines
// ignored after line 4. A refused file's Fallo names the line at fault: "Línea 2: ...".
Resultado<DatosDocumento> leeDocumento(const QByteArray& bytes);

} // namespace oscilab
