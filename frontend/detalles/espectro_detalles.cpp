#include "detalles/espectro_detalles.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace oscilab {

namespace {

std::string numero(double v, std::chars_format formato, int cifras) {
    char texto[64];
    const auto fin = std::to_chars(texto, texto + sizeof texto, v, formato, cifras);
    return std::string(texto, fin.ptr);
}

} // namespace

Tabla tablaLineas(const curvifit::Espectro& e) {
    Tabla t{{"ν (1/cm)", "Rama", "v′", "J′", "v″", "J″", "⟨v′J′|μ|v″J″⟩ (D)", "A (1/s)",
             "E″ (1/cm)", "I (cm/molécula)"},
            {}};
    for (const curvifit::LineaEspectral& l : e.lineas) {
        t.filas.push_back({numero(l.numero_onda_cm1, std::chars_format::fixed, 4),
                           std::string(1, l.rama), std::to_string(l.v_sup), std::to_string(l.j_sup),
                           std::to_string(l.v_inf), std::to_string(l.j_inf),
                           numero(l.momento_debye, std::chars_format::scientific, 5),
                           numero(l.einstein_a_s1, std::chars_format::scientific, 4),
                           numero(l.e_inferior_cm1, std::chars_format::fixed, 4),
                           numero(l.intensidad, std::chars_format::scientific, 4)});
    }
    return t;
}

std::vector<SerieGrafico> seriesEspectro(const curvifit::Espectro& e, bool logaritmica) {
    SerieGrafico p, r;
    p.tipo = r.tipo = SerieGrafico::Tipo::Segmentos;
    p.color = COLOR_RAMA_P;
    r.color = COLOR_RAMA_R;
    double base = 0.0;
    if (logaritmica) {
        base = INFINITY;
        for (const curvifit::LineaEspectral& l : e.lineas) {
            base = l.intensidad > 0.0 ? std::min(base, std::log10(l.intensidad)) : base;
        }
        base = std::isfinite(base) ? std::floor(base) : 0.0;
    }
    for (const curvifit::LineaEspectral& l : e.lineas) {
        const double altura =
            logaritmica ? (l.intensidad > 0.0 ? std::log10(l.intensidad) : base) : l.intensidad;
        SerieGrafico& s = l.rama == 'P' ? p : r;
        s.puntos.emplace_back(l.numero_onda_cm1, base);
        s.puntos.emplace_back(l.numero_onda_cm1, altura);
    }
    return {p, r};
}

std::string textoParticion(const curvifit::Espectro& e) {
    std::string texto = "Q(" + numero(e.temperatura_k, std::chars_format::general, 6) +
                        " K) = " + numero(e.funcion_particion, std::chars_format::general, 6);
    if (e.q_truncada) {
        texto += " (truncada: los niveles por encima de J = " + std::to_string(e.JMAX) +
                 " aportarían más de 1e-4; aumente JMAX)";
    }
    return texto;
}

} // namespace oscilab
