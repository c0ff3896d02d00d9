#include "busqueda_minimo.h"

#include "derivapol.h"

#include <algorithm>
#include <cmath>

namespace curvifit {

namespace {

// Bound on the rounding error of a computed V', relative to the sum of the absolute values
// of its terms (30 terms of a few operations each stay far below this).
constexpr double ERROR_RELATIVO_DERIVADA = 1e-10;
// Below this the error bound itself could underflow.
constexpr double SUMA_MINIMA = 1e-280;
constexpr long long SALTO_MAXIMO = 1 << 20;

bool seDetiene(double dAnterior, double d, double curvatura) {
    return curvatura > 0.0 && dAnterior / d <= 0.0;
}

// Sum over p of |p(p-1)...(p-n+1) c_p| * max(a^(p-n), b^(p-n)): a bound for the terms of the
// n-th derivative anywhere in [a, b] when 0 < a < b, since each power is monotone there.
double cotaTerminos(const CoeficientesPotencia& c, double a, double b, int n) {
    double cota = 0.0;
    for (int p = POTENCIA_MIN; p <= POTENCIA_MAX; ++p) {
        const double coeficiente = std::fabs(c[indicePotencia(p)] * factorDerivada(p, n));
        if (coeficiente != 0.0) {
            cota += coeficiente * std::max(potenciaEntera(a, p - n), potenciaEntera(b, p - n));
        }
    }
    return cota;
}

// True when every computed V' on the grid points in [a, b] has the strict sign of dA, the
// computed V'(a): then no pair of neighbours in that stretch can stop the scan.
bool signoConstante(const CoeficientesPotencia& c, double a, double b, double dA) {
    const double sumaPrimera = cotaTerminos(c, a, b, 1);
    const double cotaSegunda = cotaTerminos(c, a, b, 2);
    if (!(sumaPrimera > SUMA_MINIMA) || !std::isfinite(sumaPrimera) ||
        !std::isfinite(cotaSegunda)) {
        return false;
    }
    const double errorRedondeo = ERROR_RELATIVO_DERIVADA * sumaPrimera;
    const double margen = cotaSegunda * (b - a) * (1.0 + 1e-12) + 2.0 * errorRedondeo;
    return std::fabs(dA) > margen;
}

} // namespace

double limiteBusqueda(double RMAX) {
    return std::min(2.0 * RMAX, LIMITE_ABSOLUTO_BUSQUEDA);
}

Minimo buscaMinimoPasoAPaso(const CoeficientesPotencia& COEFPOT, double limite) {
    Minimo minimo;
    double x = PASO_BUSQUEDA;
    double dAnterior = DERIVAPOL(COEFPOT, x, 1);
    ++minimo.evaluaciones;
    for (;;) {
        x += PASO_BUSQUEDA;
        if (!(x <= limite)) {
            return minimo;
        }
        const double d = DERIVAPOL(COEFPOT, x, 1);
        ++minimo.evaluaciones;
        if (seDetiene(dAnterior, d, DERIVAPOL(COEFPOT, x, 2))) {
            minimo.encontrado = true;
            minimo.x = x;
            return minimo;
        }
        dAnterior = d;
    }
}

Minimo buscaMinimo(const CoeficientesPotencia& COEFPOT, double limite) {
    Minimo minimo;
    double x = PASO_BUSQUEDA;
    double dAnterior = DERIVAPOL(COEFPOT, x, 1);
    ++minimo.evaluaciones;
    long long salto = 2;
    for (;;) {
        const double b = x + static_cast<double>(salto + 1) * PASO_BUSQUEDA;
        if (salto > 1 && signoConstante(COEFPOT, x, b, dAnterior)) {
            // The additions are kept so that x is exactly the plain scan's grid point.
            for (long long k = 0; k < salto; ++k) {
                x += PASO_BUSQUEDA;
                if (!(x <= limite)) {
                    return minimo;
                }
            }
            dAnterior = DERIVAPOL(COEFPOT, x, 1);
            ++minimo.evaluaciones;
            salto = std::min(2 * salto, SALTO_MAXIMO);
            continue;
        }
        if (salto > 2) {
            salto /= 2;
            continue;
        }
        x += PASO_BUSQUEDA;
        if (!(x <= limite)) {
            return minimo;
        }
        const double d = DERIVAPOL(COEFPOT, x, 1);
        ++minimo.evaluaciones;
        if (seDetiene(dAnterior, d, DERIVAPOL(COEFPOT, x, 2))) {
            minimo.encontrado = true;
            minimo.x = x;
            return minimo;
        }
        dAnterior = d;
    }
}

} // namespace curvifit
