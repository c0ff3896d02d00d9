// Warnings about a poor fit, shown once when the results are loaded.
#pragma once

#include "curva.h"
#include "compartido/caja.h"

#include <QString>
#include <vector>

namespace oscilab {

// The warning about the fit, or "" when it looks sound: too few levels, points unbalanced
// about the bottom of the plot box, or an energy error larger than a quarter of its height.
// Later tests overwrite earlier ones, so only the last warning that holds is given.
QString diagnostico(const std::vector<Punto>& puntos, std::size_t nniveles, const Caja& limites,
                    double errorenergia);

} // namespace oscilab
