// "Opciones > Idioma / Language": the interface language, saved in the user's settings and
// applied on the next start (the open windows keep the language they were built in).
#pragma once

#include <QString>

#include <memory>

class QMenu;
class QMenuBar;
class QSettings;
class QWidget;

namespace oscilab {

// Adds the menu to `barra`; a choice is saved in the settings `ajustes()` returns and the
// user is told, over `ventana`, that it takes effect on the next start.
QMenu* creaMenuOpciones(QMenuBar& barra, QWidget& ventana, std::unique_ptr<QSettings> (*ajustes)());

} // namespace oscilab
