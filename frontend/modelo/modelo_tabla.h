// A two-column table of numbers held by the document, as an item model: one row per table
// row, the rows numbered, and a value set through the model read like a typed cell and handed
// to the document as one undoable edit. The curve's points and the dipole moment differ only
// in where their cells live and what their headers say.
#pragma once

#include <QAbstractTableModel>

#include <optional>

namespace oscilab {

class ModeloTabla : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion,
                        int rol = Qt::DisplayRole) const override;
    // An empty text empties the cell; a text that is not one whole number is refused.
    bool setData(const QModelIndex& indice, const QVariant& valor, int rol = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;

protected:
    // Rows and columns count from 1, as the document's cells do; `columna` of the header
    // from 0, as Qt's sections do.
    virtual int filas() const = 0;
    virtual QString textoCelda(int fila, int columna) const = 0;
    virtual QString cabecera(int columna) const = 0;
    virtual void ponCelda(int fila, int columna, std::optional<double> valor) = 0;

    // Every cell may have changed (an import, an undo, a unit change).
    void todoCambiado();
};

} // namespace oscilab
