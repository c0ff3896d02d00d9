// The 103 elements from hydrogen to lawrencium, with the names and single-precision
// masses the program shows, and their places in the periodic-table layout.
#pragma once

#include <QString>

namespace oscilab {

struct Elemento {
    QString simbolo;
    QString nombre;
    float masa = 0.0f; // atomic mass units
    int z = 0;
};

constexpr int numeroElementos = 103;

// Element of atomic number z (1..103).
Elemento elemento(int z);

// Atomic number of the first element, by z, whose mass equals `masa`; 0 when none does.
int elementoPorMasa(float masa);

// Names the atom of a mass text: the text read as a number, rounded to single precision and
// looked up with elementoPorMasa. 0 when the text is not a number or no mass matches.
int elementoDeTextoMasa(const QString& texto);

// Place of element z in the table: row 1..9 (8 and 9 are the lanthanides and actinides)
// and column 1..18.
struct Casilla {
    int fila = 0;
    int columna = 0;
};
Casilla casillaElemento(int z);

} // namespace oscilab
