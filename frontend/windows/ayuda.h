// The help command: the program's HTML help shown in a help window of its own, beside
// the main window and without blocking it.
#pragma once

#include "compartido/resultado.h"

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace oscilab {

// The help file in the interface's language (ayuda.html, or its English twin help.html):
// beside the programs, or in the installed shared folder.
QString ficheroAyuda(const QString& dirprograma);

// Whether the help file at `ruta` can be shown, or why not.
Resultado<void> compruebaAyuda(const QString& ruta);

class VentanaAyuda : public QWidget {
    Q_OBJECT
public:
    // A window of its own, owned by `padre` (the main window) and deleted when closed.
    explicit VentanaAyuda(QWidget* padre);
    // Loads `ruta` and shows its table of contents.
    void muestraIndice(const QString& ruta);
    QTextBrowser* navegador() const { return navegador_; }

private:
    QTextBrowser* navegador_;
};

} // namespace oscilab
