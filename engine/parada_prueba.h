// A test hook for the order in which a run leaves its files: with the environment variable
// CURVIFIT_PARADA set to the name of a point, the engine kills itself with SIGKILL there,
// as a crash or a killed process would stop it. Unset, it costs one getenv per point.
#pragma once

namespace curvifit {

// The points, in the order a run passes them.
inline constexpr const char* PARADA_INICIO = "inicio";          // data file opened
inline constexpr const char* PARADA_BORRADO = "borrado";        // earlier JSON removed
inline constexpr const char* PARADA_INFORME = "informe";        // report and curve written
inline constexpr const char* PARADA_JSON_TEMPORAL = "temporal"; // NAME.json.tmp written
inline constexpr const char* PARADA_JSON = "json";              // NAME.json in place

void puntoDeParada(const char* punto);

} // namespace curvifit
