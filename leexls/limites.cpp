#include "limites.h"

#include <sys/resource.h>

namespace leexls {

namespace {

bool limita(int recurso, rlim_t blando, rlim_t duro) {
    const rlimit limite{blando, duro};
    return setrlimit(recurso, &limite) == 0;
}

} // namespace

bool limitaRecursos() {
    // Past the soft CPU limit comes SIGXCPU, one second later SIGKILL.
    bool fijados = limita(RLIMIT_CPU, SEGUNDOS_CPU, SEGUNDOS_CPU + 1) && limita(RLIMIT_CORE, 0, 0);
    if (!OSCILAB_CON_ASAN) {
        fijados = fijados && limita(RLIMIT_AS, BYTES_MEMORIA, BYTES_MEMORIA);
    }
    return fijados;
}

} // namespace leexls
