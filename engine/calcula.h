// CALCULA: the fit, the equilibrium distance, the molecular constants and the vibrational
// levels, with their records appended to the curve file.
#pragma once

#include "datos_motor.h"

#include <optional>
#include <ostream>

namespace curvifit {

// 0.7 * sqrt(S2) of the energies, the fit evaluated at the points' own distances RDAT:
// the report's "ERROR PROBABLE:" value.
double errorProbableEnergias(const DatosEntrada& datos, const Ajuste& ajuste);

// The constants at the equilibrium distance x (bohr, the scan's stop polished), up to the
// anharmonicity: RE, EEQ, ERRPROBE, the force constants, BE, WE, WEXE, NU and XNU.
Constantes constantesEquilibrio(const DatosEntrada& datos, const Ajuste& ajuste, double x);

// ALFA, Y00, DE and the effect of rotation at J = 1 (DR, DK), from the constants above.
void constantesRotacion(Constantes& k, double MASARED);

// Every constant of a fit, without the curve file and the levels: the polished minimum, then the
// two steps above. Nothing when the fitted curve has no minimum within the scan bound.
std::optional<Constantes> constantesDelAjuste(const DatosEntrada& datos, const Ajuste& ajuste);

// The 30 coefficients c_-15 .. c_14 and the energy error, one record each.
void escribeCoeficientes(std::ostream& curva, const Ajuste& ajuste, double ERRPROBE);

// The level-bar width and then every level energy, one record each.
void escribeNiveles(std::ostream& curva, const Niveles& niveles);

// Throws ErrorMotor (Salida::SinMinimo) when the fitted curve has no minimum within the
// scan bound; nothing is appended to the curve file then.
Resultado CALCULA(const DatosEntrada& datos, std::ostream& curva);

} // namespace curvifit
