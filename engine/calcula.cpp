#include "calcula.h"

#include "ajuste.h"
#include "busqueda_minimo.h"
#include "derivapol.h"
#include "errores.h"
#include "formulas_constantes.h"
#include "niveles.h"
#include "registros_curva.h"

#include <cmath>
#include <numbers>
#include <string>

namespace curvifit {

static_assert(PI_DOBLE == std::numbers::pi);

namespace {

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
    return FACTOR_ERROR_PROBABLE * std::sqrt(cuasivarianza(datos, ajuste.ACOEF));
}

Constantes constantesEquilibrio(const DatosEntrada& datos, const Ajuste& ajuste, double x) {
    Constantes k;
    k.XEQ = x;
    k.RE = x * datos.FACDIST;
    k.EEQ = DERIVAPOL(ajuste.COEFPOT, x, 0);
    k.ERRPROBE = errorProbableEnergias(datos, ajuste);
    k.K2 = DERIVAPOL(ajuste.COEFPOT, x, 2);
    k.K3 = DERIVAPOL(ajuste.COEFPOT, x, 3);
    k.K4 = DERIVAPOL(ajuste.COEFPOT, x, 4);
    const auto f = formulasConstantes(x, k.K2, k.K3, k.K4, datos.MASARED);
    k.BE = f.BE;
    k.WE = f.WE;
    k.WEXE = f.WEXE;
    k.NU = k.WE / k.FACFREC;
    k.XNU = k.WEXE / k.FACFREC;
    return k;
}

void constantesRotacion(Constantes& k, double MASARED) {
    const auto f = formulasConstantes(k.XEQ, k.K2, k.K3, k.K4, MASARED);
    k.ALFA = f.ALFA;
    k.Y00 = f.Y00;
    k.DE = f.DE;
    k.DR = f.DR;
    k.DK = f.DK;
}

std::optional<Constantes> constantesDelAjuste(const DatosEntrada& datos, const Ajuste& ajuste) {
    const std::optional<double> x =
        minimoPulido(ajuste.COEFPOT, limiteBusqueda(datos.RMAX), datos.RMIN);
    if (!x) {
        return std::nullopt;
    }
    Constantes k = constantesEquilibrio(datos, ajuste, *x);
    constantesRotacion(k, datos.MASARED);
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
    const std::optional<double> x = minimoPulido(resultado.ajuste.COEFPOT, limite, datos.RMIN);
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
