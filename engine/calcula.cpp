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
    const int N = datos.NPUNTOS();
    double S = 0.0;
    double SW = 0.0;
    for (int i = 0; i < N; ++i) {
        const std::vector<double> f = FUNBAS(datos.RMALLA[i], datos.POTUSADA);
        double ajustado = 0.0;
        for (std::size_t j = 0; j < ajuste.ACOEF.size() && j < f.size(); ++j) {
            ajustado += ajuste.ACOEF[j] * f[j];
        }
        const double d = ajustado - datos.EDAT[i];
        S += d * d / datos.SIGMA[i];
        SW += 1.0 / datos.SIGMA[i];
    }
    const double S2 = N == datos.NPOT ? 0.0 : S / (static_cast<double>(N - datos.NPOT) * SW);
    return 0.7 * std::sqrt(S2);
}

Constantes constantesMoleculares(const DatosEntrada& datos, const Ajuste& ajuste, double x) {
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
    k.ALFA = -(2.0 * BE2 / k.WE) * (2.0 * x2 * x * k.BE * k.K3 / (2.0 * PI * WE2) + 3.0);
    k.Y00 =
        (k.K4 - 14.0 * k.K3 * k.K3 * x2 * k.BE / (18.0 * PI * WE2)) * BE2 * x4 / (32.0 * PI * WE2);
    k.DE = 4.0 * BE2 * k.BE / WE2;
    // Rotation in J = 1: the centrifugal term J(J+1)/(2 mu R^2) with J(J+1) = 2.
    const double C = 2.0 / (2.0 * mu * x2);
    const double F1 = -2.0 * C / x;
    const double KEFF = 6.0 * C / x2 + k.K2;
    k.DR = -F1 / KEFF;
    k.DK = KEFF - k.K2;
    return k;
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
    const std::optional<double> x = buscaMinimo(resultado.ajuste.COEFPOT, limite);
    if (!x) {
        throw ErrorMotor(Salida::SinMinimo, mensajeSinMinimo(limite));
    }
    resultado.constantes = constantesMoleculares(datos, resultado.ajuste, *x);
    const Constantes& k = resultado.constantes;
    escribeCoeficientes(curva, resultado.ajuste, k.ERRPROBE);
    resultado.niveles = NIVELVIBRA(k.NU, k.XNU, k.K2, k.EEQ, datos.EMAX);
    escribeNiveles(curva, resultado.niveles);
    return resultado;
}

} // namespace curvifit
