#include "detalles/espectro_detalles.h"

#include <QCoreApplication>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

namespace oscilab {

namespace {

std::string numero(double v, std::chars_format formato, int cifras) {
    char texto[64];
    const auto fin = std::to_chars(texto, texto + sizeof texto, v, formato, cifras);
    return std::string(texto, fin.ptr);
}

} // namespace

Tabla tablaLineas(const curvifit::Espectro& e) {
    Tabla t{{"ν (1/cm)", textoDetalles(QT_TRANSLATE_NOOP("detalles", "Rama")), "v′", "J′", "v″",
             "J″", "⟨v′J′|μ|v″J″⟩ (D)", "A (1/s)", "E″ (1/cm)",
             textoDetalles(QT_TRANSLATE_NOOP("detalles", "I (cm/molécula)"))},
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

namespace {

// The line's profile of unit area at distance x (1/cm) from its centre.
double perfil(Perfil p, double fwhm, double x) {
    if (p == Perfil::Gaussiano) {
        const double c = 4.0 * std::log(2.0) / (fwhm * fwhm);
        return std::sqrt(c / std::numbers::pi) * std::exp(-c * x * x);
    }
    const double g = 0.5 * fwhm;
    return g / (std::numbers::pi * (x * x + g * g));
}

std::vector<QPointF> ensanchado(const curvifit::Espectro& e, char rama, const Ensanchamiento& en) {
    double desde = INFINITY, hasta = -INFINITY;
    for (const curvifit::LineaEspectral& l : e.lineas) {
        desde = std::min(desde, l.numero_onda_cm1);
        hasta = std::max(hasta, l.numero_onda_cm1);
    }
    std::vector<QPointF> puntos;
    if (!std::isfinite(desde) || !(en.fwhm_cm1 > 0.0)) {
        return puntos;
    }
    desde -= 5.0 * en.fwhm_cm1;
    hasta += 5.0 * en.fwhm_cm1;
    const int n = static_cast<int>(std::min<double>(
        MUESTRAS_PERFIL_MAXIMAS, std::ceil((hasta - desde) / en.fwhm_cm1 * MUESTRAS_POR_ANCHURA)));
    for (int i = 0; i <= n; ++i) {
        const double x = desde + (hasta - desde) * i / n;
        double y = 0.0;
        for (const curvifit::LineaEspectral& l : e.lineas) {
            y += l.rama == rama
                     ? l.intensidad * perfil(en.perfil, en.fwhm_cm1, x - l.numero_onda_cm1)
                     : 0.0;
        }
        puntos.emplace_back(x, y);
    }
    return puntos;
}

std::vector<QPointF> barras(const curvifit::Espectro& e, char rama) {
    std::vector<QPointF> puntos;
    for (const curvifit::LineaEspectral& l : e.lineas) {
        if (l.rama == rama) {
            puntos.emplace_back(l.numero_onda_cm1, 0.0);
            puntos.emplace_back(l.numero_onda_cm1, l.intensidad);
        }
    }
    return puntos;
}

// log10 of every height, the zeros (the sticks' feet too) at the floor of the smallest.
void aLogaritmos(std::vector<SerieGrafico>& series) {
    double base = INFINITY;
    for (const SerieGrafico& s : series) {
        for (const QPointF& p : s.puntos) {
            base = p.y() > 0.0 ? std::min(base, std::log10(p.y())) : base;
        }
    }
    base = std::isfinite(base) ? std::floor(base) : 0.0;
    for (SerieGrafico& s : series) {
        for (QPointF& p : s.puntos) {
            p.setY(p.y() > 0.0 ? std::max(base, std::log10(p.y())) : base);
        }
    }
}

} // namespace

std::vector<SerieGrafico> seriesEspectro(const curvifit::Espectro& e, bool logaritmica,
                                         const Ensanchamiento& ensanchamiento) {
    std::vector<SerieGrafico> series(2);
    const char ramas[2] = {'P', 'R'};
    for (std::size_t k = 0; k < 2; ++k) {
        SerieGrafico& s = series[k];
        s.color = ramas[k] == 'P' ? COLOR_RAMA_P : COLOR_RAMA_R;
        if (ensanchamiento.perfil == Perfil::Barras) {
            s.tipo = SerieGrafico::Tipo::Segmentos;
            s.puntos = barras(e, ramas[k]);
        } else {
            s.tipo = SerieGrafico::Tipo::Linea;
            s.puntos = ensanchado(e, ramas[k], ensanchamiento);
        }
    }
    if (logaritmica) {
        aLogaritmos(series);
    }
    return series;
}

std::string textoParticion(const curvifit::Espectro& e) {
    std::string texto = "Q(" + numero(e.temperatura_k, std::chars_format::general, 6) +
                        " K) = " + numero(e.funcion_particion, std::chars_format::general, 6);
    if (e.q_truncada) {
        texto += textoDetalles(QT_TRANSLATE_NOOP("detalles", " (truncada: los niveles por encima "
                                                             "de J = %1 aportarían más de 1e-4; "
                                                             "aumente JMAX)"),
                               {std::to_string(e.JMAX)});
    }
    return texto;
}

} // namespace oscilab
