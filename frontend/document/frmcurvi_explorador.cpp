// The main window's hook for the fit explorer: it ranks the document, and the powers it
// chooses become one change of the document through the degree dialog.
#include "document/frmajuste.h"
#include "document/frmcurvi.h"
#include "explorador/documento_explorado.h"
#include "explorador/frmexplorador.h"

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
    frmexplorador_->explora(documentoExplorado(*documento_));
    frmexplorador_->show();
    frmexplorador_->raise();
    frmexplorador_->activateWindow();
}

} // namespace oscilab
