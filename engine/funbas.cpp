#include "datos_motor.h"

namespace curvifit {

double potenciaEntera(double x, int n) {
    // Binary exponentiation: the same value an integer-power operator gives.
    unsigned int m = n < 0 ? static_cast<unsigned int>(-n) : static_cast<unsigned int>(n);
    double resultado = 1.0;
    double base = x;
    while (m > 0) {
        if (m & 1u) {
            resultado *= base;
        }
        base *= base;
        m >>= 1u;
    }
    return n < 0 ? 1.0 / resultado : resultado;
}

std::vector<double> FUNBAS(double x, const TablaPotencias& POTUSADA) {
    std::vector<double> f;
    for (int p = POTENCIA_MIN; p <= POTENCIA_MAX; ++p) {
        if (POTUSADA[indicePotencia(p)] == 1) {
            f.push_back(potenciaEntera(x, p));
        }
    }
    return f;
}

std::vector<int> potenciasIncluidas(const TablaPotencias& POTUSADA) {
    std::vector<int> p;
    for (int potencia = POTENCIA_MIN; potencia <= POTENCIA_MAX; ++potencia) {
        if (POTUSADA[indicePotencia(potencia)] == 1) {
            p.push_back(potencia);
        }
    }
    return p;
}

} // namespace curvifit
