// Warnings about a fit that ran to the end but whose numbers need care.
#pragma once

#include "datos_motor.h"

#include <string>
#include <vector>

namespace curvifit {

struct Aviso {
    std::string codigo; // stable, for scripts
    std::string texto;  // Spanish, for the user
    // The values written into the text, in order, so that its other languages carry them too.
    std::vector<std::string> valores = {};
};

// The language of the warnings' texts in result/NAME.json (curvifit --lang): Spanish, the
// engine's own, or English. The codes, the report and the curve file never change.
enum class IdiomaAvisos { Espanol, Ingles };

// The warning's text in `idioma`. English comes from a table by code (avisos_ingles.cpp)
// with the warning's values in place; a code the table lacks keeps its Spanish text.
std::string textoAviso(const Aviso& aviso, IdiomaAvisos idioma);

// Discarded singular values, an rms residual above 1 % of the data's energy span, an
// equilibrium distance outside the data's distance range.
std::vector<Aviso> avisosAjuste(const DatosEntrada& datos, const Ajuste& ajuste,
                                const Constantes& k);

} // namespace curvifit
