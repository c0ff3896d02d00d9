// Reading A1:B500 of an .xls workbook's active sheet with FreeXL. FreeXL trusts the file's
// structure, so this runs only inside oscilab-leexls, never in the windowed program.
#pragma once

#include "celdas.h"

#include <string>

namespace leexls {

// All 1000 cells of rows 1..500 (absent cells as empty ones) when the workbook can be read;
// otherwise the cells read before the failure, none when the file is not a workbook.
LecturaLibro leeLibroXls(const std::string& ruta);

} // namespace leexls
