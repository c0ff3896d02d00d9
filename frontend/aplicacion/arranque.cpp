#include "aplicacion/arranque.h"

#include "compartido/carpetas.h"
#include "compartido/idioma.h"
#include "document/frmcurvi.h"
#include "windows/datos_instalacion.h"
#include "windows/dibujos.h"
#include "compartido/estado_global.h"
#include "windows/frmsplash.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>

#include <clocale>
#include <iostream>
#include <memory>

namespace oscilab {

void preparaIdiomaYNumeros(QApplication& app, const QString& dirprograma) {
    const Idioma idioma = idiomaDeArranque(QApplication::arguments(), *ajustesUsuario());
    if (!instalaIdioma(app, idioma,
                       carpetaCompartida(dirprograma) + QStringLiteral("traducciones"))) {
        std::cerr << "oscilab: no se encuentra la traducción al inglés; la interfaz sigue en "
                     "español\n";
    }
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_NUMERIC, "C");
}

std::optional<QString> documentoDeArgumentos(const QStringList& argumentos) {
    for (qsizetype i = 1; i < argumentos.size(); ++i) {
        const QString& a = argumentos[i];
        if (a == QLatin1String("--lang")) {
            ++i; // its value names a language, not a document
            continue;
        }
        if (!a.isEmpty() && !a.startsWith(QLatin1Char('-'))) {
            return QFileInfo(a).absoluteFilePath();
        }
    }
    return std::nullopt;
}

std::unique_ptr<frmcurvi> abreVentanaPrincipal(EstadoGlobal& estado,
                                               const std::optional<QString>& documento) {
    auto principal = std::make_unique<frmcurvi>(estado);
    principal->show();
    if (documento) {
        principal->tomaFichero(*documento);
    }
    return principal;
}

int arrancaOscilab(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("oscilab"));
    QApplication::setWindowIcon(iconoPrograma());
    // Before the folders are prepared: a relative name is relative to where we started.
    const auto documento = documentoDeArgumentos(QApplication::arguments());
    EstadoGlobal estado;
    preparaCarpetas(estado, QApplication::applicationDirPath());
    preparaIdiomaYNumeros(app, estado.dirprograma);

    // The splash hands over to the main window once, after five seconds or a click.
    std::unique_ptr<frmcurvi> principal;
    auto* splash = new frmSplash(
        [&] {
            principal = abreVentanaPrincipal(estado, documento);
            QObject::connect(principal.get(), &frmcurvi::programaTerminado, &app,
                             &QApplication::quit, Qt::QueuedConnection);
        },
        leeDatosInstalacion(ficheroInstalacion(estado.dirprograma)));
    splash->show();
    return app.exec();
}

} // namespace oscilab
