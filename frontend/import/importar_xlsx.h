// Reading the first two columns of an Office Open XML workbook's (.xlsx) active sheet into
// the point table's texts, by the rule of filas_hoja.h.
#pragma once

#include "import/celdas_importadas.h"

#include <QString>

namespace oscilab {

// The active sheet is the workbook view's active tab; the first sheet when it names none.
// A file that cannot be read as a workbook fails with no cells.
ResultadoImportacion importarxlsx(const QString& ruta);

} // namespace oscilab
