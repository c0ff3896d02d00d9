// Geometry of the plot: user coordinates (R, V) to pixels and back, the sampled curve
// as clipped line segments, the crosses, the level bars and the tick marks.
#pragma once

#include "polinomio.h"
#include "compartido/caja.h"

#include <QLineF>
#include <QRect>
#include <QSizeF>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

namespace oscilab {

// Values at or above this are not drawn, and views wider or taller are refused.
inline constexpr double limiteGrafica = 1e8;

// The user scale of the plot area: left edge R min, right edge R max, top edge V max,
// bottom edge V min (V grows upward).
class Escala {
public:
    Escala() = default;
    Escala(const Caja& caja, QSizeF pixeles) : caja_(caja), pixeles_(pixeles) {}

    QPointF aPixel(double r, double v) const;
    double rDePixel(double x) const;
    double vDePixel(double y) const;
    const Caja& caja() const { return caja_; }
    QSizeF pixeles() const { return pixeles_; }

private:
    Caja caja_{0.0, 0.0, 1.0, 1.0};
    QSizeF pixeles_{1.0, 1.0};
};

// A box checked before it is drawn.
struct CajaRevisada {
    Caja caja;                  // what is to be drawn
    bool vistaCompleta = false; // a span beyond 1e8: the view gives way to the full view
    QStringList avisos;         // what the user is told, in order
    bool dibujable = true;      // false for a zero or undefined span
};

// R min exactly 0 becomes 0.01. A span beyond 1e8 is warned about (V first) and the full
// view `limites` takes over the view: when `caja` is the view itself, it is replaced at
// once, so what follows checks and draws the full view. A zero or undefined span cannot be
// drawn; only the first such span, R first, is told.
CajaRevisada revisaCaja(const Caja& caja, const Caja& limites, bool esVista);

// The segment from a to b cut to `zona` (Liang-Barsky); empty when it lies outside.
std::optional<QLineF> recorta(QPointF a, QPointF b, const QRectF& zona);

struct TrazoCurva {
    std::vector<QLineF> segmentos; // in pixels, already clipped
    double rcentro = 0.0;          // R of the last sample lower than the one before it
};

// The curve sampled n times from R min over the scale's box. A segment is drawn only
// when both ends are finite and below 1e8; samples that are not finite are skipped.
TrazoCurva trazacurva(const Polinomio& f, const Escala& escala, int n);

// The two strokes of a cross at (r, v): 1 % of the view's width across, 3 % of its
// height tall.
std::vector<QLineF> marca(const Escala& escala, double r, double v);

// A level bar at energy `nivel`, half `anchonivel` long, centred on `rcentro`.
std::optional<QLineF> barraNivel(const Escala& escala, double rcentro, double anchonivel,
                                 double nivel);

// The smallest and largest R of the points; (0, 0) without points.
std::pair<double, double> intervaloR(const std::vector<Punto>& puntos);

// The level at energy `nivel` drawn between its turning points: where V(R) = nivel on
// either side of `rcentro` (inside the well) within [rmin, rmax], the points' R range. A side
// with none there, as for a level above the curve's end, ends at rmin or rmax.
std::optional<QLineF> barraEntreRetornos(const Escala& escala, const Polinomio& f, double rcentro,
                                         double nivel, double rmin, double rmax, double anchonivel);

} // namespace oscilab
