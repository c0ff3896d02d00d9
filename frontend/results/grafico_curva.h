// The plot area `pctgrafico`: draws into a persistent picture in user coordinates (R, V)
// and handles the zoom with the mouse.
#pragma once

#include "curva.h"
#include "estado_resultados.h"
#include "trazado.h"
#include "compartido/unidades_mostradas.h"
#include "compartido/zoom.h"

#include <QColor>
#include <QImage>
#include <QWidget>

namespace oscilab {

class GraficoCurva : public QWidget {
    Q_OBJECT
public:
    // The zoom writes resultados.vista; a redraw writes back the box it drew and rcentro.
    GraficoCurva(EstadoResultados& resultados, QWidget* padre = nullptr);

    // The units of the pointer's coordinates in the tooltip; the plot itself stays in bohr
    // and hartree.
    void ponUnidades(const UnidadesMostradas& unidades) { unidades_ = unidades; }

    // Points, levels and bar width of the loaded curve file.
    void ponCurva(DatosCurva datos) { datos_ = std::move(datos); }
    const DatosCurva& curva() const { return datos_; }

    // Redraw the curve over the full view or over the chosen view, as revisaCaja allows:
    // its warnings are shown, and the box drawn, a full view that takes over the view and
    // the levels' centre are written back to the results. False, after a message, for a
    // box that cannot be drawn.
    bool dibujaVistaCompleta();
    bool dibujaVista();
    // Sets the scale to `caja`, clears the picture and draws the curve as it is. Returns
    // the R at which the levels are to be centred.
    double dibujacurva(const Caja& caja);
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
    // Draws again, at the new size, what the picture held.
    void redibujaTrazado();
    bool redibuja(bool esVista);
    void aplica(const AccionRaton& accion, double r, double v);
    // Pointer position in plot coordinates, at single precision as the mouse gives them.
    std::pair<double, double> coordenadas(const QPointF& posicion) const;
    void trazaLineas(const std::vector<QLineF>& lineas, const QColor& color);

    EstadoResultados& resultados_;
    UnidadesMostradas unidades_;
    DatosCurva datos_;
    QImage imagen_;
    Escala escala_;
    ZoomGrafico zoom_;
    // What the picture holds: the curve of escala_'s box, then maybe points and levels.
    bool conCurva_ = false;
    bool conPuntos_ = false;
    bool conNiveles_ = false;
};

} // namespace oscilab
