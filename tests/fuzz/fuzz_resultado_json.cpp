// The result file's reader on any bytes, then every table of "Resultados detallados" built
// from what it accepted: whatever the reader lets through must stay within its bounds and
// be cheap to show.
#include "detalles/tablas_detalles.h"

#include "resultado_json.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    using namespace curvifit;
    const LecturaResultadoJson lectura =
        leeResultadoJson(std::string_view(reinterpret_cast<const char*>(datos), tamano));
    if (lectura.ok() == !lectura.error.empty()) {
        __builtin_trap();
    }
    if (!lectura.ok()) {
        return 0;
    }
    const ResultadoEjecucion& r = *lectura.resultado;
    if (r.puntos.size() > MAX_PUNTOS_JSON || r.nivelesSegundoOrden.size() > MAX_NIVELES_JSON ||
        (r.exactos && r.exactos->niveles.size() > MAX_NIVELES_JSON) ||
        r.potencias.size() != r.coeficientes.size()) {
        __builtin_trap();
    }
    (void)oscilab::tablaConstantes(r);
    (void)oscilab::tablaPuntos(r);
    (void)oscilab::tablaSingulares(r);
    (void)oscilab::tablaNiveles(r);
    (void)oscilab::tablaConstantesNiveles(r);
    (void)oscilab::tablaEnergiasVJ(r);
    return 0;
}
