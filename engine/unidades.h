// The names under which the data reading and the report use the physical constants of
// constantes_fisicas.h.
#pragma once

#include "constantes_fisicas.h"

namespace curvifit {

constexpr double FACDIST_ANGSTROM = ANGSTROM_POR_BOHR; // divisor: Angstrom -> bohr
constexpr double FACENER_EV = EV_POR_HARTREE;          // divisor: eV -> hartree
constexpr double BOHR_A_ANGSTROM = ANGSTROM_POR_BOHR;  // the report's re and dR in Angstrom

} // namespace curvifit
