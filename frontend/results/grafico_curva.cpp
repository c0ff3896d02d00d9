#include "grafico_curva.h"

#include "compartido/mensajes.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <cmath>

namespace oscilab {

namespace {

const QColor colorCurva(0, 0, 255);
const QColor colorPuntos(0, 128, 0);
const QColor colorNiveles(255, 0, 0);
const QColor colorRecuadro(0, 0, 128);

int codigoBotones(Qt::MouseButtons botones) {
    int codigo = ningunBoton;
    if (botones & Qt::LeftButton) {
        codigo |= botonIzquierdo;
    }
    if (botones & Qt::RightButton) {
        codigo |= botonDerecho;
    }
    if (botones & Qt::MiddleButton) {
        codigo |= botonCentral;
    }
    return codigo;
}

void advierte(QWidget* ventana, const QString& texto) {
    avisar(ventana, texto, QStringLiteral("Advertencia"), IconoMensaje::Stop);
}

bool intervaloValido(double minimo, double maximo) {
    return std::isfinite(minimo) && std::isfinite(maximo) && minimo != maximo;
}

} // namespace

GraficoCurva::GraficoCurva(EstadoGlobal& estado, QWidget* padre)
    : QWidget(padre), estado_(estado), zoom_(estado.vista, estado.limites) {
    setObjectName(QStringLiteral("pctgrafico"));
    setAccessibleName(QStringLiteral("Gráfica de la curva"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    imagen_ = QImage(QSize(1, 1), QImage::Format_RGB32);
    imagen_.fill(Qt::white);
}

double GraficoCurva::anchoTwips() const {
    return width() * 1440.0 / logicalDpiX();
}

void GraficoCurva::ajustaImagen() {
    // The window keeps the size fixed at load; a new size starts a blank picture.
    if (imagen_.size() != size() && !size().isEmpty()) {
        imagen_ = QImage(size(), QImage::Format_RGB32);
        imagen_.fill(Qt::white);
        escala_ = Escala(escala_.caja(), QSizeF(size()));
    }
}

bool GraficoCurva::dibujacurva(Caja& caja) {
    ajustaImagen();
    if (caja.rmin == 0.0) {
        caja.rmin = 0.01;
    }
    const QString otro = QStringLiteral("\nElige otro intervalo");
    if (std::abs(caja.vmin - caja.vmax) > limiteGrafica) {
        advierte(window(), QStringLiteral("El intervalo en el eje y tiende a infinito.") + otro);
        estado_.vista = estado_.limites;
    }
    if (std::abs(caja.rmin - caja.rmax) > limiteGrafica) {
        advierte(window(), QStringLiteral("El intervalo en el eje x tiende a infinito.") + otro);
        estado_.vista = estado_.limites;
    }
    if (!intervaloValido(caja.rmin, caja.rmax)) {
        advierte(window(), QStringLiteral("El intervalo en el eje x es nulo o no está definido; "
                                          "no se puede dibujar la gráfica.") +
                               otro);
        return false;
    }
    if (!intervaloValido(caja.vmin, caja.vmax)) {
        advierte(window(), QStringLiteral("El intervalo en el eje y es nulo o no está definido; "
                                          "no se puede dibujar la gráfica.") +
                               otro);
        return false;
    }
    const Caja dibujada = caja;
    emit vistaDibujada(dibujada);
    escala_ = Escala(dibujada, QSizeF(imagen_.size()));
    imagen_.fill(Qt::white);
    const TrazoCurva trazo =
        trazacurva(Polinomio(estado_.coeficientes), escala_, muestrasEnAncho(anchoTwips()));
    estado_.rcentro = trazo.rcentro;
    trazaLineas(trazo.segmentos, colorCurva);
    update();
    return true;
}

void GraficoCurva::dibujamarca(double r, double v, const QColor& color) {
    trazaLineas(marca(escala_, r, v), color);
}

void GraficoCurva::dibujapuntos() {
    std::vector<QLineF> lineas;
    for (const Punto& p : datos_.puntos) {
        const auto cruz = marca(escala_, p.r, p.v);
        lineas.insert(lineas.end(), cruz.begin(), cruz.end());
    }
    trazaLineas(lineas, colorPuntos);
}

void GraficoCurva::dibujaniveles() {
    std::vector<QLineF> lineas;
    for (double nivel : datos_.niveles) {
        if (auto barra = barraNivel(escala_, estado_.rcentro, datos_.anchonivel, nivel)) {
            lineas.push_back(*barra);
        }
    }
    trazaLineas(lineas, colorNiveles);
}

void GraficoCurva::trazaLineas(const std::vector<QLineF>& lineas, const QColor& color) {
    if (lineas.empty()) {
        return;
    }
    QPainter pintor(&imagen_);
    pintor.setPen(QPen(color, 0));
    pintor.drawLines(lineas.data(), static_cast<int>(lineas.size()));
    update();
}

void GraficoCurva::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    pintor.drawImage(0, 0, imagen_);
    if (const auto& r = zoom_.recuadro()) {
        const QPointF a = escala_.aPixel(r->rmin, r->vmin);
        const QPointF b = escala_.aPixel(r->rmax, r->vmax);
        pintor.setPen(QPen(colorRecuadro, 0, Qt::DotLine));
        pintor.setBrush(Qt::NoBrush);
        pintor.drawRect(QRectF(a, b).normalized());
    }
}

void GraficoCurva::resizeEvent(QResizeEvent*) {
    ajustaImagen();
}

std::pair<double, double> GraficoCurva::coordenadas(const QPointF& posicion) const {
    const float r = static_cast<float>(escala_.rDePixel(posicion.x()));
    const float v = static_cast<float>(escala_.vDePixel(posicion.y()));
    return {r, v};
}

void GraficoCurva::mousePressEvent(QMouseEvent* evento) {
    const auto [r, v] = coordenadas(evento->position());
    aplica(zoom_.pulsar(codigoBotones(evento->button()), r, v));
}

void GraficoCurva::mouseMoveEvent(QMouseEvent* evento) {
    const auto [r, v] = coordenadas(evento->position());
    aplica(zoom_.mover(codigoBotones(evento->buttons()), r, v));
}

void GraficoCurva::mouseReleaseEvent(QMouseEvent* evento) {
    const auto [r, v] = coordenadas(evento->position());
    aplica(zoom_.soltar(codigoBotones(evento->button()), r, v));
}

void GraficoCurva::aplica(const AccionRaton& accion) {
    if (accion.tooltip) {
        setToolTip(*accion.tooltip);
        if (QToolTip::isVisible()) {
            QToolTip::showText(QCursor::pos(), *accion.tooltip, this); // follow the pointer
        }
    }
    if (accion.redibujar && dibujacurva(estado_.vista) && accion.conPuntosYNiveles) {
        dibujapuntos();
        dibujaniveles();
    }
    if (accion.bandaCambiada) {
        update();
    }
}

} // namespace oscilab
