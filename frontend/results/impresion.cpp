#include "results/impresion.h"

#include "compartido/dialogos_fichero.h"
#include "compartido/mensajes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace oscilab {

namespace {

// Sharpness of the composed plot: picture pixels per window pixel.
constexpr double kEscalaGrafico = 3.0;

// Prints through a QPainter on a printer whose page is the whole sheet. The layout speaks
// of the whole sheet; the painter shrinks it into the printable area.
class SuperficiePintor : public SuperficieImpresion {
public:
    SuperficiePintor(QPrinter& impresora, QPainter& pintor, const QFont& fuente)
        : impresora_(impresora), pintor_(pintor), metrica_(fuente, &impresora),
          porTwip_(impresora.resolution() / 1440.0) {
        const QPageLayout disposicion = impresora.pageLayout();
        const QRectF hoja = disposicion.fullRectPoints();
        ancho_ = hoja.width() * 20.0;
        alto_ = hoja.height() * 20.0;
        const QMarginsF minimos = disposicion.minimumMargins();
        const double twipsPorUnidad =
            20.0 * hoja.width() / std::max(disposicion.fullRect().width(), 1e-9);
        const EncajePagina encaje = encajaEnArea(
            QSizeF(ancho_, alto_), areaImprimible(QSizeF(ancho_, alto_), minimos * twipsPorUnidad));
        pintor_.translate(encaje.dx * porTwip_, encaje.dy * porTwip_);
        pintor_.scale(encaje.escala, encaje.escala);
        pintor_.setFont(fuente);
    }

    double anchoPagina() const override { return ancho_; }
    double altoPagina() const override { return alto_; }
    double anchoTexto(const QString& t) const override {
        return metrica_.horizontalAdvance(t) / porTwip_;
    }
    double altoLinea() const override { return metrica_.lineSpacing() / porTwip_; }
    void texto(double x, double y, const QString& t) override {
        pintor_.drawText(QPointF(x * porTwip_, y * porTwip_ + metrica_.ascent()), t);
    }
    void imagen(double x, double y, double w, double h, const QImage& img) override {
        pintor_.drawImage(QRectF(x * porTwip_, y * porTwip_, w * porTwip_, h * porTwip_), img);
    }
    void nuevaPagina() override { impresora_.newPage(); }

private:
    QPrinter& impresora_;
    QPainter& pintor_;
    QFontMetricsF metrica_;
    double porTwip_;
    double ancho_ = 0.0;
    double alto_ = 0.0;
};

QString tituloImpresora() {
    return QCoreApplication::translate("impresion", "Impresora");
}

} // namespace

QFont fuenteInforme() {
    const QStringList instaladas = QFontDatabase::families();
    // Liberation Mono has Courier New's metrics; DejaVu Sans Mono is always on Debian.
    for (const char* familia : {"Courier New", "Liberation Mono", "DejaVu Sans Mono"}) {
        if (instaladas.contains(QString::fromLatin1(familia), Qt::CaseInsensitive)) {
            QFont f(QString::fromLatin1(familia));
            f.setPointSizeF(10.0);
            return f;
        }
    }
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setPointSizeF(10.0);
    return f;
}

bool imprimirEn(QPrinter& impresora, const QString& informe, const QString& nombrebase,
                const ComposicionGrafico* grafico, const QDate& fecha) {
    impresora.setPageSize(QPageSize(QPageSize::A4));
    impresora.setPageOrientation(QPageLayout::Portrait);
    impresora.setFullPage(true);
    impresora.setDocName(QStringLiteral("OSCILAB - ") + nombrebase);
    QPainter pintor;
    if (!pintor.begin(&impresora)) {
        return false;
    }
    SuperficiePintor superficie(impresora, pintor, fuenteInforme());
    ComponedorGrafico componedor;
    GraficoImpreso impreso;
    if (grafico != nullptr) {
        impreso = graficoParaImprimir(componedor, *grafico, kEscalaGrafico);
    }
    MaquetaInforme maqueta(superficie);
    maqueta.imprimeinforme(informe, tituloPrograma(), subtituloPrimeraPagina(nombrebase, fecha),
                           grafico != nullptr ? &impreso : nullptr);
    return pintor.end();
}

ResultadoImpresion imprimirResultados(QWidget* padre, const QString& informe,
                                      const QString& nombrebase, const ComposicionGrafico& grafico,
                                      const QString& carpetaPdf) {
    const Respuesta respuesta = mensajes().mostrar(
        padre,
        QCoreApplication::translate("impresion", "¿Quiere imprimir los resultados con el gráfico?"),
        tituloImpresora(), IconoMensaje::Pregunta, BotonesMensaje::SiNoCancelar);
    if (respuesta == Respuesta::Cancelar) {
        return ResultadoImpresion::Cancelada;
    }
    const QPrinterInfo predeterminada = QPrinterInfo::defaultPrinter();
    QPrinter impresora(QPrinter::HighResolution);
    if (!predeterminada.isNull()) {
        impresora.setPrinterName(predeterminada.printerName());
    } else {
        const QString propuesto = carpetaPdf +
                                  (nombrebase.isEmpty() ? QStringLiteral("informe") : nombrebase) +
                                  QStringLiteral(".pdf");
        const auto ruta = dialogosFichero().guardar(
            padre, QCoreApplication::translate("impresion", "Guardar el informe en PDF"), propuesto,
            QCoreApplication::translate("impresion", "Documentos PDF (*.pdf)"));
        if (!ruta) {
            return ResultadoImpresion::Cancelada;
        }
        // The save dialog leaves the overwrite question to the program.
        if (QFileInfo::exists(*ruta) &&
            mensajes().mostrar(padre,
                               QCoreApplication::translate(
                                   "impresion", "El fichero %1 ya existe. ¿Desea reemplazarlo?")
                                   .arg(QDir::toNativeSeparators(*ruta)),
                               tituloImpresora(), IconoMensaje::Pregunta,
                               BotonesMensaje::SiNo) != Respuesta::Si) {
            return ResultadoImpresion::Cancelada;
        }
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(*ruta);
    }
    const bool conGrafico = respuesta == Respuesta::Si;
    if (!imprimirEn(impresora, informe, nombrebase, conGrafico ? &grafico : nullptr)) {
        avisar(padre,
               QCoreApplication::translate("impresion", "No se ha podido imprimir el informe."),
               tituloImpresora(), IconoMensaje::Stop);
        return ResultadoImpresion::Fallida;
    }
    return ResultadoImpresion::Impresa;
}

} // namespace oscilab
