#include "derivapol.h"

#include <algorithm>
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
    if (a_.empty()) {
        return 0.0;
    }
    // Two Horner sums of the magnitudes: the powers e >= 0 in hi, the powers e < 0 in 1/lo.
    const int emax = emin_ + static_cast<int>(a_.size()) - 1;
    const double inverso = 1.0 / lo;
    double cota = 0.0;
    if (emax >= 0) {
        double positivos = 0.0;
        for (int e = emax; e >= std::max(emin_, 0); --e) {
            positivos = positivos * hi + std::fabs(a_[static_cast<std::size_t>(e - emin_)]);
        }
        cota += positivos * potenciaEntera(hi, std::max(emin_, 0));
    }
    if (emin_ < 0) {
        double negativos = 0.0;
        for (int e = emin_; e <= std::min(emax, -1); ++e) {
            negativos = negativos * inverso + std::fabs(a_[static_cast<std::size_t>(e - emin_)]);
        }
        cota += negativos * potenciaEntera(inverso, -std::min(emax, -1));
    }
    return cota;
}

double DERIVAPOL(const CoeficientesPotencia& c, double x, int n) {
    return Derivada(c, n).valor(x);
}

} // namespace curvifit
