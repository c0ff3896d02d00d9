// The least-squares fit of V(R) over the included powers (SVDFIT), the coefficients' probable
// errors (ERCOEF) and the power table of the coefficients.
#pragma once

#include "datos_motor.h"

#include <functional>
#include <vector>

namespace curvifit {

// Basis functions f_j(x), j = 1..m, evaluated at one x.
using FuncionesBase = std::function<std::vector<double>(double)>;

// Singular values below this fraction of the largest are discarded.
constexpr double UMBRAL_SINGULAR = 1e-9;
constexpr double FACTOR_ERROR_PROBABLE = 0.7;

struct SolucionSVD {
    std::vector<double> a;
    double CHISQ = 0.0;
    DescomposicionEscalada svd;
};

// Least squares by SVD of the weighted design matrix with its columns scaled to unit norm:
// the cut on the singular values then judges the basis, not the units of x (the columns
// x^p span many orders of magnitude). The solved coefficients are scaled back. With fewer
// points than basis functions the fit is the minimum-norm one of the kept directions.
SolucionSVD SVDFIT(const std::vector<double>& x, const std::vector<double>& y,
                   const std::vector<double>& sig, int m, const FuncionesBase& base);

struct ErroresCoeficientes {
    std::vector<double> MEDIACOEF;
    std::vector<double> ERRCOEF;
};

ErroresCoeficientes ERCOEF(const std::vector<double>& x, const std::vector<double>& y,
                           const std::vector<double>& a, const FuncionesBase& base);

// ACOEF spread over the powers -15..14 in ascending order; 0 for the powers not included.
CoeficientesPotencia llenaCOEFPOT(const std::vector<double>& ACOEF, const TablaPotencias& POTUSADA);

// SVDFIT, ERCOEF and COEFPOT for the points and powers of datos (read by LEEDATOS or built
// in memory by datosDePuntos).
Ajuste ajustaCurva(const DatosEntrada& datos);

// The fitted energy at distance r: the sum of ACOEF(j) times the j-th included power of r.
double energiaAjustada(const std::vector<double>& ACOEF, const TablaPotencias& POTUSADA, double r);

// Quasi-variance of the fit: the sum of (fit(RDAT(i)) - EDAT(i))^2 / SIGMA(i) over
// (N - NPOT) times the sum of 1 / SIGMA(i); 0 when N = NPOT.
double cuasivarianza(const DatosEntrada& datos, const std::vector<double>& ACOEF);

} // namespace curvifit
