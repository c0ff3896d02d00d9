#include "trazado.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace oscilab {

QPointF Escala::aPixel(double r, double v) const {
    const double x = (r - caja_.rmin) / (caja_.rmax - caja_.rmin) * pixeles_.width();
    const double y = (caja_.vmax - v) / (caja_.vmax - caja_.vmin) * pixeles_.height();
    return {x, y};
}

double Escala::rDePixel(double x) const {
    return caja_.rmin + x / pixeles_.width() * (caja_.rmax - caja_.rmin);
}

double Escala::vDePixel(double y) const {
    return caja_.vmax - y / pixeles_.height() * (caja_.vmax - caja_.vmin);
}

std::optional<QLineF> recorta(QPointF a, QPointF b, const QRectF& zona) {
    if (!std::isfinite(a.x()) || !std::isfinite(a.y()) || !std::isfinite(b.x()) ||
        !std::isfinite(b.y())) {
        return std::nullopt;
    }
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    double t0 = 0.0;
    double t1 = 1.0;
    // One test per edge: p * t <= q keeps the part of the segment inside that edge.
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - zona.left(), zona.right() - a.x(), a.y() - zona.top(),
                         zona.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) {
                return std::nullopt;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            if (t > t1) {
                return std::nullopt;
            }
            t0 = std::max(t0, t);
        } else {
            if (t < t0) {
                return std::nullopt;
            }
            t1 = std::min(t1, t);
        }
    }
    return QLineF(a.x() + t0 * dx, a.y() + t0 * dy, a.x() + t1 * dx, a.y() + t1 * dy);
}

namespace {

// Somewhat larger than the plot area, so that clipped lines still reach its edges.
QRectF zonaDeRecorte(const Escala& escala) {
    return QRectF(QPointF(0.0, 0.0), escala.pixeles()).adjusted(-4.0, -4.0, 4.0, 4.0);
}

bool dibujable(double v) {
    return std::isfinite(v) && v < limiteGrafica;
}

bool intervaloValido(double minimo, double maximo) {
    return std::isfinite(minimo) && std::isfinite(maximo) && minimo != maximo;
}

} // namespace

CajaRevisada revisaCaja(const Caja& caja, const Caja& limites, bool esVista) {
    CajaRevisada r;
    r.caja = caja;
    if (r.caja.rmin == 0.0) {
        r.caja.rmin = 0.01;
    }
    const QString otro = QCoreApplication::translate("trazado", "\nElige otro intervalo");
    const auto demasiadoAncho = [&](double a, double b, const QString& aviso) {
        if (std::abs(a - b) > limiteGrafica) {
            r.avisos << aviso + otro;
            r.vistaCompleta = true;
            if (esVista) {
                r.caja = limites;
            }
        }
    };
    demasiadoAncho(
        r.caja.vmin, r.caja.vmax,
        QCoreApplication::translate("trazado", "El intervalo en el eje y tiende a infinito."));
    demasiadoAncho(
        r.caja.rmin, r.caja.rmax,
        QCoreApplication::translate("trazado", "El intervalo en el eje x tiende a infinito."));
    if (!intervaloValido(r.caja.rmin, r.caja.rmax)) {
        r.avisos << QCoreApplication::translate(
                        "trazado", "El intervalo en el eje x es nulo o no está definido; no se "
                                   "puede dibujar la gráfica.") +
                        otro;
        r.dibujable = false;
    } else if (!intervaloValido(r.caja.vmin, r.caja.vmax)) {
        r.avisos << QCoreApplication::translate(
                        "trazado", "El intervalo en el eje y es nulo o no está definido; no se "
                                   "puede dibujar la gráfica.") +
                        otro;
        r.dibujable = false;
    }
    return r;
}

TrazoCurva trazacurva(const Polinomio& f, const Escala& escala, int n) {
    TrazoCurva trazo;
    const Caja& caja = escala.caja();
    const QRectF zona = zonaDeRecorte(escala);
    const double paso = (caja.rmax - caja.rmin) / n;
    double r = caja.rmin;
    double rprev = r;
    double vprev = f(r);
    trazo.rcentro = r;
    trazo.segmentos.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        r += paso;
        const double v = f(r);
        if (std::isfinite(v) && v < vprev) {
            trazo.rcentro = r;
        }
        if (dibujable(v) && dibujable(vprev)) {
            if (auto s = recorta(escala.aPixel(rprev, vprev), escala.aPixel(r, v), zona)) {
                trazo.segmentos.push_back(*s);
            }
        }
        rprev = r;
        vprev = v;
    }
    return trazo;
}

std::vector<QLineF> marca(const Escala& escala, double r, double v) {
    const Caja& c = escala.caja();
    const double w = c.rmax - c.rmin;
    const double h = c.vmax - c.vmin;
    const QRectF zona = zonaDeRecorte(escala);
    std::vector<QLineF> trazos;
    for (const auto& [a, b] :
         {std::pair{escala.aPixel(r - 0.005 * w, v), escala.aPixel(r + 0.005 * w, v)},
          std::pair{escala.aPixel(r, v - 0.015 * h), escala.aPixel(r, v + 0.015 * h)}}) {
        if (auto s = recorta(a, b, zona)) {
            trazos.push_back(*s);
        }
    }
    return trazos;
}

std::optional<QLineF> barraNivel(const Escala& escala, double rcentro, double anchonivel,
                                 double nivel) {
    return recorta(escala.aPixel(rcentro - anchonivel / 4.0, nivel),
                   escala.aPixel(rcentro + anchonivel / 4.0, nivel), zonaDeRecorte(escala));
}

std::pair<double, double> intervaloR(const std::vector<Punto>& puntos) {
    if (puntos.empty()) {
        return {0.0, 0.0};
    }
    const auto [a, b] = std::minmax_element(
        puntos.begin(), puntos.end(), [](const Punto& x, const Punto& y) { return x.r < y.r; });
    return {a->r, b->r};
}

namespace {

// Where f rises through `nivel` going from `desde` (below it) towards `hasta`: a walk in
// small steps finds the crossing, bisection pins it down.
std::optional<double> retorno(const Polinomio& f, double desde, double hasta, double nivel) {
    constexpr int PASOS = 400;
    if (!(f(desde) < nivel)) {
        return std::nullopt;
    }
    double a = desde;
    for (int i = 1; i <= PASOS; ++i) {
        double b = desde + (hasta - desde) * i / PASOS;
        const double vb = f(b);
        if (!std::isfinite(vb)) {
            return std::nullopt;
        }
        if (vb >= nivel) {
            for (int k = 0; k < 60; ++k) {
                const double m = 0.5 * (a + b);
                (f(m) < nivel ? a : b) = m;
            }
            return 0.5 * (a + b);
        }
        a = b;
    }
    return std::nullopt;
}

} // namespace

std::optional<QLineF> barraEntreRetornos(const Escala& escala, const Polinomio& f, double rcentro,
                                         double nivel, double rmin, double rmax,
                                         double anchonivel) {
    if (!(f(rcentro) < nivel)) { // not above the well's bottom: nothing to span
        return barraNivel(escala, rcentro, anchonivel, nivel);
    }
    // A side whose turning point lies past the points keeps the level up to the points' end:
    // the fit says nothing beyond, and the level does reach that far.
    const double interior = retorno(f, rcentro, rmin, nivel).value_or(rmin);
    const double exterior = retorno(f, rcentro, rmax, nivel).value_or(rmax);
    return recorta(escala.aPixel(interior, nivel), escala.aPixel(exterior, nivel),
                   zonaDeRecorte(escala));
}

} // namespace oscilab
