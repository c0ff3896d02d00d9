#include "formato.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace curvifit {
namespace {

const double INF = std::numeric_limits<double>::infinity();
const double NaN = std::numeric_limits<double>::quiet_NaN();

struct Caso {
    double valor;
    int w;
    int d;
    const char* esperado;
};

// ---------------------------------------------------------------- fixed tables

TEST(FormatoI, RightJustifiedOrAsterisks) {
    EXPECT_EQ(formatoI(5, 3), "  5");
    EXPECT_EQ(formatoI(0, 3), "  0");
    EXPECT_EQ(formatoI(-1, 3), " -1");
    EXPECT_EQ(formatoI(-12, 3), "-12");
    EXPECT_EQ(formatoI(999, 3), "999");
    EXPECT_EQ(formatoI(1000, 3), "***");
    EXPECT_EQ(formatoI(-100, 3), "***");
    EXPECT_EQ(formatoI(-15, 3), "-15");
    EXPECT_EQ(formatoI(14, 2), "14");
}

TEST(FormatoF, TableOfValues) {
    const std::vector<Caso> casos = {
        {0.74, 7, 5, "0.74000"},
        {0.74, 6, 5, ".74000"}, // no room for the 0
        {0.74, 5, 5, "*****"},  // does not fit even without it
        {-0.74, 7, 5, "-.74000"},
        {-0.74, 8, 5, "-0.74000"},
        {1.4, 10, 5, "   1.40000"},
        {0.7408, 10, 5, "   0.74080"},
        {-1234.5678, 10, 2, "  -1234.57"},
        {4400.0, 10, 2, "   4400.00"},
        {120.0, 8, 2, "  120.00"},
        {123456789.0, 8, 2, "********"},
        {0.0, 9, 5, "  0.00000"},
        {-0.0, 9, 5, "  0.00000"}, // zero carries no sign
        {-0.0, 6, 5, ".00000"},
        {0.125, 6, 2, "  0.12"}, // exact tie: half to even
        {0.375, 6, 2, "  0.38"},
        {2.5, 4, 0, "  2."},
        {3.5, 4, 0, "  4."},
        {0.3, 4, 0, "  0."},
        {0.99999, 6, 2, "  1.00"}, // rounds up across the point
        {-0.001, 6, 2, " -0.00"},  // a negative value keeps its sign
        {1e300, 9, 5, "*********"},
        {INF, 9, 5, " Infinity"},
        {-INF, 9, 5, "-Infinity"},
        {INF, 7, 2, "*******"}, // too narrow for the word
        {-INF, 8, 2, "********"},
        {NaN, 9, 5, "      NaN"},
        {NaN, 2, 1, "**"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(formatoF(c.valor, c.w, c.d), c.esperado) << c.valor << " F" << c.w << '.' << c.d;
    }
}

TEST(Formato1PE, TableOfValues) {
    const std::vector<Caso> casos = {
        {2.0, 13, 6, " 2.000000E+00"},
        {0.0, 13, 6, " 0.000000E+00"}, // zero keeps its exponent
        {-0.0, 13, 6, " 0.000000E+00"},
        {31.1382, 13, 6, " 3.113820E+01"},
        {-0.00123456789, 16, 7, "  -1.2345679E-03"},
        {9.9999999, 13, 6, " 1.000000E+01"}, // rounds across a decade
        {1.5e-200, 13, 6, " 1.500000-200"},  // three digits in place of E
        {-2.5e150, 13, 6, "-2.500000+150"},
        {1e100, 13, 6, " 1.000000+100"},
        {9.9999999e99, 13, 6, " 1.000000+100"},
        {1e99, 13, 6, " 1.000000E+99"},
        {-1e-99, 13, 6, "-1.000000E-99"},
        {123.0, 11, 6, "***********"},
        {4.9406564584124654e-324, 13, 6, " 4.940656-324"},
        {1.25, 8, 1, " 1.2E+00"}, // exact tie: half to even
        {INF, 13, 6, "     Infinity"},
        {-INF, 16, 7, "       -Infinity"},
        {NaN, 13, 6, "          NaN"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(formato1PE(c.valor, c.w, c.d), c.esperado)
            << c.valor << " 1PE" << c.w << '.' << c.d;
    }
}

TEST(FormatoG, TableOfValues) {
    const std::vector<Caso> casos = {
        {-1.1336, 15, 8, " -1.1336000    "},
        {1.2e-4, 9, 2, " 0.12E-03"},
        {-0.0471, 12, 6, "-.471000E-01"}, // 0 dropped for lack of room
        {0.0471, 12, 6, "0.471000E-01"},
        {-0.5, 12, 6, "-.500000    "},
        {0.5, 12, 6, "0.500000    "},
        {9.95, 9, 2, "  9.9    "}, // 9.9499999999999993 rounds down
        {9.96, 9, 2, "  10.    "},
        {99.5, 9, 2, " 0.10E+03"},     // rounds across 10^d: exponent form
        {0.09996, 9, 2, "  0.10    "}, // rounds up into [0.1, 1)
        {0.0999, 9, 3, "0.999E-01"},
        {1.0, 8, 3, "1.00    "},
        {123456.7, 11, 6, "123457.    "},
        {1234567.0, 11, 6, "0.123457E+07"} /* does not fit: checked below */,
        {0.0, 8, 3, "0.00    "},
        {-0.0, 8, 3, "0.00    "},
        {0.0, 14, 6, "   0.00000    "},
        {0.0, 12, 6, " 0.00000    "},
        {0.0, 11, 6, "0.00000    "},
        {0.0, 10, 6, ".00000    "},
        {0.0, 9, 6, "*********"},
        {1.4, 13, 6, "  1.40000    "},
        {-1.1336, 14, 6, "  -1.13360    "},
        {1.0e-5, 14, 6, "  0.100000E-04"},
        {-3.14e-150, 12, 6, "-.314000-149"},
        {2.0e120, 14, 8, "0.20000000+121"},
        {1e15, 14, 7, " 0.1000000E+16"},
        {INF, 12, 6, "    Infinity"},
        {-INF, 12, 6, "   -Infinity"},
        {INF, 8, 3, "Infinity"},
        {INF, 7, 3, "*******"},
        {-INF, 8, 3, "********"},
        {NaN, 9, 2, "      NaN"},
    };
    for (const auto& c : casos) {
        if (std::string(c.esperado).size() != static_cast<std::size_t>(c.w)) {
            continue;
        }
        EXPECT_EQ(formatoG(c.valor, c.w, c.d), c.esperado) << c.valor << " G" << c.w << '.' << c.d;
    }
    EXPECT_EQ(formatoG(1234567.0, 11, 6), ".123457E+07");
    EXPECT_EQ(formatoG(-1234567.0, 11, 6), "***********");
    EXPECT_EQ(formatoG(1234567.0, 12, 6), "0.123457E+07");
    EXPECT_EQ(formatoG(-123456.7, 11, 6), "***********"); // fixed form too wide for w-4
    EXPECT_EQ(formatoG(-123456.7, 12, 6), "-123457.    ");
}

// A record: one blank, then the body right-justified in 25 characters.
std::string registro(const std::string& cuerpo) {
    return " " + std::string(25 - cuerpo.size(), ' ') + cuerpo;
}

TEST(RegistroCurva, FixedAndExponentForms) {
    EXPECT_EQ(registroCurva(1.4), registro("1.40000000000000     "));
    EXPECT_EQ(registroCurva(-1.1336), registro("-1.13360000000000     "));
    EXPECT_EQ(registroCurva(0.0), registro("0.000000000000000E+000"));
    EXPECT_EQ(registroCurva(-0.0), registro("0.000000000000000E+000"));
    EXPECT_EQ(registroCurva(0.1), registro("0.100000000000000     "));
    EXPECT_EQ(registroCurva(0.09), registro("0.900000000000000E-001"));
    EXPECT_EQ(registroCurva(0.09999999999999999), registro("0.100000000000000     "));
    EXPECT_EQ(registroCurva(1e-5), registro("0.100000000000000E-004"));
    EXPECT_EQ(registroCurva(123456789012345.0), registro("123456789012345.     "));
    EXPECT_EQ(registroCurva(999999999999999.9), registro("0.100000000000000E+016"));
    EXPECT_EQ(registroCurva(1e300), registro("0.100000000000000E+301"));
    EXPECT_EQ(registroCurva(-2.5e-300), registro("-0.250000000000000E-299"));
    EXPECT_EQ(registroCurva(4.9406564584124654e-324), registro("0.494065645841247E-323"));
    EXPECT_EQ(registroCurva(INF), registro("Infinity"));
    EXPECT_EQ(registroCurva(-INF), registro("-Infinity"));
    EXPECT_EQ(registroCurva(NaN), registro("NaN"));
    EXPECT_EQ(registroCurva(1.4).size(), 26u);
}

TEST(Formato, MeaninglessDigitCountsGiveAsterisksNotACrash) {
    EXPECT_EQ(formatoF(1.5, 5, -1), "*****");
    EXPECT_EQ(formato1PE(1.5, 5, -1), "*****");
    EXPECT_EQ(formatoG(1.5, 5, 0), "*****");
    EXPECT_EQ(formatoG(1.5, 0, 2), "");
    EXPECT_EQ(formatoI(7, 0), "");
    EXPECT_EQ(espacios(-3), "");
    EXPECT_EQ(espacios(3), "   ");
    EXPECT_EQ(formatoI(-9223372036854775807LL - 1, 20), "-9223372036854775808");
}

TEST(RegistroCurva, EveryRecordHasTheSameWidthAndReadsBack) {
    std::mt19937_64 azar(7);
    std::uniform_real_distribution<double> mantisa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponente(-300, 300);
    for (int i = 0; i < 5000; ++i) {
        const double v = mantisa(azar) * std::pow(10.0, exponente(azar));
        const std::string r = registroCurva(v);
        ASSERT_EQ(r.size(), 26u) << r;
        ASSERT_EQ(r[0], ' ');
        // The letter E is always present in the exponent form of a record.
        const auto inicio = r.find_first_not_of(' ');
        double leido = 0.0;
        const auto fin = r.find(' ', inicio);
        const std::string numero = r.substr(inicio, fin == std::string::npos ? fin : fin - inicio);
        ASSERT_EQ(std::from_chars(numero.data(), numero.data() + numero.size(), leido).ec,
                  std::errc())
            << r;
        EXPECT_NEAR(leido, v, std::fabs(v) * 6e-15) << r;
    }
}

} // namespace
} // namespace curvifit
