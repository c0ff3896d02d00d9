// Exact vibration-rotation levels: the radial equation
//   -1/(2 mu) chi'' + [V(R) + J(J+1)/(2 mu R^2)] chi = E chi,   chi(RMIN) = chi(RMAX) = 0,
// solved for J = 0..JMAX between hard walls where the data end (atomic units throughout).
#pragma once

#include "avisos.h"
#include "datos_motor.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace curvifit {

constexpr int JMAX_DEFECTO = 20;
constexpr int JMAX_MAXIMO = 200;

// A level depends on where the data end when a wall shift of this many bohr...
constexpr double DESPLAZAMIENTO_PARED = 0.1;
// ...moves it by more than this many 1/cm.
constexpr double CAMBIO_PARED_CM1 = 0.01;

// The curve and its slope, hartree and hartree/bohr, for R in bohr.
struct Potencial {
    std::function<double(double)> V;
    std::function<double(double)> dV;
};

struct NivelExacto {
    int v = 0; // number of nodes
    int J = 0;
    double e_cm1 = 0.0; // above EEQ
    double e_hartree = 0.0;
    double r_interior = 0.0, r_exterior = 0.0; // classical turning points, bohr
    std::optional<double> bv_cm1;              // <v| 1/(2 mu R^2) |v>, J = 0 only
    // |dE/dR_wall| = chi'(wall)^2 / (2 mu) for normalised chi, 1/cm per bohr.
    double sensibilidad_interior = 0.0, sensibilidad_exterior = 0.0;
    bool cerca_pared = false;
};

// G(v) = we (v+1/2) - wexe (v+1/2)^2 + weye (v+1/2)^3 and Bv = Be - alpha_e (v+1/2), 1/cm.
struct ConstantesDeNiveles {
    double we = 0.0, wexe = 0.0, weye = 0.0, be = 0.0, alfa_e = 0.0;
};

struct NivelesExactos {
    int JMAX = JMAX_DEFECTO;
    double RMIN = 0.0, RMAX = 0.0;    // bohr
    std::vector<NivelExacto> niveles; // by J, then v
    std::vector<double> limite_cm1;   // E_lim(J) = min(V_J(RMIN), V_J(RMAX)) above EEQ
    std::optional<ConstantesDeNiveles> constantes;
};

// How fine the grid is: the points per shortest local de Broglie wavelength are multiplied
// by `finura` (tests check convergence with 2).
struct OpcionesMalla {
    double finura = 1.0;
};

// Every level below E_lim(J) for J = 0..JMAX. Energies in 1/cm are taken above EEQ.
NivelesExactos resuelveNiveles(const Potencial& potencial, double MASARED, double RMIN, double RMAX,
                               double EEQ, int JMAX, OpcionesMalla opciones = {});

// The fitted curve V(R) = sum of COEFPOT(p) R^p between the data's RMIN and RMAX.
NivelesExactos nivelesExactos(const DatosEntrada& datos, const Ajuste& ajuste,
                              const Constantes& constantes, int JMAX);

// One level's radial function, normalised so that the integral of chi^2 over [RMIN, RMAX]
// is 1, at the grid's interior points (bohr), walls included with chi = 0. Empty when the
// grid holds fewer than v + 1 levels for this J. For drawing: it solves the whole problem.
struct FuncionOnda {
    std::vector<double> R, chi;
};
FuncionOnda funcionOnda(const Potencial& potencial, double MASARED, double RMIN, double RMAX, int v,
                        int J, OpcionesMalla opciones = {});

// The fits of G(v) and Bv over the lowest min(6, n) J = 0 levels not near a wall; none
// when fewer than 3 such levels exist.
std::optional<ConstantesDeNiveles> constantesDeNiveles(const std::vector<NivelExacto>& niveles);

// The warning for a data range that holds no level at all; none when there are levels.
std::optional<Aviso> avisoSinNiveles(const NivelesExactos& exactos);

} // namespace curvifit
