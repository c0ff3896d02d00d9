// Placing windows on the screen.
#pragma once

class QWidget;

namespace oscilab {

// Moves `ventana` (before it is shown) to the centre of the screen it will open on; a
// window larger than the screen keeps its top left corner on it.
void centraEnPantalla(QWidget& ventana);

} // namespace oscilab
