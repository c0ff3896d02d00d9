// Placement of the results window's controls, as fractions of the window and of the
// frame picture, fixed when the window is loaded.
#pragma once

#include <QRect>
#include <QSize>

namespace oscilab {

struct DisposicionGraficos {
    // In window coordinates.
    QRect marco;   // pctgrafica
    QRect informe; // rtxtdatos
    QRect imprimir, escala, aceptar;
    // In frame coordinates.
    QRect grafico; // pctgrafico
    QRect lby, lbx;
    QRect x0y1, x0y0y, x0y0x, x1y0;
};

// `boton`, `etiquetaX`, `etiquetaY` and `esquina` are the sizes the controls need:
// a button, the captions "R (Å)" and "V(R) (eV)" (in the document's units), and the height
// of a corner label.
DisposicionGraficos disposicionGraficos(QSize ventana, QSize boton, QSize etiquetaX,
                                        QSize etiquetaY, int altoEsquina);

} // namespace oscilab
