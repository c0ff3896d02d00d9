#include "busqueda_minimo.h"

#include "derivapol.h"

#include <algorithm>
#include <cmath>

namespace curvifit {

namespace {

// Bound on the rounding error of a computed derivative, relative to the sum of the
// magnitudes of its terms: Horner's rule over at most 30 terms errs by at most 60 units of
// roundoff (6.7e-15), the power x^emin and the rounded coefficients by about 25 more; this
// leaves a margin of ten.
constexpr double ERROR_RELATIVO_DERIVADA = 1e-13;
// Below this the error bound itself could underflow.
constexpr double SUMA_MINIMA = 1e-280;
constexpr long long SALTO_MAXIMO = 1 << 20;
// After a stretch of only two points fails the test, at most this many plain steps go by
// before the next test, so that a curve whose slope stays near zero costs little more than
// the plain scan.
constexpr int ESPERA_MAXIMA = 64;

bool seDetiene(const Derivada& segunda, double dAnterior, double d, double x) {
    // V'' is needed only where the slope has changed sign.
    return dAnterior / d <= 0.0 && segunda.valor(x) > 0.0;
}

// V' and the derivatives that bound its change over a stretch of the grid.
struct Derivadas {
    explicit Derivadas(const CoeficientesPotencia& c)
        : primera(c, 1), segunda(c, 2), tercera(c, 3), cuarta(c, 4) {}
    Derivada primera, segunda, tercera, cuarta;
};

// Bound on the exact value's magnitude at x, from the computed one.
double cotaEnPunto(const Derivada& derivada, double x) {
    return std::fabs(derivada.valor(x)) + ERROR_RELATIVO_DERIVADA * derivada.cotaTerminos(x, x);
}

// True when every computed V' on the grid points in [a, b] lies within |dA| / 2 of dA, the
// computed V'(a). By Taylor's theorem |V'(t) - V'(a)| <= |V''(a)| h + |V'''(a)| h^2 / 2 +
// max|V''''| h^3 / 6 with h = b - a; the computed V'(a) and V'(t) add a rounding bound
// each. Bounding V'' and V''' by the sizes of their terms alone would be far too coarse
// where they cancel, as in fits with many powers.
bool signoConstante(const Derivadas& v, double a, double b, double dA) {
    const double h = b - a;
    const double sumaPrimera = v.primera.cotaTerminos(a, b);
    if (!(sumaPrimera > SUMA_MINIMA) || !std::isfinite(sumaPrimera)) {
        return false;
    }
    const double taylor = cotaEnPunto(v.segunda, a) * h + cotaEnPunto(v.tercera, a) * h * h / 2.0 +
                          v.cuarta.cotaTerminos(a, b) * h * h * h / 6.0;
    const double margen = taylor * (1.0 + 1e-12) + 2.0 * ERROR_RELATIVO_DERIVADA * sumaPrimera;
    return std::isfinite(margen) && std::fabs(dA) > 2.0 * margen;
}

// How far the next attempt to skip reaches, and how many plain steps go by before it:
// stretches double while they pass the test and halve when they fail; near a zero of the
// slope, where even two points fail, plain steps go by, more after every failure.
class Ritmo {
public:
    long long salto() const { return salto_; }
    bool tocaIntentar() const { return espera_ == 0; }

    void acierto() {
        salto_ = std::min(2 * salto_, SALTO_MAXIMO);
        esperaSiguiente_ = 1;
    }

    // True when a shorter stretch is worth a try at once.
    bool fallo() {
        if (salto_ > 2) {
            salto_ /= 2;
            return true;
        }
        espera_ = esperaSiguiente_;
        esperaSiguiente_ = std::min(2 * esperaSiguiente_, ESPERA_MAXIMA);
        return false;
    }

