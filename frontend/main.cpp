// oscilab: the splash window first, then the main window.
#include "windows/datos_instalacion.h"
#include "windows/dibujos.h"
#include "windows/frmsplash.h"

#include <QApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <clocale>
#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_NUMERIC, "C");
    QTranslator traduccionQt;
    if (traduccionQt.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&traduccionQt);
    }
    QApplication::setWindowIcon(oscilab::iconoPrograma());
    const QString dirprograma = QCoreApplication::applicationDirPath() + QStringLiteral("/");

    std::unique_ptr<QWidget> principal; // the main window, once the splash hands over
    auto* splash = new oscilab::frmSplash(
        [&principal] {
            principal = std::make_unique<QLabel>(QStringLiteral("OSCILAB"));
            principal->setWindowTitle(QStringLiteral("OSCILAB"));
            principal->show();
        },
        oscilab::leeDatosInstalacion(oscilab::ficheroInstalacion(dirprograma)));
    splash->show();
    return app.exec();
}
