#include "argumentos.h"

#include "errores.h"

#include <charconv>

namespace curvifit {

namespace {

ErrorMotor errorArgumento(const std::string& mensaje) {
    return {Salida::DatosNoAdmitidos, "Argumentos de curvifit: " + mensaje};
}

const std::string& valorDe(const std::vector<std::string>& argumentos, std::size_t i) {
    if (i + 1 >= argumentos.size()) {
        throw errorArgumento("falta el valor de la opción " + argumentos[i]);
    }
    return argumentos[i + 1];
}

int leeJmax(const std::string& texto) {
    int valor = -1;
    const char* fin = texto.data() + texto.size();
    const auto [ptr, error] = std::from_chars(texto.data(), fin, valor);
    if (texto.empty() || error != std::errc() || ptr != fin || valor < 0 || valor > JMAX_MAXIMO) {
        throw errorArgumento("--jmax necesita un número entero de 0 a " +
                             std::to_string(JMAX_MAXIMO) + " (se dio \"" + texto + "\")");
    }
    return valor;
}

} // namespace

Argumentos leeArgumentos(const std::vector<std::string>& argumentos) {
    Argumentos leidos;
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& palabra = argumentos[i];
        if (palabra == "--explorar") {
            // Without a name it fails later as a plain run without one does.
            leidos.explorar = i + 1 < argumentos.size() ? argumentos[++i] : "";
        } else if (i == 0) {
            // The first argument names the document, whatever it looks like, as it always did.
            leidos.nombre = palabra;
        } else if (palabra == "--jmax") {
            leidos.jmax = leeJmax(valorDe(argumentos, i));
            ++i;
        } else if (palabra == "--json") {
            leidos.json = true;
        }
    }
    return leidos;
}

Argumentos leeArgumentos(int argc, const char* const* argv) {
    std::vector<std::string> argumentos;
    for (int i = 1; i < argc; ++i) {
        argumentos.emplace_back(argv[i]);
    }
    return leeArgumentos(argumentos);
}

} // namespace curvifit
