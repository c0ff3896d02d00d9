#include "modelo_puntos.h"

#include "modelo/documento.h"

namespace oscilab {

ModeloPuntos::ModeloPuntos(Documento& documento, QObject* parent)
    : ModeloTabla(parent), documento_(documento) {
    connect(&documento_, &Documento::celdaCambiada, this, [this](int fila, int columna) {
        const QModelIndex i = index(fila - 1, columna - 1);
        emit dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
    });
    connect(&documento_, &Documento::filasCambiadas, this, [this] { todoCambiado(); });
}

int ModeloPuntos::filas() const {
    return puntosMaximos;
}

QString ModeloPuntos::textoCelda(int fila, int columna) const {
    return documento_.textoCelda(fila, columna);
}

QString ModeloPuntos::cabecera(int columna) const {
    return columna == 0 ? tr("Distancia") : tr("Energía");
}

void ModeloPuntos::ponCelda(int fila, int columna, std::optional<double> valor) {
    documento_.ponCelda(fila, columna, valor);
}

} // namespace oscilab
