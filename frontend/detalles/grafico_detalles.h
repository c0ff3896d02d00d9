// A small x-y plot for the detailed results: lines, marked points and horizontal segments,
// with ticks and axis captions. It only draws what it is given.
#pragma once

#include <QColor>
#include <QPointF>
#include <QString>
#include <QWidget>

#include <vector>

namespace oscilab {

struct SerieGrafico {
    enum class Tipo { Linea, Marcas, Segmentos }; // Segmentos: consecutive pairs of points
    Tipo tipo = Tipo::Linea;
    std::vector<QPointF> puntos;
    QColor color = Qt::black;
    // Whether the axes' ranges include it; a curve that shoots up at a wall need not.
    bool fijaLimites = true;
    bool discontinua = false; // dashed: what is not data (the curve's extensions, an asymptote)
};

class GraficoDetalles : public QWidget {
    Q_OBJECT
public:
    explicit GraficoDetalles(QWidget* padre = nullptr);

    void ponSeries(std::vector<SerieGrafico> series, const QString& ejeX, const QString& ejeY);
    const std::vector<SerieGrafico>& series() const { return series_; }
    QSize sizeHint() const override { return {420, 320}; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    std::vector<SerieGrafico> series_;
    QString ejeX_, ejeY_;
};

} // namespace oscilab
