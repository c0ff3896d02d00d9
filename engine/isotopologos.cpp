#include "isotopologos.h"

#include "calcula.h"
#include "leedatos.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>

namespace curvifit {

DatosEntrada datosConMasas(const DatosEntrada& datos, const MasasIsotopologo& masas) {
    DatosEntrada copia = datos;
    copia.MASA1 = masas[0];
    copia.MASA2 = masas[1];
    copia.MASARED = masaReducida(masas[0], masas[1]);
    return copia;
}

Isotopologo calculaIsotopologo(const DatosEntrada& datos, const Resultado& resultado,
                               const MasasIsotopologo& masas, int JMAX,
                               const OpcionesNiveles& opciones) {
    const DatosEntrada especie = datosConMasas(datos, masas);
    Isotopologo isotopologo;
    isotopologo.MASA1 = especie.MASA1;
    isotopologo.MASA2 = especie.MASA2;
    isotopologo.MASARED = especie.MASARED;
    // The minimum of the curve does not depend on the mass: the run's one is reused.
    Constantes& k = isotopologo.constantes;
    k = constantesEquilibrio(especie, resultado.ajuste, resultado.constantes.XEQ);
    constantesRotacion(k, especie.MASARED);
    isotopologo.exactos = nivelesExactos(especie, resultado.ajuste, k, JMAX, opciones);
    return isotopologo;
}

std::vector<Isotopologo> calculaIsotopologos(const DatosEntrada& datos, const Resultado& resultado,
                                             const std::vector<MasasIsotopologo>& masas, int JMAX,
                                             const OpcionesNiveles& opciones) {
    // The species share nothing but read-only inputs, and a heavier one needs a finer grid,
    // so they are solved side by side on the machine's cores.
    std::vector<Isotopologo> especies(masas.size());
    std::vector<std::exception_ptr> fallos(masas.size());
    std::atomic<std::size_t> siguiente = 0;
    const auto trabaja = [&] {
        for (std::size_t i = siguiente++; i < masas.size(); i = siguiente++) {
            try {
                especies[i] = calculaIsotopologo(datos, resultado, masas[i], JMAX, opciones);
            } catch (...) {
                fallos[i] = std::current_exception();
            }
        }
    };
    const std::size_t hilos =
        std::min<std::size_t>(masas.size(), std::max(1u, std::thread::hardware_concurrency()));
    std::vector<std::jthread> ayudantes;
    for (std::size_t h = 1; h < hilos; ++h) {
        ayudantes.emplace_back(trabaja);
    }
    trabaja();
    ayudantes.clear(); // joins them
    for (const std::exception_ptr& fallo : fallos) {
        if (fallo) {
            std::rethrow_exception(fallo);
        }
    }
    return especies;
}

} // namespace curvifit
