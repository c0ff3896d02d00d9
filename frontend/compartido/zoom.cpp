#include "compartido/zoom.h"

#include "compartido/formato_numeros.h"

namespace oscilab {

QString textoCoordenadas(double r, double v) {
    return QStringLiteral("(") + formatoTooltip(r) + QStringLiteral(",") + formatoTooltip(v) +
           QStringLiteral(")");
}

AccionRaton ZoomGrafico::pulsar(int boton, double r, double v) {
    AccionRaton accion;
    punteado_ = true;
    if (recuadro_) {
        recuadro_.reset();
        accion.bandaCambiada = true;
    }
    if (boton == botonIzquierdo) {
        vista_.rmin = r;
        vista_.vmin = v;
    } else if (boton == botonDerecho) {
        vista_ = limites_;
    }
    return accion;
}

AccionRaton ZoomGrafico::mover(int botones, double r, double v) {
    AccionRaton accion;
    if (botones == botonIzquierdo) {
        punteado_ = true;
        recuadro_ = Caja{vista_.rmin, vista_.vmin, r, v};
        accion.bandaCambiada = true;
    } else if (botones != botonDerecho && botones != botonCentral) {
        accion.tooltip = textoCoordenadas(r, v);
    }
    return accion;
}

AccionRaton ZoomGrafico::soltar(int boton, double r, double v) {
    AccionRaton accion;
    if (recuadro_) {
        recuadro_.reset();
        accion.bandaCambiada = true;
    }
    if (boton == botonIzquierdo) {
        const double r0 = vista_.rmin;
        const double v0 = vista_.vmin;
        if (r <= r0) {
            vista_.rmax = r0;
            vista_.rmin = r;
        } else {
            vista_.rmax = r;
        }
        if (v <= v0) {
            vista_.vmax = v0;
            vista_.vmin = v;
        } else {
            vista_.vmax = v;
        }
    }
    if (vista_.rmin != vista_.rmax && vista_.vmin != vista_.vmax) {
        punteado_ = false;
        accion.redibujar = true;
        // The points and the levels are what one zooms in to see; the middle button alone
        // asks for the curve without them.
        accion.conPuntosYNiveles = boton != botonCentral;
    }
    return accion;
}

} // namespace oscilab
