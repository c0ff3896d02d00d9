#include "compartido/unidades_mostradas.h"

namespace oscilab {

UnidadesMostradas unidadesMostradas(const curvifit::ResultadoEjecucion& r,
                                    EleccionUnidades eleccion) {
    if (eleccion == EleccionUnidades::Atomicas) {
        return {};
    }
    return {r.factorDistancia(), r.factorEnergia(), r.angstrom ? "Å" : "bohr",
            r.ev ? "eV" : "hartree"};
}

} // namespace oscilab
