// The value(stderr) text: the digits follow the error, rounding carries, powers of ten.
#include "texto_incertidumbre.h"

#include <gtest/gtest.h>

#include <cmath>

namespace curvifit {

TEST(TextoIncertidumbre, TheErrorDecidesTheDigits) {
    EXPECT_EQ(textoParentesis(1.4018812, 0.0000123), "1.401881(12)");
    EXPECT_EQ(textoParentesis(2249.9120871807904, 17.808), "2250(18)");
    EXPECT_EQ(textoParentesis(14.074883, 0.58778), "14.07(59)");
    EXPECT_EQ(textoParentesis(-0.9686462, 0.0391193), "-0.969(39)");
    // 0.0996 keeps two digits after rounding to 0.10.
    EXPECT_EQ(textoParentesis(3.14159, 0.0996), "3.14(10)");
}

TEST(TextoIncertidumbre, TinyAndHugeValuesTakeAPowerOfTen) {
    EXPECT_EQ(textoParentesis(5.326895e-06, 5.5209e-08), "5.327(55)e-06");
    EXPECT_EQ(textoParentesis(-113157.2, 7.8), "-1.131572(78)e+05");
}

TEST(TextoIncertidumbre, WithoutAUsableErrorTheValueAlone) {
    EXPECT_EQ(textoParentesis(1.25, std::nullopt), "1.25");
    EXPECT_EQ(textoParentesis(1.25, 0.0), "1.25");
    EXPECT_EQ(textoParentesis(std::nan(""), 0.1), "-");
}

} // namespace curvifit
