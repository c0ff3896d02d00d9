#include "aplicacion/arranque.h"
#include "aplicacion/linea_ordenes.h"

#include <QApplication>

#include <iostream>

int main(int argc, char** argv) {
    // --help and --version need no display.
    if (const auto respuesta = oscilab::respuestaLineaOrdenes({argv + 1, argv + argc})) {
        std::cout << *respuesta;
        return 0;
    }
    if (const auto error = oscilab::errorLineaOrdenes({argv + 1, argv + argc})) {
        std::cerr << *error;
        return 2;
    }
    QApplication app(argc, argv);
    return oscilab::arrancaOscilab(app);
}
