// Vibrational levels (J = 0) from the harmonic frequency and the anharmonicity.
#pragma once

#include "constantes_fisicas.h"
#include "datos_motor.h"

namespace curvifit {

constexpr double CONVCM = HARTREE_POR_CM1;

// A degenerate fit (a vanishing anharmonicity with a tiny frequency) could ask for
// millions of levels below the highest data energy; no molecule has this many.
constexpr int MAXIMO_NIVELES = 10000;

// Level energy above the minimum, in hartree, for ν and xν in 1/cm.
double ENERGIA(double nu, double xnu, int v);

// (NU / XNU - 1) / 2 truncated toward zero; -1 when that is infinite or not a number.
// Values beyond the range of the result are clamped.
long long calculaVMAX(double NU, double XNU);

// ANCHONIVEL, VMAX, the level energies for the curve file (absolute, hartree), NNIVELES and
// ENIVEL for the report. Writes nothing: the caller writes ANCHONIVEL and then `energias`.
Niveles NIVELVIBRA(double NU, double XNU, double K2, double EEQ, double EMAX);

} // namespace curvifit
