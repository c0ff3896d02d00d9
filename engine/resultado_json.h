// result/NAME.json: everything a run computed, for scripts and for the front end's detailed
// results, in the schema "oscilab-results" version 1 (README, "Result file").
#pragma once

#include "datos_motor.h"
#include "espectro.h"
#include "niveles_exactos.h"

#include <nlohmann/json.hpp>

#include <string>

namespace curvifit {

constexpr int VERSION_RESULTADO_JSON = 1;

// The whole document for a complete run; FICHDATOS is the data file's path as read.
nlohmann::ordered_json resultadoJson(const std::string& FICHDATOS, const DatosEntrada& datos,
                                     const Resultado& resultado, const NivelesExactos& exactos,
                                     const EspectroDelResultado& espectro = {});

// Writes the document to a temporary file beside `ruta` and renames it into place, so that
// `ruta` never holds half a document. Throws ErrorMotor (Salida::ResultadosNoAbiertos).
void escribeResultadoJson(const std::string& ruta, const nlohmann::ordered_json& documento);

// Removes an earlier result file; a missing one is no error.
void borraResultadoJson(const std::string& ruta);

} // namespace curvifit
