// The frame picture `pctgrafica` around the plot area: white, with the tick marks and
// their labels.
#pragma once

#include "results/impresion_grafico.h"

#include <QFont>
#include <QFrame>
#include <QLineF>
#include <vector>

namespace oscilab {

class MarcoGrafica : public QFrame {
    Q_OBJECT
public:
    explicit MarcoGrafica(QWidget* padre = nullptr);

    // The view's ticks and their labels, in `fuente`, drawn as the printed plot draws them.
    void ponMarcas(std::vector<QLineF> marcas, std::vector<EtiquetaGrafico> etiquetas,
                   const QFont& fuente);
    const std::vector<QLineF>& marcas() const { return marcas_; }
    const std::vector<EtiquetaGrafico>& etiquetas() const { return etiquetas_; }
    const QFont& fuente() const { return fuente_; }
    // The plot area gets a thin outline, so that it stands out of the white frame.
    void ponAreaGrafico(const QRect& area) { area_ = area; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    std::vector<QLineF> marcas_;
    std::vector<EtiquetaGrafico> etiquetas_;
    QFont fuente_;
    QRect area_;
};

} // namespace oscilab
