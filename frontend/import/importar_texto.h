// Reading a delimited text file into the point table's texts: each line gives R and V(R)
// of one row, rows 1 to 500 in file order.
#pragma once

#include "import/celdas_importadas.h"

#include <QString>
#include <optional>

namespace oscilab {

// The two texts that one line puts into its row. `v` is empty when the line yields a
// single field: the R text is still written, then the import fails.
struct CamposLinea {
    QString r;
    std::optional<QString> v;
};

// Splits one line by the delimiter text (whole text, letter case ignored). std::nullopt
// when the line yields no field at all (an empty line): nothing is written.
std::optional<CamposLinea> camposDeLinea(const QString& linea, const QString& delimitador);

// The delimiter box offers "Tab" for the tab character; any other text is the delimiter.
QString delimitadorReal(const QString& elegido);

// Reads the file at `ruta`, `delimitador` as chosen in the delimiter box. Lines before the
// first one holding a digit (headings such as "R  V") are skipped; rows count from the
// first line with a number. The file is closed on every path; reading is bounded, so
// binary or huge files end in a failure instead of a hang.
ResultadoImportacion importartexto(const QString& ruta, const QString& delimitador);

} // namespace oscilab
