// The run's warnings as the tab "Ajuste" shows them: the two that quote an energy or a
// distance in the units chosen, the others as the engine wrote them.
#pragma once

#include "compartido/unidades_mostradas.h"

#include <string>
#include <vector>

namespace oscilab {

// The engine writes the rms residual and an equilibrium distance outside the data in bohr and
// hartree, whatever the data's units; the same numbers come back from the result's points
// and constants, so the warnings are written again here, in the units of the tab.
std::vector<std::string> textosAvisos(const curvifit::ResultadoEjecucion& r,
                                      EleccionUnidades eleccion = EleccionUnidades::Documento);

} // namespace oscilab
