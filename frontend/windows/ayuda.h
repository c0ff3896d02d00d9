// The help command: the program's HTML help shown in a help window of its own, beside
// the main window and without blocking it.
#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace oscilab {

// The help file in the interface's language (ayuda.html, or its English twin help.html):
// beside the programs, or in the installed shared folder.
QString ficheroAyuda(const QString& dirprograma);

class VentanaAyuda : public QWidget {
    Q_OBJECT
public:
    VentanaAyuda();
    // Loads `ruta` and shows its table of contents.
    void muestraIndice(const QString& ruta);
    QTextBrowser* navegador() const { return navegador_; }

private:
    QTextBrowser* navegador_;
};

// Opens the help file at its table of contents in the help window (one for the program,
// reused while it is open). A missing file is reported with the main window's title.
// Returns the help window, or nullptr when nothing could be shown.
VentanaAyuda* muestraayuda(const QString& rutaAyuda, QWidget* ventanaPrincipal);

} // namespace oscilab
