// The plot as it is printed on the first page: the plot area's picture with the frame's
// tick marks, an outline and the six labels, composed on a picture of the frame's size.
#pragma once

#include "results/impresion_maqueta.h"

#include <QFont>
#include <QImage>
#include <QLineF>
#include <QRect>
#include <QString>
#include <vector>

namespace oscilab {

// A label of the results window: its text and its place in the frame.
struct EtiquetaGrafico {
    QString texto;
    QRect rect; // frame pixels
};

// What the results window hands over for printing, in its own pixels (frame coordinates).
struct ComposicionGrafico {
    QImage imagenGrafico; // the plot area's persistent picture
    QSize marco;          // size of the frame picture `pctgrafica`
    QRect areaGrafico;    // the plot area `pctgrafico` within the frame
    EtiquetaGrafico x0y1, x0y0y, x0y0x, x1y0, lbx, lby;
    // The view's ticks and their labels; without them, the axes are cut in tenths.
    std::vector<QLineF> marcas;
    std::vector<EtiquetaGrafico> etiquetasMarcas;
    QFont fuenteEtiquetas;
    double puntosPorPulgada = 96.0; // the window's logical DPI (for twips)

    bool vacia() const { return imagenGrafico.isNull() || marco.isEmpty(); }
};

// Composes on a persistent picture, which is cleared before every composition so that
// nothing of an earlier print shows through.
class ComponedorGrafico {
public:
    // `escala`: picture pixels per window pixel (more than 1 for sharp printing).
    const QImage& componer(const ComposicionGrafico& c, double escala);
    const QImage& lienzo() const { return lienzo_; }

private:
    QImage lienzo_;
};

// The composed picture with its printed size (the frame's size in twips).
GraficoImpreso graficoParaImprimir(ComponedorGrafico& componedor, const ComposicionGrafico& c,
                                   double escala);

} // namespace oscilab
