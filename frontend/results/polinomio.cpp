#include "polinomio.h"

#include <cmath>
#include <limits>

namespace oscilab {

Polinomio::Polinomio(const Coeficientes& coeficientes) {
    for (int k = 0; k <= potenciaMaxima; ++k) {
        const double c = dePotencia(coeficientes, k);
        if (c != 0.0) {
            positivos_.emplace_back(k, c);
        }
    }
    for (int k = 1; k <= -potenciaMinima; ++k) {
        const double c = dePotencia(coeficientes, -k);
        if (c != 0.0) {
            negativos_.emplace_back(k, c);
        }
    }
}

double Polinomio::operator()(double r) const {
    double suma = 0.0;
    double potencia = 1.0;
    int k = 0;
    for (const auto& [exponente, c] : positivos_) {
        for (; k < exponente; ++k) {
            potencia *= r;
        }
        suma += c * potencia;
    }
    if (!negativos_.empty()) {
        const double inverso = 1.0 / r;
        potencia = 1.0;
        k = 0;
        for (const auto& [exponente, c] : negativos_) {
            for (; k < exponente; ++k) {
                potencia *= inverso;
            }
            suma += c * potencia;
        }
    }
    return suma;
}

double evalpolinomio(const Coeficientes& coeficientes, double r) {
    return Polinomio(coeficientes)(r);
}

int muestrasEnAncho(double anchoTwips) {
    const double n = std::nearbyint(anchoTwips);
    return n < 1.0 ? 1 : static_cast<int>(n);
}

namespace {

void ensancha(Caja& caja, double r, double v) {
    if (r < caja.rmin) {
        caja.rmin = r;
    }
    if (r > caja.rmax) {
        caja.rmax = r;
    }
    if (v < caja.vmin) {
        caja.vmin = v;
    }
    if (v > caja.vmax) {
        caja.vmax = v;
    }
}

} // namespace

std::optional<Caja> calculalimites(const std::vector<Punto>& puntos,
                                   const Coeficientes& coeficientes, int n) {
    if (puntos.empty()) {
        return std::nullopt;
    }
    Caja caja{puntos[0].r, puntos[0].v, puntos[0].r, puntos[0].v};
    for (std::size_t i = 1; i < puntos.size(); ++i) {
        ensancha(caja, puntos[i].r, puntos[i].v);
    }
    const Polinomio f(coeficientes);
    const double paso = (caja.rmax - caja.rmin) / n;
    double r = puntos[0].r;
    for (int i = 0; i < n; ++i) {
        r += paso;
        const double v = f(r);
        if (std::isfinite(v)) {
            ensancha(caja, r, v);
        }
    }
    const double dr = 0.1 * (caja.rmax - caja.rmin);
    const double dv = 0.1 * (caja.vmax - caja.vmin);
    caja.rmin -= dr;
    caja.vmin -= dv;
    caja.rmax += dr;
    caja.vmax += dv;
    return caja;
}

void escalaauto(Caja& caja, const Coeficientes& coeficientes, int n) {
    if (caja.rmin == 0.0) {
        caja.rmin = 0.01;
    }
    const Polinomio f(coeficientes);
    const double paso = (caja.rmax - caja.rmin) / n;
    double r = caja.rmin;
    for (int i = 0; i < n; ++i) {
        r += paso;
        const double v = f(r);
        if (!std::isfinite(v)) {
            continue;
        }
        if (v < caja.vmin) {
            caja.vmin = v;
        }
        if (v > caja.vmax) {
            caja.vmax = v;
        }
    }
}

bool ajustaVAlIntervaloR(Caja& caja, const Coeficientes& coeficientes, int n) {
    Caja nueva = caja;
    nueva.vmin = std::numeric_limits<double>::infinity();
    nueva.vmax = -std::numeric_limits<double>::infinity();
    escalaauto(nueva, coeficientes, n);
    const double ancho = nueva.vmax - nueva.vmin;
    if (!std::isfinite(ancho) || ancho <= 0.0) {
        return false;
    }
    nueva.vmin -= 0.05 * ancho;
    nueva.vmax += 0.05 * ancho;
    caja = nueva;
    return true;
}

} // namespace oscilab
