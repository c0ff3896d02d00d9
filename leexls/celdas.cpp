#include "celdas.h"

#include <charconv>
#include <limits>

namespace leexls {

namespace {

std::string escapa(std::string_view texto) {
    std::string escrito;
    for (char c : texto) {
        if (c == '\\') {
            escrito += "\\\\";
        } else if (c == '\n') {
            escrito += "\\n";
        } else if (c == '\r') {
            escrito += "\\r";
        } else {
            escrito += c;
        }
    }
    return escrito;
}

std::optional<std::string> desescapa(std::string_view texto) {
    std::string leido;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        if (texto[i] != '\\') {
            leido += texto[i];
            continue;
        }
        if (++i == texto.size()) {
            return std::nullopt;
        }
        switch (texto[i]) {
        case '\\':
            leido += '\\';
            break;
        case 'n':
            leido += '\n';
            break;
        case 'r':
            leido += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return leido;
}

template <typename T> std::string numero(T valor) {
    char texto[64];
    const auto fin = std::to_chars(texto, texto + sizeof texto, valor).ptr;
    return std::string(texto, fin);
}

template <typename T> std::optional<T> leeNumero(std::string_view texto) {
    T valor{};
    const auto [fin, error] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    if (error != std::errc() || fin != texto.data() + texto.size()) {
        return std::nullopt;
    }
    return valor;
}

// The next field up to a blank (or the rest of the line when `resto`).
std::string_view campo(std::string_view& linea, bool resto = false) {
    const std::size_t fin = resto ? linea.npos : linea.find(' ');
    const std::string_view leido = linea.substr(0, fin);
    linea = fin == linea.npos ? std::string_view() : linea.substr(fin + 1);
    return leido;
}

std::optional<CeldaLibro> leeCelda(std::string_view linea, std::size_t indice) {
    CeldaLibro celda;
    const auto fila = leeNumero<int>(campo(linea));
    const auto columna = leeNumero<int>(campo(linea));
    if (!fila || !columna || *fila != static_cast<int>(indice) / COLUMNAS_LEIDAS + 1 ||
        *columna != static_cast<int>(indice) % COLUMNAS_LEIDAS + 1) {
        return std::nullopt;
    }
    celda.fila = *fila;
    celda.columna = *columna;
    const std::string_view tipo = campo(linea);
    if (tipo == "vacia" && linea.empty()) {
        celda.tipo = TipoCelda::Vacia;
    } else if (tipo == "entero") {
        const auto valor = leeNumero<long long>(campo(linea, true));
        if (!valor) {
            return std::nullopt;
        }
        celda.tipo = TipoCelda::Entero;
        celda.entero = *valor;
    } else if (tipo == "real") {
        const auto valor = leeNumero<double>(campo(linea, true));
        if (!valor) {
            return std::nullopt;
        }
        celda.tipo = TipoCelda::Real;
        celda.real = *valor;
    } else if (tipo == "texto") {
        auto valor = desescapa(campo(linea, true));
        if (!valor) {
            return std::nullopt;
        }
        celda.tipo = TipoCelda::Texto;
        celda.texto = std::move(*valor);
    } else {
        return std::nullopt;
    }
    return celda;
}

} // namespace

std::string textoSalida(const LecturaLibro& lectura) {
    std::string salida;
    for (const CeldaLibro& celda : lectura.celdas) {
        salida += numero(celda.fila) + ' ' + numero(celda.columna) + ' ';
        switch (celda.tipo) {
        case TipoCelda::Vacia:
            salida += "vacia";
            break;
        case TipoCelda::Entero:
            salida += "entero " + numero(celda.entero);
            break;
        case TipoCelda::Real:
            salida += "real " + numero(celda.real);
            break;
        case TipoCelda::Texto:
            salida += "texto " + escapa(celda.texto);
            break;
        }
        salida += '\n';
    }
    salida += lectura.completa ? "fin completa\n" : "fin incompleta\n";
    return salida;
}

std::optional<LecturaLibro> leeSalida(std::string_view salida) {
    LecturaLibro lectura;
    constexpr std::size_t maximo = FILAS_LEIDAS * COLUMNAS_LEIDAS;
    while (!salida.empty()) {
        const std::size_t fin = salida.find('\n');
        if (fin == salida.npos) {
            return std::nullopt; // every line, the last one included, ends with LF
        }
        const std::string_view linea = salida.substr(0, fin);
        salida.remove_prefix(fin + 1);
        if (linea == "fin completa" || linea == "fin incompleta") {
            lectura.completa = linea == "fin completa";
            const bool cuadra = lectura.completa == (lectura.celdas.size() == maximo);
            return cuadra && salida.empty() ? std::optional(std::move(lectura)) : std::nullopt;
        }
        if (lectura.celdas.size() == maximo) {
            return std::nullopt;
        }
        auto celda = leeCelda(linea, lectura.celdas.size());
        if (!celda) {
            return std::nullopt;
        }
        lectura.celdas.push_back(std::move(*celda));
    }
    return std::nullopt;
}

} // namespace leexls
