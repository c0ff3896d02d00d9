#include "import/lectura_aislada.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace oscilab {

bool lecturaTerminaSinRomperse(const std::function<void()>& lectura,
                               std::chrono::milliseconds limite) {
    const pid_t hijo = fork();
    if (hijo < 0) {
        return true;
    }
    if (hijo == 0) {
        const rlimit sinVolcado{0, 0}; // a crash here is expected, not worth a core file
        setrlimit(RLIMIT_CORE, &sinVolcado);
        lectura();
        _exit(0); // no atexit handlers or destructors of the parent's objects
    }
    const auto fin = std::chrono::steady_clock::now() + limite;
    int estado = 0;
    for (;;) {
        const pid_t r = waitpid(hijo, &estado, WNOHANG);
        if (r == hijo) {
            return WIFEXITED(estado) && WEXITSTATUS(estado) == 0;
        }
        if (r < 0) {
            return false;
        }
        if (std::chrono::steady_clock::now() >= fin) {
            kill(hijo, SIGKILL);
            waitpid(hijo, &estado, 0);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

} // namespace oscilab
