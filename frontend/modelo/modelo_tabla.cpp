#include "modelo_tabla.h"

#include "compartido/textos_numero.h"

namespace oscilab {

int ModeloTabla::rowCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : filas();
}

int ModeloTabla::columnCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : 2;
}

QVariant ModeloTabla::data(const QModelIndex& indice, int rol) const {
    if (!indice.isValid() || (rol != Qt::DisplayRole && rol != Qt::EditRole)) {
        return {};
    }
    return textoCelda(indice.row() + 1, indice.column() + 1);
}

QVariant ModeloTabla::headerData(int seccion, Qt::Orientation orientacion, int rol) const {
    if (rol != Qt::DisplayRole) {
        return {};
    }
    if (orientacion == Qt::Vertical) {
        return QString::number(seccion + 1);
    }
    return cabecera(seccion);
}

bool ModeloTabla::setData(const QModelIndex& indice, const QVariant& valor, int rol) {
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
    ponCelda(indice.row() + 1, indice.column() + 1, numero);
    return true;
}

Qt::ItemFlags ModeloTabla::flags(const QModelIndex& indice) const {
    return QAbstractTableModel::flags(indice) | Qt::ItemIsEditable;
}

void ModeloTabla::todoCambiado() {
    emit dataChanged(index(0, 0), index(rowCount() - 1, 1), {Qt::DisplayRole, Qt::EditRole});
}

} // namespace oscilab
