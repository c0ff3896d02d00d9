#include "results/impresion.h"
#include "support/guiones.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace oscilab {
namespace {

QString informeDePrueba() {
    QString t = QStringLiteral("\r\nPARAMETROS MOLECULARES CALCULADOS:\r\n") + QString(34, u'-') +
                QStringLiteral("\r\n\r\nDISTANCIA DE EQUILIBRIO =   0.74130 (ANGSTROMS)   1.40088 "
                               "(BOHR)\r\n\r\n\r\n.../...\r\n\r\nAJUSTE MINIMOCUADRÁTICO:\r\n");
    for (int i = 1; i <= 70; ++i) {
        t += QStringLiteral(" %1  punto%1\r\n").arg(i, 2);
    }
    return t + QStringLiteral("ULTIMALINEA\r\n");
}

ComposicionGrafico graficoDePrueba() {
    ComposicionGrafico c;
    c.marco = QSize(720, 300);
    c.areaGrafico = QRect(80, 20, 612, 240);
    c.imagenGrafico = QImage(612, 240, QImage::Format_RGB32);
    c.imagenGrafico.fill(Qt::white);
    QPainter p(&c.imagenGrafico);
    p.setPen(QPen(QColor(0, 0, 255), 2));
    for (int x = 1; x < 612; ++x) {
        const double u = (x - 150) / 120.0;
        const double v = 220 - 200 * std::exp(-u * u / 2);
        p.drawPoint(x, static_cast<int>(v));
    }
    p.end();
    c.x0y1 = {QStringLiteral("0.0000"), QRect(0, 20, 72, 16)};
    c.x0y0y = {QStringLiteral("-1.2000"), QRect(0, 244, 72, 16)};
    c.x0y0x = {QStringLiteral("0.5000"), QRect(80, 268, 80, 16)};
    c.x1y0 = {QStringLiteral("6.0000"), QRect(640, 268, 52, 16)};
    c.lbx = {QStringLiteral("R (u.a.)"), QRect(360, 280, 60, 16)};
    c.lby = {QStringLiteral("V(R) (u.a.)"), QRect(0, 130, 75, 16)};
    return c;
}

QString ejecuta(const QString& programa, const QStringList& argumentos) {
    QProcess p;
    p.start(programa, argumentos);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        return QStringLiteral("<fallo de %1>").arg(programa);
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

int paginasDe(const QString& pdf) {
    const QString info = ejecuta(QStringLiteral("pdfinfo"), {pdf});
    for (const QString& linea : info.split(u'\n')) {
        if (linea.startsWith(QStringLiteral("Pages:"))) {
            return linea.mid(6).trimmed().toInt();
        }
    }
    return -1;
}

// Image count per page from pdfimages -list (page number is the first column).
int imagenesEnPagina(const QString& pdf, int pagina) {
    int n = 0;
    const QStringList lineas = ejecuta(QStringLiteral("pdfimages"), {"-list", pdf}).split(u'\n');
    for (qsizetype i = 2; i < lineas.size(); ++i) {
        const QStringList campos = lineas[i].simplified().split(u' ');
        if (!campos.isEmpty() && campos[0].toInt() == pagina) {
            ++n;
        }
    }
    return n;
}

class ImpresionPdf : public ::testing::Test {
protected:
    QString imprime(bool conGrafico) {
        const QString ruta = dir_.filePath(conGrafico ? "con.pdf" : "sin.pdf");
        QPrinter impresora(QPrinter::HighResolution);
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(ruta);
        const auto g = graficoDePrueba();
        EXPECT_TRUE(imprimirEn(impresora, informeDePrueba(), "H2", conGrafico ? &g : nullptr,
                               QDate(2026, 3, 7)));
        return ruta;
    }
    QTemporaryDir dir_;
};

TEST_F(ImpresionPdf, PagesCarryHeaderReportAndFeet) {
    const QString pdf = imprime(true);
    EXPECT_EQ(paginasDe(pdf), 3);
    const QString texto = ejecuta(QStringLiteral("pdftotext"), {"-layout", pdf, "-"});
    // pdftotext rebuilds blanks from positions only roughly: compare with blanks collapsed.
    QStringList paginas = texto.split(u'\f');
    for (QString& pagina : paginas) {
        pagina = pagina.simplified();
    }
    ASSERT_GE(paginas.size(), 3);
    EXPECT_TRUE(paginas[0].contains(QStringLiteral("Programa OSCILAB Versión: Septiembre 2002")))
        << paginas[0].toStdString();
    EXPECT_TRUE(paginas[0].contains(QStringLiteral("Archivo: H2 Fecha: 03-07-2026")));
    EXPECT_TRUE(paginas[0].contains(
        QStringLiteral("DISTANCIA DE EQUILIBRIO = 0.74130 (ANGSTROMS) 1.40088 (BOHR)")));
    EXPECT_TRUE(paginas[0].contains(QStringLiteral("Página: 1")));
    EXPECT_FALSE(paginas[0].contains(QStringLiteral("AJUSTE")));
    EXPECT_TRUE(paginas[1].contains(QStringLiteral("Programa OSCILAB")));
    EXPECT_FALSE(paginas[1].contains(QStringLiteral("Archivo:")));
    EXPECT_TRUE(paginas[1].contains(QStringLiteral("AJUSTE MINIMOCUADRÁTICO:")));
    EXPECT_TRUE(paginas[1].contains(QStringLiteral("Página: 2")));
    EXPECT_TRUE(paginas[2].contains(QStringLiteral("ULTIMALINEA")));
    EXPECT_TRUE(paginas[2].contains(QStringLiteral("Página: 3")));
    EXPECT_FALSE(texto.contains(QStringLiteral(".../...")));
    EXPECT_EQ(imagenesEnPagina(pdf, 1), 1);
    EXPECT_EQ(imagenesEnPagina(pdf, 2), 0);
}

// The first page rendered in grey at 72 dpi: the quarter-inch band along every edge, where
// printers leave the paper blank, holds no ink; the plot's labels still print just inside.
TEST_F(ImpresionPdf, NothingIsPrintedInTheQuarterInchAlongTheEdges) {
    const QString pdf = imprime(true);
    const QString base = dir_.filePath("pagina");
    ASSERT_EQ(QProcess::execute(QStringLiteral("pdftoppm"), {"-gray", "-r", "72", "-f", "1", "-l",
                                                             "1", "-singlefile", pdf, base}),
              0);
    QImage pagina(base + QStringLiteral(".pgm"));
    ASSERT_FALSE(pagina.isNull());
    const int banda = 18; // a quarter inch at 72 dpi
    int tinta = 0;
    int tintaJuntoABanda = 0;
    for (int y = 0; y < pagina.height(); ++y) {
        for (int x = 0; x < pagina.width(); ++x) {
            const bool oscuro = qGray(pagina.pixel(x, y)) < 200;
            const bool enBanda = x < banda || y < banda || x >= pagina.width() - banda ||
                                 y >= pagina.height() - banda;
            tinta += oscuro && enBanda ? 1 : 0;
            tintaJuntoABanda += oscuro && x >= banda && x < banda + 10 ? 1 : 0;
        }
    }
    EXPECT_EQ(tinta, 0);
    EXPECT_GT(tintaJuntoABanda, 0);
}

TEST_F(ImpresionPdf, ReportOnlyHasNoPictureAndFewerPagesForTheSameText) {
    const QString pdf = imprime(false);
    EXPECT_EQ(imagenesEnPagina(pdf, 1), 0);
    const int paginas = paginasDe(pdf);
    EXPECT_GE(paginas, 2);
    EXPECT_LE(paginas, 3);
    const QString texto = ejecuta(QStringLiteral("pdftotext"), {pdf, "-"});
    EXPECT_TRUE(texto.contains(QStringLiteral("punto70")));
}

TEST_F(ImpresionPdf, ReportFontIsMonospacedTenPoints) {
    const QFont f = fuenteInforme();
    EXPECT_DOUBLE_EQ(f.pointSizeF(), 10.0);
    const QFontMetricsF m(f);
    EXPECT_DOUBLE_EQ(m.horizontalAdvance(QStringLiteral("iiiii")),
                     m.horizontalAdvance(QStringLiteral("MMMMM")));
}

class ImpresionComando : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QPrinterInfo::defaultPrinter().isNull()) {
            GTEST_SKIP() << "this machine has a default printer";
        }
    }
    QTemporaryDir dir_;
    prueba::MensajesGuionizados mensajes_;
    prueba::DialogosGuionizados dialogos_;
};

