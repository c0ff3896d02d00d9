// Reading A1:B500 of a workbook's active sheet (.xls) into the point table's texts. The
// workbook is parsed by the helper program oscilab-leexls beside this one, never in this
// process: a damaged file can then only end the helper.
#pragma once

#include "import/celdas_importadas.h"
#include "run/lanzador.h"

#include <QString>

namespace oscilab {

// The helper's path: oscilab-leexls in the program folder.
QString programaLeexls();

// A workbook of 500 rows reads in milliseconds; the helper stops itself after 5 s of CPU.
constexpr int kEsperaMaximaMs = 20000;
// 100 cells of text; far more means the output is not what the helper writes.
constexpr qint64 kSalidaMaxima = 16 * 1024 * 1024;

// What the helper started as `programa` left, as the import's cells or its Spanish message.
// `agotado`: it was stopped for running past kEsperaMaximaMs.
ResultadoImportacion interpretaLeexls(const ResultadoLanzamiento& lanzamiento,
                                      const QString& programa, bool agotado = false);

// Reads the workbook at `ruta`, waiting for the helper (for tools without a window). On success all
// 100 cells of rows 1..50 are returned (empty cells as empty texts). A file that cannot be read as
// a workbook fails with no cells. `programa` is the reader started on the file (another one only in
// tests).
ResultadoImportacion importarexcel(const QString& ruta, const QString& programa = programaLeexls());

} // namespace oscilab
