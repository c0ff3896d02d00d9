// The results plot computes in bohr and hartree, as the engine's curve file holds them, and
// shows R and V(R) in the document's units: only what is read converts (the ticks, the axis
// captions, the Escala fields, the pointer's coordinates). The printed page and the exported
// picture copy the screen, so they name the same units.
#pragma once

#include "compartido/caja.h"
#include "compartido/unidades_mostradas.h"

#include <QString>

namespace oscilab {

// "R (Å)" and "V(R) (eV)".
QString tituloEjeR(const UnidadesMostradas& u);
QString tituloEjeV(const UnidadesMostradas& u);

// A box in bohr and hartree as shown, and a shown box back in bohr and hartree.
Caja cajaMostrada(const Caja& atomica, const UnidadesMostradas& u);
Caja cajaAtomica(const Caja& mostrada, const UnidadesMostradas& u);

} // namespace oscilab