TEST_F(ImpresionComando, AsksTheQuestionAndCancelPrintsNothing) {
    mensajes_.responder(Respuesta::Cancelar);
    EXPECT_EQ(imprimirResultados(nullptr, informeDePrueba(), "H2", graficoDePrueba(), "/r/"),
              ResultadoImpresion::Cancelada);
    ASSERT_EQ(mensajes_.mostrados.size(), 1u);
    EXPECT_EQ(mensajes_.mostrados[0].texto, "¿Quiere imprimir los resultados con el gráfico?");
    EXPECT_EQ(mensajes_.mostrados[0].titulo, "Impresora");
    EXPECT_EQ(mensajes_.mostrados[0].icono, IconoMensaje::Pregunta);
    EXPECT_EQ(mensajes_.mostrados[0].botones, BotonesMensaje::SiNoCancelar);
    EXPECT_TRUE(dialogos_.iniciales.isEmpty());
}

TEST_F(ImpresionComando, WithoutAPrinterYesWritesThePdfWithThePlot) {
    const QString ruta = dir_.filePath("informe.pdf");
    mensajes_.responder(Respuesta::Si);
    dialogos_.elegir(ruta);
    EXPECT_EQ(imprimirResultados(nullptr, informeDePrueba(), "H2", graficoDePrueba(), "/r/"),
              ResultadoImpresion::Impresa);
    EXPECT_EQ(dialogos_.iniciales, QStringList{"/r/H2.pdf"});
    EXPECT_EQ(imagenesEnPagina(ruta, 1), 1);
    EXPECT_TRUE(ejecuta(QStringLiteral("pdftotext"), {ruta, "-"}).contains("Archivo: H2"));
}

