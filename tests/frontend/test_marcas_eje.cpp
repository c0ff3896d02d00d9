// Axis ticks at 1, 2, 5 × 10^n: known ranges, then a brute-force search for the smallest
// admissible step over many ranges.
#include "compartido/marcas_eje.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace oscilab {
namespace {

void esperaCerca(const std::vector<double>& marcas, const std::vector<double>& esperadas) {
    ASSERT_EQ(marcas.size(), esperadas.size());
    for (std::size_t k = 0; k < marcas.size(); ++k) {
        EXPECT_NEAR(marcas[k], esperadas[k], 1e-12 * (1 + std::fabs(esperadas[k]))) << k;
    }
}

TEST(MarcasEje, KnownRanges) {
    esperaCerca(marcasEje(0, 1, 6), {0, 0.2, 0.4, 0.6, 0.8, 1});
    esperaCerca(marcasEje(0.13, 0.87, 5), {0.2, 0.4, 0.6, 0.8});
    esperaCerca(marcasEje(-3e-5, 7e-5, 6), {-2e-5, 0, 2e-5, 4e-5, 6e-5});
    esperaCerca(marcasEje(1234, 1236, 5), {1234, 1234.5, 1235, 1235.5, 1236});
    EXPECT_EQ(marcasEje(-0.3, 0.3, 7)[3], 0.0); // exactly zero, never -5.55e-17
    EXPECT_TRUE(marcasEje(1, 1, 6).empty());
    EXPECT_TRUE(marcasEje(2, 1, 6).empty());
    EXPECT_TRUE(marcasEje(0, INFINITY, 6).empty());
    EXPECT_TRUE(marcasEje(NAN, 1, 6).empty());
}

// The step as 1, 2 or 5 × 10^n, and no smaller such step gives few enough ticks.
TEST(MarcasEje, TheSmallestRoundStepThatFits) {
    std::mt19937 azar(7);
    std::uniform_real_distribution<double> exponente(-8, 8), unidad(-1, 1);
    for (int caso = 0; caso < 2000; ++caso) {
        const double escala = std::pow(10.0, exponente(azar));
        double a = unidad(azar) * escala, b = unidad(azar) * escala;
        if (a > b) {
            std::swap(a, b);
        }
        const int maximo = 2 + caso % 9;
        const std::vector<double> m = marcasEje(a, b, maximo);
        ASSERT_LE(m.size(), static_cast<std::size_t>(maximo));
        ASSERT_GE(m.size(), 1u) << a << " " << b;
        if (m.size() < 2) {
            continue;
        }
        const double paso = m[1] - m[0];
        const double mantisa = paso / std::pow(10.0, std::floor(std::log10(paso)));
        EXPECT_TRUE(std::fabs(mantisa - 1) < 1e-6 || std::fabs(mantisa - 2) < 1e-6 ||
                    std::fabs(mantisa - 5) < 1e-6 || std::fabs(mantisa - 10) < 1e-6)
            << paso;
        for (double v : m) {
            EXPECT_GE(v, a - 1e-9 * paso);
            EXPECT_LE(v, b + 1e-9 * paso);
        }
        // The next smaller round step would give too many ticks.
        const double menor = std::fabs(mantisa - 5) < 1e-6 ? paso * 0.4 : paso * 0.5;
        const double cuenta = std::floor(b / menor + 1e-9) - std::ceil(a / menor - 1e-9) + 1;
        EXPECT_GT(cuenta, maximo) << a << " " << b << " " << paso;
    }
}

} // namespace
} // namespace oscilab
