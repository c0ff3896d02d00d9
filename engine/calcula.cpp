#include "calcula.h"

#include "ajuste.h"
#include "busqueda_minimo.h"
#include "derivapol.h"
#include "errores.h"
#include "niveles.h"
#include "registros_curva.h"

#include <cmath>
#include <numbers>
#include <string>

namespace curvifit {

namespace {

constexpr double PI = std::numbers::pi;

std::string mensajeSinMinimo(double limite) {
    std::string mensaje = "No se encuentra un mínimo en la curva ajustada";
    if (!(limite > 0.0)) {
        return mensaje + " (no hay distancias positivas en los datos)";
    }
    // Whole bohr are enough to tell the user how far the search went.
    return mensaje +
           " (búsqueda hasta R = " + std::to_string(static_cast<long long>(std::floor(limite))) +
           " bohr)";
}

} // namespace

double errorProbableEnergias(const DatosEntrada& datos, const Ajuste& ajuste) {
    return FACTOR_ERROR_PROBABLE * std::sqrt(cuasivarianza(datos, ajuste.ACOEF, datos.RMALLA));
}

Constantes constantesEquilibrio(const DatosEntrada& datos, const Ajuste& ajuste, double x) {
    Constantes k;
    const double mu = datos.MASARED;
    k.XEQ = x;
    k.RE = x * datos.FACDIST;
    k.EEQ = DERIVAPOL(ajuste.COEFPOT, x, 0);
    k.ERRPROBE = errorProbableEnergias(datos, ajuste);
    k.K2 = DERIVAPOL(ajuste.COEFPOT, x, 2);
    k.K3 = DERIVAPOL(ajuste.COEFPOT, x, 3);
    k.K4 = DERIVAPOL(ajuste.COEFPOT, x, 4);
    const double x2 = x * x;
    const double x4 = x2 * x2;
    k.BE = 1.0 / (4.0 * PI * mu * x2);
    k.WE = std::sqrt(k.K2 / mu) / (2.0 * PI);
    const double WE2 = k.WE * k.WE;
    const double BE2 = k.BE * k.BE;
    k.WEXE =
        (10.0 * k.BE * x2 * k.K3 * k.K3 / (6.0 * PI * WE2) - k.K4) * BE2 * x4 / (8.0 * PI * WE2);
    k.NU = k.WE / k.FACFREC;
    k.XNU = k.WEXE / k.FACFREC;
    return k;
}

void constantesRotacion(Constantes& k, double MASARED) {
    const double x = k.XEQ;
    const double x2 = x * x;
    const double x4 = x2 * x2;
    const double WE2 = k.WE * k.WE;
    const double BE2 = k.BE * k.BE;
    k.ALFA = -(2.0 * BE2 / k.WE) * (2.0 * x2 * x * k.BE * k.K3 / (2.0 * PI * WE2) + 3.0);
    k.Y00 =
        (k.K4 - 14.0 * k.K3 * k.K3 * x2 * k.BE / (18.0 * PI * WE2)) * BE2 * x4 / (32.0 * PI * WE2);
    k.DE = 4.0 * BE2 * k.BE / WE2;
    // Rotation in J = 1: the centrifugal term J(J+1)/(2 mu R^2) with J(J+1) = 2.
    const double C = 2.0 / (2.0 * MASARED * x2);
    const double F1 = -2.0 * C / x;
    const double KEFF = 6.0 * C / x2 + k.K2;
    k.DR = -F1 / KEFF;
    k.DK = KEFF - k.K2;
}

void escribeCoeficientes(std::ostream& curva, const Ajuste& ajuste, double ERRPROBE) {
    for (double c : ajuste.COEFPOT) {
        escribeRegistroCurva(curva, c);
    }
    escribeRegistroCurva(curva, ERRPROBE);
}

void escribeNiveles(std::ostream& curva, const Niveles& niveles) {
    escribeRegistroCurva(curva, niveles.ANCHONIVEL);
    for (double e : niveles.energias) {
        escribeRegistroCurva(curva, e);
    }
}

Resultado CALCULA(const DatosEntrada& datos, std::ostream& curva) {
    Resultado resultado;
    resultado.ajuste = ajustaCurva(datos);
    const double limite = limiteBusqueda(datos.RMAX);
    const std::optional<double> x = buscaMinimo(resultado.ajuste.COEFPOT, limite).x;
    if (!x) {
        throw ErrorMotor(Salida::SinMinimo, mensajeSinMinimo(limite));
    }
    Constantes& k = resultado.constantes;
    k = constantesEquilibrio(datos, resultado.ajuste, *x);
    escribeCoeficientes(curva, resultado.ajuste, k.ERRPROBE);
    // The levels need only the constants up to the anharmonicity.
    resultado.niveles = NIVELVIBRA(k.NU, k.XNU, k.K2, k.EEQ, datos.EMAX);
    escribeNiveles(curva, resultado.niveles);
    constantesRotacion(k, datos.MASARED);
    return resultado;
}

} // namespace curvifit
