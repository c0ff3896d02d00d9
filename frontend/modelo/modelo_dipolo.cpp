#include "modelo_dipolo.h"

#include "compartido/textos_numero.h"
#include "modelo/documento.h"

namespace oscilab {

ModeloDipolo::ModeloDipolo(Documento& documento, QObject* parent)
    : QAbstractTableModel(parent), documento_(documento) {
    connect(&documento_, &Documento::dipoloCambiado, this, [this] {
        emit dataChanged(index(0, 0), index(rowCount() - 1, 1), {Qt::DisplayRole, Qt::EditRole});
        emit headerDataChanged(Qt::Horizontal, 0, 1);
    });
    connect(&documento_, &Documento::unidadesCambiadas, this,
            [this] { emit headerDataChanged(Qt::Horizontal, 0, 1); });
}

int ModeloDipolo::rowCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : puntosMaximosDipolo;
}

int ModeloDipolo::columnCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : 2;
}

QVariant ModeloDipolo::data(const QModelIndex& indice, int rol) const {
    if (!indice.isValid() || (rol != Qt::DisplayRole && rol != Qt::EditRole)) {
        return {};
    }
    return documento_.textoCeldaDipolo(indice.row() + 1, indice.column() + 1);
}

QVariant ModeloDipolo::headerData(int seccion, Qt::Orientation orientacion, int rol) const {
    if (rol != Qt::DisplayRole) {
        return {};
    }
    if (orientacion == Qt::Vertical) {
        return QString::number(seccion + 1);
    }
    if (seccion == 0) {
        return documento_.distancia() == Distancia::Bohr ? tr("R (bohr)") : tr("R (Å)");
    }
    return documento_.dipolo().unidad == UnidadDipolo::UA ? tr("μ (u.a.)") : tr("μ (D)");
}

bool ModeloDipolo::setData(const QModelIndex& indice, const QVariant& valor, int rol) {
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
    documento_.ponCeldaDipolo(indice.row() + 1, indice.column() + 1, numero);
    return true;
}

Qt::ItemFlags ModeloDipolo::flags(const QModelIndex& indice) const {
    return QAbstractTableModel::flags(indice) | Qt::ItemIsEditable;
}

} // namespace oscilab
