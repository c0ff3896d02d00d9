// Placing windows on the screen.
#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace oscilab {

// The share of the available screen a window may take at most.
constexpr double FRACCION_PANTALLA = 0.9;

// Where a window that wishes `deseado` goes within `libre` (the screen's available
// geometry): at most 90 % of it in each direction, centred on `padre` (an empty rectangle:
// on the screen), moved back inside `libre` where the centring would take it out.
QRect geometriaEnPantalla(QSize deseado, const QRect& libre, const QRect& padre = {});

// Gives `ventana` (before it is shown) its wished size within the screen it opens on and
// places it as geometriaEnPantalla says, centred on its parent window when it has one. A
// minimum size larger than the room is lowered to it: the window's layout or scroll areas
// take the rest.
void colocaEnPantalla(QWidget& ventana, QSize deseado);

// Moves `ventana` (before it is shown) to the centre of the screen it will open on; a
// window larger than the screen keeps its top left corner on it.
void centraEnPantalla(QWidget& ventana);

} // namespace oscilab
