#include "detalles/series_detalles.h"

#include <algorithm>
#include <cmath>

namespace oscilab {

namespace {

constexpr int MUESTRAS_CURVA = 400;
constexpr double ALTURA_ONDA = 0.8;

const QColor COLOR_PUNTOS = Qt::red, COLOR_CURVA = Qt::darkBlue, COLOR_NIVEL = Qt::darkGreen,
             COLOR_ONDA = QColor(200, 100, 0);

// The outer extension is drawn at most this many times RMAX out: near dissociation the
// levels reach far beyond any useful scale.
constexpr double ALCANCE_EXTERIOR = 2.5;

// The extensions, dashed, from the data's ends out to the J = 0 levels' turning points, and
// the asymptote.
std::vector<SerieGrafico> seriesExtensiones(const curvifit::ResultadoEjecucion& r,
                                            const UnidadesMostradas& u) {
    std::vector<SerieGrafico> series;
    if (!r.exactos) {
        return series;
    }
    const curvifit::NivelesExactos& x = *r.exactos;
    const double fd = u.distancia, fe = u.energia;
    const curvifit::Potencial V =
        curvifit::potencialExtendido(potencialAjustado(r), x.RMIN, x.RMAX, x.extensiones);
    double dentro = x.RMIN, fuera = x.RMAX;
    for (const curvifit::NivelExacto& n : x.niveles) {
        if (n.J == 0 && !n.cuasiligado) {
            dentro = std::min(dentro, n.r_interior);
            fuera = std::max(fuera, n.r_exterior);
        }
    }
    fuera = std::min(fuera, ALCANCE_EXTERIOR * x.RMAX);
    const auto tramo = [&](double a, double b) {
        SerieGrafico s{SerieGrafico::Tipo::Linea, {}, COLOR_CURVA, true};
        s.discontinua = true;
        for (int k = 0; a < b && k <= MUESTRAS_CURVA / 4; ++k) {
            const double R = a + (b - a) * k / (MUESTRAS_CURVA / 4);
            s.puntos.emplace_back(R * fd, V.V(R) * fe);
        }
        return s;
    };
    if (x.extensiones.interior && dentro < x.RMIN) {
        series.push_back(tramo(dentro, x.RMIN));
    }
    if (x.extensiones.exterior) {
        if (fuera > x.RMAX) {
            series.push_back(tramo(x.RMAX, fuera));
        }
        SerieGrafico asintota{SerieGrafico::Tipo::Linea, {}, Qt::gray, true};
        asintota.discontinua = true;
        const double Vinf = x.extensiones.exterior->Vinf * fe;
        asintota.puntos = {{dentro * fd, Vinf}, {fuera * fd, Vinf}};
        series.push_back(std::move(asintota));
    }
    return series;
}

} // namespace

std::vector<SerieGrafico> seriesResiduos(const curvifit::ResultadoEjecucion& r,
                                         EleccionUnidades eleccion) {
    const UnidadesMostradas u = unidadesMostradas(r, eleccion);
    const double fd = u.distancia, fe = u.energia;
    SerieGrafico marcas{SerieGrafico::Tipo::Marcas, {}, COLOR_PUNTOS, true};
    double rMin = INFINITY, rMax = -INFINITY;
    for (const curvifit::PuntoResultado& p : r.puntos) {
        marcas.puntos.emplace_back(p.r_bohr * fd, p.residuo_hartree * fe);
        rMin = std::min(rMin, p.r_bohr * fd);
        rMax = std::max(rMax, p.r_bohr * fd);
    }
    SerieGrafico cero{SerieGrafico::Tipo::Linea, {}, Qt::gray, true};
    if (rMin <= rMax) {
        cero.puntos = {{rMin, 0.0}, {rMax, 0.0}};
    }
    return {cero, marcas};
}

std::vector<SerieGrafico> seriesNiveles(const curvifit::ResultadoEjecucion& r, int v,
                                        const curvifit::FuncionOnda& onda,
                                        EleccionUnidades eleccion) {
    const UnidadesMostradas u = unidadesMostradas(r, eleccion);
    const double fd = u.distancia, fe = u.energia;
    const curvifit::Potencial V = potencialAjustado(r);
    SerieGrafico puntos{SerieGrafico::Tipo::Marcas, {}, COLOR_PUNTOS, true};
    double a = INFINITY, b = -INFINITY;
    for (const curvifit::PuntoResultado& p : r.puntos) {
        puntos.puntos.emplace_back(p.r_bohr * fd, p.e_hartree * fe);
        a = std::min(a, p.r_bohr);
        b = std::max(b, p.r_bohr);
    }
    if (r.exactos && r.exactos->RMAX > r.exactos->RMIN) {
        a = r.exactos->RMIN;
        b = r.exactos->RMAX;
    }
    SerieGrafico curva{SerieGrafico::Tipo::Linea, {}, COLOR_CURVA, true};
    for (int k = 0; a < b && k <= MUESTRAS_CURVA; ++k) {
        const double R = a + (b - a) * k / MUESTRAS_CURVA;
        curva.puntos.emplace_back(R * fd, V.V(R) * fe);
    }
    SerieGrafico niveles{SerieGrafico::Tipo::Segmentos, {}, COLOR_NIVEL, false};
    std::vector<double> energias; // J = 0, by v
    if (r.exactos) {
        for (const curvifit::NivelExacto& n : r.exactos->niveles) {
            if (n.J == 0) {
                niveles.puntos.emplace_back(n.r_interior * fd, n.e_hartree * fe);
                niveles.puntos.emplace_back(n.r_exterior * fd, n.e_hartree * fe);
                energias.push_back(n.e_hartree);
            }
        }
    }
    std::vector<SerieGrafico> series{curva, niveles, puntos};
    for (SerieGrafico& s : seriesExtensiones(r, u)) {
        series.push_back(std::move(s));
    }
    const std::size_t k = static_cast<std::size_t>(v);
    if (v >= 0 && k < energias.size() && energias.size() > 1 && !onda.chi.empty()) {
        const double hueco =
            k + 1 < energias.size() ? energias[k + 1] - energias[k] : energias[k] - energias[k - 1];
        double pico = 0.0;
        for (double c : onda.chi) {
            pico = std::max(pico, c * c);
        }
        SerieGrafico densidad{SerieGrafico::Tipo::Linea, {}, COLOR_ONDA, false};
        for (std::size_t i = 0; pico > 0.0 && i < onda.R.size(); ++i) {
            const double E = energias[k] + ALTURA_ONDA * hueco * onda.chi[i] * onda.chi[i] / pico;
            densidad.puntos.emplace_back(onda.R[i] * fd, E * fe);
        }
        series.push_back(std::move(densidad));
    }
    return series;
}

} // namespace oscilab
