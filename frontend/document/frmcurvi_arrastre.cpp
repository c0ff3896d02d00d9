// Files dropped on the main window, and files named on the command line.
#include "document/frmcurvi.h"

#include "document/arrastre.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTimer>

namespace oscilab {

void frmcurvi::aceptaArrastres() {
    setAcceptDrops(true);
    // A file dropped on a text box would be written into it as text, past the box's checks;
    // the boxes refuse drops, so that the drop reaches the window.
    for (QLineEdit* caja : findChildren<QLineEdit*>()) {
        caja->setAcceptDrops(false);
    }
}

void frmcurvi::tomaFichero(const QString& ruta) {
    // Anything that is not an import file is read as a document, whose reader judges it.
    const auto clase = claseArrastre(ruta);
    if (clase == ClaseArrastre::ImportacionTexto || clase == ClaseArrastre::ImportacionHoja) {
        importarFichero(ruta);
    } else {
        abrirDocumento(ruta);
    }
}

void frmcurvi::dragEnterEvent(QDragEnterEvent* evento) {
    if (ficheroArrastrado(*evento->mimeData())) {
        evento->acceptProposedAction();
    }
}

void frmcurvi::dropEvent(QDropEvent* evento) {
    const auto ruta = ficheroArrastrado(*evento->mimeData());
    if (!ruta) {
        return;
    }
    evento->acceptProposedAction();
    // After the drop has ended, so that the questions and messages do not hold up the
    // program the file came from.
    QTimer::singleShot(0, this, [this, ruta = *ruta] { tomaFichero(ruta); });
}

} // namespace oscilab
