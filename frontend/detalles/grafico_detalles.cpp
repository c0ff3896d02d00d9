#include "detalles/grafico_detalles.h"

#include "compartido/marcas_eje.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <limits>

namespace oscilab {

namespace {

constexpr int MARCAS_EJE = 5;

struct Limites {
    double x0 = std::numeric_limits<double>::infinity(), x1 = -x0, y0 = x0, y1 = -x0;
};

bool valida(const Caja& c) {
    return c.rmax > c.rmin && c.vmax > c.vmin;
}

int botones(Qt::MouseButtons b) {
    return (b & Qt::LeftButton ? botonIzquierdo : 0) | (b & Qt::RightButton ? botonDerecho : 0) |
           (b & Qt::MiddleButton ? botonCentral : 0);
}

Caja limitesDe(const std::vector<SerieGrafico>& series) {
    Limites l;
    for (const SerieGrafico& s : series) {
        for (const QPointF& p : s.puntos) {
            if (s.fijaLimites && std::isfinite(p.x()) && std::isfinite(p.y())) {
                l.x0 = std::min(l.x0, p.x());
                l.x1 = std::max(l.x1, p.x());
                l.y0 = std::min(l.y0, p.y());
                l.y1 = std::max(l.y1, p.y());
            }
        }
    }
    // A margin of 5 %, and some height for a flat set.
    const double mx = l.x1 > l.x0 ? 0.05 * (l.x1 - l.x0) : 0.5 * std::max(1.0, std::fabs(l.x0));
    const double my = l.y1 > l.y0 ? 0.05 * (l.y1 - l.y0) : 0.5 * std::max(1e-12, std::fabs(l.y0));
    return {l.x0 - mx, l.y0 - my, l.x1 + mx, l.y1 + my};
}

} // namespace

GraficoDetalles::GraficoDetalles(QWidget* padre) : QWidget(padre) {
    setMinimumSize(260, 200);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void GraficoDetalles::ponSeries(std::vector<SerieGrafico> series, const QString& ejeX,
                                const QString& ejeY) {
    series_ = std::move(series);
    ejeX_ = ejeX;
    ejeY_ = ejeY;
    completa_ = limitesDe(series_);
    vista_ = completa_;
    update();
}

void GraficoDetalles::muestraVistaCompleta() {
    vista_ = completa_;
    update();
}

QRect GraficoDetalles::area() const {
    const QFontMetrics fm(font());
    const int izquierda = fm.horizontalAdvance(QStringLiteral("-0.000000e-00")) + fm.height();
    return rect().adjusted(izquierda, fm.height(), -fm.height(), -3 * fm.height());
}

QPointF GraficoDetalles::aDatos(const QPointF& pixel) const {
    const QRect a = area();
    return {vista_.rmin + (pixel.x() - a.left()) / a.width() * (vista_.rmax - vista_.rmin),
            vista_.vmin + (a.bottom() - pixel.y()) / a.height() * (vista_.vmax - vista_.vmin)};
}

void GraficoDetalles::mousePressEvent(QMouseEvent* evento) {
    if (!conZoom_ || !valida(vista_)) {
        return;
    }
    eleccion_ = vista_;
    const QPointF p = aDatos(evento->position());
    atiende(zoom_.pulsar(botones(evento->button()), p.x(), p.y()), p);
}

void GraficoDetalles::mouseMoveEvent(QMouseEvent* evento) {
    if (!conZoom_ || !valida(vista_)) {
        return;
    }
    const QPointF p = aDatos(evento->position());
    atiende(zoom_.mover(botones(evento->buttons()), p.x(), p.y()), p);
}

void GraficoDetalles::mouseReleaseEvent(QMouseEvent* evento) {
    if (!conZoom_ || !valida(vista_)) {
        return;
    }
    const QPointF p = aDatos(evento->position());
    const AccionRaton accion = zoom_.soltar(botones(evento->button()), p.x(), p.y());
    if (accion.redibujar) {
        vista_ = eleccion_;
    }
    atiende(accion, p);
}

void GraficoDetalles::atiende(const AccionRaton& accion, const QPointF& p) {
    if (accion.tooltip) {
        // The main plot's fixed four decimals would show intensities of 1e-20 as zero.
        setToolTip(QStringLiteral("(%1, %2)")
                       .arg(QString::number(p.x(), 'g', 6), QString::number(p.y(), 'g', 6)));
    }
    if (accion.redibujar || accion.bandaCambiada) {
        update();
    }
}

void GraficoDetalles::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const Limites l{vista_.rmin, vista_.rmax, vista_.vmin, vista_.vmax};
    const QFontMetrics fm(font());
    const int izquierda = fm.horizontalAdvance(QStringLiteral("-0.000000e-00")) + fm.height();
    const QRect area = this->area();
    p.drawRect(area);
    p.drawText(QRect(area.left(), rect().bottom() - fm.height(), area.width(), fm.height()),
               Qt::AlignHCenter, ejeX_);
    p.save();
    p.translate(fm.height(), area.center().y());
    p.rotate(-90);
    p.drawText(QRect(-area.height() / 2, -fm.height(), area.height(), fm.height()),
               Qt::AlignHCenter, ejeY_);
    p.restore();
    if (!valida(vista_) || area.width() <= 0 || area.height() <= 0) {
        return;
    }
    const auto aPantalla = [&](const QPointF& q) {
        return QPointF(area.left() + (q.x() - l.x0) / (l.x1 - l.x0) * area.width(),
                       area.bottom() - (q.y() - l.y0) / (l.y1 - l.y0) * area.height());
    };
    // Round ticks, each labelled.
    for (double fx : marcasEje(l.x0, l.x1, MARCAS_EJE + 1)) {
        const QPointF px = aPantalla({fx, l.y0});
        p.drawLine(px, px - QPointF(0, 4));
        p.drawText(QRectF(px.x() - 50, px.y() + 2, 100, fm.height()), Qt::AlignHCenter,
                   QString::number(fx, 'g', 6));
    }
    for (double fy : marcasEje(l.y0, l.y1, MARCAS_EJE + 1)) {
        const QPointF py = aPantalla({l.x0, fy});
        p.drawLine(py, py + QPointF(4, 0));
        p.drawText(
            QRectF(area.left() - izquierda, py.y() - fm.height() / 2.0, izquierda - 4, fm.height()),
            Qt::AlignRight, QString::number(fy, 'g', 6));
    }
    p.setClipRect(area);
    for (const SerieGrafico& s : series_) {
        p.setPen(QPen(s.color, 1.5, s.discontinua ? Qt::DashLine : Qt::SolidLine));
        if (s.tipo == SerieGrafico::Tipo::Marcas) {
            for (const QPointF& q : s.puntos) {
                const QPointF c = aPantalla(q);
                p.drawLine(c - QPointF(3, 3), c + QPointF(3, 3));
                p.drawLine(c - QPointF(3, -3), c + QPointF(3, -3));
            }
        } else if (s.tipo == SerieGrafico::Tipo::Segmentos) {
            for (std::size_t k = 0; k + 1 < s.puntos.size(); k += 2) {
                p.drawLine(aPantalla(s.puntos[k]), aPantalla(s.puntos[k + 1]));
            }
        } else if (!s.puntos.empty()) {
            QPainterPath camino(aPantalla(s.puntos.front()));
            for (const QPointF& q : s.puntos) {
                camino.lineTo(aPantalla(q));
            }
            p.drawPath(camino);
        }
    }
    if (const auto& r = zoom_.recuadro()) {
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(aPantalla({r->rmin, r->vmin}), aPantalla({r->rmax, r->vmax})));
    }
}

} // namespace oscilab
