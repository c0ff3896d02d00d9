// Physical constants and unit factors shared by the engine's new numerics.
#pragma once

namespace curvifit {

// Hartree energy in 1/cm (CODATA 2018): the one factor from hartree to wavenumbers.
constexpr double HARTREE_A_CM1 = 219474.6313632;

} // namespace curvifit
