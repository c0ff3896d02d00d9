#include "esquinas.h"

#include <QFontMetricsF>

namespace oscilab {

namespace {

bool caben(const QFont& fuente, const QStringList& textos, int ancho) {
    const QFontMetricsF medidas(fuente);
    for (const QString& texto : textos) {
        if (medidas.horizontalAdvance(texto) > ancho) {
            return false;
        }
    }
    return true;
}

} // namespace

QFont fuenteQueCabe(const QFont& base, const QStringList& textos, int ancho) {
    constexpr double paso = 0.5;
    constexpr double minimo = 1.0;
    QFont fuente = base;
    while (!caben(fuente, textos, ancho) && fuente.pointSizeF() - paso >= minimo) {
        fuente.setPointSizeF(fuente.pointSizeF() - paso);
    }
    return fuente;
}

} // namespace oscilab
