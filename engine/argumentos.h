// curvifit's command line: options and the document's name in any order.
//   curvifit [--jmax N] [--cola N] [--masas M1,M2]... [--temperatura T] [--exomol]
//            [--lang es|en] NAME
//   curvifit --explorar NAME [--json]
//   curvifit --help | --version
// "--" ends the options: a word after it is the name even when it starts with "--".
#pragma once

#include "avisos.h"
#include "espectro.h"
#include "isotopologos.h"
#include "niveles_exactos.h"

#include <optional>
#include <string>
#include <vector>

namespace curvifit {

struct Argumentos {
    std::string nombre;                          // the document, as given (ABRE_FICH trims it)
    int jmax = JMAX_DEFECTO;                     // highest J of the exact levels
    int cola = COLA_DEFECTO;                     // the exponent n of the curve's -Cn/R^n tail
    double temperatura = TEMPERATURA_DEFECTO_K;  // K, of the spectrum's intensities
    bool exomol = false;                         // --exomol: result/NAME.states and .trans
    std::optional<std::string> explorar;         // --explorar NAME
    bool json = false;                           // --json
    std::vector<MasasIsotopologo> masas;         // each --masas M1,M2, in the order given
    bool ayuda = false;                          // --help: usage on standard output, nothing run
    bool version = false;                        // --version
    IdiomaAvisos idioma = IdiomaAvisos::Espanol; // --lang es|en: the JSON warnings' texts
};

// Arguments after the program's name. Throws ErrorMotor (Salida::DatosNoAdmitidos) for an
// unknown option, an option without its value or with a value out of range. The first word
// that is no option names the document; later ones are ignored, as they always were.
Argumentos leeArgumentos(const std::vector<std::string>& argumentos);

Argumentos leeArgumentos(int argc, const char* const* argv);

// What --help prints.
std::string textoAyuda();

// What --version prints: "curvifit VERSION".
std::string textoVersion();

} // namespace curvifit
