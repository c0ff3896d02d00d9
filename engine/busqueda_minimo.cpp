#include "busqueda_minimo.h"

#include "derivapol.h"

#include <algorithm>

namespace curvifit {

double limiteBusqueda(double RMAX) {
    return std::min(2.0 * RMAX, LIMITE_ABSOLUTO_BUSQUEDA);
}

std::optional<double> buscaMinimo(const CoeficientesPotencia& COEFPOT, double limite) {
    // Millions of grid points: V' and V'' are set up once for Horner's rule.
    const Derivada primera(COEFPOT, 1);
    const Derivada segunda(COEFPOT, 2);
    double x = PASO_BUSQUEDA;
    double dAnterior = primera.valor(x);
    for (;;) {
        x += PASO_BUSQUEDA;
        if (!(x <= limite)) {
            return std::nullopt;
        }
        const double d = primera.valor(x);
        // V'' is needed only where the slope has changed sign.
        if (dAnterior / d <= 0.0 && segunda.valor(x) > 0.0) {
            return x;
        }
        dAnterior = d;
    }
}

} // namespace curvifit
