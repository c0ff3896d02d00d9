// Reading A1:B500 of a workbook's active sheet (.xls) into the point table's texts. The
// workbook is parsed by the helper program oscilab-leexls beside this one, never in this
// process: a damaged file can then only end the helper.
#pragma once

#include "import/celdas_importadas.h"

#include <QString>

namespace oscilab {

// The helper's path: oscilab-leexls in the program folder.
QString programaLeexls();

// Reads the workbook at `ruta`. On success all 100 cells of rows 1..50 are returned (empty
// cells as empty texts). A file that cannot be read as a workbook fails with no cells.
// `programa` is the reader started on the file (another one only in tests).
ResultadoImportacion importarexcel(const QString& ruta, const QString& programa = programaLeexls());

} // namespace oscilab
