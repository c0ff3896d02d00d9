#include "argumentos.h"

#include "errores.h"
#include "lectura_libre.h"

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

int leeEntero(const std::string& opcion, const std::string& texto, int minimo, int maximo) {
    int valor = minimo - 1;
    const char* fin = texto.data() + texto.size();
    const auto [ptr, error] = std::from_chars(texto.data(), fin, valor);
    if (texto.empty() || error != std::errc() || ptr != fin || valor < minimo || valor > maximo) {
        throw errorArgumento(opcion + " necesita un número entero de " + std::to_string(minimo) +
                             " a " + std::to_string(maximo) + " (se dio \"" + texto + "\")");
    }
    return valor;
}

// The spectrum's temperature: a positive number of kelvin, "." for decimals.
constexpr double TEMPERATURA_MAXIMA_K = 1e5;

double leeTemperatura(const std::string& opcion, const std::string& texto) {
    const auto T = convierteReal(texto);
    if (T.estado != Conversion::Correcta || !(T.valor > 0.0) || T.valor > TEMPERATURA_MAXIMA_K) {
        throw errorArgumento(opcion +
                             " necesita una temperatura en K mayor que 0 y hasta 100000 "
                             "(se dio \"" +
                             texto + "\")");
    }
    return T.valor;
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
            leidos.jmax = leeEntero(palabra, valorDe(argumentos, i), 0, JMAX_MAXIMO);
            ++i;
        } else if (palabra == "--cola") {
            leidos.cola = leeEntero(palabra, valorDe(argumentos, i), COLA_MINIMA, COLA_MAXIMA);
            ++i;
        } else if (palabra == "--temperatura") {
            leidos.temperatura = leeTemperatura(palabra, valorDe(argumentos, i));
            ++i;
        } else if (palabra == "--exomol") {
            leidos.exomol = true;
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
