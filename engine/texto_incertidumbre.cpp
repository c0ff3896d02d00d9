#include "texto_incertidumbre.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace curvifit {

std::string numero(double v, std::chars_format formato, int precision) {
    char texto[64];
    const auto fin = std::to_chars(texto, texto + sizeof texto, v, formato, precision);
    return std::string(texto, fin.ptr);
}

std::string textoNumero(double v, std::chars_format formato, int precision) {
    return std::isfinite(v) ? numero(v, formato, precision) : "-";
}

std::string textoExacto(double v) {
    if (!std::isfinite(v)) {
        return "-";
    }
    char texto[64];
    const auto fin = std::to_chars(texto, texto + sizeof texto, v);
    return std::string(texto, fin.ptr);
}

int decimalesSegunError(double error) {
    return std::clamp(1 - static_cast<int>(std::floor(std::log10(error))), 0, 15);
}

std::string textoParentesis(double valor, std::optional<double> error) {
    if (!std::isfinite(valor)) {
        return "-";
    }
    if (!error || !std::isfinite(*error) || *error <= 0.0) {
        return numero(valor, std::chars_format::general, 7);
    }
    const double magnitud = std::fabs(valor);
    int exponente = 0;
    if (magnitud != 0.0 && (magnitud < 1e-3 || magnitud >= 1e5)) {
        exponente = static_cast<int>(std::floor(std::log10(magnitud)));
    }
    const double escala = std::pow(10.0, -exponente);
    const double e = *error * escala;
    int decimales = decimalesSegunError(e);
    long long digitos = std::llround(e * std::pow(10.0, decimales));
    if (digitos >= 100 && decimales > 0) { // 0.0996 rounds up to 0.10: one decimal fewer
        --decimales;
        digitos = std::llround(e * std::pow(10.0, decimales));
    }
    std::string texto = numero(valor * escala, std::chars_format::fixed, decimales) + "(" +
                        std::to_string(digitos) + ")";
    if (exponente != 0) {
        char potencia[16];
        std::snprintf(potencia, sizeof potencia, "e%+03d", exponente);
        texto += potencia;
    }
    return texto;
}

} // namespace curvifit
