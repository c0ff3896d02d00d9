// The search for the equilibrium distance: a forward scan over R = 1e-05, 2e-05, ... bohr
// (each x the previous one plus 1e-05) that stops at the first x where V''(x) > 0 and
// V'(x_prev) / V'(x) <= 0, i.e. just past a change from falling to rising.
//
// Bound: a curve without a minimum (a purely repulsive fit) would never stop, so the scan
// gives up once x exceeds twice the largest data distance, and never goes past 50 bohr.
// A minimum beyond twice the data range is an extrapolation the fit does not support, and
// 50 bohr (5 million grid points) keeps a run well under a second whatever the curve.
#pragma once

#include "datos_motor.h"

namespace curvifit {

constexpr double PASO_BUSQUEDA = 1e-05;
constexpr double LIMITE_ABSOLUTO_BUSQUEDA = 50.0;

struct Minimo {
    bool encontrado = false;
    double x = 0.0;             // the grid point where the scan stopped
    long long evaluaciones = 0; // grid points where V' was evaluated (cost of the search)
};

// Where the scan gives up for data whose largest distance is RMAX (bohr).
double limiteBusqueda(double RMAX);

// x after the given number of additions of PASO_BUSQUEDA, bit for bit the same as adding
// one step at a time (x > 0), at a cost that does not grow with the number of steps.
double sumaRepetida(double x, long long pasos);

// The scan itself, point by point: the reference for buscaMinimo.
Minimo buscaMinimoPasoAPaso(const CoeficientesPotencia& COEFPOT, double limite);

// The same grid point as buscaMinimoPasoAPaso, found faster: stretches of the grid where a
// bound on V'' proves that the computed V' keeps one strict sign are crossed by the
// additions alone, without evaluating the polynomial.
Minimo buscaMinimo(const CoeficientesPotencia& COEFPOT, double limite);

} // namespace curvifit
