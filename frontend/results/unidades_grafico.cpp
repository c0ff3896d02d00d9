#include "results/unidades_grafico.h"

#include <QCoreApplication>

namespace oscilab {

QString tituloEjeR(const UnidadesMostradas& u) {
    return QCoreApplication::translate("unidades_grafico", "R (%1)")
        .arg(QString::fromStdString(u.nombreDistancia));
}

QString tituloEjeV(const UnidadesMostradas& u) {
    return QCoreApplication::translate("unidades_grafico", "V(R) (%1)")
        .arg(QString::fromStdString(u.nombreEnergia));
}

Caja cajaMostrada(const Caja& atomica, const UnidadesMostradas& u) {
    return {atomica.rmin * u.distancia, atomica.vmin * u.energia, atomica.rmax * u.distancia,
            atomica.vmax * u.energia};
}

Caja cajaAtomica(const Caja& mostrada, const UnidadesMostradas& u) {
    return {mostrada.rmin / u.distancia, mostrada.vmin / u.energia, mostrada.rmax / u.distancia,
            mostrada.vmax / u.energia};
}

} // namespace oscilab
