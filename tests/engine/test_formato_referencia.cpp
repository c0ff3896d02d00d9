// Differential check of the number notations against a plain reference that works on the
// exact decimal expansion of each double (long multiplication), so that its rounding owes
// nothing to std::to_chars.
#include "formato.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace curvifit {
namespace {

// value = 0.digitos x 10^punto, digitos without leading zeros (empty for zero).
struct Decimal {
    std::string digitos;
    int punto = 0;
};

// Exact decimal expansion of a finite positive double: M x 2^E = M x 5^-E / 10^-E.
Decimal calculaExpansion(double v) {
    int e = 0;
    const double m = std::frexp(v, &e);
    std::uint64_t entero = static_cast<std::uint64_t>(std::ldexp(m, 53));
    int exp2 = e - 53;
    std::vector<int> cifras; // little-endian base 10
    while (entero > 0) {
        cifras.push_back(static_cast<int>(entero % 10));
        entero /= 10;
    }
    const int factor = exp2 >= 0 ? 2 : 5;
    for (int i = 0; i < std::abs(exp2); ++i) {
        int acarreo = 0;
        for (int& c : cifras) {
            const int p = c * factor + acarreo;
            c = p % 10;
            acarreo = p / 10;
        }
        if (acarreo > 0) {
            cifras.push_back(acarreo);
        }
    }
    Decimal d;
    for (auto it = cifras.rbegin(); it != cifras.rend(); ++it) {
        d.digitos.push_back(static_cast<char>('0' + *it));
    }
    const int decimales = exp2 >= 0 ? 0 : -exp2;
    d.punto = static_cast<int>(d.digitos.size()) - decimales;
    return d;
}

// Each value is formatted in many notations in a row: keep its last expansion.
Decimal expansionExacta(double v) {
    static double ultimo = -1.0;
    static Decimal expansion;
    if (v != ultimo) {
        expansion = calculaExpansion(v);
        ultimo = v;
    }
    return expansion;
}

// Keeps the first `n` digits (n may be <= 0), rounding half to even on exact ties.
Decimal redondea(const Decimal& x, int n) {
    Decimal r{x.digitos, x.punto};
    if (n >= static_cast<int>(r.digitos.size())) {
        r.digitos.append(static_cast<std::size_t>(n) - r.digitos.size(), '0');
        return r;
    }
    if (n < 0) {
        return Decimal{std::string(), x.punto};
    }
    const char primera = r.digitos[static_cast<std::size_t>(n)];
    const bool restoCero =
        r.digitos.find_first_not_of('0', static_cast<std::size_t>(n) + 1) == std::string::npos;
    const int ultima = n > 0 ? r.digitos[static_cast<std::size_t>(n) - 1] - '0' : 0;
    const bool sube = primera > '5' || (primera == '5' && (!restoCero || ultima % 2 == 1));
    r.digitos.resize(static_cast<std::size_t>(n));
    if (sube) {
        int i = n - 1;
        while (i >= 0 && r.digitos[static_cast<std::size_t>(i)] == '9') {
            r.digitos[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++r.digitos[static_cast<std::size_t>(i)];
        } else {
            r.digitos.insert(0, "1");
            r.digitos.pop_back();
            ++r.punto;
            if (n == 0) {
                r.digitos = "1";
            }
        }
    }
    return r;
}

std::string justifica(const std::string& s, int w) {
    if (static_cast<int>(s.size()) > w) {
        return std::string(static_cast<std::size_t>(w), '*');
    }
    return std::string(static_cast<std::size_t>(w) - s.size(), ' ') + s;
}

std::string signoDe(double v) {
    return v < 0 ? "-" : "";
}

// Digit at place 10^(punto - 1 - i) of the rounded value, 0 outside its digits.
char cifraEn(const Decimal& x, int posicion) {
    const int i = x.punto - 1 - posicion;
    if (i < 0 || i >= static_cast<int>(x.digitos.size())) {
        return '0';
    }
    return x.digitos[static_cast<std::size_t>(i)];
}

std::string referenciaF(double v, int w, int d) {
    if (std::isinf(v)) {
        return justifica(v < 0 ? "-Infinity" : "Infinity", w);
    }
    const Decimal exacto = v == 0.0 ? Decimal{} : expansionExacta(std::fabs(v));
    const Decimal x = redondea(exacto, exacto.punto + d);
    std::string entera;
    for (int pos = std::max(x.punto, 1) - 1; pos >= 0; --pos) {
        entera.push_back(cifraEn(x, pos));
    }
    entera.erase(0, std::min(entera.find_first_not_of('0'), entera.size() - 1));
    std::string fraccion;
    for (int pos = -1; pos >= -d; --pos) {
        fraccion.push_back(cifraEn(x, pos));
    }
    const std::string con = signoDe(v) + entera + "." + fraccion;
    if (static_cast<int>(con.size()) > w && entera == "0" && d > 0) {
        return justifica(signoDe(v) + "." + fraccion, w);
    }
    return justifica(con, w);
}

std::string exponenteRef(int e, int cifras) {
    std::string n = std::to_string(std::abs(e));
    n.insert(0, n.size() < static_cast<std::size_t>(cifras) ? cifras - n.size() : 0, '0');
    const std::string s = e < 0 ? "-" : "+";
    if (static_cast<int>(n.size()) == cifras) {
        return "E" + s + n;
    }
    return s + n;
}

std::string referenciaGeneral(double v, int w, int d, int cifrasExp, int blancos) {
    if (std::isinf(v)) {
        return justifica(v < 0 ? "-Infinity" : "Infinity", w);
    }
    if (v == 0.0) {
        const std::string f = referenciaF(0.0, w - blancos, d - 1);
        return f[0] == '*' ? justifica("*" + std::string(w, '*'), w)
                           : f + std::string(blancos, ' ');
    }
    const Decimal x = redondea(expansionExacta(std::fabs(v)), d);
    if (x.punto >= 0 && x.punto <= d) {
        const std::string f = referenciaF(v, w - blancos, d - x.punto);
        return f[0] == '*' ? std::string(w, '*') : f + std::string(blancos, ' ');
    }
    const std::string cola = x.digitos + exponenteRef(x.punto, cifrasExp);
    const std::string con = signoDe(v) + "0." + cola;
    return justifica(static_cast<int>(con.size()) <= w ? con : signoDe(v) + "." + cola, w);
}

std::string referencia1PE(double v, int w, int d) {
    if (std::isinf(v)) {
        return justifica(v < 0 ? "-Infinity" : "Infinity", w);
    }
    if (v == 0.0) {
        return justifica("0." + std::string(d, '0') + "E+00", w);
    }
    const Decimal x = redondea(expansionExacta(std::fabs(v)), d + 1);
    return justifica(signoDe(v) + x.digitos.substr(0, 1) + "." + x.digitos.substr(1) +
                         exponenteRef(x.punto - 1, 2),
                     w);
}

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
