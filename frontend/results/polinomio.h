// The fitted function V(R) = sum of c_k R^k, the plot box of the loaded results and the
// automatic V(R) range of the scale dialog.
#pragma once

#include "curva.h"
#include "compartido/caja.h"

#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace oscilab {

using Coeficientes = CoeficientesPotencia;

// The fitted function over its non-zero coefficients, evaluated many times per redraw.
// Integer powers are built by repeated multiplication: R^0 = 1, R^-k = (1/R)^k. At R = 0
// with a negative power, or when a power overflows, the value is not finite.
class Polinomio {
public:
    explicit Polinomio(const Coeficientes& coeficientes);
    double operator()(double r) const;

private:
    std::vector<std::pair<int, double>> positivos_; // (k >= 0, c_k), ascending k
    std::vector<std::pair<int, double>> negativos_; // (-k > 0, c_k), ascending -k
};

double evalpolinomio(const Coeficientes& coeficientes, double r);

// Samples across a plot area `anchoTwips` wide: the width rounded to the nearest
// integer, halves to even, and at least 1.
int muestrasEnAncho(double anchoTwips);

// Plot box of the points and of the fitted curve sampled n times from the first point's
// R (that sample itself not taken), widened by 10 % on each side. Samples whose value is
// not finite (R = 0 with negative powers, overflow) are skipped. Empty without points.
std::optional<Caja> calculalimites(const std::vector<Punto>& puntos,
                                   const Coeficientes& coeficientes, int n);

// Grows the V range of `caja` to hold the curve sampled n times over (R min, R max].
// R min exactly 0 becomes 0.01 first. Samples that are not finite are skipped.
void escalaauto(Caja& caja, const Coeficientes& coeficientes, int n);

// Escala's automatic V(R): the V range of `caja` becomes that of the curve sampled as
// escalaauto samples it over the box's R range, widened by 5 % on each side, whatever the
// range was before (a range kept from a wider R would flatten the curve). False, and `caja`
// unchanged, when the curve has no finite spread there.
bool ajustaVAlIntervaloR(Caja& caja, const Coeficientes& coeficientes, int n);

} // namespace oscilab
