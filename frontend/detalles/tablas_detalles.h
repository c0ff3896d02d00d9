// The tables of "Resultados detallados" as rows of text, and their tab-separated and CSV
// forms: plain logic that the window only shows. Numbers always take a "." decimal point.
#pragma once

#include "compartido/unidades_mostradas.h"
#include "detalles/resultado_detallado.h"

#include <QCoreApplication>
#include <cstddef>
#include <limits>
#include <string>
#include <vector>

namespace oscilab {

// A text of the details' tables in the interface's language (context "detalles"; the
// Spanish source when no translation is installed), with %1, %2... replaced by `valores`.
// Callers mark the literal with QT_TRANSLATE_NOOP("detalles", ...) so that lupdate finds it.
std::string textoDetalles(const char* texto, const std::vector<std::string>& valores = {});

struct Tabla {
    std::vector<std::string> cabecera;
    std::vector<std::vector<std::string>> filas;
    // The columns shown; the rest (full values) go into copies, CSV and the cells' tooltips.
    std::size_t visibles = std::numeric_limits<std::size_t>::max();
};

// Each constant: name, value(stderr) in the digits the error allows, unit; then the full
// value and stderr, for copies and scripts. Distances appear in bohr and in Angstrom, E(re)
// in hartree and, for an eV document, in eV too.
Tabla tablaConstantes(const curvifit::ResultadoEjecucion& r);
// The points in the units chosen: R, E, the fitted E and the residual, labelled
// "E calculada − E dato".
Tabla tablaPuntos(const curvifit::ResultadoEjecucion& r,
                  EleccionUnidades eleccion = EleccionUnidades::Documento);
// The singular values of the scaled fit, marking the discarded ones.
Tabla tablaSingulares(const curvifit::ResultadoEjecucion& r);

// One J = 0 exact level beside the report's second-order formula, 1/cm above E(re).
struct FilaNivel {
    int v = 0;
    double exacta = 0.0, formula = 0.0;
    std::optional<double> salto; // G(v+1) - G(v), when the next level exists
    std::optional<double> bv;
    double rInterior = 0.0, rExterior = 0.0; // bohr
    bool cercaPared = false;
    double incertidumbre = 0.0; // 1/cm, from the curve's extensions
    bool extrapolado = false;   // a turning point outside the data
};
// G(v) = we (v+1/2) - wexe (v+1/2)^2 with the report's we_cm1 and wexe_cm1.
std::vector<FilaNivel> filasNiveles(const curvifit::ResultadoEjecucion& r);
// The energies in 1/cm, as spectroscopists give them; the turning points in the units chosen.
Tabla tablaNiveles(const curvifit::ResultadoEjecucion& r,
                   EleccionUnidades eleccion = EleccionUnidades::Documento);
// The constants from the exact levels beside the report's perturbative ones; the header says
// which levels were fitted.
Tabla tablaConstantesNiveles(const curvifit::ResultadoEjecucion& r);
// E(v, J) in 1/cm above E(re): v down, J across; empty cells where a level is missing, and
// quasibound levels marked with MARCA_CUASILIGADO.
Tabla tablaEnergiasVJ(const curvifit::ResultadoEjecucion& r);
inline constexpr const char* MARCA_CUASILIGADO = " *";

// V_inf (in the document's energy unit, and in hartree when that is another), De and D0
// with their uncertainties; no rows without an asymptote.
Tabla tablaDisociacion(const curvifit::ResultadoEjecucion& r);
// A plain sentence on where De and D0 come from (the data or an extrapolation).
std::string notaDisociacion(const curvifit::ResultadoEjecucion& r);
// One line per v that is bound for some J only ("v = 25: solo para J = 8 a 20."); "" when
// every v has all its J.
std::string notaEnergiasVJ(const curvifit::ResultadoEjecucion& r);
// Says which count is which when the report's second-order levels and the exact bound
// J = 0 levels differ in number; "" when they agree.
std::string notaCuentaNiveles(const curvifit::ResultadoEjecucion& r);

// Header row and rows, cells separated by tabs, "\n" after each row (for the clipboard).
std::string textoTabulado(const Tabla& t);
// The same as CSV (RFC 4180): commas, quotes around cells that need them, CRLF line ends.
std::string textoCsv(const Tabla& t);

// Only the rows `filas` (indices into t.filas, in this order), for copying a selection.
Tabla seleccion(const Tabla& t, const std::vector<int>& filas);

// The rows ordered by column `columna`: numbers by value, before texts in alphabetical order
// (after them when descending); equal cells keep their order.
Tabla ordenada(const Tabla& t, int columna, bool ascendente);

} // namespace oscilab
