// What the fit explorer ranks, taken from the document itself rather than from a window.
#pragma once

#include "explorador/explorador_logica.h"

namespace oscilab {

class Documento;

// The document's points sorted by R (the first puntosMaximos of them) in their exact texts,
// its masses, units and ticked powers.
DocumentoExplorado documentoExplorado(const Documento& documento);

} // namespace oscilab
