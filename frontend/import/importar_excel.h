// Reading A1:B50 of a workbook's active sheet (.xls) into the point table's texts.
#pragma once

#include "import/celdas_importadas.h"

#include <QString>

namespace oscilab {

// Reads the workbook at `ruta`. On success all 100 cells of rows 1..50 are returned (empty
// cells as empty texts). A file that cannot be read as a workbook fails with no cells.
ResultadoImportacion importarexcel(const QString& ruta);

} // namespace oscilab
