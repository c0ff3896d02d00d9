// Warnings about a fit that ran to the end but whose numbers need care.
#pragma once

#include "datos_motor.h"

#include <string>
#include <vector>

namespace curvifit {

struct Aviso {
    std::string codigo; // stable, for scripts
    std::string texto;  // Spanish, for the user
};

// Discarded singular values, an rms residual above 1 % of the data's energy span, an
// equilibrium distance outside the data's distance range.
std::vector<Aviso> avisosAjuste(const DatosEntrada& datos, const Ajuste& ajuste,
                                const Constantes& k);

} // namespace curvifit
