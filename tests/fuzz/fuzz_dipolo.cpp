// The dipole-moment file's reader and fit on any bytes: a file is either refused with the
// engine's typed error or gives at most 500 finite points, and the fit of what it gave is
// finite wherever it is asked.
#include "dipolo.h"
#include "errores.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    using namespace curvifit;
    std::istringstream entrada(std::string(reinterpret_cast<const char*>(datos), tamano));
    PuntosDipolo puntos;
    try {
        puntos = leeDipolo(entrada, "datos/fuzz.dip");
    } catch (const ErrorMotor&) {
        return 0;
    }
    if (puntos.R_bohr.size() != puntos.mu_debye.size() ||
        puntos.R_bohr.size() > static_cast<std::size_t>(PUNTOS_DIPOLO_MAXIMOS)) {
        __builtin_trap();
    }
    for (std::size_t i = 0; i < puntos.R_bohr.size(); ++i) {
        if (!std::isfinite(puntos.R_bohr[i]) || !std::isfinite(puntos.mu_debye[i])) {
            __builtin_trap();
        }
    }
    if (puntos.R_bohr.size() >= 2) {
        try {
            const CurvaDipolo curva = ajustaDipolo(puntos, puntos.R_bohr.front());
            (void)curva.valor(puntos.R_bohr.back());
        } catch (const ErrorMotor&) {
        }
    }
    return 0;
}
