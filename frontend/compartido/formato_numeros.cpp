#include "compartido/formato_numeros.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace oscilab {

namespace {

QString fijoCuatroDecimales(double valor, bool separarMiles) {
    if (!std::isfinite(valor)) {
        return valor > 0
                   ? QCoreApplication::translate("formato_numeros", "Infinito")
                   : (valor < 0 ? QLatin1Char('-') +
                                      QCoreApplication::translate("formato_numeros", "Infinito")
                                : QStringLiteral("NaN"));
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

QString formatoEsquina(double valor) {
    return fijoCuatroDecimales(valor, true);
}

QString formatoTooltip(double valor) {
    return fijoCuatroDecimales(valor, false);
}

QString formatoBorde(double valor, double ancho) {
    int cifras = 6;
    const double razon = std::fabs(valor) / ancho;
    if (ancho > 0.0 && std::isfinite(razon) && razon > 0.0) {
        cifras = std::clamp(static_cast<int>(std::ceil(std::log10(razon))) + 4, 6, 15);
    }
    return QString::number(valor, 'g', cifras);
}

} // namespace oscilab
