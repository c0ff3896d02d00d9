#include "compartido/pantalla.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace oscilab {

namespace {

const QScreen* pantallaDe(const QWidget& ventana) {
    const QScreen* pantalla = ventana.screen();
    return pantalla != nullptr ? pantalla : QGuiApplication::primaryScreen();
}

} // namespace

QRect geometriaEnPantalla(QSize deseado, const QRect& libre, const QRect& padre) {
    const QSize maximo(static_cast<int>(libre.width() * FRACCION_PANTALLA),
                       static_cast<int>(libre.height() * FRACCION_PANTALLA));
    QRect r(QPoint(0, 0), deseado.boundedTo(maximo));
    r.moveCenter(padre.isEmpty() ? libre.center() : padre.center());
    r.moveLeft(std::clamp(r.left(), libre.left(), libre.right() + 1 - r.width()));
    r.moveTop(std::clamp(r.top(), libre.top(), libre.bottom() + 1 - r.height()));
    return r;
}

void colocaEnPantalla(QWidget& ventana, QSize deseado) {
    const QScreen* pantalla = pantallaDe(ventana);
    if (pantalla == nullptr) {
        ventana.resize(deseado);
        return;
    }
    const QWidget* padre = ventana.parentWidget() ? ventana.parentWidget()->window() : nullptr;
    const QRect r =
        geometriaEnPantalla(deseado, pantalla->availableGeometry(),
                            padre && padre->isVisible() ? padre->frameGeometry() : QRect());
    ventana.setMinimumSize(ventana.minimumSize().boundedTo(r.size()));
    ventana.resize(r.size());
    ventana.move(r.topLeft());
}

void centraEnPantalla(QWidget& ventana) {
    const QScreen* pantalla = pantallaDe(ventana);
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
