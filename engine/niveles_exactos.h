// Exact vibration-rotation levels: the radial equation
//   -1/(2 mu) chi'' + [V(R) + J(J+1)/(2 mu R^2)] chi = E chi
// solved for J = 0..JMAX on the fitted curve continued past the data (extension_curva.h), or
// between hard walls where the data end on a side that cannot be continued (atomic units).
#pragma once

#include "avisos.h"
#include "datos_motor.h"
#include "extension_curva.h"

#include <array>
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
// Levels this well known (1/cm) go into the constants from the levels.
constexpr double INCERTIDUMBRE_CONSTANTES_CM1 = 0.1;

struct NivelExacto {
    int v = 0; // number of nodes
    int J = 0;
    double e_cm1 = 0.0; // above EEQ
    double e_hartree = 0.0;
    double r_interior = 0.0, r_exterior = 0.0; // classical turning points, bohr
    std::optional<double> bv_cm1;              // <v| 1/(2 mu R^2) |v>, J = 0 only
    // Centrifugal distortion, J = 0 only: E(v,J) = Gv + Bv x - Dv x^2 + Hv x^3 + Lv x^4 with
    // x = J(J+1), from Hutson's perturbation method on the J = 0 wave function.
    std::optional<double> dv_cm1, hv_cm1, lv_cm1;
    // |dE/dR_wall| = chi'(wall)^2 / (2 mu) for normalised chi, 1/cm per bohr.
    double sensibilidad_interior = 0.0, sensibilidad_exterior = 0.0;
    bool cerca_pared = false; // only for a side that kept its wall
    bool extrapolado = false; // a turning point outside [RMIN, RMAX]
    // The largest change of the energy, 1/cm, under the extensions' alternatives (first
    // order: <chi| V_alternative - V |chi>) or under a 0.1 bohr shift of a kept wall.
    double incertidumbre_cm1 = 0.0;
    bool cuasiligado = false;          // above the asymptote, behind the centrifugal barrier
    std::optional<double> anchura_cm1; // its tunnelling width, quasibound levels only
};

// The well depth and the dissociation energy when the curve has an asymptote.
struct Disociacion {
    double v_inf_hartree = 0.0;
    double de_cm1 = 0.0;            // V_inf - V(re)
    double d0_cm1 = 0.0;            // V_inf - E(v = 0, J = 0)
    double incertidumbre_cm1 = 0.0; // the largest change of either under the alternative tails
    bool desde_datos = false;       // the data reach within 1 % of the well depth of V_inf
};

// G(v) = we (v+1/2) - wexe (v+1/2)^2 + weye (v+1/2)^3 + weze (v+1/2)^4,
// Bv = Be - alpha_e (v+1/2) + gamma_e (v+1/2)^2 and Dv = De + beta_e (v+1/2), 1/cm.
struct ConstantesDeNiveles {
    double we = 0.0, wexe = 0.0, weye = 0.0, be = 0.0, alfa_e = 0.0;
    std::vector<int> v_usados; // the J = 0 levels fitted
    double weze = 0.0, gamma_e = 0.0, de = 0.0, beta_e = 0.0;
};

// E(v,J) = sum of Y[k][l] (v+1/2)^k [J(J+1)]^l, k <= 3, l <= 2, 1/cm above EEQ.
struct Dunham {
    std::array<std::array<double, 3>, 4> Y{};
};

// The bound levels' radial functions on the grid they were solved on (all share it): for the
// spectrum's transition moments. c[k] belongs to niveles[nivel[k]]; c_i = chi(R_i) sqrt(peso_i),
// sign as the eigensolver left it. Quasibound levels have grids of their own and are absent.
struct FuncionesLigadas {
    std::vector<double> R, peso;
    std::vector<std::size_t> nivel;
    std::vector<std::vector<double>> c;
};

