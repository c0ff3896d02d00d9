// The plot area `pctgrafico`: draws into a persistent picture in user coordinates (R, V)
// and handles the zoom with the mouse.
#pragma once

#include "curva.h"
#include "trazado.h"
#include "compartido/estado_global.h"
#include "zoom.h"

#include <QColor>
#include <QImage>
#include <QWidget>

namespace oscilab {

class GraficoCurva : public QWidget {
    Q_OBJECT
public:
    GraficoCurva(EstadoGlobal& estado, QWidget* padre = nullptr);

    // Points, levels and bar width of the loaded curve file.
    void ponCurva(DatosCurva datos) { datos_ = std::move(datos); }
    const DatosCurva& curva() const { return datos_; }

    // Sets the scale to `caja`, clears the picture and draws the curve. `caja` may be
    // changed (R min 0 becomes 0.01) and may be the shared `vista`, which a view wider or
    // taller than 1e8 resets to the full view. Returns false, after a message, for a box
    // that cannot be drawn (a zero or undefined span).
    bool dibujacurva(Caja& caja);
    void dibujamarca(double r, double v, const QColor& color);
    void dibujapuntos();
    void dibujaniveles();

    // The persistent picture the plot repaints itself from (and that printing copies).
    const QImage& imagen() const { return imagen_; }
    const Escala& escala() const { return escala_; }
    const ZoomGrafico& zoom() const { return zoom_; }
    // Width of the plot area in twips: the number of curve samples.
    double anchoTwips() const;

signals:
    // The view now drawn; the corner labels show it.
    void vistaDibujada(const oscilab::Caja& caja);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;

private:
    void ajustaImagen();
    void aplica(const AccionRaton& accion);
    // Pointer position in plot coordinates, at single precision as the mouse gives them.
    std::pair<double, double> coordenadas(const QPointF& posicion) const;
    void trazaLineas(const std::vector<QLineF>& lineas, const QColor& color);

    EstadoGlobal& estado_;
    DatosCurva datos_;
    QImage imagen_;
    Escala escala_;
    ZoomGrafico zoom_;
};

} // namespace oscilab
