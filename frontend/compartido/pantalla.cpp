#include "compartido/pantalla.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace oscilab {

void centraEnPantalla(QWidget& ventana) {
    const QScreen* pantalla = ventana.screen();
    if (pantalla == nullptr) {
        pantalla = QGuiApplication::primaryScreen();
    }
    if (pantalla == nullptr) {
        return;
    }
    const QRect libre = pantalla->availableGeometry();
    const QSize tam = ventana.frameGeometry().size();
    const int x = libre.left() + std::max(0, (libre.width() - tam.width()) / 2);
    const int y = libre.top() + std::max(0, (libre.height() - tam.height()) / 2);
    ventana.move(x, y);
}

} // namespace oscilab
