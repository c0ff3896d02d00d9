#include "results/impresion_grafico.h"

#include <QPainter>

namespace oscilab {

namespace {

// Lengths that the layout gives in twips, in window pixels.
double pixeles(const ComposicionGrafico& c, double twips) {
    return twips * c.puntosPorPulgada / 1440.0;
}

void dibujaMarcas(QPainter& p, const ComposicionGrafico& c) {
    if (!c.marcas.empty()) {
        p.drawLines(c.marcas.data(), static_cast<int>(c.marcas.size()));
        return;
    }
    const QRectF a(c.areaGrafico);
    const double finVertical = c.lbx.rect.top() - pixeles(c, 50.0);
    for (int i = 0; i <= 10; ++i) {
        const double y = a.top() + i * a.height() / 10.0;
        p.drawLine(QPointF(a.left() - pixeles(c, 100.0), y), QPointF(a.left(), y));
        const double x = a.left() + i * a.width() / 10.0;
        p.drawLine(QPointF(x, a.top() + a.height()), QPointF(x, finVertical));
    }
}

} // namespace

const QImage& ComponedorGrafico::componer(const ComposicionGrafico& c, double escala) {
    const QSize tamano(qRound(c.marco.width() * escala), qRound(c.marco.height() * escala));
    if (lienzo_.size() != tamano) {
        lienzo_ = QImage(tamano, QImage::Format_RGB32);
    }
    // The labels' fonts at the window's resolution, so that their text keeps its size
    // against the plot as on the screen.
    const int puntosPorMetro = qRound(c.puntosPorPulgada / 0.0254);
    lienzo_.setDotsPerMeterX(puntosPorMetro);
    lienzo_.setDotsPerMeterY(puntosPorMetro);
    lienzo_.fill(Qt::white);
    if (c.vacia()) {
        return lienzo_;
    }
    QPainter p(&lienzo_);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(escala, escala);
    const double desplazamiento = pixeles(c, 10.0);
    p.drawImage(
        QPointF(c.areaGrafico.left() + desplazamiento, c.areaGrafico.top() + desplazamiento),
        c.imagenGrafico);
    QPen pluma(Qt::black);
    pluma.setWidthF(1.0);
    p.setPen(pluma);
    dibujaMarcas(p, c);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(c.areaGrafico));
    p.setFont(c.fuenteEtiquetas);
    const double ascenso = QFontMetricsF(c.fuenteEtiquetas).ascent();
    for (const EtiquetaGrafico* e : {&c.x0y1, &c.x0y0x, &c.x0y0y, &c.x1y0, &c.lbx, &c.lby}) {
        p.drawText(QPointF(e->rect.left(), e->rect.top() + ascenso), e->texto);
    }
    for (const EtiquetaGrafico& e : c.etiquetasMarcas) {
        p.drawText(QPointF(e.rect.left(), e.rect.top() + ascenso), e.texto);
    }
    return lienzo_;
}

GraficoImpreso graficoParaImprimir(ComponedorGrafico& componedor, const ComposicionGrafico& c,
                                   double escala) {
    GraficoImpreso g;
    g.imagen = componedor.componer(c, escala);
    g.ancho = c.marco.width() * 1440.0 / c.puntosPorPulgada;
    g.alto = c.marco.height() * 1440.0 / c.puntosPorPulgada;
    return g;
}

} // namespace oscilab
