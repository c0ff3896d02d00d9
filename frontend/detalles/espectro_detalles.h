// The tab "Espectro" of "Resultados detallados" as plain data: the lines as a table and the
// stick spectrum's series, P and R branches in their own colours.
#pragma once

#include "detalles/grafico_detalles.h"
#include "detalles/tablas_detalles.h"
#include "espectro.h"

#include <string>
#include <vector>

namespace oscilab {

inline const QColor COLOR_RAMA_P = QColor(0, 90, 200);
inline const QColor COLOR_RAMA_R = QColor(200, 40, 0);

// Wavenumber, branch, v', J', v'', J'', moment, A, E'' and intensity, as listed.
Tabla tablaLineas(const curvifit::Espectro& e);

// A stick per line from the axis up to its intensity (cm/molecule), or up to log10 of it
// from the weakest line's log10 when `logaritmica`.
std::vector<SerieGrafico> seriesEspectro(const curvifit::Espectro& e, bool logaritmica);

// "Q(296 K) = 107.7", with a note when the levels past JMAX would add to it.
std::string textoParticion(const curvifit::Espectro& e);

} // namespace oscilab
