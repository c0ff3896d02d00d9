// The engine on any data file: reading, the whole calculation, the report, the exact levels
// (a few J, to keep each input quick) and the result file's document. A refusal
// (ErrorMotor) is a normal end; anything else escaping, a crash or a sanitizer report is
// a finding.
#include "calcula.h"
#include "errores.h"
#include "escriberes.h"
#include "leedatos.h"
#include "niveles_exactos.h"
#include "resultado_json.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    using namespace curvifit;
    std::istringstream fichero(std::string(reinterpret_cast<const char*>(datos), tamano));
    std::ostringstream curva;
    std::ostringstream informe;
    try {
        const DatosEntrada leidos = LEEDATOS(fichero, "datos/fuzz.qvd", curva);
        const Resultado resultado = CALCULA(leidos, curva);
        ESCRIBERES(informe, leidos, resultado);
        const NivelesExactos exactos =
            nivelesExactos(leidos, resultado.ajuste, resultado.constantes, 2);
        (void)resultadoJson("datos/fuzz.qvd", leidos, resultado, exactos).dump();
    } catch (const ErrorMotor& error) {
        const int salida = static_cast<int>(error.salida());
        if (salida < 2 || salida > 6) {
            __builtin_trap(); // only the documented statuses of a refusal
        }
    }
    return 0;
}
