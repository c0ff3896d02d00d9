// Whether result/NAME.json belongs to the run that just wrote result/NAME.res: a JSON left
// by another run (a killed engine, a second program working in the same folder) must never
// pass for this run's details. Plain logic over the two texts, no Qt widgets.
#pragma once

#include "resultado_json.h"

#include <optional>
#include <string>
#include <vector>

namespace oscilab {

// What the report says about the fit: the powers and coefficients of "COEFICIENTES
// OBTENIDOS" and the rows of its point table.
struct ResumenInforme {
    std::vector<int> potencias;
    std::vector<double> coeficientes;
    int puntos = 0;
};

// std::nullopt when the text has no coefficient list or no point table.
std::optional<ResumenInforme> leeResumenInforme(const std::string& informe);

// Why `resultado` does not belong to that report and data file ("" when it does): the data
// file, the number of points, the powers and the coefficients (to the report's 6 digits)
// must agree. `ficheroDatos` is the engine's path, "datos/NAME.qvd".
std::string discordanciaResultado(const curvifit::ResultadoEjecucion& resultado,
                                  const std::string& ficheroDatos, const ResumenInforme& informe);

} // namespace oscilab
