#include "dialogos_fichero.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

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
    QString filtroElegido;
    const QString elegido = QFileDialog::getSaveFileName(
        padre, titulo, inicial, filtro, &filtroElegido, QFileDialog::DontConfirmOverwrite);
    if (elegido.isEmpty()) {
        return std::nullopt;
    }
    return conExtensionDelFiltro(elegido, filtroElegido);
}

QString conExtensionDelFiltro(const QString& nombre, const QString& filtro) {
    static const QRegularExpression extension(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    const QRegularExpressionMatch m = extension.match(filtro);
    if (!m.hasMatch() || !QFileInfo(nombre).suffix().isEmpty() || nombre.endsWith(u'/')) {
        return nombre;
    }
    return nombre + QLatin1Char('.') + m.captured(1);
}

DialogosFichero& dialogosFichero() {
    static DialogosFicheroQt porDefecto;
    return g_instalados != nullptr ? *g_instalados : porDefecto;
}

void instalarDialogosFichero(DialogosFichero* d) {
    g_instalados = d;
}

} // namespace oscilab
