#include "datos_motor.h"

#include <gtest/gtest.h>

namespace curvifit {

TEST(Funbas, IncludedPowersInAscendingOrderAsIntegerPowers) {
    TablaPotencias usada{};
    usada[indicePotencia(-2)] = 1;
    usada[indicePotencia(0)] = 1;
    usada[indicePotencia(3)] = 1;
    const auto f = FUNBAS(2.0, usada);
    ASSERT_EQ(f.size(), 3u);
    EXPECT_DOUBLE_EQ(f[0], 0.25);
    EXPECT_DOUBLE_EQ(f[1], 1.0);
    EXPECT_DOUBLE_EQ(f[2], 8.0);
}

TEST(Funbas, IntegerPowerMatchesRepeatedMultiplicationOverTheWholeRange) {
    for (int n = -15; n <= 14; ++n) {
        double esperado = 1.0;
        for (int i = 0; i < (n < 0 ? -n : n); ++i) {
            esperado *= 1.3;
        }
        if (n < 0) {
            esperado = 1.0 / esperado;
        }
        EXPECT_NEAR(potenciaEntera(1.3, n), esperado, 1e-14 * esperado) << n;
    }
    EXPECT_EQ(potenciaEntera(0.0, 0), 1.0);
}

} // namespace curvifit
