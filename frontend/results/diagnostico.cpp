#include "diagnostico.h"

#include <QCoreApplication>
#include <cmath>

namespace oscilab {

QString diagnostico(const std::vector<Punto>& puntos, std::size_t nniveles, const Caja& limites,
                    double errorenergia) {
    const char* aviso = nullptr;
    if (nniveles < 3) {
        aviso = QT_TRANSLATE_NOOP("diagnostico",
                                  "Intervalo demasiado corto. El ajuste puede ser inadecuado");
    }
    if (!puntos.empty()) {
        // First and last point in file order, measured from the bottom of the plot box.
        const double d1 = std::abs(limites.vmin - puntos.front().v);
        const double dn = std::abs(limites.vmin - puntos.back().v);
        const double pequena = d1 <= dn ? d1 : dn;
        const double grande = d1 <= dn ? dn : d1;
        if (2.0 * pequena <= grande) {
            aviso = QT_TRANSLATE_NOOP(
                "diagnostico",
                "Los datos no están bien equilibrados. El ajuste puede ser inadecuado");
        }
    }
    if (std::abs(limites.vmin - limites.vmax) / 4.0 < errorenergia) {
        aviso = QT_TRANSLATE_NOOP(
            "diagnostico", "Demasiado error en las energías. El ajuste puede ser inadecuado");
    }
    return aviso ? QCoreApplication::translate("diagnostico", aviso) : QString();
}

} // namespace oscilab
