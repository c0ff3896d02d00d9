// Physical constants and unit factors of the engine.
#pragma once

namespace curvifit {

constexpr double FACDIST_ANGSTROM = 0.529177249; // Angstrom per bohr, for the data's distances
constexpr double FACENER_EV = 27.21161;          // eV per hartree
constexpr double MASAS_ELECTRON_POR_UMA = 1822.888486;

// The report's conversions of its results.
constexpr double BOHR_A_ANGSTROM = 0.529177;
// Lines 6, 18 and 19 use these two at single precision.
constexpr double BOHR_A_ANGSTROM_SIMPLE = 0.5291770100593567;
constexpr double MILIDINAS_SIMPLE = 15.569100379943848; // (mdyn/Angstrom) per (hartree/bohr^2)

} // namespace curvifit
