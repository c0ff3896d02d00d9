// The search for the equilibrium distance: a forward scan over R = 1e-05, 2e-05, ... bohr
// (each x the previous one plus 1e-05) that stops at the first x where V''(x) > 0 and
// V'(x_prev) / V'(x) <= 0, i.e. just past a change from falling to rising. The result is
// that grid point, not an interpolated position.
//
// Done point by point this costs one evaluation of V' per 1e-05 bohr, some 700 000 for a
// minimum near 7 bohr. buscaMinimo finds the same grid point while evaluating V' at few
// of them. Why skipping is exact: the scan can stop only between two neighbours whose
// computed slopes have a ratio <= 0. If every computed V' on the grid points of a stretch
// [a, b] lies within half of V'(a) from V'(a), the ratio of any two of them lies between
// 1/3 and 3 (no sign change, no zero, no underflow), so the plain scan passes the whole
// stretch without stopping and only its last point needs to be known. Taylor's theorem
// bounds the change of the exact V' over [a, b] by V''(a), V'''(a) and a bound on V''''
// there; the bound on Horner's rounding error covers the difference between exact and
// computed values. The last point itself is found by sumaRepetida, which gives the very x
// that the same number of single additions gives. Both scans evaluate V' and V'' through
// Derivada, so they see the same values at every grid point.
//
// Below the data: a fit over many powers, negative ones especially, may turn up and down
// again far below the smallest data distance, where no point constrains it (an argon-like
// fit over all 30 powers has a minimum of -1e12 hartree at 0.35 bohr). The scan passes
// over such stops and takes the first one at or past the smallest data distance; only a
// curve with no stop there falls back to the last stop below the data. Where the first
// stop already lies in or past the data, nothing changes.
//
// Bound: a curve without a minimum (a purely repulsive fit) would never stop, so the scan
// gives up once x exceeds twice the largest data distance, and never goes past 50 bohr.
// A minimum beyond twice the data range is an extrapolation the fit does not support, and
// 50 bohr (5 million grid points) keeps even the plain scan well under a second.
#pragma once

#include "datos_motor.h"

#include <optional>

namespace curvifit {

constexpr double PASO_BUSQUEDA = 1e-05;
constexpr double LIMITE_ABSOLUTO_BUSQUEDA = 50.0;

struct Minimo {
    std::optional<double> x;    // the grid point where the scan stopped, if it did
    double anterior = 0.0;      // the grid point before it: V' changes sign between the two
    long long evaluaciones = 0; // grid points where V' was evaluated (the search's cost)
};

// Where the scan gives up for data whose largest distance is RMAX (bohr).
double limiteBusqueda(double RMAX);

// x after `pasos` additions of PASO_BUSQUEDA, bit for bit the same as adding one step at a
// time (x > 0), at a cost that grows with the binades crossed, not with the steps.
double sumaRepetida(double x, long long pasos);

// The scan itself, point by point: the reference for buscaMinimo. A stop below `desde` (the
// smallest data distance) does not end the scan: it goes on to the first stop at or past
// `desde`, and gives the last stop below it only when there is none up to the bound.
Minimo buscaMinimoPasoAPaso(const CoeficientesPotencia& COEFPOT, double limite, double desde = 0.0);

// The same grid point as buscaMinimoPasoAPaso (or the same absence of one), found by
// crossing stretches where the computed V' provably keeps its sign.
Minimo buscaMinimo(const CoeficientesPotencia& COEFPOT, double limite, double desde = 0.0);

// The minimum between the grid points a < b where the scan stopped, to machine precision:
// Newton steps on V' with the analytic V'', each kept inside the bracket that the signs of
// V' maintain (a step that would leave it, or a V'' that is not positive, bisects instead).
// The grid point b alone sits up to 1e-05 bohr from the minimum, which moves re by up to
// 7e-6 of itself at 1.4 bohr and every constant evaluated there with it.
double puleMinimo(const CoeficientesPotencia& COEFPOT, double a, double b);

// The scan's stop, polished: nothing when the scan found no minimum.
std::optional<double> minimoPulido(const CoeficientesPotencia& COEFPOT, double limite,
                                   double desde = 0.0);

} // namespace curvifit
