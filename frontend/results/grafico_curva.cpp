#include "grafico_curva.h"

#include "compartido/mensajes.h"

#include <QCoreApplication>
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
    avisar(ventana, texto, QCoreApplication::translate("grafico_curva", "Advertencia"),
           IconoMensaje::Stop);
}

} // namespace

GraficoCurva::GraficoCurva(EstadoResultados& resultados, QWidget* padre)
    : QWidget(padre), resultados_(resultados), zoom_(resultados.vista, resultados.limites) {
    setObjectName(QStringLiteral("pctgrafico"));
    setAccessibleName(tr("Gráfica de la curva"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    imagen_ = QImage(QSize(1, 1), QImage::Format_RGB32);
    imagen_.fill(Qt::white);
}

double GraficoCurva::anchoTwips() const {
    return width() * 1440.0 / logicalDpiX();
}

void GraficoCurva::ajustaImagen() {
    // A new size starts a blank picture; the resize redraws it.
    if (imagen_.size() != size() && !size().isEmpty()) {
        imagen_ = QImage(size(), QImage::Format_RGB32);
        imagen_.fill(Qt::white);
        escala_ = Escala(escala_.caja(), QSizeF(size()));
    }
}

bool GraficoCurva::dibujaVistaCompleta() {
    return redibuja(false);
}

bool GraficoCurva::dibujaVista() {
    return redibuja(true);
}

bool GraficoCurva::redibuja(bool esVista) {
    ajustaImagen();
    Caja& pedida = esVista ? resultados_.vista : resultados_.limites;
    const CajaRevisada revisada = revisaCaja(pedida, resultados_.limites, esVista);
    for (const QString& aviso : revisada.avisos) {
        advierte(window(), aviso);
    }
    pedida = revisada.caja;
    if (revisada.vistaCompleta) {
        resultados_.vista = resultados_.limites;
    }
    if (!revisada.dibujable) {
        return false;
    }
    resultados_.rcentro = dibujacurva(revisada.caja);
    return true;
}

double GraficoCurva::dibujacurva(const Caja& caja) {
    ajustaImagen();
    // The scale first: what follows the signal (the ticks) reads it.
    escala_ = Escala(caja, QSizeF(imagen_.size()));
    emit vistaDibujada(caja);
    imagen_.fill(Qt::white);
    conCurva_ = true;
    conPuntos_ = false;
    conNiveles_ = false;
    const TrazoCurva trazo =
        trazacurva(Polinomio(resultados_.coeficientes), escala_, muestrasEnAncho(anchoTwips()));
    trazaLineas(trazo.segmentos, colorCurva);
    update();
    return trazo.rcentro;
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
    conPuntos_ = true;
}

void GraficoCurva::dibujaniveles() {
    std::vector<QLineF> lineas;
    const Polinomio f(resultados_.coeficientes);
    const auto [rmin, rmax] = intervaloR(datos_.puntos);
    for (double nivel : datos_.niveles) {
        if (auto barra = barraEntreRetornos(escala_, f, resultados_.rcentro, nivel, rmin, rmax,
                                            datos_.anchonivel)) {
            lineas.push_back(*barra);
        }
    }
    trazaLineas(lineas, colorNiveles);
    conNiveles_ = true;
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
    const QSize antes = imagen_.size();
    ajustaImagen();
    if (imagen_.size() != antes) {
        redibujaTrazado();
    }
}

void GraficoCurva::redibujaTrazado() {
    if (!conCurva_) {
        return;
    }
    const bool puntos = conPuntos_;
    const bool niveles = conNiveles_;
    // The same view on the new size: samples and levels' centre follow the new width.
    resultados_.rcentro = dibujacurva(escala_.caja());
    if (puntos) {
        dibujapuntos();
    }
    if (niveles) {
        dibujaniveles();
    }
}

std::pair<double, double> GraficoCurva::coordenadas(const QPointF& posicion) const {
    const float r = static_cast<float>(escala_.rDePixel(posicion.x()));
    const float v = static_cast<float>(escala_.vDePixel(posicion.y()));
    return {r, v};
}

void GraficoCurva::mousePressEvent(QMouseEvent* evento) {
    const auto [r, v] = coordenadas(evento->position());
    aplica(zoom_.pulsar(codigoBotones(evento->button()), r, v), r, v);
}

void GraficoCurva::mouseMoveEvent(QMouseEvent* evento) {
    const auto [r, v] = coordenadas(evento->position());
    aplica(zoom_.mover(codigoBotones(evento->buttons()), r, v), r, v);
}

void GraficoCurva::mouseReleaseEvent(QMouseEvent* evento) {
    const auto [r, v] = coordenadas(evento->position());
    aplica(zoom_.soltar(codigoBotones(evento->button()), r, v), r, v);
}

void GraficoCurva::aplica(const AccionRaton& accion, double r, double v) {
    if (accion.tooltip) {
        // The zoom works in bohr and hartree; the reader sees the document's units.
        const QString texto = textoCoordenadas(r * unidades_.distancia, v * unidades_.energia);
        setToolTip(texto);
        if (QToolTip::isVisible()) {
            QToolTip::showText(QCursor::pos(), texto, this); // follow the pointer
        }
    }
    if (accion.redibujar && dibujaVista() && accion.conPuntosYNiveles) {
        dibujapuntos();
        dibujaniveles();
    }
    if (accion.bandaCambiada) {
        update();
    }
}

} // namespace oscilab
