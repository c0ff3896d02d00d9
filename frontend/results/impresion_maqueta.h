// The printed report's page layout: header, report text with word wrap, tab stops and
// forced page breaks, page foot, and the plot on the first page. Positions are in twips
// (1/1440 inch) from the paper's top left corner; the layout speaks to a surface, so that
// it can be printed or recorded.
#pragma once

#include <QDate>
#include <QImage>
#include <QMarginsF>
#include <QRectF>
#include <QString>
#include <vector>

namespace oscilab {

// Where the layout prints. Widths and heights are in twips.
class SuperficieImpresion {
public:
    virtual ~SuperficieImpresion() = default;
    virtual double anchoPagina() const = 0;
    virtual double altoPagina() const = 0;
    virtual double anchoTexto(const QString& texto) const = 0;
    virtual double altoLinea() const = 0;
    // Text with its top left corner at (x, y).
    virtual void texto(double x, double y, const QString& texto) = 0;
    virtual void imagen(double x, double y, double ancho, double alto, const QImage& imagen) = 0;
    virtual void nuevaPagina() = 0;
};

// The composed plot, ready to be placed on the first page at its own size.
struct GraficoImpreso {
    QImage imagen;
    double ancho = 0.0; // twips
    double alto = 0.0;
};

namespace maqueta {
constexpr double kCabecera = 800.0;         // top of the header on every page
constexpr double kMargenIzquierdo = 1440.0; // left edge of the report text
constexpr double kReservaInferior = 1000.0; // a page ends below page height minus this
constexpr double kHuecoGrafico = 1000.0;    // between the first header and the plot
constexpr double kTextoConGrafico = 9000.0; // top of the text on the page with the plot
constexpr int kCeldasTabulador = 10;
} // namespace maqueta

// Where the sheet's layout lands on the paper: scaled by `escala` (at most 1) about the
// sheet's top left corner, then moved by (dx, dy) twips.
struct EncajePagina {
    double escala = 1.0;
    double dx = 0.0;
    double dy = 0.0;
    QPointF aplica(QPointF p) const { return {dx + escala * p.x(), dy + escala * p.y()}; }
};

// A quarter inch: the margin that printers commonly leave unprinted.
constexpr double kMargenSeguro = 360.0;

// The printable area of a sheet of `hoja` twips: the sheet less the printer's own margins
// and never less than kMargenSeguro on each side, so that a PDF shows the page a printer
// would print.
QRectF areaImprimible(QSizeF hoja, QMarginsF margenesImpresora);

// The layout of the whole sheet shrunk, keeping its proportions, into `area`, centred.
EncajePagina encajaEnArea(QSizeF hoja, const QRectF& area);

// "Programa OSCILAB     Versión: Septiembre 2002"
QString tituloPrograma();
// "Archivo: NAME     Fecha: mm-dd-yyyy"
QString subtituloPrimeraPagina(const QString& nombrebase, const QDate& fecha);

// Lays out one print job on a surface: the state is the print position and page number.
class MaquetaInforme {
public:
    explicit MaquetaInforme(SuperficieImpresion& superficie) : s_(superficie) {}

    // The whole job. `grafico` null: report only, right below the header.
    void imprimeinforme(const QString& texto, const QString& titulo, const QString& subtitulo,
                        const GraficoImpreso* grafico);

    void imprimecabecera(const QString& titulo, const QString& subtitulo);
    // The foot; `ultima` leaves out the new page that nothing would be printed on.
    void imprimepie(bool ultima = false);
    void imprimegrafico(const GraficoImpreso& grafico);

    int pagina() const { return pagina_; }

private:
    void imprime(const QString& texto, bool finLinea);
    void finLinea() { imprime(QString(), true); }
    void saltoDePagina(const QString& titulo);
    void finDeLineaEnTexto(const QString& titulo);
    void tabulador();

    SuperficieImpresion& s_;
    double x_ = 0.0;
    double y_ = 0.0;
    int pagina_ = 1;
};

// A surface that keeps what was printed, with fixed metrics: for tests and previews.
class RegistroImpresion : public SuperficieImpresion {
public:
    enum class Tipo { Texto, Imagen, NuevaPagina };
    struct Evento {
        Tipo tipo;
        int pagina; // 1-based page the event lands on
        double x;
        double y;
        QString texto; // Texto only
        double ancho = 0.0;
        double alto = 0.0;
    };

    // A4 in twips; Courier 10 pt: cells of 120 twips, lines of 240.
    double ancho = 11906.0;
    double alto = 16838.0;
    double celda = 120.0;
    double linea = 240.0;

    double anchoPagina() const override { return ancho; }
    double altoPagina() const override { return alto; }
    double anchoTexto(const QString& t) const override { return celda * double(t.size()); }
    double altoLinea() const override { return linea; }
    void texto(double x, double y, const QString& t) override {
        eventos.push_back({Tipo::Texto, paginas, x, y, t});
    }
    void imagen(double x, double y, double w, double h, const QImage&) override {
        eventos.push_back({Tipo::Imagen, paginas, x, y, QString(), w, h});
    }
    void nuevaPagina() override {
        eventos.push_back({Tipo::NuevaPagina, paginas, 0.0, 0.0, QString()});
        ++paginas;
    }

    std::vector<Evento> textos() const;
    std::vector<Evento> textosDePagina(int pagina) const;

    std::vector<Evento> eventos;
    int paginas = 1;
};

} // namespace oscilab
