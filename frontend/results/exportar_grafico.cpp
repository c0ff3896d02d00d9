#include "results/exportar_grafico.h"

#include "results/marcas_vista.h"

#include "compartido/formato_numeros.h"
#include "results/polinomio.h"
#include "results/trazado.h"
#include "results/unidades_grafico.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>

namespace oscilab {

namespace {

// The plot area's colours, as on the screen.
const QColor colorCurva(0, 0, 255);
const QColor colorPuntos(0, 128, 0);
const QColor colorNiveles(255, 0, 0);

void trazaLineas(QPainter& p, const std::vector<QLineF>& lineas, const QColor& color,
                 double grosor) {
    if (lineas.empty()) {
        return;
    }
    p.setPen(QPen(color, grosor));
    p.drawLines(lineas.data(), static_cast<int>(lineas.size()));
}

// The curve, the crosses and the level bars inside the plot area, whose top left corner
// is the painter's origin.
void dibujaContenido(QPainter& p, const QSizeF& area, const DibujoGrafico& d, double grosor) {
    const Escala escala(d.caja, area);
    const int muestras = std::max(2, static_cast<int>(area.width()));
    trazaLineas(p, trazacurva(Polinomio(d.coeficientes), escala, muestras).segmentos, colorCurva,
                grosor);
    std::vector<QLineF> cruces;
    for (const Punto& punto : d.curva.puntos) {
        const auto cruz = marca(escala, punto.r, punto.v);
        cruces.insert(cruces.end(), cruz.begin(), cruz.end());
    }
    trazaLineas(p, cruces, colorPuntos, grosor);
    std::vector<QLineF> barras;
    const Polinomio f(d.coeficientes);
    const auto [rmin, rmax] = intervaloR(d.curva.puntos);
    for (double nivel : d.curva.niveles) {
        if (auto barra =
                barraEntreRetornos(escala, f, d.rcentro, nivel, rmin, rmax, d.curva.anchonivel)) {
            barras.push_back(*barra);
        }
    }
    trazaLineas(p, barras, colorNiveles, grosor);
}

QString nombreFormato(FormatoGrafico f) {
    switch (f) {
    case FormatoGrafico::Png:
        return QStringLiteral("PNG");
    case FormatoGrafico::Svg:
        return QStringLiteral("SVG");
    case FormatoGrafico::Pdf:
        return QStringLiteral("PDF");
    }
    return QString();
}

} // namespace

std::optional<FormatoGrafico> formatoDeFichero(const QString& ruta) {
    const QString ext = QFileInfo(ruta).suffix().toLower();
    if (ext == QLatin1String("png")) {
        return FormatoGrafico::Png;
    }
    if (ext == QLatin1String("svg")) {
        return FormatoGrafico::Svg;
    }
    if (ext == QLatin1String("pdf")) {
        return FormatoGrafico::Pdf;
    }
    return std::nullopt;
}

void dibujaGrafico(QPainter& p, const QRectF& zona, const DibujoGrafico& d) {
    p.save();
    p.fillRect(zona, Qt::white);
    QFont fuente = p.font();
    fuente.setPixelSize(std::max(8, qRound(zona.height() / 45.0)));
    p.setFont(fuente);
    const QFontMetricsF medidas(fuente, p.device());
    const double alto = medidas.height();
    const double marca = alto / 2.0;
    // Every tick at a round value of the view, each labelled (results/marcas_vista.h).
    const MarcasVista etiquetas =
        marcasVista(Escala(d.caja, QSizeF(1.0, 1.0)), d.unidades); // the texts, to size the V strip
    double anchoV = 0.0;
    for (const MarcaVista& m : etiquetas.v) {
        anchoV = std::max(anchoV, medidas.horizontalAdvance(m.texto));
    }
    const double izquierda = anchoV + marca * 2;
    // Room for the V caption above and the R values and caption below.
    const QRectF area(zona.left() + izquierda, zona.top() + alto * 2,
                      zona.width() - izquierda - alto * 2, zona.height() - alto * 5);
    if (area.width() < 10 || area.height() < 10) {
        p.restore();
        return;
    }
    const double grosor = std::max(1.0, zona.height() / 800.0);

    p.save();
    p.setClipRect(area);
    p.translate(area.topLeft());
    dibujaContenido(p, area.size(), d, grosor);
    p.restore();

    p.setPen(QPen(Qt::black, grosor));
    p.setBrush(Qt::NoBrush);
    p.drawRect(area);
    const MarcasVista marcas = marcasVista(Escala(d.caja, area.size()), d.unidades);
    const double margen = marca * 1.5;
    const double filaR = area.bottom() + marca + alto * 0.2;
    for (const MarcaVista& m : marcas.v) {
        const double y = area.top() + m.pixel;
        p.drawLine(QPointF(area.left() - marca, y), QPointF(area.left(), y));
        p.drawText(QRectF(zona.left(), y - alto / 2, izquierda - margen, alto),
                   Qt::AlignRight | Qt::AlignVCenter, m.texto);
    }
    for (const MarcaVista& m : marcas.r) {
        const double x = area.left() + m.pixel;
        p.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + marca));
        const double ancho = medidas.horizontalAdvance(m.texto);
        p.drawText(QRectF(x - ancho / 2, filaR, ancho, alto), Qt::AlignHCenter, m.texto);
    }
    p.drawText(QRectF(area.left(), filaR + alto, area.width(), alto), Qt::AlignHCenter,
               tituloEjeR(d.unidades));
    p.drawText(QRectF(zona.left(), zona.top() + alto * 0.5, zona.width(), alto), Qt::AlignLeft,
               tituloEjeV(d.unidades));
    p.restore();
}

