#include "marco_grafica.h"

#include <QPainter>

namespace oscilab {

MarcoGrafica::MarcoGrafica(QWidget* padre) : QFrame(padre) {
    setObjectName(QStringLiteral("pctgrafica"));
    setAccessibleName(tr("Marco de la gráfica"));
    setAutoFillBackground(true);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, Qt::white);
    paleta.setColor(QPalette::WindowText, Qt::black);
    setPalette(paleta);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

void MarcoGrafica::ponMarcas(std::vector<QLineF> marcas, std::vector<EtiquetaGrafico> etiquetas,
                             const QFont& fuente) {
    marcas_ = std::move(marcas);
    etiquetas_ = std::move(etiquetas);
    fuente_ = fuente;
    update();
}

void MarcoGrafica::paintEvent(QPaintEvent* evento) {
    QFrame::paintEvent(evento);
    QPainter pintor(this);
    if (area_.isValid()) {
        pintor.setPen(QPen(Qt::gray, 0));
        pintor.drawRect(area_.adjusted(-1, -1, 0, 0));
    }
    if (!marcas_.empty()) {
        pintor.setPen(QPen(Qt::black, 0));
        pintor.drawLines(marcas_.data(), static_cast<int>(marcas_.size()));
    }
    pintor.setFont(fuente_);
    const int ascenso = QFontMetrics(fuente_).ascent();
    for (const EtiquetaGrafico& e : etiquetas_) {
        pintor.drawText(QPoint(e.rect.left(), e.rect.top() + ascenso), e.texto);
    }
}

} // namespace oscilab
