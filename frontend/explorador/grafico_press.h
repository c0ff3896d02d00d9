// A small plot of sqrt(PRESS/N) per candidate in rank order, on a logarithmic scale: the
// candidates without a minimum inside the data in grey, the selected one in red.
#pragma once

#include <QWidget>

#include <vector>

namespace oscilab {

class GraficoPress : public QWidget {
    Q_OBJECT
public:
    explicit GraficoPress(QWidget* parent = nullptr);

    struct Punto {
        double valor = 0.0; // > 0 and finite to be drawn
        bool minimoDentro = true;
    };
    void ponPuntos(std::vector<Punto> puntos, const QString& unidad);
    void ponSeleccionado(int indice); // -1: none

    QSize sizeHint() const override { return {420, 150}; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    std::vector<Punto> puntos_;
    QString unidad_;
    int seleccionado_ = -1;
};

} // namespace oscilab
