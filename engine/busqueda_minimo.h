// The search for the equilibrium distance: a forward scan over R = 1e-05, 2e-05, ... bohr
// (each x the previous one plus 1e-05) that stops at the first x where V''(x) > 0 and
// V'(x_prev) / V'(x) <= 0, i.e. just past a change from falling to rising. The result is
// that grid point, not an interpolated position.
//
// Bound: a curve without a minimum (a purely repulsive fit) would never stop, so the scan
// gives up once x exceeds twice the largest data distance, and never goes past 50 bohr.
// A minimum beyond twice the data range is an extrapolation the fit does not support, and
// 50 bohr (5 million grid points, a plain loop of well under a second) keeps every run short.
#pragma once

#include "datos_motor.h"

#include <optional>

namespace curvifit {

constexpr double PASO_BUSQUEDA = 1e-05;
constexpr double LIMITE_ABSOLUTO_BUSQUEDA = 50.0;

// Where the scan gives up for data whose largest distance is RMAX (bohr).
double limiteBusqueda(double RMAX);

// The grid point where the scan stops, or nothing when it passes `limite` first.
std::optional<double> buscaMinimo(const CoeficientesPotencia& COEFPOT, double limite);

} // namespace curvifit
