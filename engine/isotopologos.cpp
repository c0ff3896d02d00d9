#include "isotopologos.h"

#include "calcula.h"
#include "leedatos.h"
#include "paralelo.h"

#include <algorithm>
#include <numeric>

namespace curvifit {

DatosEntrada datosConMasas(const DatosEntrada& datos, const MasasIsotopologo& masas) {
    DatosEntrada copia = datos;
    copia.MASA1 = masas[0];
    copia.MASA2 = masas[1];
    copia.MASARED = masaReducida(masas[0], masas[1]);
    return copia;
}

namespace {

// The constants of one species; its levels are left to the caller.
Isotopologo constantesIsotopologo(const DatosEntrada& especie, const Resultado& resultado) {
    Isotopologo isotopologo;
    isotopologo.MASA1 = especie.MASA1;
    isotopologo.MASA2 = especie.MASA2;
    isotopologo.MASARED = especie.MASARED;
    // The minimum of the curve does not depend on the mass: the run's one is reused.
    Constantes& k = isotopologo.constantes;
    k = constantesEquilibrio(especie, resultado.ajuste, resultado.constantes.XEQ);
    constantesRotacion(k, especie.MASARED);
    return isotopologo;
}

} // namespace

Isotopologo calculaIsotopologo(const DatosEntrada& datos, const Resultado& resultado,
                               const MasasIsotopologo& masas, int JMAX,
                               const OpcionesNiveles& opciones) {
    const DatosEntrada especie = datosConMasas(datos, masas);
    Isotopologo isotopologo = constantesIsotopologo(especie, resultado);
    isotopologo.exactos =
        nivelesExactos(especie, resultado.ajuste, isotopologo.constantes, JMAX, opciones);
    return isotopologo;
}

std::vector<Isotopologo> calculaIsotopologos(const DatosEntrada& datos, const Resultado& resultado,
                                             const std::vector<MasasIsotopologo>& masas, int JMAX,
                                             const OpcionesNiveles& opciones,
                                             const NivelesExactos* propios) {
    // The species share nothing but read-only inputs, so they are solved side by side on the
    // machine's cores. A heavier one needs a finer grid and has more levels: the heaviest are
    // started first, so that the light ones fill the cores at the end instead of one heavy
    // species running late alone.
    std::vector<std::size_t> orden(masas.size());
    std::iota(orden.begin(), orden.end(), std::size_t{0});
    std::stable_sort(orden.begin(), orden.end(), [&](std::size_t a, std::size_t b) {
        return masaReducida(masas[a][0], masas[a][1]) > masaReducida(masas[b][0], masas[b][1]);
    });
    std::vector<Isotopologo> especies(masas.size());
    enParalelo(masas.size(), [&](std::size_t k) {
        const std::size_t i = orden[k];
        const DatosEntrada especie = datosConMasas(datos, masas[i]);
        if (propios != nullptr && propios->JMAX == JMAX && especie.MASARED == datos.MASARED) {
            especies[i] = constantesIsotopologo(especie, resultado);
            especies[i].exactos = *propios;
            return;
        }
        especies[i] = calculaIsotopologo(datos, resultado, masas[i], JMAX, opciones);
    });
    return especies;
}

} // namespace curvifit
