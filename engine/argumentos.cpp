#include "argumentos.h"

#include "errores.h"
#include "lectura_libre.h"

#include <array>
#include <charconv>
#include <cmath>

#ifndef OSCILAB_VERSION
#define OSCILAB_VERSION "desconocida"
#endif

namespace curvifit {

namespace {

ErrorMotor errorArgumento(const std::string& mensaje) {
    return {Salida::DatosNoAdmitidos, "Argumentos de curvifit: " + mensaje};
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

// The language of the JSON warnings' texts: "es" or "en".
IdiomaAvisos leeIdioma(const std::string& texto) {
    if (texto == "es") {
        return IdiomaAvisos::Espanol;
    }
    if (texto == "en") {
        return IdiomaAvisos::Ingles;
    }
    throw errorArgumento("--lang necesita es o en (se dio \"" + texto + "\")");
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

enum class Valor {
    Ninguno,     // a switch
    Obligatorio, // the next word, which must be there
    SiHay,       // the next word when there is one ("--explorar" alone runs as a missing name)
};

struct Opcion {
    const char* nombre;
    Valor valor;
    void (*aplica)(Argumentos&, const std::string& valor);
};

// One line per option.
const std::array OPCIONES{
    Opcion{"--jmax", Valor::Obligatorio,
           [](Argumentos& a, const std::string& v) {
               a.jmax = leeEntero("--jmax", v, 0, JMAX_MAXIMO);
           }},
    Opcion{"--cola", Valor::Obligatorio,
           [](Argumentos& a, const std::string& v) {
               a.cola = leeEntero("--cola", v, COLA_MINIMA, COLA_MAXIMA);
           }},
    Opcion{"--masas", Valor::Obligatorio,
           [](Argumentos& a, const std::string& v) { a.masas.push_back(leeMasas(v)); }},
    Opcion{"--temperatura", Valor::Obligatorio,
           [](Argumentos& a, const std::string& v) {
               a.temperatura = leeTemperatura("--temperatura", v);
           }},
    Opcion{"--exomol", Valor::Ninguno, [](Argumentos& a, const std::string&) { a.exomol = true; }},
    Opcion{"--lang", Valor::Obligatorio,
           [](Argumentos& a, const std::string& v) { a.idioma = leeIdioma(v); }},
    Opcion{"--explorar", Valor::SiHay, [](Argumentos& a, const std::string& v) { a.explorar = v; }},
    Opcion{"--json", Valor::Ninguno, [](Argumentos& a, const std::string&) { a.json = true; }},
    Opcion{"--help", Valor::Ninguno, [](Argumentos& a, const std::string&) { a.ayuda = true; }},
    Opcion{"--version", Valor::Ninguno,
           [](Argumentos& a, const std::string&) { a.version = true; }},
};

const Opcion* buscaOpcion(const std::string& palabra) {
    for (const Opcion& opcion : OPCIONES) {
        if (palabra == opcion.nombre) {
            return &opcion;
        }
    }
    return nullptr;
}

bool pareceOpcion(const std::string& palabra) {
    return palabra.size() > 2 && palabra.starts_with("--");
}

} // namespace

Argumentos leeArgumentos(const std::vector<std::string>& argumentos) {
    Argumentos leidos;
    bool hayNombre = false;
    bool finOpciones = false;
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& palabra = argumentos[i];
        if (!finOpciones && palabra == "--") {
            finOpciones = true;
            continue;
        }
        if (finOpciones || !pareceOpcion(palabra)) {
            if (!hayNombre) {
                leidos.nombre = palabra;
                hayNombre = true;
            }
            continue;
        }
        const Opcion* opcion = buscaOpcion(palabra);
        if (opcion == nullptr) {
            throw errorArgumento("opción desconocida " + palabra + " (véase curvifit --help)");
        }
        std::string valor;
        if (opcion->valor != Valor::Ninguno && i + 1 < argumentos.size()) {
            valor = argumentos[++i];
        } else if (opcion->valor == Valor::Obligatorio) {
            throw errorArgumento("falta el valor de la opción " + palabra);
        }
        opcion->aplica(leidos, valor);
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

std::string textoAyuda() {
    return "Uso: curvifit [--jmax N] [--cola N] [--masas M1,M2]... [--lang es|en] NOMBRE\n"
           "     curvifit --explorar NOMBRE [--json]\n"
           "     curvifit --help | --version\n"
           "\n"
           "Ajusta la curva de potencial de datos/NOMBRE.qvd (carpeta de trabajo actual) y\n"
           "escribe result/NOMBRE.res, result/NOMBRE.scs y result/NOMBRE.json.\n"
           "\n"
           "  --jmax N           J más alto de los niveles exactos (0 a " +
           std::to_string(JMAX_MAXIMO) + ", por defecto " + std::to_string(JMAX_DEFECTO) +
           ")\n"
           "  --cola N           exponente n de la cola -Cn/R^n más allá de los datos (" +
           std::to_string(COLA_MINIMA) + " a " + std::to_string(COLA_MAXIMA) + ", por defecto " +
           std::to_string(COLA_DEFECTO) +
           ")\n"
           "  --temperatura T    temperatura del espectro infrarrojo, en K (por defecto 296)\n"
           "  --exomol           escribe también result/NOMBRE.states y result/NOMBRE.trans\n"
           "  --masas M1,M2      añade el isotopólogo de esas masas atómicas (u); repetible\n"
           "  --lang es|en       idioma del texto de los avisos de result/NOMBRE.json (por\n"
           "                     defecto es); sus códigos, el informe y el fichero de la\n"
           "                     curva no cambian\n"
           "  --explorar NOMBRE  ordena conjuntos de potencias candidatos, sin escribir\n"
           "                     ficheros de resultados\n"
           "  --json             con --explorar: la salida en JSON\n"
           "  --help             muestra esta ayuda\n"
           "  --version          muestra la versión\n"
           "  --                 lo que sigue es el nombre, aunque empiece por \"--\"\n"
           "\n"
           "Estado de salida: 0 cálculo completo, 1 error inesperado, 2 fichero de datos no\n"
           "encontrado, 3 ficheros de resultados no escritos, 4 error de lectura, 5 datos o\n"
           "argumentos no admitidos, 6 la curva no tiene mínimo.\n";
}

std::string textoVersion() {
    return std::string("curvifit ") + OSCILAB_VERSION + "\n";
}

} // namespace curvifit
