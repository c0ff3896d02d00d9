#include "derivapol.h"

#include <cmath>

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

bool Derivada::finita() const {
    for (double a : a_) {
        if (!std::isfinite(a)) {
            return false;
        }
    }
    return true;
}

double Derivada::cotaTerminos(double lo, double hi) const {
    double cota = 0.0;
    for (std::size_t k = 0; k < a_.size(); ++k) {
        const int e = emin_ + static_cast<int>(k);
        if (a_[k] != 0.0) {
            cota += std::fabs(a_[k]) * potenciaEntera(e < 0 ? lo : hi, e);
        }
    }
    return cota;
}

double DERIVAPOL(const CoeficientesPotencia& c, double x, int n) {
    return Derivada(c, n).valor(x);
}

} // namespace curvifit
