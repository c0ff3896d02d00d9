#include "windows/ayuda.h"

#include "compartido/carpetas.h"
#include "compartido/idioma.h"
#include "compartido/pantalla.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace oscilab {

QString ficheroAyuda(const QString& dirprograma) {
    const bool ingles = idiomaInterfaz() == Idioma::Ingles;
    return carpetaCompartida(dirprograma) +
           (ingles ? QStringLiteral("help.html") : QStringLiteral("ayuda.html"));
}

VentanaAyuda::VentanaAyuda(QWidget* padre) : QWidget(padre, Qt::Window) {
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

Resultado<void> compruebaAyuda(const QString& ruta) {
    if (ruta.isEmpty() || !QFileInfo(ruta).isFile()) {
        return Fallo{QCoreApplication::translate(
            "ayuda", "No se puede mostrar la ayuda. No hay fichero de ayuda asociado a "
                     "este proyecto.")};
    }
    QFile prueba(ruta);
    if (!prueba.open(QIODevice::ReadOnly)) {
        return Fallo{
            QCoreApplication::translate("ayuda", "No se puede leer el fichero de ayuda %1.")
                .arg(ruta),
            {},
            prueba.errorString()};
    }
    return {};
}

} // namespace oscilab
