// The frame picture `pctgrafica` around the plot area: white, with the tick marks.
#pragma once

#include <QFrame>
#include <QLineF>
#include <vector>

namespace oscilab {

class MarcoGrafica : public QFrame {
    Q_OBJECT
public:
    explicit MarcoGrafica(QWidget* padre = nullptr);

    // Drawn once, at load; they do not follow the view.
    void ponMarcas(std::vector<QLineF> marcas);
    const std::vector<QLineF>& marcas() const { return marcas_; }
    // The plot area gets a thin outline, so that it stands out of the white frame.
    void ponAreaGrafico(const QRect& area) { area_ = area; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    std::vector<QLineF> marcas_;
    QRect area_;
};

} // namespace oscilab
