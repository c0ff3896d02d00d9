// The radial grid of the exact levels: finite elements of Gauss-Lobatto points (a
// discrete-variable representation), so that each element can be as wide as the local
// wavelength allows and the grid can reach far out along a flat tail at little cost.
#pragma once

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace curvifit {

struct MallaRadial {
    double a = 0.0, b = 0.0;   // the ends, where chi = 0
    int orden = 0;             // Lobatto points per element minus one: the band's width
    std::vector<double> R;     // the unknowns' points, bohr, ascending
    std::vector<double> peso;  // their quadrature weights, bohr
    std::vector<double> banda; // kinetic energy, symmetric, upper band by columns (LAPACK 'U')
    double anchoPrimero = 0.0, anchoUltimo = 0.0; // the end elements, bohr
    double mu = 0.0;                              // the reduced mass, electron masses
};

// The elements' ends between a and b: each element holds about `puntosPorOnda` points per
// local wavelength 2 pi / k(R), and is at most `fraccionR` times its distance from the origin
// wide. Every point of `fijas` inside (a, b) is an element's end.
std::vector<double> fronterasElementos(double a, double b, const std::function<double(double)>& k,
                                       double puntosPorOnda, double fraccionR,
                                       const std::vector<double>& fijas);

MallaRadial mallaRadial(const std::vector<double>& fronteras, double mu);

// The eigenvalues of T + diag(V) in (desde, hasta], ascending, with their normalised vectors
// (columns of `c`; c_i^2 is the weight of the point R_i). Each vector is zero past where its
// chi has decayed by exp(-36) beyond its outer turning point.
struct Autoestados {
    std::vector<double> E;
    std::vector<std::vector<double>> c;
};
Autoestados autoestados(const MallaRadial& malla, const std::vector<double>& V, double desde,
                        double hasta);
// The same in parts, when only some of the vectors are wanted.
std::vector<double> autovalores(const MallaRadial& malla, const std::vector<double>& V,
                                double desde, double hasta);
std::vector<double> vectorPropio(const MallaRadial& malla, const std::vector<double>& V, double E);

// How many eigenvalues of T + diag(V) lie below x: the negative pivots of its LDL^T
// factorisation without pivoting (Sylvester's law of inertia).
int autovaloresDebajo(const MallaRadial& malla, const std::vector<double>& V, double x);

// One level refined from guesses of its energy E and of its vector c (the same level at a
// neighbouring J): inverse iteration, then Rayleigh-quotient steps, each an LDL^T band
// factorisation of the rows the level needs, O(n kd^2 / 2), where the reduction costs
// O(n^2 kd) for every level at once. None unless the residual |H c - E c| falls to
// `residuo`; which eigenvalue it found is for the caller to check, by counting.
struct Autoestado {
    double E = 0.0;
    std::vector<double> c;
};
std::optional<Autoestado> refinaAutoestado(const MallaRadial& malla, const std::vector<double>& V,
                                           double E, const std::vector<double>& c, double residuo);

// The eigenpairs in (desde, hasta] when they are few: the interval is split on Sylvester's
// count until each piece holds one eigenvalue, which refinaAutoestado then finds from the
// piece's middle. Each count is one factorisation, O(n kd^2), where the reduction costs
// O(n^2 kd).
std::vector<Autoestado> autoestadosContando(const MallaRadial& malla, const std::vector<double>& V,
                                            double desde, double hasta, double residuo);

// Rayleigh-Schroedinger perturbation of one level (eigenvalue E, vector c of T + diag(V)) by
// x W, W diagonal, to fourth order (Hutson's method: each order an inhomogeneous band solve):
// E(x) = E + B x - D x^2 + H x^3 + L x^4. With W = 1/(2 mu R^2) and x = J(J+1) these are Bv,
// Dv, Hv and Lv, hartree.
struct Distorsion {
    double B = 0.0, D = 0.0, H = 0.0, L = 0.0;
};
Distorsion distorsionCentrifuga(const MallaRadial& malla, const std::vector<double>& V, double E,
                                const std::vector<double>& c, const std::vector<double>& W);

// chi'(a) and chi'(b) of a normalised vector, from the end elements' polynomials: how much
// the level feels each end is chi'^2 / (2 mu) per bohr the end moves.
std::pair<double, double> pendientesExtremos(const MallaRadial& malla,
                                             const std::vector<double>& c);

} // namespace curvifit
