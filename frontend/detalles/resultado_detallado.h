// What the window "Resultados detallados" shows, read from result/NAME.json (schema
// "oscilab-results", version 1): plain data, no Qt.
#pragma once

#include "espectro.h"
#include "niveles_exactos.h"

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace oscilab {

struct PuntoAjustado {
    double r_bohr = 0.0, e_hartree = 0.0, ajuste_hartree = 0.0, residuo_hartree = 0.0;
};

struct ConstanteConError {
    double valor = 0.0;
    std::optional<double> error; // 1 sigma; none when the fit leaves no degree of freedom
};

struct AvisoResultado {
    std::string codigo, texto;
};

struct ResultadoDetallado {
    std::string titulo;
    bool angstrom = false, ev = false; // the data file's units
    double masaReducida = 0.0;         // electron masses
    std::array<double, 2> masas{};     // the atoms' masses, u
    std::vector<PuntoAjustado> puntos;
    std::vector<int> potencias;
    std::vector<double> coeficientes; // hartree / bohr^p, in the order of `potencias`
    std::vector<double> singulares;   // descending; the last `descartados` were discarded
    int descartados = 0;
    double rms_hartree = 0.0;
    std::vector<std::pair<std::string, ConstanteConError>> constantes; // by their JSON names
    std::optional<curvifit::NivelesExactos> exactos; // absent in a file without "levels_exact"
    std::optional<curvifit::Espectro> espectro;      // the listed lines; none without a dipole
    std::vector<AvisoResultado> avisos;

    // The constant named `nombre` (e.g. "we_cm1"); none when the file lacks it or it is null.
    std::optional<ConstanteConError> constante(const std::string& nombre) const;
    // The document's units per atomic unit, for what the plots show.
    double factorDistancia() const;
    double factorEnergia() const;
    std::string unidadDistancia() const; // "bohr" or "Angstrom"
    std::string unidadEnergia() const;   // "hartree" or "eV"
};

// A result file that cannot be used; the text is Spanish, for the user.
class ResultadoIlegible : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Parses the text of result/NAME.json. Throws ResultadoIlegible for anything but a version 1
// "oscilab-results" document with the members the window needs.
ResultadoDetallado leeResultadoDetallado(const std::string& texto);

// The fitted curve V(R) = sum of c_p R^p, hartree for R in bohr, and its slope.
curvifit::Potencial potencialAjustado(const ResultadoDetallado& r);

} // namespace oscilab
