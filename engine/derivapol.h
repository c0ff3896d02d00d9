// DERIVAPOL: derivatives of the power polynomial V(R) = sum of c_p R^p, p = -15..14.
#pragma once

#include "datos_motor.h"

#include <vector>

namespace curvifit {

// p(p-1)...(p-n+1), n factors.
double factorDerivada(int p, int n);

// The n-th derivative as sum of a_k x^(emin + k), set up once and evaluated by Horner's
// rule: the plain scan for the minimum evaluates it at millions of points. Terms with a zero
// coefficient or a zero factor contribute nothing and are dropped (a zero factor drops the
// term even when its coefficient is not a number).
class Derivada {
public:
    Derivada(const CoeficientesPotencia& c, int n);
    double valor(double x) const;

    // False when a coefficient is infinite or not a number: then no value is finite.
    bool finita() const;

    // Sum over the terms of |a_k| max(lo^e, hi^e), for 0 < lo <= hi: each power is
    // monotone there, so this bounds the sum of the terms' magnitudes anywhere in [lo, hi].
    double cotaTerminos(double lo, double hi) const;

private:
    int emin_ = 0;
    std::vector<double> a_;
};

// The n-th derivative at x: sum over p of p(p-1)...(p-n+1) c_p x^(p-n) (n = 0 gives V(x)).
double DERIVAPOL(const CoeficientesPotencia& c, double x, int n);

} // namespace curvifit
