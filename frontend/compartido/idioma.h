// The interface language. Spanish is the program's own, whatever the desktop's language;
// English when started with `--lang en` or chosen in "Opciones > Idioma / Language" (saved
// and applied on the next start). The files with a fixed layout stay Spanish either way.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QCoreApplication;
class QSettings;

namespace oscilab {

enum class Idioma { Espanol, Ingles };

// "es" or "en", as --lang, the setting and the translation files name them.
QString codigoIdioma(Idioma idioma);
std::optional<Idioma> idiomaDeCodigo(const QString& codigo);

// The language `--lang X` (or `--lang=X`) asks for, before any "--"; std::nullopt when none
// is asked for or the value is not "es" or "en". `argumentos` starts with the program's name.
std::optional<Idioma> idiomaDeArgumentos(const QStringList& argumentos);

// The user's settings of the program (~/.config/oscilab/oscilab.conf).
std::unique_ptr<QSettings> ajustesUsuario();

// The chosen language kept in the user's settings; Spanish when none (or an unknown one) is.
Idioma idiomaGuardado(const QSettings& ajustes);
void guardaIdioma(QSettings& ajustes, Idioma idioma);

// The language of this start: the command line's, else the saved one, else Spanish.
Idioma idiomaDeArranque(const QStringList& argumentos, const QSettings& ajustes);

// Installs Qt's own translations and, for English, the program's (oscilab_en.qm from
// `carpetaTraducciones`) in `app`, and makes `idioma` the interface language. False when
// the program's translation cannot be loaded (the interface then stays Spanish).
bool instalaIdioma(QCoreApplication& app, Idioma idioma, const QString& carpetaTraducciones);

// The interface language installed last (Spanish until instalaIdioma says otherwise): the
// help page and the engine's messages follow it.
Idioma idiomaInterfaz();

} // namespace oscilab
