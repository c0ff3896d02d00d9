#include "modelo_dipolo.h"

#include "modelo/documento.h"

namespace oscilab {

ModeloDipolo::ModeloDipolo(Documento& documento, QObject* parent)
    : ModeloTabla(parent), documento_(documento) {
    connect(&documento_, &Documento::dipoloCambiado, this, [this] {
        todoCambiado();
        emit headerDataChanged(Qt::Horizontal, 0, 1);
    });
    connect(&documento_, &Documento::unidadesCambiadas, this,
            [this] { emit headerDataChanged(Qt::Horizontal, 0, 1); });
}

int ModeloDipolo::filas() const {
    return puntosMaximosDipolo;
}

QString ModeloDipolo::textoCelda(int fila, int columna) const {
    return documento_.textoCeldaDipolo(fila, columna);
}

QString ModeloDipolo::cabecera(int columna) const {
    if (columna == 0) {
        return documento_.distancia() == Distancia::Bohr ? tr("R (bohr)") : tr("R (Å)");
    }
    return documento_.dipolo().unidad == UnidadDipolo::UA ? tr("μ (u.a.)") : tr("μ (D)");
}

void ModeloDipolo::ponCelda(int fila, int columna, std::optional<double> valor) {
    documento_.ponCeldaDipolo(fila, columna, valor);
}

} // namespace oscilab
