#include "busqueda_minimo.h"

#include "derivapol.h"

#include <algorithm>
#include <cmath>

namespace curvifit {

namespace {

// Bound on the rounding error of a computed V', relative to the sum of the absolute values
// of its terms: Horner's rule over at most 30 terms errs by at most 60 units of roundoff
// (6.7e-15) and the power x^emin by about 10 more; this leaves a margin of ten.
constexpr double ERROR_RELATIVO_DERIVADA = 1e-13;
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

// V' and the derivatives that bound its change over a stretch of the grid.
struct Derivadas {
    explicit Derivadas(const CoeficientesPotencia& c)
        : primera(c, 1), segunda(c, 2), tercera(c, 3), cuarta(c, 4) {}
    Derivada primera, segunda, tercera, cuarta;
};

// True when every computed V' on the grid points in [a, b] has the strict sign of dA, the
// computed V'(a): then no pair of neighbours in that stretch can stop the scan. By Taylor's
// theorem |V'(t) - V'(a)| <= |V''(a)| h + |V'''(a)| h^2 / 2 + max|V''''| h^3 / 6 with
// h = b - a; each computed value adds its rounding bound. Bounding V'' by the sizes of its
// terms alone would be far too coarse where they cancel, as in fits with many powers.
bool signoConstante(const Derivadas& v, double a, double b, double dA) {
    const double h = b - a;
    const double sumaPrimera = v.primera.cotaTerminos(a, b);
    if (!(sumaPrimera > SUMA_MINIMA) || !std::isfinite(sumaPrimera)) {
        return false;
    }
    const double segunda =
        std::fabs(v.segunda.valor(a)) + ERROR_RELATIVO_DERIVADA * v.segunda.cotaTerminos(a, a);
    const double tercera =
        std::fabs(v.tercera.valor(a)) + ERROR_RELATIVO_DERIVADA * v.tercera.cotaTerminos(a, a);
    const double cuarta = v.cuarta.cotaTerminos(a, b);
    const double margen =
        (segunda * h + tercera * h * h / 2.0 + cuarta * h * h * h / 6.0) * (1.0 + 1e-12) +
        2.0 * ERROR_RELATIVO_DERIVADA * sumaPrimera;
    return std::isfinite(margen) && std::fabs(dA) > margen;
}

} // namespace

double limiteBusqueda(double RMAX) {
    return std::min(2.0 * RMAX, LIMITE_ABSOLUTO_BUSQUEDA);
}

double sumaRepetida(double x, long long pasos) {
    while (pasos > 0) {
        const double x1 = x + PASO_BUSQUEDA;
        const double x2 = x1 + PASO_BUSQUEDA;
        // Within one binade every sum is x plus the same rounded step, once two sums in a
        // row have added the same amount (a halfway case can change only the first one).
        int exponenteX = 0;
        int exponenteX2 = 0;
        std::frexp(x, &exponenteX);
        std::frexp(x2, &exponenteX2);
        const double incremento = x2 - x1;
        if (pasos > 2 && exponenteX == exponenteX2 && x1 - x == incremento && incremento > 0.0) {
            const double techo = std::ldexp(1.0, exponenteX2);
            // Two steps of margin keep every sum of the bulk strictly inside the binade.
            const double caben = std::floor((techo - x2) / incremento) - 2.0;
            if (caben >= 1.0) {
                const long long j =
                    std::min(pasos - 2, static_cast<long long>(std::min(caben, 1e15)));
                // j * incremento and the sum are exact: multiples of the binade's unit
                // below its top.
                x = x2 + static_cast<double>(j) * incremento;
                pasos -= 2 + j;
                continue;
            }
        }
        x = x1;
        --pasos;
    }
    return x;
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
    const Derivadas v(COEFPOT);
    const Derivada& primera = v.primera;
    const Derivada& segunda = v.segunda;
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
            if (signoConstante(v, x, b, dAnterior)) {
                // Exactly the plain scan's grid point; x only grows, so checking the
                // bound at the end of the stretch is enough.
                x = sumaRepetida(x, salto);
                if (!(x <= limite)) {
                    return minimo;
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
