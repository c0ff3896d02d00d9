// Mouse handling of the plot, as a plain state machine: a left drag chooses the view,
// a right click goes back to the full view, a middle click redraws, a move without
// buttons asks for the pointer's coordinates in the tooltip.
#pragma once

#include "compartido/caja.h"

#include <QString>
#include <optional>

namespace oscilab {

// Button codes as the plot receives them; a move may carry a combination.
enum BotonRaton : int { ningunBoton = 0, botonIzquierdo = 1, botonDerecho = 2, botonCentral = 4 };

// What the plot must do after an event.
struct AccionRaton {
    bool redibujar = false;         // dibujacurva(vista)
    bool conPuntosYNiveles = false; // then dibujapuntos and dibujaniveles
    bool bandaCambiada = false;     // the rubber band must be repainted
    std::optional<QString> tooltip; // new tooltip text
};

class ZoomGrafico {
public:
    // `vista` is written (first corner, completed view, full view); `limites` is read.
    ZoomGrafico(Caja& vista, const Caja& limites) : vista_(vista), limites_(limites) {}

    AccionRaton pulsar(int boton, double r, double v);
    AccionRaton mover(int botones, double r, double v);
    AccionRaton soltar(int boton, double r, double v);

    // Rubber band of the drag in progress: first corner (rmin, vmin) and pointer
    // (rmax, vmax), not ordered. Cleared at every press and release, so a new drag never
    // shows the rectangle of an earlier one.
    const std::optional<Caja>& recuadro() const { return recuadro_; }
    // Dotted line style: from a press until a release that redraws.
    bool punteado() const { return punteado_; }

private:
    Caja& vista_;
    const Caja& limites_;
    std::optional<Caja> recuadro_;
    bool punteado_ = false;
};

// Tooltip text of the pointer: "(R,V)", each as "####0.0000".
QString textoCoordenadas(double r, double v);

} // namespace oscilab
