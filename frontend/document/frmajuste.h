// The degree dialog: one check box per power of R from -15 to 14, a view of the
// document's powers. A click is an undoable change of the document; an undo ticks the
// boxes back.
#pragma once

#include "compartido/dimensiones.h"

#include <QDialog>

#include <array>

class QCheckBox;

namespace oscilab {

class Documento;

class frmajuste : public QDialog {
    Q_OBJECT
public:
    explicit frmajuste(Documento& documento, QWidget* parent = nullptr);

    // Check box of index i: power potenciaDeIndice(i).
    QCheckBox* grado(int i) const;

    // Checks the boxes of the included powers and shows the dialog without blocking.
    void mostrar();

    // Excludes every power: one change of the document.
    void desmarcarTodas();

    // Sets the document's powers to the flags (by power), as one undoable change.
    void marcaPotencias(const TablaPotencias& potencias);

signals:
    // "Explorar ajustes...": the user asks which powers to use.
    void explorarPedido();

private:
    void actualiza(int i);
    // The boxes and their colours as the document's powers are.
    void muestra();

    Documento& documento_;
    bool mostrando_ = false;
    std::array<QCheckBox*, numPotencias> grado_{};
};

} // namespace oscilab
