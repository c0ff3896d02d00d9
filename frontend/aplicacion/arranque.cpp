#include "aplicacion/arranque.h"

#include "compartido/carpetas.h"
#include "document/frmcurvi.h"
#include "windows/datos_instalacion.h"
#include "windows/dibujos.h"
#include "compartido/estado_global.h"
#include "windows/frmsplash.h"

#include <QApplication>
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

int arrancaOscilab(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("oscilab"));
    QApplication::setWindowIcon(iconoPrograma());
    preparaIdiomaYNumeros(app);
    EstadoGlobal estado;
    preparaCarpetas(estado, QApplication::applicationDirPath());

    // The splash hands over to the main window once, after five seconds or a click.
    std::unique_ptr<frmcurvi> principal;
    auto* splash = new frmSplash(
        [&] {
            principal = std::make_unique<frmcurvi>(estado);
            QObject::connect(principal.get(), &frmcurvi::programaTerminado, &app,
                             &QApplication::quit, Qt::QueuedConnection);
            principal->show();
        },
        leeDatosInstalacion(ficheroInstalacion(estado.dirprograma)));
    splash->show();
    return app.exec();
}

} // namespace oscilab
