// The sizes of a document, as the engine reads it: the powers of R that a fit may use and
// the rows of the point table. Flags and coefficients of the powers are stored at
// indicePotencia(p), as in the engine's own tables, and reached only through dePotencia.
#pragma once

#include <array>
#include <cstddef>

namespace oscilab {

inline constexpr int potenciaMinima = -15;
inline constexpr int potenciaMaxima = 14;
inline constexpr int numPotencias = potenciaMaxima - potenciaMinima + 1;

// The engine reads at most this many points; the table and the imports take as many.
inline constexpr int puntosMaximos = 500;
// The dipole-moment file holds at most this many points.
inline constexpr int puntosMaximosDipolo = 500;

using TablaPotencias = std::array<int, numPotencias>;          // 1 where R^p is included
using CoeficientesPotencia = std::array<double, numPotencias>; // coefficient of R^p

constexpr int indicePotencia(int p) {
    return p - potenciaMinima;
}

constexpr int potenciaDeIndice(int i) {
    return i + potenciaMinima;
}

// The entry of power p in a table indexed by power.
template <class T> constexpr T& dePotencia(std::array<T, numPotencias>& tabla, int p) {
    return tabla[static_cast<std::size_t>(indicePotencia(p))];
}

template <class T> constexpr const T& dePotencia(const std::array<T, numPotencias>& tabla, int p) {
    return tabla[static_cast<std::size_t>(indicePotencia(p))];
}

} // namespace oscilab
