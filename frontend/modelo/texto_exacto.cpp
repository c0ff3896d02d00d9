#include "texto_exacto.h"

#include <array>
#include <charconv>

namespace oscilab {

QString textoExacto(double valor) {
    // Without a precision to_chars gives the shortest form that round-trips.
    std::array<char, 32> texto{};
    const auto r = std::to_chars(texto.data(), texto.data() + texto.size(), valor);
    QString resultado = QString::fromLatin1(texto.data(), r.ptr - texto.data());
    resultado.replace(QLatin1Char('e'), QLatin1Char('E'));
    return resultado;
}

} // namespace oscilab
