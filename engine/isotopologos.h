// Other isotopic species of the molecule of a run. Within the Born-Oppenheimer approximation
// one fitted curve serves every isotopologue: only the reduced mass changes, so each species
// takes the run's coefficients and equilibrium distance and computes its own constants and
// exact levels with the engine's usual steps.
#pragma once

#include "datos_motor.h"
#include "niveles_exactos.h"

#include <array>
#include <vector>

namespace curvifit {

// The two atoms' masses, atomic mass units, in the document's order of atoms.
using MasasIsotopologo = std::array<double, 2>;

struct Isotopologo {
    double MASA1 = 0.0, MASA2 = 0.0;
    double MASARED = 0.0; // electron masses
    Constantes constantes;
    NivelesExactos exactos;
};

// A copy of the run's data with other masses (and so another reduced mass); every other
// member is left as read, so any step that takes the data sees the same curve.
DatosEntrada datosConMasas(const DatosEntrada& datos, const MasasIsotopologo& masas);

// The constants of one species at the run's equilibrium distance, and its exact levels for
// J = 0..JMAX from the same coefficients.
Isotopologo calculaIsotopologo(const DatosEntrada& datos, const Resultado& resultado,
                               const MasasIsotopologo& masas, int JMAX,
                               const OpcionesNiveles& opciones = {});

// Every species in the order given, each as calculaIsotopologo computes it. `propios`, the
// run's own exact levels (same JMAX and options), serve every species of the run's reduced
// mass: the usual choice of isotopes includes the document's own species, and its levels
// would come out the same to the last bit.
std::vector<Isotopologo> calculaIsotopologos(const DatosEntrada& datos, const Resultado& resultado,
                                             const std::vector<MasasIsotopologo>& masas, int JMAX,
                                             const OpcionesNiveles& opciones = {},
                                             const NivelesExactos* propios = nullptr);

} // namespace curvifit
