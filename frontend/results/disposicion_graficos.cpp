#include "disposicion_graficos.h"

#include <algorithm>
#include <cmath>

namespace oscilab {

namespace {

int redondea(double x) {
    return static_cast<int>(std::lround(x));
}

} // namespace

DisposicionGraficos disposicionGraficos(QSize ventana, QSize boton, QSize etiquetaX,
                                        QSize etiquetaY, int altoEsquina) {
    DisposicionGraficos d;
    const double w = ventana.width();
    const double h = ventana.height();

    const int altoMarco = redondea(0.5 * h);
    const int anchoMarco = redondea(0.9 * w);
    d.marco = QRect(redondea((w - anchoMarco) / 2.0), redondea(0.02 * h), anchoMarco, altoMarco);

    const int altoGrafico = redondea(0.8 * altoMarco);
    const int anchoGrafico = redondea(0.85 * anchoMarco);
    d.grafico = QRect(redondea((anchoMarco - anchoGrafico) * 3.0 / 4.0),
                      redondea((altoMarco - altoGrafico) / 3.0), anchoGrafico, altoGrafico);

    d.informe = QRect(d.marco.left(), d.marco.top() + altoMarco + redondea(0.05 * h),
                      redondea(0.85 * anchoMarco), redondea(0.35 * h));

    const int derecha = d.marco.left() + anchoMarco; // buttons end at the frame's right edge
    const int salto = boton.height() + redondea(0.1 * d.informe.height());
    d.imprimir = QRect(derecha - boton.width(), d.informe.top(), boton.width(), boton.height());
    d.escala = d.imprimir.translated(0, salto);
    d.aceptar = d.escala.translated(0, salto);

    // Captions: V(R) above the plot area, from its left edge; R centred at the bottom of the
    // strip under it. The ticks' labels take the rest of both strips.
    const int izquierdaGrafico = d.grafico.left();
    const int abajoGrafico = d.grafico.top() + altoGrafico;
    const int franjaInferior = altoMarco - abajoGrafico;
    d.lby = QRect(izquierdaGrafico, std::max(0, (d.grafico.top() - etiquetaY.height()) / 2),
                  etiquetaY.width(), etiquetaY.height());
    d.lbx = QRect(d.grafico.left() + redondea((anchoGrafico - etiquetaX.width()) / 2.0),
                  altoMarco - etiquetaX.height() - 2, etiquetaX.width(), etiquetaX.height());

    // Corner labels: V at the left edge of the frame, R below the plot area's ends.
    const int anchoEsquinaV = redondea(0.9 * izquierdaGrafico);
    d.x0y1 = QRect(0, d.grafico.top(), anchoEsquinaV, altoEsquina);
    d.x0y0y = QRect(0, abajoGrafico - altoEsquina, anchoEsquinaV, altoEsquina);
    const int anchoEsquinaR = redondea(anchoGrafico / 4.0);
    const int arribaEsquinaR = abajoGrafico + redondea((franjaInferior - altoEsquina) / 2.0);
    d.x0y0x = QRect(d.grafico.left(), arribaEsquinaR, anchoEsquinaR, altoEsquina);
    d.x1y0 = QRect(d.grafico.left() + anchoGrafico - anchoEsquinaR, arribaEsquinaR, anchoEsquinaR,
                   altoEsquina);
    return d;
}

} // namespace oscilab
