#include "detalles/avisos_detalles.h"

#include "detalles/tablas_detalles.h"
#include "texto_incertidumbre.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

namespace oscilab {

namespace {

// Four significant digits, as the engine's own warnings.
std::string numero(double v) {
    return curvifit::textoNumero(v, std::chars_format::general, 4);
}

struct Intervalo {
    double minimo = INFINITY, maximo = -INFINITY;
};

std::optional<std::string> avisoRms(const curvifit::ResultadoEjecucion& r,
                                    const UnidadesMostradas& u) {
    Intervalo e;
    for (const curvifit::PuntoResultado& p : r.puntos) {
        e.minimo = std::min(e.minimo, p.e_hartree);
        e.maximo = std::max(e.maximo, p.e_hartree);
    }
    if (r.puntos.empty()) {
        return std::nullopt;
    }
    return textoDetalles(
        QT_TRANSLATE_NOOP("detalles", "El residuo cuadrático medio del ajuste (%1 %2) supera el "
                                      "1 % del intervalo de energías de los datos (%3 %2)."),
        {numero(r.rms_hartree * u.energia), u.nombreEnergia,
         numero((e.maximo - e.minimo) * u.energia)});
}

std::optional<std::string> avisoRe(const curvifit::ResultadoEjecucion& r,
                                   const UnidadesMostradas& u) {
    const auto re = r.constante("re_bohr");
    Intervalo d;
    for (const curvifit::PuntoResultado& p : r.puntos) {
        d.minimo = std::min(d.minimo, p.r_bohr);
        d.maximo = std::max(d.maximo, p.r_bohr);
    }
    if (!re || r.puntos.empty()) {
        return std::nullopt;
    }
    return textoDetalles(
        QT_TRANSLATE_NOOP("detalles",
                          "La distancia de equilibrio (%1 %2) queda fuera del intervalo de "
                          "distancias de los datos (%3 a %4 %2): es una extrapolación."),
        {numero(re->valor * u.distancia), u.nombreDistancia, numero(d.minimo * u.distancia),
         numero(d.maximo * u.distancia)});
}

} // namespace

std::vector<std::string> textosAvisos(const curvifit::ResultadoEjecucion& r,
                                      EleccionUnidades eleccion) {
    const UnidadesMostradas u = unidadesMostradas(r, eleccion);
    std::vector<std::string> textos;
    for (const curvifit::AvisoResultado& a : r.avisos) {
        std::optional<std::string> propio;
        if (a.codigo == "rms_above_one_percent") {
            propio = avisoRms(r, u);
        } else if (a.codigo == "re_outside_data") {
            propio = avisoRe(r, u);
        }
        textos.push_back(propio.value_or(a.texto));
    }
    return textos;
}

} // namespace oscilab
