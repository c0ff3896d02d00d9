#include "resultado.h"

#include <QStringList>

namespace oscilab {

QString Fallo::texto() const {
    QStringList lineas;
    for (const QString* parte : {&mensaje, &causa, &sistema}) {
        if (!parte->isEmpty()) {
            lineas << *parte;
        }
    }
    return lineas.join(QLatin1Char('\n'));
}

Fallo Fallo::dentroDe(const QString& mensajeMayor) const {
    const QString interior = sistema.isEmpty() ? texto() : Fallo{mensaje, causa, {}}.texto();
    return Fallo{mensajeMayor, interior, sistema};
}

const Fallo& falloVacio() {
    static const Fallo vacio;
    return vacio;
}

} // namespace oscilab
