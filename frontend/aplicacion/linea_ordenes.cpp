#include "linea_ordenes.h"

#ifndef OSCILAB_VERSION
#define OSCILAB_VERSION "desconocida"
#endif

namespace oscilab {

namespace {

std::string textoAyuda() {
    return "Uso: oscilab [FICHERO.qvd]\n"
           "     oscilab --help | --version\n"
           "\n"
           "Ajuste de curvas de potencial de moléculas diatómicas. Abre FICHERO.qvd cuando se\n"
           "da. Los documentos están en ~/.local/share/oscilab/datos y los resultados en\n"
           "~/.local/share/oscilab/result; el cálculo lo hace el programa curvifit.\n"
           "\n"
           "  --help     muestra esta ayuda\n"
           "  --version  muestra la versión\n";
}

} // namespace

std::optional<std::string> respuestaLineaOrdenes(const std::vector<std::string>& argumentos) {
    for (const std::string& palabra : argumentos) {
        if (palabra == "--") {
            break;
        }
        if (palabra == "--help") {
            return textoAyuda();
        }
        if (palabra == "--version") {
            return std::string("oscilab ") + OSCILAB_VERSION + "\n";
        }
    }
    return std::nullopt;
}

} // namespace oscilab
