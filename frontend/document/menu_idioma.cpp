#include "document/menu_idioma.h"

#include "compartido/idioma.h"
#include "compartido/mensajes.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

namespace oscilab {

QMenu* creaMenuOpciones(QMenuBar& barra, QWidget& ventana,
                        std::unique_ptr<QSettings> (*ajustes)()) {
    QMenu* opciones = barra.addMenu(QCoreApplication::translate("oscilab::frmcurvi", "&Opciones"));
    opciones->setObjectName(QStringLiteral("mnuopciones"));
    // Both languages in the title, so that it is found whichever one the user reads.
    QMenu* idioma =
        opciones->addMenu(QCoreApplication::translate("oscilab::frmcurvi", "Idioma / Language"));
    idioma->setObjectName(QStringLiteral("mnuidioma"));
    auto* grupo = new QActionGroup(idioma);
    const Idioma guardado = idiomaGuardado(*ajustes());
    // Each language by its own name, as language menus always show them.
    const struct {
        Idioma idioma;
        const char* nombre;
    } lenguas[] = {{Idioma::Espanol, "Español"}, {Idioma::Ingles, "English"}};
    for (const auto& l : lenguas) {
        QAction* a = idioma->addAction(QString::fromUtf8(l.nombre));
        a->setObjectName(QStringLiteral("mnuidioma_") + codigoIdioma(l.idioma));
        a->setCheckable(true);
        a->setChecked(l.idioma == guardado);
        grupo->addAction(a);
        QObject::connect(a, &QAction::triggered, &ventana, [&ventana, ajustes, elegido = l.idioma] {
            guardaIdioma(*ajustes(), elegido);
            avisar(&ventana,
                   QCoreApplication::translate("oscilab::frmcurvi",
                                               "El idioma elegido se aplicará la próxima vez que "
                                               "se inicie OSCILAB."),
                   QCoreApplication::translate("oscilab::frmcurvi", "Idioma / Language"),
                   IconoMensaje::Informacion);
        });
    }
    return opciones;
}

} // namespace oscilab
