// One spreadsheet reader on any bytes, written to a file with the reader's extension: what it
// reads must fit the table (rows 1..puntosMaximos, columns 1 and 2), and a failure must say
// why. Shared by the .csv, .xlsx and .ods targets.
#pragma once

#include "compartido/dimensiones.h"
#include "import/celdas_importadas.h"

#include <QDir>
#include <QTemporaryFile>

#include <cstddef>
#include <cstdint>

namespace oscilab::fuzz {

template <typename Lector>
int importaHoja(const std::uint8_t* datos, std::size_t tamano, const char* plantilla,
                Lector lector) {
    QTemporaryFile fichero(QDir::tempPath() + QLatin1Char('/') + QString::fromLatin1(plantilla));
    if (!fichero.open()) {
        __builtin_trap();
    }
    fichero.write(reinterpret_cast<const char*>(datos), static_cast<qint64>(tamano));
    fichero.close();
    const ResultadoImportacion r = lector(fichero.fileName());
    for (const CeldaImportada& celda : r.celdas) {
        if (celda.fila < 1 || celda.fila > puntosMaximos || celda.columna < 1 ||
            celda.columna > 2) {
            __builtin_trap();
        }
    }
    if (r.fallo && r.causa.isEmpty()) {
        __builtin_trap();
    }
    return 0;
}

} // namespace oscilab::fuzz
