// A plain reference for the number notations, working on the exact decimal expansion of
// each double (long multiplication), so that its rounding owes nothing to std::to_chars.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace curvifit::referencia {

// value = 0.digitos x 10^punto, digitos without leading zeros (empty for zero).
struct Decimal {
    std::string digitos;
    int punto = 0;
};

// Exact decimal expansion of a finite positive double: M x 2^E = M x 5^-E / 10^-E.
inline Decimal calculaExpansion(double v) {
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
inline Decimal expansionExacta(double v) {
    static double ultimo = -1.0;
    static Decimal expansion;
    if (v != ultimo) {
        expansion = calculaExpansion(v);
        ultimo = v;
    }
    return expansion;
}

// Keeps the first `n` digits (n may be <= 0), rounding half to even on exact ties.
inline Decimal redondea(const Decimal& x, int n) {
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

inline std::string justifica(const std::string& s, int w) {
    if (static_cast<int>(s.size()) > w) {
        return std::string(static_cast<std::size_t>(w), '*');
    }
    return std::string(static_cast<std::size_t>(w) - s.size(), ' ') + s;
}

inline std::string signoDe(double v) {
    return v < 0 ? "-" : "";
}

// Digit at place 10^(punto - 1 - i) of the rounded value, 0 outside its digits.
inline char cifraEn(const Decimal& x, int posicion) {
    const int i = x.punto - 1 - posicion;
    if (i < 0 || i >= static_cast<int>(x.digitos.size())) {
        return '0';
    }
    return x.digitos[static_cast<std::size_t>(i)];
}

inline std::string referenciaF(double v, int w, int d) {
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

inline std::string exponenteRef(int e, int cifras) {
    std::string n = std::to_string(std::abs(e));
    n.insert(0, n.size() < static_cast<std::size_t>(cifras) ? cifras - n.size() : 0, '0');
    const std::string s = e < 0 ? "-" : "+";
    if (static_cast<int>(n.size()) == cifras) {
        return "E" + s + n;
    }
    return s + n;
}

inline std::string referenciaGeneral(double v, int w, int d, int cifrasExp, int blancos) {
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

inline std::string referencia1PE(double v, int w, int d) {
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

} // namespace curvifit::referencia
