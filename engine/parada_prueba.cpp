#include "parada_prueba.h"

#include <csignal>
#include <cstdlib>
#include <cstring>

namespace curvifit {

void puntoDeParada(const char* punto) {
    const char* pedido = std::getenv("CURVIFIT_PARADA");
    if (pedido != nullptr && std::strcmp(pedido, punto) == 0) {
        std::raise(SIGKILL);
    }
}

} // namespace curvifit
