// The scale dialog "Escala": the user types the view of the plot, R range and V(R)
// range, or the R range alone with the V(R) range found from the fitted curve.
#pragma once

#include "caja.h"
#include "compartido/dimensiones.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace oscilab {

class frmgraficos;

class frmescala : public QDialog {
    Q_OBJECT
public:
    // A child window of `graficos`; it deletes itself when closed. It writes `vista`, from
    // the fields or from the curve of `coeficientes`, and has `graficos` draw it.
    frmescala(Caja& vista, const Caja& limites, const CoeficientesPotencia& coeficientes,
              frmgraficos& graficos);

    // Fills the fields with the current view (the full view when none was chosen),
    // disables the results window, ticks the automatic V(R) range and shows the dialog
    // without blocking.
    void abre();

    // Field i = 1..4: R min, R max, V(R) min, V(R) max.
    QLineEdit* txtmm(int i) const { return txtmm_[static_cast<std::size_t>(i - 1)]; }

public slots:
    void aceptar();
    void reject() override; // "&Cancelar", Escape and the close box

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void aplicaCasilla();

    Caja& vista_;
    const Caja& limites_;
    const CoeficientesPotencia& coeficientes_;
    frmgraficos& graficos_;
    std::array<QLabel*, 4> etiquetas_{};
    std::array<QLineEdit*, 4> txtmm_{};
    QCheckBox* chky_ = nullptr;
    QPushButton* btaceptar_ = nullptr;
    QPushButton* btcancelar_ = nullptr;
};

} // namespace oscilab
