// What an import leaves in the point table: the cell texts it writes, in the order it writes
// them, or why the file cannot be imported.
#pragma once

#include "compartido/resultado.h"

#include <QString>
#include <vector>

namespace oscilab {

struct CeldaImportada {
    int fila = 0;    // table row 1..500
    int columna = 0; // 1 = R, 2 = V(R)
    QString texto;
    friend bool operator==(const CeldaImportada&, const CeldaImportada&) = default;
};

struct CeldasImportadas {
    std::vector<CeldaImportada> celdas; // in the order they are written
    std::vector<int> filasVisitadas;    // rows made current, in order (text import)

    // The last text written into (fila, columna) by this import; nullptr if none.
    const CeldaImportada* celda(int fila, int columna) const {
        const CeldaImportada* encontrada = nullptr;
        for (const auto& c : celdas) {
            if (c.fila == fila && c.columna == columna) {
                encontrada = &c;
            }
        }
        return encontrada;
    }
};

// All or nothing: a file that fails half-way writes no cell. The Fallo's message is
// mensajeErrorImportacion(); its cause names the file's line or part when the reader can tell.
using ResultadoImportacion = Resultado<CeldasImportadas>;

// A failed import: `causa` says why, in Spanish, naming the part or row where there is one;
// `sistema` keeps the system's words when a file could not be read.
Fallo importacionFallida(const QString& causa = QString(), const QString& sistema = QString());

} // namespace oscilab
