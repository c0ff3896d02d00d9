// The spectrum as an ExoMol line list, which other spectroscopy programs import:
//   NAME.states: ID (I12), energy above the lowest level in 1/cm (F12.6), total degeneracy
//                2J+1 (I6), J (I7), v (I5);
//   NAME.trans:  upper ID (I12), lower ID (I12), A in s^-1 (ES10.4).
// IDs count the levels from 1 in the order Espectro::niveles holds them. Every line is written.
#pragma once

#include "espectro.h"

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace curvifit {

void escribeEstadosExomol(std::ostream& salida, const Espectro& espectro);
void escribeTransicionesExomol(std::ostream& salida, const Espectro& espectro);

// Writes result/NAME.states and result/NAME.trans beside result/NAME.json (rutaJson); throws
// ErrorMotor (Salida::ResultadosNoAbiertos) when they cannot be written.
void escribeExomol(const std::string& rutaJson, const Espectro& espectro);

// The readers beside the writers.
struct EstadoExomol {
    long long id = 0;
    double e_cm1 = 0.0;
    int g = 0, J = 0, v = 0;
};
struct TransicionExomol {
    long long superior = 0, inferior = 0;
    double einstein_a_s1 = 0.0;
};
std::vector<EstadoExomol> leeEstadosExomol(std::istream& entrada);
std::vector<TransicionExomol> leeTransicionesExomol(std::istream& entrada);

} // namespace curvifit
