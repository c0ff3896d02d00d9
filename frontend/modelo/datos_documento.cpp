#include "datos_documento.h"

#include <algorithm>

namespace oscilab {

DatosDocumento documentoNuevo() {
    DatosDocumento d;
    for (int p = 0; p <= 4; ++p) {
        dePotencia(d.potencias, p) = 1;
    }
    return d;
}

std::vector<std::array<double, 2>> puntosOrdenados(const DatosDocumento& datos) {
    return puntosOrdenados(datos.filas);
}

std::vector<std::array<double, 2>> puntosOrdenados(const std::vector<Fila>& filas) {
    std::vector<std::array<double, 2>> puntos;
    for (const Fila& f : filas) {
        if (f[0].valor && f[1].valor) {
            puntos.push_back({*f[0].valor, *f[1].valor});
        }
    }
    std::stable_sort(puntos.begin(), puntos.end(),
                     [](const auto& a, const auto& b) { return a[0] < b[0]; });
    return puntos;
}

int numeroPotencias(const TablaPotencias& potencias) {
    return static_cast<int>(std::count(potencias.begin(), potencias.end(), 1));
}

} // namespace oscilab
