// The model uncertainty of the fit explorer: how much each constant moves between the power
// sets that predict the points about equally well. On a real curve this spread is often ten
// times the covariance error of any one fit, and the user must see both.
#pragma once

#include "explorador.h"

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

namespace curvifit {

// Sets whose sqrt(PRESS/N) is at most this factor times the best one's take part.
constexpr double FACTOR_PRESS_MODELOS = 1.5;

struct DispersionModelos {
    std::vector<std::size_t> conjuntos; // positions in the ranking of the sets taken
    std::vector<double> pesos;          // their Akaike weights, in the same order
    std::array<double, NUM_CONSTANTES> media{};
    std::array<double, NUM_CONSTANTES> dispersion{}; // weighted standard deviation
};

// exp(-AICc / 2) normalised to sum 1, computed relative to the smallest AICc so that no
// weight underflows as a whole; an infinite or undefined AICc weighs 0. Empty when no AICc is
// finite.
std::vector<double> pesosAkaike(const std::vector<double>& aicc);

// Over the candidates with a minimum inside the data, constants, and a finite sqrt(PRESS/N)
// and AICc: those within FACTOR_PRESS_MODELOS of the best sqrt(PRESS/N), each constant's
// weighted mean and standard deviation. Nothing when no candidate qualifies.
std::optional<DispersionModelos> dispersionModelos(const std::vector<EvaluacionCandidato>& ranking);

} // namespace curvifit
