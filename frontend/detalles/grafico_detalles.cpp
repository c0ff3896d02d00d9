#include "detalles/grafico_detalles.h"

#include "compartido/marcas_eje.h"

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
    bool valido() const { return x1 >= x0 && y1 >= y0; }
};

Limites limitesDe(const std::vector<SerieGrafico>& series) {
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
    return {l.x0 - mx, l.x1 + mx, l.y0 - my, l.y1 + my};
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
    update();
}

void GraficoDetalles::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const Limites l = limitesDe(series_);
    const QFontMetrics fm(font());
    const int izquierda = fm.horizontalAdvance(QStringLiteral("-0.000000e-00")) + fm.height();
    const QRect area = rect().adjusted(izquierda, fm.height(), -fm.height(), -3 * fm.height());
    p.drawRect(area);
    p.drawText(QRect(area.left(), rect().bottom() - fm.height(), area.width(), fm.height()),
               Qt::AlignHCenter, ejeX_);
    p.save();
    p.translate(fm.height(), area.center().y());
    p.rotate(-90);
    p.drawText(QRect(-area.height() / 2, -fm.height(), area.height(), fm.height()),
               Qt::AlignHCenter, ejeY_);
    p.restore();
    if (!l.valido() || area.width() <= 0 || area.height() <= 0) {
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
}

} // namespace oscilab
