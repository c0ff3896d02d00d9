#include "modelo_puntos.h"

#include "compartido/textos_numero.h"
#include "modelo/documento.h"

namespace oscilab {

ModeloPuntos::ModeloPuntos(Documento& documento, QObject* parent)
    : QAbstractTableModel(parent), documento_(documento) {
    connect(&documento_, &Documento::celdaCambiada, this, [this](int fila, int columna) {
        const QModelIndex i = index(fila - 1, columna - 1);
        emit dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
    });
    connect(&documento_, &Documento::filasCambiadas, this, [this] {
        emit dataChanged(index(0, 0), index(rowCount() - 1, 1), {Qt::DisplayRole, Qt::EditRole});
    });
}

int ModeloPuntos::rowCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : puntosMaximos;
}

int ModeloPuntos::columnCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : 2;
}

QVariant ModeloPuntos::data(const QModelIndex& indice, int rol) const {
    if (!indice.isValid() || (rol != Qt::DisplayRole && rol != Qt::EditRole)) {
        return {};
    }
    return documento_.textoCelda(indice.row() + 1, indice.column() + 1);
}

QVariant ModeloPuntos::headerData(int seccion, Qt::Orientation orientacion, int rol) const {
    if (rol != Qt::DisplayRole) {
        return {};
    }
    if (orientacion == Qt::Vertical) {
        return QString::number(seccion + 1);
    }
    return seccion == 0 ? tr("Distancia") : tr("Energía");
}

bool ModeloPuntos::setData(const QModelIndex& indice, const QVariant& valor, int rol) {
    if (!indice.isValid() || rol != Qt::EditRole) {
        return false;
    }
    const QString texto = valor.toString().trimmed();
    std::optional<double> numero;
    if (!texto.isEmpty()) {
        numero = valorCompleto(texto);
        if (!numero) {
            return false;
        }
    }
    documento_.ponCelda(indice.row() + 1, indice.column() + 1, numero);
    return true;
}

Qt::ItemFlags ModeloPuntos::flags(const QModelIndex& indice) const {
    return QAbstractTableModel::flags(indice) | Qt::ItemIsEditable;
}

} // namespace oscilab
