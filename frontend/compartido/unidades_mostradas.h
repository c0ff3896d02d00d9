// The units a table or plot of a run's result shows: the document's (Angstrom or bohr, eV or
// hartree) or atomic units. The result holds bohr and hartree; only what is shown converts.
#pragma once

#include "resultado_json.h"

#include <string>

namespace oscilab {

enum class EleccionUnidades { Documento, Atomicas };

struct UnidadesMostradas {
    double distancia = 1.0, energia = 1.0; // shown per bohr, per hartree
    std::string nombreDistancia = "bohr", nombreEnergia = "hartree";
};

// The run's data units ("Å" or "bohr", "eV" or "hartree"), or bohr and hartree.
UnidadesMostradas unidadesMostradas(const curvifit::ResultadoEjecucion& r,
                                    EleccionUnidades eleccion = EleccionUnidades::Documento);

} // namespace oscilab
