#include "windows/dibujos.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <utility>

namespace oscilab {

namespace {

// A Morse curve in the unit square, x from left to right and y from top to bottom: the
// well's minimum sits low and the curve rises to the repulsive wall on the left and to the
// dissociation limit on the right, as an energy axis growing upward shows it.
constexpr double kXMinimo = 0.28;
constexpr double kAnchura = 4.0;
constexpr double kYMinimo = 0.85; // the bottom of the well
constexpr double kProfundidad = 0.6;

// Energy above the minimum in units of the well depth (1 at dissociation).
double energiaMorse(double x) {
    const double u = 1.0 - std::exp(-kAnchura * (x - kXMinimo));
    return u * u;
}

double alturaDeEnergia(double energia) {
    return kYMinimo - kProfundidad * energia;
}

// The two distances where the curve reaches `energia` (0 <= energia < 1).
std::pair<double, double> puntosDeRetorno(double energia) {
    const double u = std::sqrt(energia);
    return {kXMinimo - std::log(1.0 + u) / kAnchura, kXMinimo - std::log(1.0 - u) / kAnchura};
}

void dibujaCurva(QPainter& p, const QRectF& r, double grosor) {
    auto punto = [&r](double x, double y) {
        return QPointF(r.left() + x * r.width(), r.top() + y * r.height());
    };
    QPainterPath camino;
    for (int i = 0; i <= 200; ++i) {
        const double x = 0.04 + 0.94 * i / 200.0;
        const double y = alturaDeEnergia(energiaMorse(x));
        if (y < 0.02) {
            continue; // the wall leaves the picture at the top
        }
        if (camino.elementCount() == 0) {
            camino.moveTo(punto(x, y));
        } else {
            camino.lineTo(punto(x, y));
        }
    }
    p.setPen(QPen(QColor(0, 0, 255), grosor));
    p.drawPath(camino);
    // The lowest vibrational levels, each a bar between its two turning points.
    p.setPen(QPen(QColor(255, 0, 0), grosor * 0.75));
    for (int v = 0; v < 5; ++v) {
        const double base = 1.0 - (v + 0.5) / 6.0;
        const double energia = 1.0 - base * base;
        const auto [dentro, fuera] = puntosDeRetorno(energia);
        const double y = alturaDeEnergia(energia);
        p.drawLine(punto(dentro, y), punto(std::min(fuera, 0.98), y));
    }
}

} // namespace

QPixmap dibujoCurvaPotencial(const QSize& tamano) {
    QPixmap dibujo(tamano);
    QPainter p(&dibujo);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fondo(0, 0, 0, tamano.height());
    fondo.setColorAt(0.0, QColor(225, 235, 250));
    fondo.setColorAt(1.0, QColor(150, 175, 215));
    p.fillRect(dibujo.rect(), fondo);
    const QRectF zona(tamano.width() * 0.08, tamano.height() * 0.15, tamano.width() * 0.84,
                      tamano.height() * 0.6);
    p.setPen(QPen(QColor(60, 60, 60), 1.0));
    p.drawLine(zona.bottomLeft(), zona.bottomRight());
    p.drawLine(zona.bottomLeft(), zona.topLeft());
    dibujaCurva(p, zona, 2.0);
    return dibujo;
}

QIcon iconoPrograma() {
    QIcon icono;
    for (int lado : {16, 32, 48, 64}) {
        QPixmap pm(lado, lado);
        pm.fill(Qt::white);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0, 0, 128), lado / 16.0));
        p.drawRect(QRectF(0.5, 0.5, lado - 1.0, lado - 1.0));
        dibujaCurva(p, QRectF(lado * 0.05, lado * 0.05, lado * 0.9, lado * 0.9), lado / 12.0);
        p.end();
        icono.addPixmap(pm);
    }
    return icono;
}

QFont fuenteVentana(double puntos, bool negrita, const QString& familia) {
    QStringList familias{QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
                         QStringLiteral("DejaVu Sans")};
    if (!familia.isEmpty()) {
        familias.prepend(familia);
    }
    QFont f;
    f.setFamilies(familias);
    f.setPointSizeF(puntos);
    f.setBold(negrita);
    return f;
}

int twipsAPixeles(int twips, double puntosPorPulgada) {
    return static_cast<int>(std::lround(twips * puntosPorPulgada / 1440.0));
}

} // namespace oscilab
