// The rule shared by the .csv, .xlsx and .ods imports: the sheet's rows, met in order,
// become the point table's rows. Leading rows that hold no number (titles, headings) are
// skipped; from the first row with a number on, sheet rows map one to one onto table rows
// 1 to 500, empty rows included, and all their cells are written.
// A 501st row with something in it fails after the 500 are written, as the text import's
// 501st line does.
#pragma once

#include "import/celdas_importadas.h"

#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace oscilab {

// The texts of a row's first two cells (column A = R, column B = V(R)).
struct FilaHoja {
    QString a;
    QString b;
    bool vacia() const { return a.isEmpty() && b.isEmpty(); }
};

// The value of a cell text that reads as a finite number with "." or a lone "," as decimal
// sign (blanks around allowed, no grouping); std::nullopt otherwise.
std::optional<double> numeroDeTexto(QStringView texto);

class ColectorFilas {
public:
    // Takes `veces` consecutive copies of `fila` (a repeated or empty stretch of the sheet
    // is one call, whatever its length). Returns false once later rows cannot change the
    // result: the reader may stop there.
    bool anade(const FilaHoja& fila, qint64 veces = 1);

    // Whether a row with a number has been met: without one there is nothing to import.
    bool hayPuntos() const { return empezado_; }

    // The cells to write. A sheet without any number, or with more points than the table
    // holds, fails.
    ResultadoImportacion resultado() const;

private:
    std::vector<FilaHoja> filas_; // table rows from 1, at most puntosMaximos
    bool empezado_ = false;
    bool sobran_ = false; // a non-empty row beyond the last
};

} // namespace oscilab
