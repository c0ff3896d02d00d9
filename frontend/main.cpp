#include "aplicacion/arranque.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return oscilab::arrancaOscilab(app);
}
