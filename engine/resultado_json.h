// result/NAME.json: everything a run computed, for scripts and for the front end's detailed
// results, in the schema "oscilab-results" version 1 (README, "Result file").
#pragma once

#include "datos_motor.h"
#include "espectro.h"
#include "isotopologos.h"
#include "niveles_exactos.h"

#include <nlohmann/json.hpp>

#include <string>

namespace curvifit {

constexpr int VERSION_RESULTADO_JSON = 1;

// The whole document for a complete run; FICHDATOS is the data file's path as read. The
// added isotopic species go into "isotopologues", empty when none was asked for.
nlohmann::ordered_json resultadoJson(const std::string& FICHDATOS, const DatosEntrada& datos,
                                     const Resultado& resultado, const NivelesExactos& exactos,
                                     const std::vector<Isotopologo>& isotopologos = {},
                                     const EspectroDelResultado& espectro = {});

// Writes the document to a temporary file beside `ruta` (`ruta` + ".tmp"), waits until it is
// on disk and renames it into place, so that `ruta` never holds half a document. Throws ErrorMotor
// (Salida::ResultadosNoAbiertos).
void escribeResultadoJson(const std::string& ruta, const nlohmann::ordered_json& documento);

// Removes an earlier result file and its temporary file; a missing one is no error.
void borraResultadoJson(const std::string& ruta);

} // namespace curvifit
