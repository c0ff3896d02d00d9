#include "busqueda_minimo.h"

#include "derivapol.h"

#include <algorithm>
#include <cmath>

namespace curvifit {

namespace {

// Bound on the rounding error of a computed V', relative to the sum of the absolute values
// of its terms (Horner's rule over at most 30 terms stays far below this).
constexpr double ERROR_RELATIVO_DERIVADA = 1e-10;
// Below this the error bound itself could underflow.
constexpr double SUMA_MINIMA = 1e-280;
constexpr long long SALTO_MAXIMO = 1 << 20;
// After a stretch of only two points fails the sign test, this many plain steps at most go
// by before the next test, so that a curve that stays near V' = 0 costs little more than
// the plain scan.
constexpr int ESPERA_MAXIMA = 64;

// The n-th derivative of the power polynomial as sum of a_k x^(emin + k), evaluated by
// Horner's rule: the scan evaluates it at millions of points.
class Derivada {
public:
    Derivada(const CoeficientesPotencia& c, int n) {
        for (int p = POTENCIA_MIN; p <= POTENCIA_MAX; ++p) {
            const double a = factorDerivada(p, n) * c[indicePotencia(p)];
            if (a == 0.0) {
                continue;
            }
            if (a_.empty()) {
                emin_ = p - n;
            }
            a_.resize(static_cast<std::size_t>(p - n - emin_ + 1), 0.0);
            a_.back() = a;
        }
    }

    double valor(double x) const {
        if (a_.empty()) {
            return 0.0;
        }
        double suma = 0.0;
        for (std::size_t k = a_.size(); k-- > 0;) {
            suma = suma * x + a_[k];
        }
        return suma * potenciaEntera(x, emin_);
    }

    // Sum of |a_k| * max(lo^e, hi^e) over the terms, for 0 < lo <= hi: each power is
    // monotone there, so this bounds the sum of the terms' magnitudes anywhere in [lo, hi].
    double cotaTerminos(double lo, double hi) const {
        double positivos = 0.0;
        double negativos = 0.0;
        const double inverso = 1.0 / lo;
        for (std::size_t k = a_.size(); k-- > 0;) {
            const int e = emin_ + static_cast<int>(k);
            if (e >= 0) {
                positivos = positivos * hi + std::fabs(a_[k]);
            }
        }
        for (std::size_t k = 0; k < a_.size(); ++k) {
            const int e = emin_ + static_cast<int>(k);
            if (e < 0) {
                negativos = negativos * inverso + std::fabs(a_[k]);
            }
        }
        const int emax = emin_ + static_cast<int>(a_.size()) - 1;
        double cota = 0.0;
        if (!a_.empty() && emax >= 0) {
            cota += positivos * potenciaEntera(hi, std::max(emin_, 0));
        }
        if (!a_.empty() && emin_ < 0) {
            cota += negativos * potenciaEntera(inverso, -std::min(emax, -1));
        }
        return cota;
    }

private:
    int emin_ = 0;
    std::vector<double> a_;
};

bool seDetiene(double dAnterior, double d, double curvatura) {
    return curvatura > 0.0 && dAnterior / d <= 0.0;
}

// True when every computed V' on the grid points in [a, b] has the strict sign of dA, the
// computed V'(a): then no pair of neighbours in that stretch can stop the scan. Uses
// |V'(t) - V'(a)| <= max|V''| (b - a) and the rounding bound of each computed V'.
bool signoConstante(const Derivada& primera, const Derivada& segunda, double a, double b,
                    double dA) {
    const double sumaPrimera = primera.cotaTerminos(a, b);
    const double cotaSegunda = segunda.cotaTerminos(a, b);
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
    const Derivada primera(COEFPOT, 1);
    const Derivada segunda(COEFPOT, 2);
    Minimo minimo;
    double x = PASO_BUSQUEDA;
    double dAnterior = primera.valor(x);
    ++minimo.evaluaciones;
    for (;;) {
        x += PASO_BUSQUEDA;
        if (!(x <= limite)) {
            return minimo;
        }
        const double d = primera.valor(x);
        ++minimo.evaluaciones;
        if (seDetiene(dAnterior, d, segunda.valor(x))) {
            minimo.encontrado = true;
            minimo.x = x;
            return minimo;
        }
        dAnterior = d;
    }
}

Minimo buscaMinimo(const CoeficientesPotencia& COEFPOT, double limite) {
    const Derivada primera(COEFPOT, 1);
    const Derivada segunda(COEFPOT, 2);
    Minimo minimo;
    double x = PASO_BUSQUEDA;
    double dAnterior = primera.valor(x);
    ++minimo.evaluaciones;
    long long salto = 2;
    int espera = 0;
    int esperaSiguiente = 1;
    for (;;) {
        if (espera == 0) {
            const double b = x + static_cast<double>(salto + 1) * PASO_BUSQUEDA;
            if (signoConstante(primera, segunda, x, b, dAnterior)) {
                // The additions are kept so that x is exactly the plain scan's grid point.
                for (long long k = 0; k < salto; ++k) {
                    x += PASO_BUSQUEDA;
                    if (!(x <= limite)) {
                        return minimo;
                    }
                }
                dAnterior = primera.valor(x);
                ++minimo.evaluaciones;
                salto = std::min(2 * salto, SALTO_MAXIMO);
                esperaSiguiente = 1;
                continue;
            }
            if (salto > 2) {
                salto /= 2;
                continue;
            }
            espera = esperaSiguiente;
            esperaSiguiente = std::min(2 * esperaSiguiente, ESPERA_MAXIMA);
        }
        --espera;
        x += PASO_BUSQUEDA;
        if (!(x <= limite)) {
            return minimo;
        }
        const double d = primera.valor(x);
        ++minimo.evaluaciones;
        if (seDetiene(dAnterior, d, segunda.valor(x))) {
            minimo.encontrado = true;
            minimo.x = x;
            return minimo;
        }
        dAnterior = d;
    }
}

} // namespace curvifit
