#include "results/marcas_vista.h"

#include "compartido/marcas_eje.h"
#include "results/unidades_grafico.h"

#include <algorithm>
#include <cmath>

namespace oscilab {

namespace {

std::vector<MarcaVista> marcasDe(const std::vector<double>& valores, double rango, auto pixel) {
    std::vector<MarcaVista> marcas;
    const double paso = valores.size() > 1 ? valores[1] - valores[0] : rango;
    for (double v : valores) {
        marcas.push_back({v, pixel(v), textoMarca(v, paso)});
    }
    return marcas;
}

} // namespace

QString textoMarca(double valor, double paso) {
    // The step's own decimals: 0.05 needs two, 2 or 500 none.
    const int decimales =
        paso > 0.0 && std::isfinite(paso)
            ? std::clamp(static_cast<int>(std::ceil(-std::log10(paso) - 1e-9)), 0, 15)
            : 0;
    return QString::number(valor, 'f', decimales);
}

MarcasVista marcasVista(const Escala& escala, const UnidadesMostradas& unidades, int maximo) {
    const Caja& c = escala.caja();
    const Caja s = cajaMostrada(c, unidades);
    MarcasVista m;
    m.r = marcasDe(marcasEje(s.rmin, s.rmax, maximo), s.rmax - s.rmin,
                   [&](double r) { return escala.aPixel(r / unidades.distancia, c.vmin).x(); });
    m.v = marcasDe(marcasEje(s.vmin, s.vmax, maximo), s.vmax - s.vmin,
                   [&](double v) { return escala.aPixel(c.rmin, v / unidades.energia).y(); });
    return m;
}

std::vector<QLineF> lineasMarcas(const QRect& plot, const MarcasVista& marcas, double inicioV,
                                 double finR) {
    std::vector<QLineF> lineas;
    const double abajo = plot.y() + plot.height();
    for (const MarcaVista& m : marcas.v) {
        const double y = plot.y() + m.pixel;
        lineas.emplace_back(inicioV, y, plot.x(), y);
    }
    for (const MarcaVista& m : marcas.r) {
        const double x = plot.x() + m.pixel;
        lineas.emplace_back(x, abajo, x, finR);
    }
    return lineas;
}

std::vector<EtiquetaGrafico> etiquetasMarcas(const QRect& plot, const MarcasVista& marcas,
                                             const QFontMetrics& medidas, int finV, int arribaR,
                                             int anchoMarco) {
    std::vector<EtiquetaGrafico> etiquetas;
    const int alto = medidas.height();
    for (const MarcaVista& m : marcas.v) {
        const int ancho = medidas.horizontalAdvance(m.texto);
        const int y = plot.y() + qRound(m.pixel) - alto / 2;
        etiquetas.push_back({m.texto, QRect(std::max(0, finV - ancho), y, ancho, alto)});
    }
    for (const MarcaVista& m : marcas.r) {
        const int ancho = medidas.horizontalAdvance(m.texto);
        const int x =
            std::clamp(plot.x() + qRound(m.pixel) - ancho / 2, 0, std::max(0, anchoMarco - ancho));
        etiquetas.push_back({m.texto, QRect(x, arribaR, ancho, alto)});
    }
    return etiquetas;
}

} // namespace oscilab
