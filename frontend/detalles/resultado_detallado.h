// What the window "Resultados detallados" computes from a run's result beyond what the file
// holds: plain logic, no Qt. The result itself is curvifit::ResultadoEjecucion, read once per
// run by the engine's reader (resultado_json.h).
#pragma once

#include "espectro.h"
#include "niveles_exactos.h"
#include "resultado_json.h"

namespace oscilab {

// The fitted curve V(R) = sum of c_p R^p, hartree for R in bohr, and its slope.
curvifit::Potencial potencialAjustado(const curvifit::ResultadoEjecucion& r);

} // namespace oscilab
