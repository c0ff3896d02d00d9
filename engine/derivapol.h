// DERIVAPOL: derivatives of the power polynomial V(R) = sum of c_p R^p, p = -15..14.
#pragma once

#include "datos_motor.h"

namespace curvifit {

// The n-th derivative at x: sum over p of p(p-1)...(p-n+1) c_p x^(p-n) (n = 0 gives V(x)).
// Terms with a zero coefficient or a zero factor contribute nothing and are skipped.
double DERIVAPOL(const CoeficientesPotencia& c, double x, int n);

// p(p-1)...(p-n+1), n factors.
double factorDerivada(int p, int n);

} // namespace curvifit
