#include "diagnostico.h"

#include <QCoreApplication>
#include <cmath>

namespace oscilab {

QString mensajeDiagnostico(int codigo) {
    switch (codigo) {
    case 2:
        return QCoreApplication::translate(
            "diagnostico", "Intervalo demasiado corto. El ajuste puede ser inadecuado");
    case 3:
        return QCoreApplication::translate(
            "diagnostico", "Los datos no están bien equilibrados. El ajuste puede ser inadecuado");
    case 4:
        return QCoreApplication::translate(
            "diagnostico", "Demasiado error en las energías. El ajuste puede ser inadecuado");
    default:
        return {};
    }
}

Diagnostico diagnostico(const std::vector<Punto>& puntos, std::size_t nniveles, const Caja& limites,
                        double errorenergia) {
    int codigo = 0;
    if (nniveles < 3) {
        codigo = 2;
    }
    if (!puntos.empty()) {
        // First and last point in file order, measured from the bottom of the plot box.
        const double d1 = std::abs(limites.vmin - puntos.front().v);
        const double dn = std::abs(limites.vmin - puntos.back().v);
        const double pequena = d1 <= dn ? d1 : dn;
        const double grande = d1 <= dn ? dn : d1;
        if (2.0 * pequena <= grande) {
            codigo = 3;
        }
    }
    if (std::abs(limites.vmin - limites.vmax) / 4.0 < errorenergia) {
        codigo = 4;
    }
    return {codigo, mensajeDiagnostico(codigo)};
}

} // namespace oscilab
