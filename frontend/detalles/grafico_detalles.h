// A small x-y plot for the detailed results: lines, marked points and horizontal segments,
// with ticks and axis captions. It only draws what it is given. With zoom, the mouse works
// as on the main plot: a left drag chooses the view, a right click goes back to the full
// view, and the pointer's coordinates show in the tooltip.
#pragma once

#include "compartido/caja.h"
#include "compartido/zoom.h"

#include <QColor>
#include <QPointF>
#include <QString>
#include <QWidget>

#include <vector>

namespace oscilab {

struct SerieGrafico {
    enum class Tipo { Linea, Marcas, Segmentos }; // Segmentos: consecutive pairs of points
    Tipo tipo = Tipo::Linea;
    std::vector<QPointF> puntos;
    QColor color = Qt::black;
    // Whether the axes' ranges include it; a curve that shoots up at a wall need not.
    bool fijaLimites = true;
    bool discontinua = false; // dashed: what is not data (the curve's extensions, an asymptote)
};

class GraficoDetalles : public QWidget {
    Q_OBJECT
public:
    explicit GraficoDetalles(QWidget* padre = nullptr);

    void ponSeries(std::vector<SerieGrafico> series, const QString& ejeX, const QString& ejeY);
    const std::vector<SerieGrafico>& series() const { return series_; }
    QSize sizeHint() const override { return {420, 320}; }

    void permiteZoom(bool permitido) { conZoom_ = permitido; }
    // The box drawn (x as r, y as v): the full view of the series, or the one a zoom chose.
    // New series bring back the full view.
    const Caja& vista() const { return vista_; }
    const Caja& vistaCompleta() const { return completa_; }
    // The plot's rectangle inside the widget, and the point of the view at a pixel.
    QRect area() const;
    QPointF aDatos(const QPointF& pixel) const;

public slots:
    void muestraVistaCompleta();

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;

private:
    void atiende(const AccionRaton& accion, const QPointF& punto);

    std::vector<SerieGrafico> series_;
    QString ejeX_, ejeY_;
    bool conZoom_ = false;
    Caja completa_, vista_;
    // What the zoom writes while the mouse chooses; it becomes the view on a release.
    Caja eleccion_;
    ZoomGrafico zoom_{eleccion_, completa_};
};

} // namespace oscilab
