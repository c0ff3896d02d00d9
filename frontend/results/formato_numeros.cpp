#include "formato_numeros.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace oscilab {

namespace {

QString fijoCuatroDecimales(double valor, bool separarMiles) {
    if (!std::isfinite(valor)) {
        return valor > 0 ? QStringLiteral("Infinito")
                         : (valor < 0 ? QStringLiteral("-Infinito") : QStringLiteral("NaN"));
    }
    std::array<char, 400> buffer{};
    const auto [fin, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), valor,
                                         std::chars_format::fixed, 4);
    if (ec != std::errc()) {
        return QStringLiteral("?");
    }
    std::string texto(buffer.data(), fin);
    bool negativo = texto.front() == '-';
    if (negativo) {
        texto.erase(0, 1);
    }
    if (texto.find_first_not_of("0.") == std::string::npos) {
        negativo = false; // no "-0.0000"
    }
    if (separarMiles) {
        const auto punto = static_cast<std::ptrdiff_t>(texto.find('.'));
        for (std::ptrdiff_t i = punto - 3; i > 0; i -= 3) {
            texto.insert(static_cast<std::size_t>(i), 1, ',');
        }
    }
    return QString::fromLatin1((negativo ? "-" : "") + texto);
}

} // namespace

std::optional<double> numeroCompleto(const QByteArray& campo) {
    const char* inicio = campo.constData();
    const char* fin = inicio + campo.size();
    if (inicio != fin && *inicio == '+') {
        ++inicio;
        if (inicio != fin && (*inicio == '-' || *inicio == '+')) {
            return std::nullopt;
        }
    }
    if (inicio == fin) {
        return std::nullopt;
    }
    double valor = 0.0;
    const auto [ptr, ec] = std::from_chars(inicio, fin, valor);
    if (ec != std::errc() || ptr != fin || !std::isfinite(valor)) {
        return std::nullopt;
    }
    return valor;
}

double valornumerico(const QString& texto) {
    const std::string s = texto.toStdString();
    std::size_t i = s.find_first_not_of(" \t");
    if (i == std::string::npos) {
        return 0.0;
    }
    bool negativo = false;
    if (s[i] == '+' || s[i] == '-') {
        negativo = s[i] == '-';
        ++i;
    }
    // Only digits and a point may start the number: no "inf", "nan" or hexadecimal.
    if (i >= s.size() || !(std::isdigit(static_cast<unsigned char>(s[i])) || s[i] == '.')) {
        return 0.0;
    }
    double valor = 0.0;
    const auto [ptr, ec] = std::from_chars(s.data() + i, s.data() + s.size(), valor);
    if (ec != std::errc() || !std::isfinite(valor)) {
        return 0.0;
    }
    (void)ptr;
    return negativo ? -valor : valor;
}

QString textoGeneral(double valor) {
    std::array<char, 64> buffer{};
    const auto [fin, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), valor,
                                         std::chars_format::general, 15);
    if (ec != std::errc()) {
        return QStringLiteral("0");
    }
    return QString::fromLatin1(buffer.data(), fin - buffer.data()).toUpper();
}

QString formatoEsquina(double valor) {
    return fijoCuatroDecimales(valor, true);
}

QString formatoTooltip(double valor) {
    return fijoCuatroDecimales(valor, false);
}

int validanumfloat(int tecla, const QString& cadena) {
    int puntos = static_cast<int>(cadena.count(QLatin1Char('.')));
    if (tecla == 46) {
        ++puntos;
    }
    const bool permitida = (tecla >= 48 && tecla <= 57) || tecla == 8 || tecla == 46 ||
                           tecla == 45 || tecla == 13 || (tecla >= 25 && tecla <= 28);
    if (!permitida || puntos >= 2) {
        return 0;
    }
    return tecla;
}

} // namespace oscilab
