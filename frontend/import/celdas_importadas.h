// What an import leaves in the point table: the cell texts it wrote, in the order it
// wrote them, and whether it stopped on an error after those writes.
#pragma once

#include <QString>
#include <vector>

namespace oscilab {

struct CeldaImportada {
    int fila = 0;    // table row 1..500
    int columna = 0; // 1 = R, 2 = V(R)
    QString texto;
    friend bool operator==(const CeldaImportada&, const CeldaImportada&) = default;
};

struct ResultadoImportacion {
    std::vector<CeldaImportada> celdas; // written before any failure, in order
    std::vector<int> filasVisitadas;    // rows made current, in order (text import)
    bool fallo = false;
    QString causa; // what failed, naming the file's line, when the reader can tell

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

} // namespace oscilab
