// The report of a calculation: fixed-layout Latin-1 text with CR LF line ends.
#pragma once

#include "datos_motor.h"

#include <ostream>
#include <string>
#include <vector>

namespace curvifit {

// The report's lines, without line ends, as Latin-1 bytes.
std::vector<std::string> lineasInforme(const DatosEntrada& datos, const Resultado& resultado);

// Writes every line of the report followed by CR LF.
void ESCRIBERES(std::ostream& informe, const DatosEntrada& datos, const Resultado& resultado);

} // namespace curvifit
