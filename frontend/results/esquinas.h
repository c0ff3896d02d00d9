// The font of a plot corner label, which must always show its whole text.
#pragma once

#include <QFont>
#include <QStringList>

namespace oscilab {

// `base` when every text fits in `ancho` pixels at it; else the largest smaller size, in
// steps of half a point, at which they all fit (1 pt at the least).
QFont fuenteQueCabe(const QFont& base, const QStringList& textos, int ancho);

} // namespace oscilab
