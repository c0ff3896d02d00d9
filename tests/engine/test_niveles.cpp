#include "niveles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace curvifit {
namespace {

const double INF = std::numeric_limits<double>::infinity();
const double NaN = std::numeric_limits<double>::quiet_NaN();
const double EEQ = -1.17;

TEST(Vmax, TruncatesTowardZero) {
    EXPECT_EQ(calculaVMAX(4400.0, 120.0), 17); // trunc(17.83)
    EXPECT_EQ(calculaVMAX(100.0, 120.0), 0);   // trunc(-0.083), not -1
    EXPECT_EQ(calculaVMAX(5.0, -10.0), 0);     // trunc(-0.75)
    EXPECT_EQ(calculaVMAX(100.0, -10.0), -5);  // ratio below -1
    EXPECT_EQ(calculaVMAX(3.0, 1.0), 1);
    EXPECT_EQ(calculaVMAX(5.0, 1.0), 2);
}

TEST(Vmax, InfiniteOrUndefinedCountsAsNegative) {
    EXPECT_LT(calculaVMAX(4400.0, 0.0), 0);
    EXPECT_LT(calculaVMAX(-4400.0, 0.0), 0);
    EXPECT_LT(calculaVMAX(0.0, 0.0), 0);
    EXPECT_LT(calculaVMAX(NaN, 120.0), 0);
    EXPECT_LT(calculaVMAX(4400.0, NaN), 0);
    EXPECT_LT(calculaVMAX(1e300, 1e-300), 0);
    EXPECT_LT(calculaVMAX(INF, 1.0), 0);
}

TEST(Vmax, HugeRatiosAreClampedNotUndefined) {
    EXPECT_EQ(calculaVMAX(1e20, 1.0), 1000000000000000000LL);
    EXPECT_EQ(calculaVMAX(-1e20, 1.0), -1000000000000000000LL);
    EXPECT_GT(calculaVMAX(4400.0, 1e-12), 1000000000000LL);
}

TEST(Energia, SecondOrderExpansionInHartree) {
    EXPECT_DOUBLE_EQ(ENERGIA(4400.0, 120.0, 0), (0.5 * 4400.0 - 0.25 * 120.0) * CONVCM);
    EXPECT_DOUBLE_EQ(ENERGIA(4400.0, 120.0, 3), (3.5 * 4400.0 - 12.25 * 120.0) * CONVCM);
    EXPECT_DOUBLE_EQ(ENERGIA(4400.0, 0.0, 1), 1.5 * 4400.0 * CONVCM);
}

TEST(Niveles, SpacingShrinksByTwiceTheAnharmonicity) {
    const Niveles n = NIVELVIBRA(4400.0, 120.0, 0.37, EEQ, 1e9);
    ASSERT_GE(n.energias.size(), 3u);
    for (std::size_t v = 0; v + 2 < n.energias.size(); ++v) {
        const double d1 = n.energias[v + 1] - n.energias[v];
        const double d2 = n.energias[v + 2] - n.energias[v + 1];
        EXPECT_GT(d1, 0.0);
        EXPECT_NEAR((d1 - d2) / CONVCM, 2.0 * 120.0, 1e-6) << v;
    }
    EXPECT_DOUBLE_EQ(n.energias[0], EEQ + (0.5 * 4400.0 - 0.25 * 120.0) * CONVCM);
}

TEST(Niveles, StopsAtVmax) {
    const Niveles n = NIVELVIBRA(4400.0, 120.0, 0.37, EEQ, 1e9);
    EXPECT_EQ(n.VMAX, 17);
    EXPECT_EQ(n.energias.size(), 18u); // v = 0..17
    EXPECT_EQ(n.NNIVELES, 17);         // VMAX, one less than the levels written
    EXPECT_DOUBLE_EQ(n.ENIVEL, EEQ + ENERGIA(4400.0, 120.0, 17));
}

TEST(Niveles, VmaxZeroStillWritesTheLowestLevel) {
    const Niveles n = NIVELVIBRA(100.0, 120.0, 0.37, EEQ, 1e9);
    EXPECT_EQ(n.VMAX, 0);
    ASSERT_EQ(n.energias.size(), 1u);
    EXPECT_EQ(n.NNIVELES, 0);
    EXPECT_DOUBLE_EQ(n.ENIVEL, EEQ + ENERGIA(100.0, 120.0, 0));
}

TEST(Niveles, StopsAtTheFirstLevelAboveTheData) {
    // Levels at EEQ + E(v); EMAX between v = 4 and v = 5.
    const double emax = EEQ + 0.5 * (ENERGIA(4400.0, 120.0, 4) + ENERGIA(4400.0, 120.0, 5));
    const Niveles n = NIVELVIBRA(4400.0, 120.0, 0.37, EEQ, emax);
    EXPECT_EQ(n.energias.size(), 5u);
    EXPECT_EQ(n.NNIVELES, 5);
    EXPECT_DOUBLE_EQ(n.ENIVEL, EEQ + ENERGIA(4400.0, 120.0, 4));
    EXPECT_LE(n.energias.back(), emax);
}

TEST(Niveles, ALevelExactlyAtTheHighestEnergyIsKept) {
    const double emax = EEQ + ENERGIA(4400.0, 120.0, 2);
    const Niveles n = NIVELVIBRA(4400.0, 120.0, 0.37, EEQ, emax);
    EXPECT_EQ(n.energias.size(), 3u);
    EXPECT_EQ(n.NNIVELES, 3);
}

TEST(Niveles, OneLevelWhenTheDataLieBelowTheLowest) {
    const Niveles n = NIVELVIBRA(4400.0, 120.0, 0.37, EEQ, EEQ);
    ASSERT_EQ(n.energias.size(), 1u);
    EXPECT_EQ(n.NNIVELES, 0);
    EXPECT_DOUBLE_EQ(n.ENIVEL, EEQ + ENERGIA(4400.0, 120.0, 0));
    EXPECT_DOUBLE_EQ(n.energias[0], n.ENIVEL);
}

TEST(Niveles, NoLevelForAHarmonicFitOrNegativeRatio) {
    for (const auto& [nu, xnu] : {std::pair{4400.0, 0.0}, std::pair{100.0, -10.0}}) {
        const Niveles n = NIVELVIBRA(nu, xnu, 0.37, EEQ, 1e9);
        EXPECT_TRUE(n.energias.empty()) << nu << ' ' << xnu;
        EXPECT_LT(n.VMAX, 0);
        EXPECT_EQ(n.NNIVELES, -1);
        // ENIVEL stays the zero-point energy above the minimum.
        EXPECT_DOUBLE_EQ(n.ENIVEL, (0.5 * nu - 0.25 * xnu) * CONVCM);
    }
}

TEST(Niveles, WidthOfTheLowestLevel) {
    const Niveles n = NIVELVIBRA(4400.0, 120.0, 0.37, EEQ, 1e9);
    const double e0 = (0.5 * 4400.0 - 0.25 * 120.0) * CONVCM;
    EXPECT_DOUBLE_EQ(n.ANCHONIVEL, 2.0 * std::sqrt(2.0 * e0 / 0.37));
    EXPECT_TRUE(std::isnan(NIVELVIBRA(4400.0, 120.0, -0.37, EEQ, 1e9).ANCHONIVEL));
    EXPECT_TRUE(std::isnan(NIVELVIBRA(-4400.0, 120.0, 0.37, EEQ, 1e9).ANCHONIVEL));
}

TEST(Niveles, DegenerateInputEndsWithABoundedList) {
    // A vanishing anharmonicity with data far above: capped, not millions of levels.
    const Niveles enorme = NIVELVIBRA(1e-3, 1e-15, 1e-9, EEQ, 1e300);
    EXPECT_EQ(enorme.energias.size(), static_cast<std::size_t>(MAXIMO_NIVELES));
    EXPECT_EQ(enorme.NNIVELES, MAXIMO_NIVELES - 1);
    // Undefined energies never compare above EMAX: the count still ends at VMAX.
    const Niveles indefinido = NIVELVIBRA(4400.0, 120.0, 0.37, NaN, 1e9);
    EXPECT_EQ(indefinido.energias.size(), 18u);
    const Niveles sinTecho = NIVELVIBRA(4400.0, 120.0, 0.37, EEQ, NaN);
    EXPECT_EQ(sinTecho.NNIVELES, 17);
    EXPECT_EQ(NIVELVIBRA(NaN, NaN, NaN, NaN, NaN).NNIVELES, -1);
}

} // namespace
} // namespace curvifit
