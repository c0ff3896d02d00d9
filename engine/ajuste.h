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
    int sinConvergencia = 0;
};

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

// SVDFIT, ERCOEF and COEFPOT for the data of LEEDATOS.
Ajuste ajustaCurva(const DatosEntrada& datos);

} // namespace curvifit