    void pasoSimple() { espera_ = std::max(espera_ - 1, 0); }

private:
    long long salto_ = 2;
    int espera_ = 0;
    int esperaSiguiente_ = 1;
};

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
            // Two steps of margin keep every sum strictly inside the binade.
            const double caben = std::floor((techo - x2) / incremento) - 2.0;
            if (caben >= 1.0) {
                const long long j =
                    std::min(pasos - 2, static_cast<long long>(std::min(caben, 1e15)));
                // Exact: multiples of the binade's unit below its top.
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

Minimo buscaMinimoPasoAPaso(const CoeficientesPotencia& COEFPOT, double limite, double desde) {
    const Derivada primera(COEFPOT, 1);
    const Derivada segunda(COEFPOT, 2);
    Minimo minimo;
    double x = PASO_BUSQUEDA;
    double dAnterior = primera.valor(x);
    ++minimo.evaluaciones;
    for (;;) {
        const double xAnterior = x;
        x += PASO_BUSQUEDA;
        if (!(x <= limite)) {
            return minimo;
        }
        const double d = primera.valor(x);
        ++minimo.evaluaciones;
        if (seDetiene(segunda, dAnterior, d, x)) {
            minimo.x = x;
            minimo.anterior = xAnterior;
            if (x >= desde) {
                return minimo;
            }
        }
        dAnterior = d;
    }
}

Minimo buscaMinimo(const CoeficientesPotencia& COEFPOT, double limite, double desde) {
    const Derivadas v(COEFPOT);
    Minimo minimo;
    double x = PASO_BUSQUEDA;
    double dAnterior = v.primera.valor(x);
    ++minimo.evaluaciones;
    if (!v.primera.finita()) {
        // V' is infinite or not a number at every point: the ratio of two neighbours is
        // never <= 0, so the plain scan runs to the bound without stopping.
        return minimo;
    }
    Ritmo ritmo;
    for (;;) {
        if (ritmo.tocaIntentar()) {
            const double b = x + static_cast<double>(ritmo.salto() + 1) * PASO_BUSQUEDA;
            if (signoConstante(v, x, b, dAnterior)) {
                // x only grows, so the bound is checked at the end of the stretch alone.
                x = sumaRepetida(x, ritmo.salto());
                if (!(x <= limite)) {
                    return minimo;
                }
                dAnterior = v.primera.valor(x);
                ++minimo.evaluaciones;
                ritmo.acierto();
                continue;
            }
            if (ritmo.fallo()) {
                continue;
            }
        }
        ritmo.pasoSimple();
        const double xAnterior = x;
        x += PASO_BUSQUEDA;
        if (!(x <= limite)) {
            return minimo;
        }
        const double d = v.primera.valor(x);
        ++minimo.evaluaciones;
        if (seDetiene(v.segunda, dAnterior, d, x)) {
            minimo.x = x;
            minimo.anterior = xAnterior;
            if (x >= desde) {
                return minimo;
            }
        }
        dAnterior = d;
    }
}

double puleMinimo(const CoeficientesPotencia& COEFPOT, double a, double b) {
    const Derivada primera(COEFPOT, 1);
    const Derivada segunda(COEFPOT, 2);
    const double fa = primera.valor(a);
    const double fb = primera.valor(b);
    if (fa == 0.0) {
        return a;
    }
    if (fb == 0.0 || !(fa / fb < 0.0)) {
        // No sign change to follow (the ratio of the scan's stop was zero at b, or not a
        // number): the grid point stays.
        return b;
    }
    // V' < 0 at `bajo` and > 0 at `alto` throughout.
    double bajo = fa < 0.0 ? a : b;
    double alto = fa < 0.0 ? b : a;
    double x = 0.5 * (a + b);
    // Each bisection halves a bracket of 1e-05 bohr: some 60 steps reach one unit of
    // roundoff, and Newton needs far fewer; the bound only guards against a cycle.
    for (int paso = 0; paso < 200; ++paso) {
        const double d = primera.valor(x);
        if (d == 0.0 || !std::isfinite(d)) {
            return x;
        }
        (d < 0.0 ? bajo : alto) = x;
        const double dd = segunda.valor(x);
        double siguiente = x - d / dd;
        const double lo = std::min(bajo, alto);
        const double hi = std::max(bajo, alto);
        if (!(dd > 0.0) || !(siguiente > lo && siguiente < hi)) {
            siguiente = lo + 0.5 * (hi - lo);
        }
        if (siguiente == x || siguiente <= lo || siguiente >= hi) {
            // The bracket holds no double strictly inside it any more, or the step no
            // longer moves x: machine precision.
            return x;
        }
        x = siguiente;
    }
    return x;
}

std::optional<double> minimoPulido(const CoeficientesPotencia& COEFPOT, double limite,
                                   double desde) {
    const Minimo m = buscaMinimo(COEFPOT, limite, desde);
    if (!m.x) {
        return std::nullopt;
    }
    return puleMinimo(COEFPOT, m.anterior, *m.x);
}

} // namespace curvifit
