// The text import on any file: the first line of the input is the delimiter, the rest the
// file's bytes. What it reads fits the table: rows 1..puntosMaximos, columns 1 and 2.
#include "compartido/dimensiones.h"
#include "import/importar_texto.h"

#include <QFile>
#include <QTemporaryFile>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    using namespace oscilab;
    const QByteArray entrada(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(tamano));
    const qsizetype fin = entrada.indexOf('\n');
    const QString delimitador =
        QString::fromLatin1(fin < 0 ? QByteArray(";") : entrada.left(std::min<qsizetype>(fin, 8)));
    static QTemporaryFile fichero; // one file for every input, rewritten each time
    if (!fichero.isOpen() && !fichero.open()) {
        __builtin_trap();
    }
    fichero.resize(0);
    fichero.seek(0);
    fichero.write(fin < 0 ? entrada : entrada.mid(fin + 1));
    fichero.flush();
    const ResultadoImportacion r = importartexto(fichero.fileName(), delimitador);
    if (!r.ok()) {
        return 0;
    }
    for (const auto& celda : r.valor().celdas) {
        if (celda.fila < 1 || celda.fila > puntosMaximos || celda.columna < 1 ||
            celda.columna > 2) {
            __builtin_trap();
        }
    }
    return 0;
}
