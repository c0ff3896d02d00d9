// The dipole-moment points of a document as an item model, for the dialog's table: one row
// per table row (puntosMaximosDipolo of them), R and mu columns whose headers name the
// units. A value set through the model is read like a typed cell of the main table and
// becomes one undoable edit of the document.
#pragma once

#include <QAbstractTableModel>

namespace oscilab {

class Documento;

class ModeloDipolo : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModeloDipolo(Documento& documento, QObject* parent = nullptr);

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion,
                        int rol = Qt::DisplayRole) const override;
    // An empty text empties the cell; a text that is not one whole number is refused.
    bool setData(const QModelIndex& indice, const QVariant& valor, int rol = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;

private:
    Documento& documento_;
};

} // namespace oscilab
