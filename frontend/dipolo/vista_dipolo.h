// The dipole dialog as plain data: the points and the engine's fit of them as plot series,
// in the units the dialog shows, and a line that says which polynomial fits them or why
// the points cannot be saved yet.
#pragma once

#include "detalles/grafico_detalles.h"
#include "dipolo.h"
#include "modelo/datos_documento.h"

#include <optional>
#include <vector>

namespace oscilab {

inline const QColor COLOR_PUNTOS_DIPOLO = QColor(0, 128, 0);
inline const QColor COLOR_AJUSTE_DIPOLO = QColor(0, 0, 255);
// Samples of the fitted curve between the first and the last point.
constexpr int MUESTRAS_AJUSTE_DIPOLO = 200;

struct VistaDipolo {
    std::vector<SerieGrafico> series;            // the points, then the fit when there is one
    std::optional<curvifit::CurvaDipolo> ajuste; // R in bohr, mu in debye, as the engine's
    QString resumen;
};

// The points as the engine reads them from the saved file: R in bohr, mu in debye.
curvifit::PuntosDipolo puntosMotor(const DatosDipolo& dipolo, Distancia distancia);

VistaDipolo vistaDipolo(const DatosDipolo& dipolo, Distancia distancia);

} // namespace oscilab
