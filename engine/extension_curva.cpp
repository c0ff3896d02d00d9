#include "extension_curva.h"

#include <cmath>

namespace curvifit {

namespace {

// The inner alternative's exponent: a hard wall, as steep as repulsion is usually written.
constexpr int POTENCIA_PARED_ALTERNATIVA = 12;
constexpr int CAMBIO_COLA_ALTERNATIVA = 2;
// Matched in curvature, the exponential is as steep as the curve is at RMIN; near the minimum
// that is steeper than real walls, so the softer alternative falls half as fast.
constexpr double PARED_BLANDA = 0.5;
// How far above the inverse-power tail an exponential one may reach before it is no guide.
constexpr double SUBIDA_EXPONENCIAL_MAXIMA = 20.0;

} // namespace

double ExtensionInterior::valor(double R) const {
    return A + B * std::exp(-C * R);
}

double ExtensionInterior::derivada(double R) const {
    return -C * B * std::exp(-C * R);
}

double ExtensionExterior::valor(double R) const {
    return Vinf - Cn / std::pow(R, n);
}

double ExtensionExterior::derivada(double R) const {
    return n * Cn / std::pow(R, n + 1);
}

std::optional<ExtensionInterior> extensionInterior(const ExtremoCurva& e) {
    if (!(e.dV < 0.0 && e.d2V > 0.0) || !std::isfinite(e.V)) {
        return std::nullopt;
    }
    ExtensionInterior x;
    x.C = -e.d2V / e.dV;
    x.B = -e.dV * std::exp(x.C * e.R) / x.C;
    x.A = e.V - x.B * std::exp(-x.C * e.R);
    if (!std::isfinite(x.A) || !std::isfinite(x.B)) { // a wall so steep that exp overflows
        return std::nullopt;
    }
    return x;
}

std::optional<ExtensionExterior> extensionExterior(const ExtremoCurva& e, int n) {
    if (!(e.dV > 0.0) || !std::isfinite(e.V) || n < 1) {
        return std::nullopt;
    }
    ExtensionExterior x;
    x.n = n;
    x.Cn = e.dV * std::pow(e.R, n + 1) / n;
    x.Vinf = e.V + x.Cn / std::pow(e.R, n);
    return x;
}

Extensiones extensiones(const ExtremoCurva& interior, const ExtremoCurva& exterior, int n) {
    return {extensionInterior(interior), extensionExterior(exterior, n)};
}

Potencial potencialExtendido(const Potencial& ajustada, double RMIN, double RMAX,
                             const Extensiones& e) {
    Potencial p;
    p.V = [=](double R) {
        if (R < RMIN && e.interior) {
            return e.interior->valor(R);
        }
        if (R > RMAX && e.exterior) {
            return e.exterior->valor(R);
        }
        return ajustada.V(R);
    };
    p.dV = [=](double R) {
        if (R < RMIN && e.interior) {
            return e.interior->derivada(R);
        }
        if (R > RMAX && e.exterior) {
            return e.exterior->derivada(R);
        }
        return ajustada.dV(R);
    };
    return p;
}

std::vector<ExtensionExterior> colasAlternativas(const ExtremoCurva& exterior,
                                                 const Extensiones& e) {
    std::vector<ExtensionExterior> colas;
    if (!e.exterior) {
        return colas;
    }
    for (const int n :
         {e.exterior->n - CAMBIO_COLA_ALTERNATIVA, e.exterior->n + CAMBIO_COLA_ALTERNATIVA}) {
        if (const auto cola = extensionExterior(exterior, n)) {
            colas.push_back(*cola);
        }
    }
    return colas;
}

std::vector<std::function<double(double)>> cambiosAlternativos(const ExtremoCurva& interior,
                                                               const ExtremoCurva& exterior,
                                                               const Extensiones& e) {
    std::vector<std::function<double(double)>> cambios;
    if (e.interior) {
        const int m = POTENCIA_PARED_ALTERNATIVA;
        const double B = -interior.dV * std::pow(interior.R, m + 1) / m;
        const double A = interior.V - B / std::pow(interior.R, m);
        cambios.push_back([=, x = *e.interior, RMIN = interior.R](double R) {
            return R < RMIN ? A + B / std::pow(R, m) - x.valor(R) : 0.0;
        });
        ExtensionInterior blanda;
        blanda.C = PARED_BLANDA * e.interior->C;
        blanda.B = -interior.dV * std::exp(blanda.C * interior.R) / blanda.C;
        blanda.A = interior.V - blanda.B * std::exp(-blanda.C * interior.R);
        cambios.push_back([blanda, x = *e.interior, RMIN = interior.R](double R) {
            return R < RMIN ? blanda.valor(R) - x.valor(R) : 0.0;
        });
    }
    for (const ExtensionExterior& cola : colasAlternativas(exterior, e)) {
        cambios.push_back([cola, x = *e.exterior, RMAX = exterior.R](double R) {
            return R > RMAX ? cola.valor(R) - x.valor(R) : 0.0;
        });
    }
    // A chemical bond's curve may reach its asymptote exponentially, as a Morse curve does,
    // long before any inverse power takes over: A - B exp(-c (R - RMAX)) matched in value,
    // slope and curvature, possible once the data end past the inflection (V'' < 0). Just
    // past it c is tiny and the asymptote it implies unbounded: that says nothing, and is
    // left out when it rises more than SUBIDA_EXPONENCIAL_MAXIMA times the tail's own rise.
    const double c = exterior.dV > 0.0 ? -exterior.d2V / exterior.dV : 0.0;
    if (e.exterior && c > 0.0 &&
        exterior.dV / c <= SUBIDA_EXPONENCIAL_MAXIMA * (e.exterior->Vinf - exterior.V)) {
        const double B = exterior.dV / c, A = exterior.V + B;
        cambios.push_back([=, x = *e.exterior, RMAX = exterior.R](double R) {
            return R > RMAX ? A - B * std::exp(-c * (R - RMAX)) - x.valor(R) : 0.0;
        });
    }
    return cambios;
}

} // namespace curvifit
