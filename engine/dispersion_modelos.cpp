#include "dispersion_modelos.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace curvifit {

namespace {

bool participa(const EvaluacionCandidato& c) {
    return c.minimoDentro && c.constantes && std::isfinite(c.pressRms) && std::isfinite(c.aicc);
}

} // namespace

std::vector<double> pesosAkaike(const std::vector<double>& aicc) {
    double menor = std::numeric_limits<double>::infinity();
    for (double a : aicc) {
        if (std::isfinite(a)) {
            menor = std::min(menor, a);
        }
    }
    if (!std::isfinite(menor)) {
        return {};
    }
    std::vector<double> pesos;
    double suma = 0.0;
    for (double a : aicc) {
        pesos.push_back(std::isfinite(a) ? std::exp(-(a - menor) / 2.0) : 0.0);
        suma += pesos.back();
    }
    for (double& p : pesos) {
        p /= suma; // the smallest AICc weighs 1 before this, so suma >= 1
    }
    return pesos;
}

std::optional<DispersionModelos>
dispersionModelos(const std::vector<EvaluacionCandidato>& ranking) {
    double mejor = std::numeric_limits<double>::infinity();
    for (const EvaluacionCandidato& c : ranking) {
        if (participa(c)) {
            mejor = std::min(mejor, c.pressRms);
        }
    }
    DispersionModelos d;
    std::vector<double> aicc;
    for (std::size_t i = 0; i < ranking.size(); ++i) {
        if (participa(ranking[i]) && ranking[i].pressRms <= FACTOR_PRESS_MODELOS * mejor) {
            d.conjuntos.push_back(i);
            aicc.push_back(ranking[i].aicc);
        }
    }
    if (d.conjuntos.empty()) {
        return std::nullopt;
    }
    d.pesos = pesosAkaike(aicc);
    for (int k = 0; k < NUM_CONSTANTES; ++k) {
        const auto valor = [&](std::size_t j) {
            return ranking[d.conjuntos[j]].constantes->valores[k].valor;
        };
        double media = 0.0;
        for (std::size_t j = 0; j < d.conjuntos.size(); ++j) {
            media += d.pesos[j] * valor(j);
        }
        double varianza = 0.0;
        for (std::size_t j = 0; j < d.conjuntos.size(); ++j) {
            varianza += d.pesos[j] * (valor(j) - media) * (valor(j) - media);
        }
        d.media[k] = media;
        d.dispersion[k] = std::sqrt(varianza);
    }
    return d;
}

} // namespace curvifit
