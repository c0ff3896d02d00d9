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

// How the lines are drawn: sticks, or each line spread over a profile of unit area and the
// given full width at half maximum (1/cm), which gives a cross-section in cm^2/molecule.
enum class Perfil { Barras, Gaussiano, Lorentziano };
struct Ensanchamiento {
    Perfil perfil = Perfil::Barras;
    double fwhm_cm1 = 1.0;
};
// Samples of a broadened spectrum: at most this many, and this many per FWHM.
constexpr int MUESTRAS_PERFIL_MAXIMAS = 20000;
constexpr int MUESTRAS_POR_ANCHURA = 8;

// Per branch (P, then R): a stick per line from the axis up to its intensity (cm/molecule),
// or the broadened cross-section sampled over the lines +- 5 FWHM. With `logaritmica`,
// log10 of either, from the floor of the smallest positive value's log10.
std::vector<SerieGrafico> seriesEspectro(const curvifit::Espectro& e, bool logaritmica,
                                         const Ensanchamiento& ensanchamiento = {});

// "Q(296 K) = 107.7", with a note when the levels past JMAX would add to it.
std::string textoParticion(const curvifit::Espectro& e);

} // namespace oscilab
