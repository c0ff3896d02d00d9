// The points of a document as an item model, for the main window's table view: one row
// per table row (puntosMaximos of them), R and V columns. A value set through the model is
// read like a typed cell and becomes one undoable edit of the document.
#pragma once

#include <QAbstractTableModel>

namespace oscilab {

class Documento;

class ModeloPuntos : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModeloPuntos(Documento& documento, QObject* parent = nullptr);

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
