// curvifit's command line: the first argument names the document, options follow it.
//   curvifit NAME [--jmax N] [--masas M1,M2]...
//   curvifit --explorar NAME [--json]
#pragma once

#include "isotopologos.h"
#include "niveles_exactos.h"

#include <optional>
#include <string>
#include <vector>

namespace curvifit {

struct Argumentos {
    std::string nombre;                  // the document, as given (ABRE_FICH trims it)
    int jmax = JMAX_DEFECTO;             // highest J of the exact levels
    std::optional<std::string> explorar; // --explorar NAME
    bool json = false;                   // --json
    std::vector<MasasIsotopologo> masas; // each --masas M1,M2, in the order given
};

// Arguments after the program's name. Throws ErrorMotor (Salida::DatosNoAdmitidos) for an
// option without its value or with a value out of range. Other words after the name are
// ignored, as they always were.
Argumentos leeArgumentos(const std::vector<std::string>& argumentos);

Argumentos leeArgumentos(int argc, const char* const* argv);

} // namespace curvifit