Resultado<void> exportaGrafico(const DibujoGrafico& dibujo, const QString& ruta, QSize tamano) {
    const auto formato = formatoDeFichero(ruta);
    if (!formato) {
        return Fallo{QCoreApplication::translate(
            "exportar_grafico", "El nombre del fichero debe terminar en .png, .svg o .pdf")};
    }
    if (tamano.width() < ladoPngMinimo || tamano.height() < ladoPngMinimo ||
        tamano.width() > ladoPngMaximo || tamano.height() > ladoPngMaximo) {
        return Fallo{QCoreApplication::translate(
                         "exportar_grafico", "El tamaño debe estar entre %1 y %2 píxeles por lado")
                         .arg(ladoPngMinimo)
                         .arg(ladoPngMaximo)};
    }
    const QRectF zona(QPointF(0, 0), QSizeF(tamano));
    bool escrito = false;
    switch (*formato) {
    case FormatoGrafico::Png: {
        QImage imagen(tamano, QImage::Format_RGB32);
        imagen.fill(Qt::white);
        {
            QPainter p(&imagen);
            p.setRenderHint(QPainter::Antialiasing);
            dibujaGrafico(p, zona, dibujo);
        }
        escrito = imagen.save(ruta, "PNG");
        break;
    }
    case FormatoGrafico::Svg: {
        QSvgGenerator svg;
        svg.setFileName(ruta);
        svg.setSize(tamano);
        svg.setViewBox(zona);
        svg.setTitle(QStringLiteral("OSCILAB: V(R)"));
        QPainter p;
        escrito = p.begin(&svg);
        if (escrito) {
            dibujaGrafico(p, zona, dibujo);
            escrito = p.end();
        }
        break;
    }
    case FormatoGrafico::Pdf: {
        QPdfWriter pdf(ruta);
        // One page of the plot's own proportions, 96 pixels per inch.
        pdf.setResolution(96);
        pdf.setPageSize(QPageSize(QSizeF(tamano) / 96.0, QPageSize::Inch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter p;
        escrito = p.begin(&pdf);
        if (escrito) {
            const QRect pagina = p.viewport();
            dibujaGrafico(p, QRectF(pagina), dibujo);
            escrito = p.end();
        }
        break;
    }
    }
    if (!escrito || !QFileInfo(ruta).isFile()) {
        return Fallo{QCoreApplication::translate("exportar_grafico",
                                                 "No se ha podido escribir el gráfico %1 en %2")
                         .arg(nombreFormato(*formato), ruta)};
    }
    return {};
}

QString filtroExportacion() {
    return QCoreApplication::translate(
        "exportar_grafico", "Imagen PNG (*.png);;Dibujo SVG (*.svg);;Documento PDF (*.pdf)");
}

} // namespace oscilab