TEST_F(ImpresionComando, NoPrintsTheReportWithoutThePlot) {
    const QString ruta = dir_.filePath("solo.pdf");
    mensajes_.responder(Respuesta::No);
    dialogos_.elegir(ruta);
    EXPECT_EQ(imprimirResultados(nullptr, informeDePrueba(), "H2", graficoDePrueba()),
              ResultadoImpresion::Impresa);
    EXPECT_EQ(imagenesEnPagina(ruta, 1), 0);
}

TEST_F(ImpresionComando, CancellingTheSaveDialogWritesNothing) {
    mensajes_.responder(Respuesta::Si);
    dialogos_.elegir(std::nullopt);
    EXPECT_EQ(imprimirResultados(nullptr, informeDePrueba(), "H2", graficoDePrueba()),
              ResultadoImpresion::Cancelada);
    EXPECT_TRUE(QDir(dir_.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(ImpresionComando, AnExistingPdfIsReplacedOnlyWhenTheUserAgrees) {
    const QString ruta = dir_.filePath("existente.pdf");
    {
        QFile f(ruta);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("documento del usuario");
    }
    mensajes_.responder(Respuesta::No); // without the plot
    mensajes_.responder(Respuesta::No); // do not replace
    dialogos_.elegir(ruta);
    EXPECT_EQ(imprimirResultados(nullptr, informeDePrueba(), "H2", graficoDePrueba()),
              ResultadoImpresion::Cancelada);
    ASSERT_EQ(mensajes_.mostrados.size(), 2u);
    EXPECT_TRUE(mensajes_.mostrados[1].texto.endsWith("ya existe. ¿Desea reemplazarlo?"));
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "documento del usuario");
    f.close();

    mensajes_.responder(Respuesta::No);
    mensajes_.responder(Respuesta::Si);
    dialogos_.elegir(ruta);
    EXPECT_EQ(imprimirResultados(nullptr, informeDePrueba(), "H2", graficoDePrueba()),
              ResultadoImpresion::Impresa);
    EXPECT_GE(paginasDe(ruta), 2);
}

TEST_F(ImpresionComando, UnwritablePdfIsReported) {
    mensajes_.responder(Respuesta::No);
    dialogos_.elegir(dir_.filePath("no/existe/informe.pdf"));
    EXPECT_EQ(imprimirResultados(nullptr, informeDePrueba(), "H2", graficoDePrueba()),
              ResultadoImpresion::Fallida);
    ASSERT_EQ(mensajes_.mostrados.size(), 2u);
    EXPECT_EQ(mensajes_.mostrados[1].texto, "No se ha podido imprimir el informe.");
    EXPECT_EQ(mensajes_.mostrados[1].icono, IconoMensaje::Stop);
}

} // namespace
} // namespace oscilab
