#include "derivapol.h"

namespace curvifit {

double factorDerivada(int p, int n) {
    double factor = 1.0;
    for (int k = 0; k < n; ++k) {
        factor *= static_cast<double>(p - k);
    }
    return factor;
}

Derivada::Derivada(const CoeficientesPotencia& c, int n) {
    for (int p = POTENCIA_MIN; p <= POTENCIA_MAX; ++p) {
        const double factor = factorDerivada(p, n);
        const double a = factor * c[indicePotencia(p)];
        if (factor == 0.0 || a == 0.0) {
            continue;
        }
        if (a_.empty()) {
            emin_ = p - n;
        }
        a_.resize(static_cast<std::size_t>(p - n - emin_ + 1), 0.0);
        a_.back() = a;
    }
}

double Derivada::valor(double x) const {
    if (a_.empty()) {
        return 0.0;
    }
    double suma = 0.0;
    for (std::size_t k = a_.size(); k-- > 0;) {
        suma = suma * x + a_[k];
    }
    return suma * potenciaEntera(x, emin_);
}

double DERIVAPOL(const CoeficientesPotencia& c, double x, int n) {
    return Derivada(c, n).valor(x);
}

} // namespace curvifit
