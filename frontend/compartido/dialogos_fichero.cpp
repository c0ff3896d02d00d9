#include "dialogos_fichero.h"

#include <QFileDialog>

namespace oscilab {

namespace {
DialogosFichero* g_instalados = nullptr;
}

std::optional<QString> DialogosFicheroQt::abrir(QWidget* padre, const QString& titulo,
                                                const QString& inicial, const QString& filtro) {
    // The overwrite question is the program's own, not the dialog's.
    const QString elegido = QFileDialog::getOpenFileName(padre, titulo, inicial, filtro);
    if (elegido.isEmpty()) {
        return std::nullopt;
    }
    return elegido;
}

std::optional<QString> DialogosFicheroQt::guardar(QWidget* padre, const QString& titulo,
                                                  const QString& inicial, const QString& filtro) {
    const QString elegido = QFileDialog::getSaveFileName(padre, titulo, inicial, filtro, nullptr,
                                                         QFileDialog::DontConfirmOverwrite);
    if (elegido.isEmpty()) {
        return std::nullopt;
    }
    return elegido;
}

DialogosFichero& dialogosFichero() {
    static DialogosFicheroQt porDefecto;
    return g_instalados != nullptr ? *g_instalados : porDefecto;
}

void instalarDialogosFichero(DialogosFichero* d) {
    g_instalados = d;
}

} // namespace oscilab
