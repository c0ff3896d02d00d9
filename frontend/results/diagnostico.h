// Warnings about a poor fit, shown once when the results are loaded.
#pragma once

#include "curva.h"
#include "compartido/caja.h"

#include <QString>
#include <vector>

namespace oscilab {

struct Diagnostico {
    int codigo = 0;  // 0 (none), 2 (few levels), 3 (unbalanced points), 4 (energy error)
    QString mensaje; // "" for code 0
};

// Later tests overwrite earlier ones, so only the last warning that holds is given.
Diagnostico diagnostico(const std::vector<Punto>& puntos, std::size_t nniveles, const Caja& limites,
                        double errorenergia);

QString mensajeDiagnostico(int codigo);

} // namespace oscilab
