// The cells that oscilab-leexls reads from a workbook, and the text form in which it hands
// them to the front end on its standard output.
//
// Output form (UTF-8, one line per cell, LF line ends), cells in table order: row 1
// column 1, row 1 column 2, row 2 column 1, ... up to row 500 column 2:
//
//   FILA COLUMNA vacia
//   FILA COLUMNA entero N        N a decimal integer
//   FILA COLUMNA real X          X the shortest decimal that reads back as the same double
//   FILA COLUMNA texto T         T the cell's text; "\" is written "\\", LF "\n", CR "\r"
//
// then one last line, "fin completa" when all 100 cells were read, or "fin incompleta"
// when the reading stopped at a cell it could not read (the cells before it are listed).
// FILA is 1..500 and COLUMNA 1 (R) or 2 (V(R)); a single blank separates the fields.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace leexls {

inline constexpr int FILAS_LEIDAS = 500;
inline constexpr int COLUMNAS_LEIDAS = 2;

enum class TipoCelda { Vacia, Entero, Real, Texto };

struct CeldaLibro {
    int fila = 0;    // 1..500
    int columna = 0; // 1..2
    TipoCelda tipo = TipoCelda::Vacia;
    long long entero = 0;
    double real = 0.0;
    std::string texto; // UTF-8
};

struct LecturaLibro {
    std::vector<CeldaLibro> celdas; // in table order
    bool completa = false;          // all 100 cells read
};

std::string textoSalida(const LecturaLibro& lectura);

// The lectura back from the output form; std::nullopt when the text is not in that form
// (cells out of order, a complete reading without 100 cells, a missing "fin" line...).
std::optional<LecturaLibro> leeSalida(std::string_view salida);

} // namespace leexls
