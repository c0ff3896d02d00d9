#include "windows/ayuda.h"

#include "compartido/carpetas.h"
#include "compartido/idioma.h"
#include "compartido/mensajes.h"
#include "compartido/pantalla.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace oscilab {

namespace {
QPointer<VentanaAyuda> g_ventana;
}

QString ficheroAyuda(const QString& dirprograma) {
    const bool ingles = idiomaInterfaz() == Idioma::Ingles;
    return carpetaCompartida(dirprograma) +
           (ingles ? QStringLiteral("help.html") : QStringLiteral("ayuda.html"));
}

VentanaAyuda::VentanaAyuda() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("frmayuda"));
    setWindowTitle(tr("Ayuda de OSCILAB"));
    setAttribute(Qt::WA_DeleteOnClose);
    navegador_ = new QTextBrowser(this);
    navegador_->setObjectName(QStringLiteral("navegadorayuda"));
    navegador_->setAccessibleName(tr("Ayuda"));
    navegador_->setOpenExternalLinks(true);
    auto* capas = new QVBoxLayout(this);
    capas->setContentsMargins(0, 0, 0, 0);
    capas->addWidget(navegador_);
    colocaEnPantalla(*this, QSize(720, 560));
}

void VentanaAyuda::muestraIndice(const QString& ruta) {
    navegador_->setSource(QUrl::fromLocalFile(ruta));
    navegador_->reload();
    navegador_->scrollToAnchor(QStringLiteral("indice"));
}

VentanaAyuda* muestraayuda(const QString& rutaAyuda, QWidget* ventanaPrincipal) {
    if (rutaAyuda.isEmpty() || !QFileInfo(rutaAyuda).isFile()) {
        const QString titulo =
            ventanaPrincipal != nullptr ? ventanaPrincipal->windowTitle() : QString();
        avisar(ventanaPrincipal,
               QCoreApplication::translate(
                   "ayuda", "No se puede mostrar la ayuda. No hay fichero de ayuda asociado a "
                            "este proyecto."),
               titulo, IconoMensaje::Informacion);
        return nullptr;
    }
    QFile prueba(rutaAyuda);
    if (!prueba.open(QIODevice::ReadOnly)) {
        avisar(ventanaPrincipal,
               QCoreApplication::translate("ayuda", "No se puede leer el fichero de ayuda %1.")
                   .arg(rutaAyuda),
               QString(), IconoMensaje::Ninguno);
        return nullptr;
    }
    prueba.close();
    if (g_ventana.isNull()) {
        g_ventana = new VentanaAyuda();
    }
    g_ventana->muestraIndice(rutaAyuda);
    g_ventana->show();
    g_ventana->raise();
    g_ventana->activateWindow();
    return g_ventana.data();
}

} // namespace oscilab