struct NivelesExactos {
    int JMAX = JMAX_DEFECTO;
    double RMIN = 0.0, RMAX = 0.0;    // bohr
    std::vector<NivelExacto> niveles; // by J, then v
    // The bound levels' limit per J above EEQ: V_inf with a tail, the lower wall's V_J else.
    std::vector<double> limite_cm1;
    std::optional<ConstantesDeNiveles> constantes;
    std::optional<Dunham> dunham; // over the constants' levels and J <= 10
    Extensiones extensiones;
    std::optional<Disociacion> disociacion;
    FuncionesLigadas funciones;
};

// How fine the grid is: the points per shortest local de Broglie wavelength are multiplied
// by `finura` (tests check convergence with 2).
struct OpcionesMalla {
    double finura = 1.0;
};

// Every level below E_lim(J) for J = 0..JMAX between hard walls at RMIN and RMAX. Energies
// in 1/cm are taken above EEQ.
NivelesExactos resuelveNiveles(const Potencial& potencial, double MASARED, double RMIN, double RMAX,
                               double EEQ, int JMAX, OpcionesMalla opciones = {});

// The same on the curve continued by `extensiones` past its ends `interior` (at RMIN) and
// `exterior` (at RMAX), with the quasibound levels, each level's uncertainty and the
// dissociation energy.
NivelesExactos resuelveNiveles(const Potencial& potencial, const ExtremoCurva& interior,
                               const ExtremoCurva& exterior, const Extensiones& extensiones,
                               double MASARED, double EEQ, int JMAX, OpcionesMalla opciones = {});

// Everything that shapes the levels besides the fit and the mass: the caller passes it, so
// that one run can solve several isotopic species.
struct OpcionesNiveles {
    int cola = COLA_DEFECTO; // the tail's exponent n
    OpcionesMalla malla;
};

// The fitted curve V(R) = sum of COEFPOT(p) R^p between the data's RMIN and RMAX, continued
// past them.
NivelesExactos nivelesExactos(const DatosEntrada& datos, const Ajuste& ajuste,
                              const Constantes& constantes, int JMAX,
                              const OpcionesNiveles& opciones = {});

// One level's radial function, normalised so that the integral of chi^2 over [RMIN, RMAX]
// is 1, at the grid's interior points (bohr), walls included with chi = 0. Empty when the
// grid holds fewer than v + 1 levels for this J. For drawing: it solves the whole problem.
struct FuncionOnda {
    std::vector<double> R, chi;
};
FuncionOnda funcionOnda(const Potencial& potencial, double MASARED, double RMIN, double RMAX, int v,
                        int J, OpcionesMalla opciones = {});
// The same on the curve continued by `extensiones` (a bound level only): the grid then reaches
// past RMIN and RMAX, and the first and last points are its ends.
FuncionOnda funcionOnda(const Potencial& potencial, const Extensiones& extensiones, double MASARED,
                        double RMIN, double RMAX, int v, int J, OpcionesMalla opciones = {});

// The fits of G(v), Bv and Dv over the lowest min(6, n) bound J = 0 levels whose uncertainty
// is below 0.1 1/cm and that are not near a wall; none when fewer than 3 such levels exist,
// and weze, gamma_e and beta_e zero when fewer than 4.
std::optional<ConstantesDeNiveles> constantesDeNiveles(const std::vector<NivelExacto>& niveles);

// The Dunham fit of E(v,J), J <= 10, over the levels `v_usados`; none with fewer than 4 of
// them or without J = 2.
std::optional<Dunham> dunhamDeNiveles(const std::vector<NivelExacto>& niveles,
                                      const std::vector<int>& v_usados);

// The warning for a data range that holds no level at all; none when there are levels.
std::optional<Aviso> avisoSinNiveles(const NivelesExactos& exactos);

// That one, and one for each end of the data that kept its hard wall.
std::vector<Aviso> avisosNiveles(const NivelesExactos& exactos);

} // namespace curvifit
