#include "paralelo.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>
#include <vector>

namespace curvifit {

void enParalelo(std::size_t n, const std::function<void(std::size_t)>& trabajo) {
    std::vector<std::exception_ptr> fallos(n);
    std::atomic<std::size_t> siguiente = 0;
    const auto trabaja = [&] {
        for (std::size_t i = siguiente++; i < n; i = siguiente++) {
            try {
                trabajo(i);
            } catch (...) {
                fallos[i] = std::current_exception();
            }
        }
    };
    const std::size_t hilos =
        std::min<std::size_t>(n, std::max(1u, std::thread::hardware_concurrency()));
    {
        std::vector<std::jthread> ayudantes;
        for (std::size_t h = 1; h < hilos; ++h) {
            ayudantes.emplace_back(trabaja);
        }
        trabaja();
    } // joins them
    for (const std::exception_ptr& fallo : fallos) {
        if (fallo) {
            std::rethrow_exception(fallo);
        }
    }
}

} // namespace curvifit
