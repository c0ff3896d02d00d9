// What the plots of "Resultados detallados" draw, in the units chosen.
#pragma once

#include "compartido/unidades_mostradas.h"
#include "detalles/grafico_detalles.h"
#include "detalles/resultado_detallado.h"

#include <vector>

namespace oscilab {

// The residuals against R, with the zero line.
std::vector<SerieGrafico> seriesResiduos(const curvifit::ResultadoEjecucion& r,
                                         EleccionUnidades eleccion = EleccionUnidades::Documento);

// The fitted curve between the walls, the data points and each J = 0 exact level between its
// turning points. With `onda` (R in bohr, chi normalised) for the level `v`, its chi^2
// scaled so that its peak reaches 80 % of the way to the next level (or the previous one).
std::vector<SerieGrafico> seriesNiveles(const curvifit::ResultadoEjecucion& r, int v = -1,
                                        const curvifit::FuncionOnda& onda = {},
                                        EleccionUnidades eleccion = EleccionUnidades::Documento);

} // namespace oscilab
