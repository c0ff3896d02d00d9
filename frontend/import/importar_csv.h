// Reading the first two columns of a comma-separated file (.csv) into the point table's
// texts, by the rule of filas_hoja.h.
#pragma once

#include "import/celdas_importadas.h"

#include <QString>

namespace oscilab {

// Fields are separated by ";" when the first line holds one (the form of spreadsheets
// written with a decimal comma), else by a tab when it holds one, else by ",". Fields may
// be quoted ("..." with "" for a quote, line ends inside allowed). Texts are kept as they
// stand, blanks around them removed. A file that cannot be read fails with no cells.
ResultadoImportacion importarcsv(const QString& ruta);

} // namespace oscilab
