// The molecular constants as functions of the equilibrium distance x (bohr), the force
// constants K2, K3, K4 and the reduced mass. Written once for any number type: CALCULA
// evaluates them on doubles, the standard errors on numbers that carry their derivatives.
#pragma once

#include <cmath>
#include <numbers>

namespace curvifit {

template <class T> struct FormulasConstantes {
    T BE, WE, WEXE;
    T ALFA, Y00, DE;
    T DR, DK;
};

// The operations keep the order in which the report's values have always been computed.
template <class T>
FormulasConstantes<T> formulasConstantes(const T& x, const T& K2, const T& K3, const T& K4,
                                         double mu) {
    using std::sqrt;
    constexpr double PI = std::numbers::pi;
    FormulasConstantes<T> k;
    const T x2 = x * x;
    const T x4 = x2 * x2;
    k.BE = 1.0 / (4.0 * PI * mu * x2);
    k.WE = sqrt(K2 / mu) / (2.0 * PI);
    const T WE2 = k.WE * k.WE;
    const T BE2 = k.BE * k.BE;
    k.WEXE = (10.0 * k.BE * x2 * K3 * K3 / (6.0 * PI * WE2) - K4) * BE2 * x4 / (8.0 * PI * WE2);
    k.ALFA = -(2.0 * BE2 / k.WE) * (2.0 * x2 * x * k.BE * K3 / (2.0 * PI * WE2) + 3.0);
    k.Y00 = (K4 - 14.0 * K3 * K3 * x2 * k.BE / (18.0 * PI * WE2)) * BE2 * x4 / (32.0 * PI * WE2);
    k.DE = 4.0 * BE2 * k.BE / WE2;
    // Rotation in J = 1: the centrifugal term J(J+1)/(2 mu R^2) with J(J+1) = 2.
    const T C = 2.0 / (2.0 * mu * x2);
    const T F1 = -2.0 * C / x;
    const T KEFF = 6.0 * C / x2 + K2;
    k.DR = -F1 / KEFF;
    k.DK = KEFF - K2;
    return k;
}

} // namespace curvifit
