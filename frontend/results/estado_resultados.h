// The results of the last calculation as the plot, its zoom, the scale dialog and the
// results window use them. The main window keeps them, so that the chosen view survives
// from one run to the next.
#pragma once

#include "compartido/dimensiones.h"
#include "compartido/caja.h"

namespace oscilab {

struct EstadoResultados {
    CoeficientesPotencia coeficientes{};
    double errorenergia = 0.0;
    Caja limites;         // the full view of the loaded results
    Caja vista;           // the view last chosen; all zeros when none
    double rcentro = 0.0; // R at which the level bars are centred

    double coeficiente(int k) const { return dePotencia(coeficientes, k); }
    void ponCoeficiente(int k, double c) { dePotencia(coeficientes, k) = c; }
};

} // namespace oscilab
