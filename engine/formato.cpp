#include "formato.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace curvifit {

namespace {

// |v| rounded to n significant digits: v ~ 0.d1d2...dn x 10^exponente.
// std::to_chars rounds correctly, exact binary ties to even.
struct Cifras {
    std::string digitos;
    int exponente = 0;
};

Cifras redondeaSignificativas(double magnitud, int n) {
    Cifras c;
    if (magnitud == 0.0) {
        c.digitos.assign(static_cast<std::size_t>(n), '0');
        return c;
    }
    std::string buf(static_cast<std::size_t>(n) + 32, '\0');
    const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), magnitud,
                                 std::chars_format::scientific, n - 1);
    const std::string texto(buf.data(), r.ptr);
    const auto e = texto.find('e');
    for (std::size_t i = 0; i < e; ++i) {
        if (texto[i] != '.') {
            c.digitos.push_back(texto[i]);
        }
    }
    int exponente = 0;
    const char* inicio = texto.data() + e + 1;
    if (*inicio == '+') {
        ++inicio;
    }
    std::from_chars(inicio, texto.data() + texto.size(), exponente);
    c.exponente = exponente + 1;
    return c;
}

std::string textoEntero(long long n) {
    char texto[24];
    const auto r = std::to_chars(texto, texto + sizeof texto, n);
    return std::string(texto, r.ptr);
}

// Zero carries no sign, whatever its sign bit.
bool llevaSigno(double v) {
    return std::signbit(v) && v != 0.0;
}

std::string asteriscos(int w) {
    return std::string(static_cast<std::size_t>(w > 0 ? w : 0), '*');
}

std::string ajustaDerecha(const std::optional<std::string>& cuerpo, int w) {
    if (!cuerpo || static_cast<int>(cuerpo->size()) > w) {
        return asteriscos(w);
    }
    return std::string(static_cast<std::size_t>(w) - cuerpo->size(), ' ') + *cuerpo;
}

std::string noFinito(double v, int w) {
    if (std::isnan(v)) {
        return ajustaDerecha(std::string("NaN"), w);
    }
    return ajustaDerecha(std::string(v < 0 ? "-Infinity" : "Infinity"), w);
}

// Exponent part: E, sign and `minimo` digits; past the width of `minimo` digits the letter
// E gives way to a third digit when minimo is 2. Nothing when even that does not fit.
std::optional<std::string> parteExponente(int exponente, int minimo) {
    const int magnitud = std::abs(exponente);
    std::string digitos = textoEntero(magnitud);
    const char signo = exponente < 0 ? '-' : '+';
    if (static_cast<int>(digitos.size()) < minimo) {
        digitos.insert(0, static_cast<std::size_t>(minimo) - digitos.size(), '0');
    }
    if (static_cast<int>(digitos.size()) == minimo) {
        return std::string("E") + signo + digitos;
    }
    if (minimo == 2 && digitos.size() == 3) {
        return std::string(1, signo) + digitos;
    }
    return std::nullopt;
}

// The fixed-point body of Fw.d, without padding; the 0 before the point is dropped when
// the field has no room for it.
std::optional<std::string> cuerpoFijo(double v, int w, int d) {
    std::string buf(static_cast<std::size_t>(d) + 330, '\0');
    const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(v),
                                 std::chars_format::fixed, d);
    if (r.ec != std::errc()) {
        return std::nullopt;
    }
    std::string texto(buf.data(), r.ptr);
    if (d == 0) {
        texto += '.';
    }
    const std::string signo = llevaSigno(v) ? "-" : "";
    std::string completo = signo + texto;
    if (static_cast<int>(completo.size()) <= w || d == 0 || texto[0] != '0') {
        return completo;
    }
    return signo + texto.substr(1);
}

// The exponent body 0.ddd...E+nn of Ew.d (scale factor 0), the leading 0 only when there
// is room for it.
std::optional<std::string> cuerpoExponente(double v, int w, int d, int digitosExponente) {
    const Cifras c = redondeaSignificativas(std::fabs(v), d);
    const auto exponente = parteExponente(v == 0.0 ? 0 : c.exponente, digitosExponente);
    if (!exponente) {
        return std::nullopt;
    }
    const std::string signo = llevaSigno(v) ? "-" : "";
    const std::string completo = signo + "0." + c.digitos + *exponente;
    if (static_cast<int>(completo.size()) <= w) {
        return completo;
    }
    return signo + "." + c.digitos + *exponente;
}

// Gw.dEe with `blancos` trailing blanks after the fixed form.
std::string general(double v, int w, int d, int digitosExponente, int blancos) {
    if (d < 1) {
        return asteriscos(w);
    }
    if (!std::isfinite(v)) {
        return noFinito(v, w);
    }
    int decimales = d - 1;
    bool fijo = v == 0.0;
    if (!fijo) {
        const int k = redondeaSignificativas(std::fabs(v), d).exponente;
        fijo = k >= 0 && k <= d;
        decimales = d - k;
    }
    if (!fijo) {
        return ajustaDerecha(cuerpoExponente(v, w, d, digitosExponente), w);
    }
    const int ancho = w - blancos;
    const auto cuerpo = cuerpoFijo(v, ancho, decimales);
    if (!cuerpo || static_cast<int>(cuerpo->size()) > ancho) {
        return asteriscos(w);
    }
    return ajustaDerecha(cuerpo, ancho) + espacios(blancos);
}

} // namespace

std::string espacios(int n) {
    return std::string(static_cast<std::size_t>(n > 0 ? n : 0), ' ');
}

std::string formatoI(long long n, int w) {
    return ajustaDerecha(textoEntero(n), w);
}

std::string formatoF(double v, int w, int d) {
    if (d < 0) {
        return asteriscos(w);
    }
    if (!std::isfinite(v)) {
        return noFinito(v, w);
    }
    return ajustaDerecha(cuerpoFijo(v, w, d), w);
}

std::string formato1PE(double v, int w, int d) {
    if (d < 0) {
        return asteriscos(w);
    }
    if (!std::isfinite(v)) {
        return noFinito(v, w);
    }
    const Cifras c = redondeaSignificativas(std::fabs(v), d + 1);
    const auto exponente = parteExponente(v == 0.0 ? 0 : c.exponente - 1, 2);
    if (!exponente) {
        return asteriscos(w);
    }
    const std::string signo = llevaSigno(v) ? "-" : "";
    return ajustaDerecha(signo + c.digitos.substr(0, 1) + "." + c.digitos.substr(1) + *exponente,
                         w);
}

std::string formatoG(double v, int w, int d) {
    return general(v, w, d, 2, 4);
}

std::string registroCurva(double v) {
    // The fixed form covers [0.1, 1e15); zero takes the exponent form.
    const std::string campo =
        v == 0.0 ? ajustaDerecha(cuerpoExponente(0.0, 25, 15, 3), 25) : general(v, 25, 15, 3, 5);
    return espacios(1) + campo;
}

} // namespace curvifit
