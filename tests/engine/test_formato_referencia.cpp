// Differential check of the number notations against the exact-decimal reference.
#include "formato.h"
#include "referencia_decimal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace curvifit {
namespace {

using namespace referencia;

struct Descriptor {
    char letra;
    int w;
    int d;
};

// Every notation the report uses.
const std::vector<Descriptor> DEL_INFORME = {
    {'F', 10, 5}, {'F', 10, 2}, {'F', 8, 2}, {'F', 9, 5},  {'E', 13, 6},
    {'E', 16, 7}, {'G', 15, 8}, {'G', 9, 2}, {'G', 14, 6}, {'G', 14, 7},
    {'G', 14, 8}, {'G', 13, 6}, {'G', 8, 3}, {'G', 12, 6},
};

void compara(double v, const Descriptor& f) {
    switch (f.letra) {
    case 'F':
        ASSERT_EQ(formatoF(v, f.w, f.d), referenciaF(v, f.w, f.d))
            << std::hexfloat << v << " F" << f.w << '.' << f.d;
        break;
    case 'E':
        ASSERT_EQ(formato1PE(v, f.w, f.d), referencia1PE(v, f.w, f.d))
            << std::hexfloat << v << " 1PE" << f.w << '.' << f.d;
        break;
    default:
        ASSERT_EQ(formatoG(v, f.w, f.d), referenciaGeneral(v, f.w, f.d, 2, 4))
            << std::hexfloat << v << " G" << f.w << '.' << f.d;
    }
}

TEST(FormatoReferencia, ReferenceAgreesWithHandCases) {
    EXPECT_EQ(referenciaGeneral(9.95, 9, 2, 2, 4), "  9.9    ");
    EXPECT_EQ(referenciaGeneral(-0.0471, 12, 6, 2, 4), "-.471000E-01");
    EXPECT_EQ(referenciaF(0.125, 6, 2), "  0.12");
    EXPECT_EQ(referencia1PE(1.5e-200, 13, 6), " 1.500000-200");
}

TEST(FormatoReferencia, RandomValuesOverManyDecades) {
    std::mt19937_64 azar(20261208);
    std::uniform_real_distribution<double> mantisa(1.0, 10.0);
    std::uniform_int_distribution<int> decada(-40, 40);
    std::bernoulli_distribution negativo(0.5);
    for (int i = 0; i < 20000; ++i) {
        double v = mantisa(azar) * std::pow(10.0, decada(azar));
        if (negativo(azar)) {
            v = -v;
        }
        for (const auto& f : DEL_INFORME) {
            compara(v, f);
        }
        ASSERT_EQ(registroCurva(v), " " + referenciaGeneral(v, 25, 15, 3, 5)) << v;
    }
}

TEST(FormatoReferencia, ExactBinaryTiesAndDecadeBoundaries) {
    std::mt19937_64 azar(42);
    std::uniform_int_distribution<long long> entero(1, 100000000);
    std::uniform_int_distribution<int> potencia2(1, 12);
    std::uniform_int_distribution<int> escala(0, 6);
    for (int i = 0; i < 20000; ++i) {
        // a / 2^b has an exact finite expansion: ties happen at the last printed digit.
        const double v = std::ldexp(static_cast<double>(entero(azar)), -potencia2(azar)) /
                         std::pow(10.0, escala(azar));
        for (const auto& f : DEL_INFORME) {
            compara(v, f);
            compara(-v, f);
        }
    }
    // Just below and above each power of ten, where the G form switches.
    for (int e = -30; e <= 30; ++e) {
        const double p = std::pow(10.0, e);
        for (double v : {p, std::nextafter(p, 0.0), std::nextafter(p, 1e300), p * 0.99999999,
                         p * 0.9995, p * 0.995, p * 0.95, p * 0.9999999995}) {
            for (const auto& f : DEL_INFORME) {
                compara(v, f);
                compara(-v, f);
            }
            ASSERT_EQ(registroCurva(v), " " + referenciaGeneral(v, 25, 15, 3, 5)) << v;
        }
    }
}

TEST(FormatoReferencia, ExtremeMagnitudes) {
    for (double v : {1e-300, 4.9406564584124654e-324, 2.2250738585072014e-308, 1e100, 9.99e99,
                     1.7976931348623157e308, 1e-99, 9.999999e-100}) {
        for (const auto& f : DEL_INFORME) {
            compara(v, f);
            compara(-v, f);
        }
        ASSERT_EQ(registroCurva(v), " " + referenciaGeneral(v, 25, 15, 3, 5)) << v;
    }
}

} // namespace
} // namespace curvifit
