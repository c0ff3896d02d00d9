// The curve-file reader on any bytes, then what the results window does with a reading:
// the plot box, the automatic V range and the diagnostics. The first byte chooses the
// number of points the file is read with.
#include "results/curva.h"
#include "results/diagnostico.h"
#include "results/polinomio.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    using namespace oscilab;
    if (tamano == 0) {
        return 0;
    }
    const int npuntos = datos[0] % (puntosMaximos + 1);
    const QByteArray contenido(reinterpret_cast<const char*>(datos + 1),
                               static_cast<qsizetype>(tamano - 1));
    const LecturaCurva lectura = leecurvaTexto(contenido, npuntos);
    if (!lectura.ok()) {
        return 0;
    }
    const DatosCurva& curva = lectura.datos;
    if (static_cast<int>(curva.puntos.size()) != npuntos ||
        curva.niveles.size() > static_cast<std::size_t>(maxNivelesCurva)) {
        __builtin_trap();
    }
    const auto& coeficientes = curva.coeficientes;
    const int muestras = 1 + datos[0] % 97; // a narrow plot keeps each input quick
    if (auto caja = calculalimites(curva.puntos, coeficientes, muestras)) {
        escalaauto(*caja, coeficientes, muestras);
        (void)diagnostico(curva.puntos, curva.niveles.size(), *caja,
                          curva.errorenergia.value_or(0.0));
    }
    return 0;
}
