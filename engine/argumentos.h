// curvifit's command line: the first argument names the document, options follow it.
//   curvifit NAME [--jmax N] [--cola N] [--temperatura T] [--exomol]
//   curvifit --explorar NAME [--json]
#pragma once

#include "espectro.h"
#include "niveles_exactos.h"

#include <optional>
#include <string>
#include <vector>

namespace curvifit {

struct Argumentos {
    std::string nombre;                         // the document, as given (ABRE_FICH trims it)
    int jmax = JMAX_DEFECTO;                    // highest J of the exact levels
    int cola = COLA_DEFECTO;                    // the exponent n of the curve's -Cn/R^n tail
    double temperatura = TEMPERATURA_DEFECTO_K; // K, of the spectrum's intensities
    bool exomol = false;                        // --exomol: result/NAME.states and .trans
    std::optional<std::string> explorar;        // --explorar NAME
    bool json = false;                          // --json
};

// Arguments after the program's name. Throws ErrorMotor (Salida::DatosNoAdmitidos) for an
// option without its value or with a value out of range. Other words after the name are
// ignored, as they always were.
Argumentos leeArgumentos(const std::vector<std::string>& argumentos);

Argumentos leeArgumentos(int argc, const char* const* argv);

} // namespace curvifit
