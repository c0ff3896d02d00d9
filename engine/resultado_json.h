// result/NAME.json: everything a run computed, for scripts and for the front end's detailed
// results, in the schema "oscilab-results" version 1 (README, "Result file").
#pragma once

#include "avisos.h"
#include "datos_motor.h"
#include "espectro.h"
#include "incertidumbres.h"
#include "isotopologos.h"
#include "niveles_exactos.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace curvifit {

constexpr int VERSION_RESULTADO_JSON = 1;

// The whole document for a complete run; FICHDATOS is the data file's path as read. The
// added isotopic species go into "isotopologues", empty when none was asked for. The
// warnings' texts are in `idioma`.
nlohmann::ordered_json resultadoJson(const std::string& FICHDATOS, const DatosEntrada& datos,
                                     const Resultado& resultado, const NivelesExactos& exactos,
                                     const std::vector<Isotopologo>& isotopologos = {},
                                     const EspectroDelResultado& espectro = {},
                                     IdiomaAvisos idioma = IdiomaAvisos::Espanol);

// Writes the document to a temporary file beside `ruta` (`ruta` + ".tmp"), waits until it is
// on disk and renames it into place, so that `ruta` never holds half a document. Throws ErrorMotor
// (Salida::ResultadosNoAbiertos).
void escribeResultadoJson(const std::string& ruta, const nlohmann::ordered_json& documento);

// Removes an earlier result file and its temporary file; a missing one is no error.
void borraResultadoJson(const std::string& ruta);

// What a reader accepts: a larger document is refused whole, never cut.
constexpr std::size_t MAX_NIVELES_JSON = 10000; // in any list of levels
constexpr std::size_t MAX_PUNTOS_JSON = 10000;
constexpr std::size_t MAX_LINEAS_JSON = 200000;
constexpr std::size_t MAX_BYTES_JSON = 64u << 20; // the same bound for a document on one line

struct PuntoResultado {
    double r_bohr = 0.0, e_hartree = 0.0, ajuste_hartree = 0.0, residuo_hartree = 0.0;
};

struct AvisoResultado {
    std::string codigo, texto;
};

// A run's result as the document holds it, atomic units unless a name says otherwise.
// A value the writer could not give as a number (null) reads as NaN.
struct ResultadoEjecucion {
    std::string titulo;
    std::string ficheroDatos;          // "data_file", the path the engine read
    bool angstrom = false, ev = false; // the data file's units
    double masaReducida = 0.0;         // electron masses
    std::array<double, 2> masas{};     // the atoms' masses, u
    std::vector<PuntoResultado> puntos;
    std::vector<int> potencias;
    std::vector<double> coeficientes; // hartree / bohr^p, in the order of `potencias`
    std::vector<double> singulares;   // descending; the last `descartados` were discarded
    int descartados = 0;
    int gradosLibertad = 0;
    double rms_hartree = 0.0;
    std::vector<std::pair<std::string, ValorConError>> constantes; // by their JSON names
    std::vector<double> nivelesSegundoOrden;                       // E(v), hartree, v = 0, 1, ...
    std::optional<NivelesExactos> exactos; // absent in a file without "levels_exact"
    std::optional<Espectro> espectro;      // the listed lines; none without a dipole
    std::vector<AvisoResultado> avisos;

    // The constant named `nombre` (e.g. "we_cm1"); none when the file lacks it or it is null.
    std::optional<ValorConError> constante(std::string_view nombre) const;
    // The document's units per atomic unit.
    double factorDistancia() const;
    double factorEnergia() const;
    std::string unidadDistancia() const; // "bohr" or "Angstrom"
    std::string unidadEnergia() const;   // "hartree" or "eV"
};

// A reading: the result, or why there is none (Spanish, for the user).
struct LecturaResultadoJson {
    std::optional<ResultadoEjecucion> resultado;
    std::string error;
    bool ok() const { return resultado.has_value(); }
};

// Reads a version 1 "oscilab-results" document. Every member the result holds is checked for
// its type and range and every list for its length; any surprise gives a message naming the
// member, never an exception.
LecturaResultadoJson leeResultadoJson(std::string_view texto);

} // namespace curvifit
