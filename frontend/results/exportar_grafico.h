// "Exportar gráfico...": the plot drawn again, as vectors, into a PNG picture of a chosen
// size, an SVG drawing or a PDF page, from the same geometry the plot area draws with.
#pragma once

#include "compartido/resultado.h"
#include "compartido/unidades_mostradas.h"

#include "results/curva.h"
#include "results/estado_resultados.h"

#include <QSize>
#include <QString>
#include <optional>

class QPainter;
class QRectF;

namespace oscilab {

enum class FormatoGrafico { Png, Svg, Pdf };

// The format named by the file's extension (case ignored); nullopt for any other.
std::optional<FormatoGrafico> formatoDeFichero(const QString& ruta);

// What the plot shows: the fitted curve, the points and the levels over `caja`.
struct DibujoGrafico {
    CoeficientesPotencia coeficientes{};
    DatosCurva curva;
    Caja caja;
    double rcentro = 0.0;       // R at which the level bars are centred
    UnidadesMostradas unidades; // of the ticks and captions, as on screen
};

// Draws the plot with its frame, tick marks, corner values and axis captions, filling
// `zona` (painter units).
void dibujaGrafico(QPainter& pintor, const QRectF& zona, const DibujoGrafico& dibujo);

inline constexpr QSize tamanoPngInicial{1600, 1200};
inline constexpr int ladoPngMinimo = 200;
inline constexpr int ladoPngMaximo = 10000;

// Writes the plot to `ruta` in the format of its extension; `tamano` is the PNG's size in
// pixels (the SVG and PDF keep its proportions). Says why, in Spanish, when it cannot.
Resultado<void> exportaGrafico(const DibujoGrafico& dibujo, const QString& ruta, QSize tamano);

// The file filter of the export dialog.
QString filtroExportacion();

} // namespace oscilab
