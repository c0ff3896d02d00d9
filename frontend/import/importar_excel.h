// Reading A1:B50 of a workbook's active sheet (.xls) into the point table's texts.
#pragma once

#include "import/celdas_importadas.h"

#include <QString>

namespace oscilab {

// The general text form of a number, as a user would type it: up to 15 significant
// digits, "." as decimal point, exponent form ("1E-05", "1.5E+20") outside 1e-4..1e15.
QString textoGeneral(double valor);

// Reads the workbook at `ruta`. On success all 100 cells of rows 1..50 are returned (empty
// cells as empty texts). A file that cannot be read as a workbook fails with no cells.
ResultadoImportacion importarexcel(const QString& ruta);

} // namespace oscilab
