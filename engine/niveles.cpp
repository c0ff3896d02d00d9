#include "niveles.h"

#include <cmath>

namespace curvifit {

double ENERGIA(double nu, double xnu, int v) {
    const double medio = v + 0.5;
    return (medio * nu - medio * medio * xnu) * CONVCM;
}

long long calculaVMAX(double NU, double XNU) {
    const double vmax = (NU / XNU - 1.0) * 0.5;
    if (!std::isfinite(vmax)) {
        return -1;
    }
    // Converting a double beyond the range of the integer would be undefined.
    constexpr double LIMITE = 1e18;
    if (vmax >= LIMITE) {
        return static_cast<long long>(LIMITE);
    }
    if (vmax <= -LIMITE) {
        return -static_cast<long long>(LIMITE);
    }
    return static_cast<long long>(vmax); // truncation toward zero
}

Niveles NIVELVIBRA(double NU, double XNU, double K2, double EEQ, double EMAX) {
    Niveles niveles;
    const double E0 = (0.5 * NU - 0.25 * XNU) * CONVCM;
    niveles.ENIVEL = E0;
    niveles.ANCHONIVEL = 2.0 * std::sqrt(2.0 * E0 / K2);
    niveles.VMAX = calculaVMAX(NU, XNU);
    if (niveles.VMAX < 0) {
        niveles.NNIVELES = -1; // ENIVEL stays E0, measured from the minimum
        return niveles;
    }
    // Up to VMAX, or the safety cap, whichever comes first.
    const long long ultimo = niveles.VMAX < MAXIMO_NIVELES - 1 ? niveles.VMAX : MAXIMO_NIVELES - 1;
    for (int v = 0;; ++v) {
        const double Ev = ENERGIA(NU, XNU, v) + EEQ;
        if (Ev > EMAX) {
            const int escritos = static_cast<int>(niveles.energias.size());
            if (escritos == 0) {
                // Even the lowest level lies above the data: written anyway, counted as 0.
                niveles.ENIVEL = Ev;
                niveles.energias.push_back(Ev);
            }
            niveles.NNIVELES = escritos;
            return niveles;
        }
        niveles.ENIVEL = Ev;
        niveles.energias.push_back(Ev);
        if (v >= ultimo) {
            // Stopped by VMAX: the count shown is VMAX, one less than the levels written.
            niveles.NNIVELES = v;
            return niveles;
        }
    }
}

} // namespace curvifit
