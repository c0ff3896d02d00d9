#include "aplicacion/arranque.h"

#include "compartido/carpetas.h"
#include "document/frmcurvi.h"
#include "windows/datos_instalacion.h"
#include "windows/dibujos.h"
#include "compartido/estado_global.h"
#include "windows/frmsplash.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <clocale>
#include <memory>

namespace oscilab {

void preparaIdiomaYNumeros(QApplication& app) {
    auto* traductor = new QTranslator(&app);
    if (traductor->load(QStringLiteral("qtbase_es"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(traductor);
    }
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_NUMERIC, "C");
}

std::optional<QString> documentoDeArgumentos(const QStringList& argumentos) {
    for (qsizetype i = 1; i < argumentos.size(); ++i) {
        const QString& a = argumentos[i];
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
    preparaIdiomaYNumeros(app);
    // Before the folders are prepared: a relative name is relative to where we started.
    const auto documento = documentoDeArgumentos(QApplication::arguments());
    EstadoGlobal estado;
    preparaCarpetas(estado, QApplication::applicationDirPath());

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
