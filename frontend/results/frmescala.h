// The scale dialog "Escala": the user types the view of the plot, R range and V(R)
// range, or the R range alone with the V(R) range found from the fitted curve.
#pragma once

#include "compartido/caja.h"
#include "compartido/unidades_mostradas.h"
#include "compartido/dimensiones.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace oscilab {

class frmescala : public QDialog {
    Q_OBJECT
public:
    // A child window of `padre`, deleted when closed. It offers `vista` (the full view
    // `limites` when none was chosen) and gives back the view chosen: from the fields, or
    // with the automatic V(R) range from the curve of `coeficientes` sampled `muestras` times.
    frmescala(const Caja& vista, const Caja& limites, const CoeficientesPotencia& coeficientes,
              int muestras, QWidget* padre);

    // The units of the fields (atomic units until set); the views given and returned stay in
    // bohr and hartree.
    void ponUnidades(const UnidadesMostradas& unidades);

    // Fills the fields with the view, ticks the automatic V(R) range and shows the dialog
    // without blocking.
    void abre();

    // Field i = 1..4: R min, R max, V(R) min, V(R) max.
    QLineEdit* txtmm(int i) const { return txtmm_[static_cast<std::size_t>(i - 1)]; }

signals:
    // On "&Aceptar" with a valid view, just before the dialog closes.
    void vistaElegida(const oscilab::Caja& vista);

public slots:
    void aceptar();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void aplicaCasilla();

    Caja vista_;
    Caja limites_;
    CoeficientesPotencia coeficientes_;
    int muestras_;
    UnidadesMostradas unidades_;
    std::array<QLabel*, 4> etiquetas_{};
    std::array<QLabel*, 4> nombresUnidades_{};
    std::array<QLineEdit*, 4> txtmm_{};
    QCheckBox* chky_ = nullptr;
    QPushButton* btaceptar_ = nullptr;
    QPushButton* btcancelar_ = nullptr;
};

} // namespace oscilab
