#include "derivapol.h"

namespace curvifit {

double factorDerivada(int p, int n) {
    double factor = 1.0;
    for (int k = 0; k < n; ++k) {
        factor *= static_cast<double>(p - k);
    }
    return factor;
}

double DERIVAPOL(const CoeficientesPotencia& c, double x, int n) {
    double suma = 0.0;
    for (int p = POTENCIA_MIN; p <= POTENCIA_MAX; ++p) {
        const double coeficiente = c[indicePotencia(p)];
        const double factor = factorDerivada(p, n);
        if (coeficiente != 0.0 && factor != 0.0) {
            suma += factor * coeficiente * potenciaEntera(x, p - n);
        }
    }
    return suma;
}

} // namespace curvifit
