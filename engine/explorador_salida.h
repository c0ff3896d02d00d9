// curvifit --explorar NAME [--json]: the fit explorer's ranking for datos/NAME.qvd on standard
// output, as an aligned table of the best rows or as JSON; no result file is written.
#pragma once

#include "explorador.h"

#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace curvifit {

constexpr int FILAS_TABLA_EXPLORADOR = 20;

// The document's units for showing the explorer's numbers.
struct UnidadesExplorador {
    std::string energia;              // "hartree" or "eV"
    double porHartree = 1.0;          // energy unit per hartree
    std::string distancia;            // "bohr" or "Angstrom"
    Constante re = Constante::ReBohr; // re in that distance unit
};

UnidadesExplorador unidadesExplorador(const DatosEntrada& datos);

// The explorer's five constants as a table shows them: re in the document's distance unit.
std::array<Constante, 5> constantesMostradas(const UnidadesExplorador& u);

// "value ± stderr" with the value rounded where the stderr's second significant digit
// falls (a number that rounds to zero there is "0"); the value alone (7 significant digits)
// without a stderr.
std::string textoValorConError(const ValorConError& v);

// A model spread beside a value of the table: "± 0.0012 modelo", at its own second
// significant digit ("± 0 modelo" when every set agrees).
std::string textoDispersionModelo(double dispersion);

// The first `filas` candidates as an aligned table with a header, in the document's units.
std::string tablaExplorador(const std::vector<EvaluacionCandidato>& ranking,
                            const DatosEntrada& datos, int filas = FILAS_TABLA_EXPLORADOR);

// The whole ranking as the "oscilab-explorer" JSON document, version 1 (UTF-8): each
// constant with its model_spread (the same for every candidate: see dispersion_modelos.h),
// and the sets and weights behind it in "model_sets".
std::string jsonExplorador(const std::vector<EvaluacionCandidato>& ranking);

// Reads datos/NAME.qvd as a plain run does (same ErrorMotor on a bad file), ranks its
// candidates and prints the table or the JSON to salida.
void exploraDocumento(const std::string& nombre, bool json, std::ostream& salida);

} // namespace curvifit
