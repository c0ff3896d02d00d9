// oscilab-leexls's own code around FreeXL: finding the active tab in the compound file,
// mapping it onto FreeXL's worksheets, and the output form read back by the front end.
// FreeXL itself is not fuzzed here: its faults are the reason it runs in a process of its
// own under resource limits.
#include "celdas.h"
#include "pestanas_xls.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

namespace {

void compruebaIgual(const leexls::LecturaLibro& a, const leexls::LecturaLibro& b) {
    bool igual = a.completa == b.completa && a.celdas.size() == b.celdas.size();
    for (std::size_t i = 0; igual && i < a.celdas.size(); ++i) {
        const auto& x = a.celdas[i];
        const auto& y = b.celdas[i];
        igual = x.fila == y.fila && x.columna == y.columna && x.tipo == y.tipo &&
                x.entero == y.entero && x.texto == y.texto &&
                (x.real == y.real || (x.real != x.real && y.real != y.real));
    }
    if (!igual) {
        __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    const std::string bytes(reinterpret_cast<const char*>(datos), tamano);
    std::istringstream libro(bytes);
    if (const auto pestanas = leexls::leePestanasXls(libro)) {
        for (int hojas = 0; hojas <= 3; ++hojas) {
            const auto hoja = leexls::hojaActivaEntreHojas(*pestanas, hojas);
            if (hoja && (*hoja < 0 || *hoja >= hojas)) {
                __builtin_trap();
            }
        }
    }
    // The same bytes as the helper's output: what reads back is written back the same.
    if (const auto lectura = leexls::leeSalida(bytes)) {
        const auto otra = leexls::leeSalida(leexls::textoSalida(*lectura));
        if (!otra) {
            __builtin_trap();
        }
        compruebaIgual(*lectura, *otra);
    }
    return 0;
}
