#include "limites.h"

#include <sys/resource.h>

namespace leexls {

namespace {

bool limita(int recurso, rlim_t blando, rlim_t duro) {
    const rlimit limite{blando, duro};
    return setrlimit(recurso, &limite) == 0;
}

constexpr bool conAddressSanitizer() {
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return true;
#else
    return false;
#endif
#else
    return false;
#endif
}

} // namespace

bool limitaRecursos() {
    // Past the soft CPU limit comes SIGXCPU, one second later SIGKILL.
    bool fijados = limita(RLIMIT_CPU, SEGUNDOS_CPU, SEGUNDOS_CPU + 1) && limita(RLIMIT_CORE, 0, 0);
    if (!conAddressSanitizer()) {
        fijados = fijados && limita(RLIMIT_AS, BYTES_MEMORIA, BYTES_MEMORIA);
    }
    return fijados;
}

} // namespace leexls
