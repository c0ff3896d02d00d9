// The checks made before every save: the point table is compacted and sorted, and the
// document is judged complete or not, with the message the user is given.
#pragma once

#include "compartido/dimensiones.h"

#include <QString>

#include <array>
#include <optional>

namespace oscilab {

// Texts of the point table: [row 0..49][0 = R, 1 = V].
using CeldasTabla = std::array<std::array<QString, 2>, puntosMaximos>;

struct PuntosOrdenados {
    CeldasTabla celdas; // the table as it is to be shown and written
    int n = 0;          // rows 0..n-1 hold the points
};

// A row is a point when its R and V cells both hold numbers; a 0 is a number, as a V
// measured from the dissociation limit. The points go to the
// top of the table sorted by ascending R (equal R keep their order) and rewritten in the
// general text form; empty rows above the last point are removed. Rows with only one of
// the two values are kept, after the points, so that they are not written as points.
PuntosOrdenados ordenaPuntos(const CeldasTabla& celdas);

// A cell whose text is not one whole number ("1.715-317", "-", letters from an import). The
// check stops at it before touching the table, so that nothing is silently cut.
struct CeldaNoNumerica {
    int fila = 0;    // 1..50
    int columna = 0; // 1 = R, 2 = V
    QString texto;
};

// The first non-empty cell, row by row, whose text is not a complete number.
std::optional<CeldaNoNumerica> celdaNoNumerica(const CeldasTabla& celdas);

// The message that names such a cell.
QString mensajeCeldaNoNumerica(const CeldaNoNumerica& celda);

// What the check stopped at: a missing title or mass, or a cell that is not a number.
enum class FocoChequeo { Ninguno, Titulo, Masa1, Masa2, Celda };

struct ResultadoChequeo {
    int puntos = 0;  // the number of points
    QString mensaje; // the missing title or mass, or a word on the points; empty when none
    bool permiteEjecutar = false;
    FocoChequeo foco = FocoChequeo::Ninguno; // the first of title and masses still missing

    // The title and both masses are filled in and every cell is a number: the document may
    // be written.
    bool completo() const { return foco == FocoChequeo::Ninguno; }
};

// n points, m included powers, and which of the title and masses are filled in.
ResultadoChequeo evaluaChequeo(int n, int m, bool hayTitulo, bool hayMasa1, bool hayMasa2);

} // namespace oscilab
