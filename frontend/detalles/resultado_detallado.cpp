#include "detalles/resultado_detallado.h"

#include <cmath>

namespace oscilab {

curvifit::Potencial potencialAjustado(const curvifit::ResultadoEjecucion& r) {
    const auto suma = [p = r.potencias, c = r.coeficientes](double R, bool derivada) {
        double s = 0.0;
        for (std::size_t k = 0; k < p.size(); ++k) {
            s += derivada ? c[k] * p[k] * std::pow(R, p[k] - 1) : c[k] * std::pow(R, p[k]);
        }
        return s;
    };
    return {[suma](double R) { return suma(R, false); },
            [suma](double R) { return suma(R, true); }};
}

} // namespace oscilab
