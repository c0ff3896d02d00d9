// Start-up of the front end: language, number locale, folders and the main window.
#pragma once

#include <QStringList>
#include <memory>
#include <optional>

class QApplication;

namespace oscilab {

struct EstadoGlobal;
class frmcurvi;

// The document named on the command line (`oscilab FICHERO`), as an absolute path;
// `argumentos` starts with the program's name. Options (starting with "-") are Qt's own,
// but for --lang, whose value is no document.
std::optional<QString> documentoDeArgumentos(const QStringList& argumentos);

// The main window as the splash hands over: shown, then `documento`, when given, opened.
std::unique_ptr<frmcurvi> abreVentanaPrincipal(EstadoGlobal& estado,
                                               const std::optional<QString>& documento);

// The interface language of this start (--lang, else the saved choice, else Spanish) with
// Qt's own dialogs in it, and numbers read and written with "." whatever the user's locale
// says. Only this process changes; the user's settings stay as they are.
void preparaIdiomaYNumeros(QApplication& app, const QString& dirprograma);

// Shows the main window and runs the program until it ends.
int arrancaOscilab(QApplication& app);

} // namespace oscilab
