#include "compartido/marcas_eje.h"

#include <algorithm>
#include <cmath>

namespace oscilab {

std::vector<double> marcasEje(double a, double b, int maximo) {
    const double rango = b - a;
    if (!std::isfinite(rango) || rango <= 0.0 || maximo < 2) {
        return {};
    }
    // Start a decade below the rough step, so that the first step that fits is the smallest.
    const double potencia = std::pow(10.0, std::floor(std::log10(rango / (maximo - 1))) - 1);
    for (double decada = potencia;; decada *= 10.0) {
        for (double m : {1.0, 2.0, 5.0}) {
            const double paso = m * decada;
            const double primero = std::ceil(a / paso - 1e-9);
            const double ultimo = std::floor(b / paso + 1e-9);
            if (ultimo - primero + 1 > maximo) {
                continue;
            }
            std::vector<double> marcas;
            for (double k = primero; k <= ultimo; ++k) {
                marcas.push_back(k == 0.0 ? 0.0 : k * paso);
            }
            return marcas;
        }
    }
}

} // namespace oscilab
