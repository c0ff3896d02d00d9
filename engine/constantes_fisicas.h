// The physical constants and unit factors of the whole program (CODATA 2018, every digit
// the recommended values carry): the engine's data reading, its report and result file, the
// exact levels and the front end's table conversions take them from here, so a value
// converted in one place reads back unchanged in another.
#pragma once

namespace curvifit {

// Angstrom per bohr.
constexpr double ANGSTROM_POR_BOHR = 0.529177210903;

// Hartree energy in eV and in 1/cm.
constexpr double EV_POR_HARTREE = 27.211386245988;
constexpr double HARTREE_A_CM1 = 219474.6313632;

// Hartree energy in joule: with the bohr it gives the force constants in mdyn/Angstrom.
constexpr double HARTREE_JULIO = 4.3597447222071e-18;

// Electron masses per unified atomic mass unit.
constexpr double MASAS_ELECTRON_POR_UMA = 1822.888486209;

// (mdyn/Angstrom) per (hartree/bohr^2): Eh / a0^2 in N/m, and 1 mdyn/Angstrom = 100 N/m.
constexpr double MILIDINAS_POR_UA =
    HARTREE_JULIO / ((ANGSTROM_POR_BOHR * 1e-10) * (ANGSTROM_POR_BOHR * 1e-10)) / 100.0;

// The report's wavenumber factor: an angular frequency in atomic units divided by 2 pi
// (as the constants' formulas give it) over FACFREC is in 1/cm.
// (pi is written out: Qt's moc reads this header through the front end's headers and cannot
// parse <numbers>; calcula.cpp checks it against std::numbers::pi.)
constexpr double PI_DOBLE = 3.141592653589793238462643383279502884;
constexpr double FACFREC_CM1 = 1.0 / (2.0 * PI_DOBLE * HARTREE_A_CM1);

// Hartree per 1/cm.
constexpr double HARTREE_POR_CM1 = 1.0 / HARTREE_A_CM1;

// Debye per atomic unit of dipole (e a0), CODATA 2018 with 1 D = 1e-21/c C m.
constexpr double DEBYE_POR_UA = 2.541746473;

// A in s^-1 from nu in 1/cm and the moment in debye: 64 pi^4 / (3 h) in those units.
constexpr double FACTOR_EINSTEIN_A = 3.136189e-7;
// The second radiation constant hc/k, cm K, and c in cm/s.
constexpr double C2_CM_K = 1.4387769;
constexpr double C_CM_S = 2.99792458e10;

} // namespace curvifit
