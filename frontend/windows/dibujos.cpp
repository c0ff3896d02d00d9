#include "windows/dibujos.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace oscilab {

namespace {

// A Morse curve in the unit square: x in 0..1 left to right, y in 0..1 top to bottom.
double morse(double x) {
    const double u = 1.0 - std::exp(-4.0 * (x - 0.28));
    return 0.25 + 0.55 * u * u;
}

void dibujaCurva(QPainter& p, const QRectF& r, double grosor) {
    QPainterPath camino;
    for (int i = 0; i <= 200; ++i) {
        const double x = 0.12 + 0.86 * i / 200.0;
        const QPointF punto(r.left() + x * r.width(),
                            r.top() + std::min(1.0, morse(x)) * r.height());
        if (i == 0) {
            camino.moveTo(punto);
        } else {
            camino.lineTo(punto);
        }
    }
    p.setPen(QPen(QColor(0, 0, 255), grosor));
    p.drawPath(camino);
    p.setPen(QPen(QColor(255, 0, 0), grosor * 0.75));
    for (int v = 0; v < 5; ++v) {
        const double y = 0.25 + 0.55 * (1.0 - std::pow(1.0 - (v + 0.5) / 6.0, 2.0));
        const double mitad = 0.05 + 0.045 * v;
        p.drawLine(QPointF(r.left() + (0.3 - mitad) * r.width(), r.top() + y * r.height()),
                   QPointF(r.left() + (0.3 + mitad * 1.6) * r.width(), r.top() + y * r.height()));
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
