#include "linea_ordenes.h"

#ifndef OSCILAB_VERSION
#define OSCILAB_VERSION "desconocida"
#endif

namespace oscilab {

namespace {

std::string textoAyuda() {
    return "Uso: oscilab [--lang es|en] [FICHERO.qvd]\n"
           "     oscilab --help | --version\n"
           "\n"
           "Ajuste de curvas de potencial de moléculas diatómicas. Abre FICHERO.qvd cuando se\n"
           "da. Los documentos están en ~/.local/share/oscilab/datos y los resultados en\n"
           "~/.local/share/oscilab/result; el cálculo lo hace el programa curvifit.\n"
           "\n"
           "  --lang es|en  idioma de la interfaz: español (el de siempre) o inglés; sin\n"
           "                esta opción, el elegido en Opciones > Idioma / Language\n"
           "  --help        muestra esta ayuda (en inglés con --lang en)\n"
           "  --version     muestra la versión\n";
}

std::string textoAyudaIngles() {
    return "Usage: oscilab [--lang es|en] [FILE.qvd]\n"
           "       oscilab --help | --version\n"
           "\n"
           "Fits potential-energy curves of diatomic molecules. Opens FILE.qvd when given.\n"
           "Documents live in ~/.local/share/oscilab/datos and results in\n"
           "~/.local/share/oscilab/result; the calculation is done by the curvifit program.\n"
           "\n"
           "  --lang es|en  interface language: Spanish (the default) or English; without\n"
           "                it, the one chosen in Options > Idioma / Language\n"
           "  --help        shows this help (in English with --lang en)\n"
           "  --version     shows the version\n";
}

bool pideIngles(const std::vector<std::string>& argumentos) {
    for (std::size_t i = 0; i < argumentos.size() && argumentos[i] != "--"; ++i) {
        if (argumentos[i] == "--lang=en" ||
            (argumentos[i] == "--lang" && i + 1 < argumentos.size() && argumentos[i + 1] == "en")) {
            return true;
        }
    }
    return false;
}

} // namespace

std::optional<std::string> errorLineaOrdenes(const std::vector<std::string>& argumentos) {
    for (std::size_t i = 0; i < argumentos.size() && argumentos[i] != "--"; ++i) {
        std::string valor;
        if (argumentos[i] == "--lang") {
            valor = i + 1 < argumentos.size() ? argumentos[i + 1] : "";
        } else if (argumentos[i].starts_with("--lang=")) {
            valor = argumentos[i].substr(7);
        } else {
            continue;
        }
        if (valor != "es" && valor != "en") {
            return "oscilab: --lang necesita es o en (se dio \"" + valor + "\")\n";
        }
    }
    return std::nullopt;
}

std::optional<std::string> respuestaLineaOrdenes(const std::vector<std::string>& argumentos) {
    for (const std::string& palabra : argumentos) {
        if (palabra == "--") {
            break;
        }
        if (palabra == "--help") {
            return pideIngles(argumentos) ? textoAyudaIngles() : textoAyuda();
        }
        if (palabra == "--version") {
            return std::string("oscilab ") + OSCILAB_VERSION + "\n";
        }
    }
    return std::nullopt;
}

} // namespace oscilab
