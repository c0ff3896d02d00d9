// What the fit's statistics say about its numbers: the residual variance, the coefficients'
// covariance, the leverages and the standard error of every molecular constant. Works on
// any fit of ajustaCurva, whether its points came from a data file or from memory.
#pragma once

#include "datos_motor.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace curvifit {

// The constants, in the order and with the names of the result file.
enum class Constante : int {
    ReBohr,
    ReAngstrom,
    EEqHartree,
    K2HartreeBohr2,
    K3HartreeBohr3,
    K4HartreeBohr4,
    K2MdynAngstrom,
    WeCm1,
    WexeCm1,
    BeCm1,
    AlphaECm1,
    DeCm1,
    Y00Cm1,
    DrJ1Angstrom,
    DkJ1MdynAngstrom,
};
constexpr int NUM_CONSTANTES = 15;

constexpr std::array<std::string_view, NUM_CONSTANTES> NOMBRES_CONSTANTES = {
    "re_bohr",          "re_angstrom",      "e_eq_hartree",        "k2_hartree_bohr2",
    "k3_hartree_bohr3", "k4_hartree_bohr4", "k2_mdyn_angstrom",    "we_cm1",
    "wexe_cm1",         "be_cm1",           "alpha_e_cm1",         "de_cm1",
    "y00_cm1",          "dr_j1_angstrom",   "dk_j1_mdyn_angstrom",
};

struct ValorConError {
    double valor = 0.0;
    std::optional<double> error; // 1 sigma; none when the fit leaves no degree of freedom
};

struct ConstantesConError {
    std::array<ValorConError, NUM_CONSTANTES> valores;
    const ValorConError& operator[](Constante c) const { return valores[static_cast<int>(c)]; }
};

// s^2 = the weighted sum of squared residuals (CHISQ) over N - m, with N points and m
// coefficients; none when N <= m.
std::optional<double> varianzaResidual(const Ajuste& ajuste, int N);

// C = s^2 D^-1 V W^-2 V^T D^-1 over the kept singular values of the scaled decomposition
// (m x m, in the order of ACOEF); none when N <= m.
std::optional<Matriz> covarianzaCoeficientes(const Ajuste& ajuste, int N);

// The diagonal of the hat matrix (each point's leverage h_i, for PRESS residuals e_i/(1-h_i)):
// the sum over the kept columns of U(i, k)^2.
std::vector<double> apalancamientos(const Ajuste& ajuste);

// sqrt(sum over the points of (fit - EDAT)^2 / N), at the points' own distances.
double residuoCuadraticoMedio(const DatosEntrada& datos, const Ajuste& ajuste);

// d(constant)/d(ACOEF(j)) for every constant, at the engine's equilibrium distance k.XEQ,
// with re moving as the implicit derivative -p re^(p-1) / V''(re) says.
std::array<std::vector<double>, NUM_CONSTANTES>
gradientesConstantes(const DatosEntrada& datos, const Ajuste& ajuste, const Constantes& k);

// Each constant as the report computes it, with sqrt(g^T C g) as its standard error.
ConstantesConError constantesConError(const DatosEntrada& datos, const Ajuste& ajuste,
                                      const Constantes& k);

// The same with the covariance already at hand (none: no errors).
ConstantesConError constantesConError(const DatosEntrada& datos, const Ajuste& ajuste,
                                      const Constantes& k, const std::optional<Matriz>& C);

} // namespace curvifit
