// The fitted curve continued past the ends of the data, so that the level solver needs no
// hard walls there: an exponential repulsive wall inside, an inverse-power tail outside.
#pragma once

#include <functional>
#include <optional>
#include <vector>

namespace curvifit {

constexpr int COLA_DEFECTO = 6; // dispersion between neutral atoms
constexpr int COLA_MINIMA = 1;
constexpr int COLA_MAXIMA = 12;

// The curve and its slope, hartree and hartree/bohr, for R in bohr.
struct Potencial {
    std::function<double(double)> V;
    std::function<double(double)> dV;
};

// The fitted curve and its first two derivatives at one end of the data.
struct ExtremoCurva {
    double R = 0.0, V = 0.0, dV = 0.0, d2V = 0.0;
};

// V(R) = A + B exp(-C R) for R < RMIN.
struct ExtensionInterior {
    double A = 0.0, B = 0.0, C = 0.0;
    double valor(double R) const;
    double derivada(double R) const;
};

// V(R) = Vinf - Cn / R^n for R > RMAX.
struct ExtensionExterior {
    int n = COLA_DEFECTO;
    double Cn = 0.0, Vinf = 0.0;
    double valor(double R) const;
    double derivada(double R) const;
};

struct Extensiones {
    std::optional<ExtensionInterior> interior;
    std::optional<ExtensionExterior> exterior;
};

// Matched in value, slope and curvature; none unless the end is a repulsive wall
// (V' < 0 and V'' > 0).
std::optional<ExtensionInterior> extensionInterior(const ExtremoCurva& e);

// Matched in value and slope; none unless the curve still rises there (V' > 0).
std::optional<ExtensionExterior> extensionExterior(const ExtremoCurva& e, int n);

// Both ends of a fitted curve, with n the tail's exponent.
Extensiones extensiones(const ExtremoCurva& interior, const ExtremoCurva& exterior, int n);

// The fitted curve inside [RMIN, RMAX], the extensions outside (the fitted curve itself on a
// side without one).
Potencial potencialExtendido(const Potencial& ajustada, double RMIN, double RMAX,
                             const Extensiones& e);

// The alternatives that measure how far a level depends on the extensions, as the change of
// the potential they make (zero inside the data): the inner wall as A' + B'/R^12 and as an
// exponential half as steep, both matched in value and slope, then the tail with n - 2 and
// n + 2 (an exponent below 1 is left out), and past the curve's inflection a tail reaching
// its asymptote exponentially, matched in value, slope and curvature.
std::vector<std::function<double(double)>> cambiosAlternativos(const ExtremoCurva& interior,
                                                               const ExtremoCurva& exterior,
                                                               const Extensiones& e);

// The tails with n - 2 and n + 2 alone, for the dissociation energy's uncertainty.
std::vector<ExtensionExterior> colasAlternativas(const ExtremoCurva& exterior,
                                                 const Extensiones& e);

} // namespace curvifit
