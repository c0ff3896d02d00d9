// The degree dialog: one check box per power of R from -15 to 14. It keeps the shared
// power flags up to date and tells the main window when the choice changes.
#pragma once

#include "compartido/dimensiones.h"

#include <QDialog>

#include <array>

class QCheckBox;

namespace oscilab {

struct EstadoGlobal;

class frmajuste : public QDialog {
    Q_OBJECT
public:
    explicit frmajuste(EstadoGlobal& estado, QWidget* parent = nullptr);

    // Check box of index i: power potenciaDeIndice(i).
    QCheckBox* grado(int i) const;

    // Checks the boxes of the included powers and shows the dialog without blocking.
    void mostrar();

    // Clears every flag and unchecks every box.
    void desmarcarTodas();

    // Sets every box to the flags (by power), box by box as a user would tick
    // them, so that each change is announced like a click.
    void marcaPotencias(const TablaPotencias& potencias);

signals:
    // Raised on every change of a box, by the user or by code, with the rebuilt label
    // text (one blank before each included power).
    void potenciasCambiadas(const QString& lbpot);
    // "Explorar ajustes...": the user asks which powers to use.
    void explorarPedido();

private:
    void actualiza(int i);

    EstadoGlobal& estado_;
    std::array<QCheckBox*, numPotencias> grado_{};
};

} // namespace oscilab
