// Reading the first two columns of an OpenDocument spreadsheet's (.ods) active sheet into
// the point table's texts, by the rule of filas_hoja.h.
#pragma once

#include "import/celdas_importadas.h"

#include <QString>

namespace oscilab {

// The active sheet is the one settings.xml names; the first one when it names none. A file
// that cannot be read as a spreadsheet fails with no cells.
ResultadoImportacion importarods(const QString& ruta);

} // namespace oscilab
