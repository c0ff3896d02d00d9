#include "windows/arranque.h"

#include "document/carpetas.h"
#include "document/frmcurvi.h"
#include "windows/estado_global.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <clocale>

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
    preparaIdiomaYNumeros(app);
    EstadoGlobal estado;
    preparaCarpetas(estado, QApplication::applicationDirPath());
    frmcurvi principal(estado);
    QObject::connect(&principal, &frmcurvi::programaTerminado, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    principal.show();
    return app.exec();
}

} // namespace oscilab
