#include "argumentos.h"

#include "errores.h"

#include <charconv>
#include <cmath>

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

// Two positive finite masses in atomic mass units, as "M1,M2".
MasasIsotopologo leeMasas(const std::string& texto) {
    const auto mal = [&texto] {
        return errorArgumento("--masas necesita dos masas atómicas positivas separadas por una "
                              "coma, como 1.00782503,34.96885268 (se dio \"" +
                              texto + "\")");
    };
    const std::size_t coma = texto.find(',');
    if (coma == std::string::npos) {
        throw mal();
    }
    MasasIsotopologo masas{};
    const char* inicio = texto.data();
    const char* finales[] = {texto.data() + coma, texto.data() + texto.size()};
    for (std::size_t m = 0; m < 2; ++m) {
        const auto [ptr, error] = std::from_chars(inicio, finales[m], masas[m]);
        if (error != std::errc() || ptr != finales[m] || !std::isfinite(masas[m]) ||
            !(masas[m] > 0.0)) {
            throw mal();
        }
        inicio = finales[m] + 1;
    }
    return masas;
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
        } else if (palabra == "--masas") {
            leidos.masas.push_back(leeMasas(valorDe(argumentos, i)));
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
