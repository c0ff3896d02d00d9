// Work shared out over the cores: each index exactly once, and the first failure in index
// order comes back whatever the threads' timing.
#include "paralelo.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <vector>

namespace curvifit {
namespace {

TEST(Paralelo, CadaIndiceUnaVezYElPrimerFalloEnOrden) {
    std::vector<std::atomic<int>> veces(1000);
    enParalelo(veces.size(), [&](std::size_t i) { ++veces[i]; });
    for (const auto& v : veces) {
        EXPECT_EQ(v.load(), 1);
    }
    for (int intento = 0; intento < 20; ++intento) {
        std::atomic<int> hechos = 0;
        try {
            enParalelo(200, [&](std::size_t i) {
                ++hechos;
                if (i % 50 == 7) {
                    throw std::runtime_error(std::to_string(i));
                }
            });
            FAIL() << "no failure came back";
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()), "7");
        }
        EXPECT_EQ(hechos.load(), 200) << "a failure must not stop the other pieces";
    }
    enParalelo(0, [](std::size_t) { FAIL(); });
}

} // namespace
} // namespace curvifit
