// The main window's hook for the fit explorer: the document as its controls hold it, and
// the chosen powers back into the degree dialog.
#include "document/frmcurvi.h"
#include "explorador/frmexplorador.h"
#include "compartido/estado_global.h"
#include "document/frmajuste.h"
#include "modelo/documento.h"

#include <QLineEdit>
#include <QRadioButton>

namespace oscilab {

frmexplorador* frmcurvi::explorador() const {
    return frmexplorador_;
}

void frmcurvi::abreExplorador() {
    if (!frmexplorador_) {
        frmexplorador_ = new frmexplorador(this);
        connect(frmexplorador_, &frmexplorador::potenciasElegidas, frmajuste_,
                &frmajuste::marcaPotencias);
    }
    DocumentoExplorado documento;
    for (int r = 1; r <= filasTabla; ++r) {
        documento.celdas[static_cast<std::size_t>(r - 1)] = {textoCelda(r, 1), textoCelda(r, 2)};
    }
    documento.masa1 = textmatom_[0]->text();
    documento.masa2 = textmatom_[1]->text();
    documento.bohr = optdist_[0]->isChecked();
    documento.angstrom = optdist_[1]->isChecked();
    documento.hartree = optener_[0]->isChecked();
    documento.ev = optener_[1]->isChecked();
    documento.potencias = documento_->potencias();
    frmexplorador_->explora(documento);
    frmexplorador_->show();
    frmexplorador_->raise();
    frmexplorador_->activateWindow();
}

} // namespace oscilab
