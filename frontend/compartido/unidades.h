// Unit factors of the front end's table conversions: the engine's own, so that a table
// converted here is read back by the engine to the same bohr and hartree.
#pragma once

#include "constantes_fisicas.h"

namespace oscilab::unidades {

inline constexpr double angstromPorBohr = curvifit::ANGSTROM_POR_BOHR;
inline constexpr double evPorHartree = curvifit::EV_POR_HARTREE;
inline constexpr double debyePorUA = curvifit::DEBYE_POR_UA;

} // namespace oscilab::unidades
