// Start-up of the front end: language, number locale, folders and the main window.
#pragma once

class QApplication;

namespace oscilab {

// Qt's own dialogs in Spanish, and numbers read and written with "." whatever the user's
// locale says. Only this process changes; the user's settings stay as they are.
void preparaIdiomaYNumeros(QApplication& app);

// Shows the main window and runs the program until it ends.
int arrancaOscilab(QApplication& app);

} // namespace oscilab
