#include "grafico_press.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace oscilab {

namespace {

bool dibujable(const GraficoPress::Punto& p) {
    return std::isfinite(p.valor) && p.valor > 0.0;
}

} // namespace

GraficoPress::GraficoPress(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("graficopress"));
    setAccessibleName(tr("√(PRESS/N) de cada candidato por orden"));
    setMinimumSize(240, 110);
}

void GraficoPress::ponPuntos(std::vector<Punto> puntos, const QString& unidad) {
    puntos_ = std::move(puntos);
    unidad_ = unidad;
    seleccionado_ = -1;
    update();
}

void GraficoPress::ponSeleccionado(int indice) {
    seleccionado_ = indice;
    update();
}

void GraficoPress::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    const QRect marco = rect().adjusted(8, 20, -8, -8);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(marco);
    p.setPen(palette().color(QPalette::Text));
    p.drawText(rect().adjusted(8, 2, -8, 0), Qt::AlignLeft | Qt::AlignTop,
               tr("√(PRESS/N) (%1), escala logarítmica").arg(unidad_));
    double menor = INFINITY;
    double mayor = -INFINITY;
    for (const Punto& punto : puntos_) {
        if (dibujable(punto)) {
            menor = std::min(menor, std::log10(punto.valor));
            mayor = std::max(mayor, std::log10(punto.valor));
        }
    }
    if (!(menor <= mayor)) {
        return;
    }
    p.drawText(marco.adjusted(4, 2, -4, -2), Qt::AlignRight | Qt::AlignTop,
               QString::number(std::pow(10.0, mayor), 'e', 1));
    p.drawText(marco.adjusted(4, 2, -4, -2), Qt::AlignRight | Qt::AlignBottom,
               QString::number(std::pow(10.0, menor), 'e', 1));
    const double alto = std::max(mayor - menor, 1e-12);
    const double paso = marco.width() / std::max<double>(static_cast<double>(puntos_.size()), 1.0);
    p.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < puntos_.size(); ++i) {
        if (!dibujable(puntos_[i])) {
            continue;
        }
        const double x = marco.left() + paso * (static_cast<double>(i) + 0.5);
        const double y = marco.bottom() - 4 -
                         (std::log10(puntos_[i].valor) - menor) / alto * (marco.height() - 8);
        const bool elegido = static_cast<int>(i) == seleccionado_;
        const QColor color = elegido                   ? QColor(Qt::red)
                             : puntos_[i].minimoDentro ? QColor(Qt::darkBlue)
                                                       : QColor(Qt::gray);
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawEllipse(QPointF(x, y), elegido ? 4.0 : 2.0, elegido ? 4.0 : 2.0);
    }
}

} // namespace oscilab
