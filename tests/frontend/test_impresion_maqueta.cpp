#include "results/impresion_grafico.h"
#include "results/impresion_maqueta.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>

namespace oscilab {
namespace {

using Evento = RegistroImpresion::Evento;

// With the recorder's metrics the header ends 7 lines below 800.
constexpr double kFinCabecera = 800.0 + 7 * 240.0;

struct Impresion {
    RegistroImpresion r;
    void imprime(const QString& texto, const GraficoImpreso* grafico = nullptr) {
        MaquetaInforme m(r);
        m.imprimeinforme(texto, tituloPrograma(),
                         QStringLiteral("Archivo: H2     Fecha: 03-07-2026"), grafico);
    }
    std::vector<Evento> conTexto(const QString& t) const {
        std::vector<Evento> v;
        for (const auto& e : r.textos()) {
            if (e.texto == t) {
                v.push_back(e);
            }
        }
        return v;
    }
    std::vector<Evento> pies() const {
        std::vector<Evento> v;
        for (const auto& e : r.textos()) {
            if (e.texto.startsWith(QStringLiteral("Página: "))) {
                v.push_back(e);
            }
        }
        return v;
    }
    bool esCabeceraOPie(const Evento& e) const {
        return e.texto == tituloPrograma() || e.texto.startsWith(QStringLiteral("Archivo: ")) ||
               e.texto.startsWith(QStringLiteral("Página: "));
    }
};

QString lineas(int n) {
    QString t;
    for (int i = 1; i <= n; ++i) {
        t += QStringLiteral("L%1\r\n").arg(i);
    }
    return t;
}

TEST(ImpresionMaqueta, HeaderIsCentredWithTitleAndSubtitleOnTheFirstPageOnly) {
    Impresion p;
    p.imprime(lineas(100));
    const auto titulos = p.conTexto(tituloPrograma());
    ASSERT_GE(titulos.size(), 2u);
    EXPECT_DOUBLE_EQ(titulos[0].y, 800.0 + 2 * 240.0);
    EXPECT_DOUBLE_EQ(titulos[0].x, (11906.0 - 120.0 * tituloPrograma().size()) / 2.0);
    const auto sub = p.r.textosDePagina(1);
    EXPECT_TRUE(std::any_of(sub.begin(), sub.end(), [](const Evento& e) {
        return e.texto == QStringLiteral("Archivo: H2     Fecha: 03-07-2026");
    }));
    for (const auto& e : p.r.textosDePagina(2)) {
        EXPECT_FALSE(e.texto.startsWith(QStringLiteral("Archivo"))) << e.texto.toStdString();
    }
    EXPECT_DOUBLE_EQ(titulos[1].y, titulos[0].y); // same header height on later pages
}

TEST(ImpresionMaqueta, SubtitleDateIsMonthDayYear) {
    EXPECT_EQ(subtituloPrimeraPagina("CO", QDate(2026, 3, 7)), "Archivo: CO     Fecha: 03-07-2026");
    EXPECT_EQ(tituloPrograma(), "Programa OSCILAB     Versión: Septiembre 2002");
}

TEST(ImpresionMaqueta, ForcedBreakStartsANewPageAndIsNotPrinted) {
    Impresion p;
    p.imprime("ANTES\r\n.../...\r\nDESPUES\r\n");
    EXPECT_TRUE(p.conTexto(".../...").empty());
    ASSERT_EQ(p.conTexto("ANTES").size(), 1u);
    ASSERT_EQ(p.conTexto("DESPUES").size(), 1u);
    EXPECT_EQ(p.conTexto("ANTES")[0].pagina, 1);
    EXPECT_EQ(p.conTexto("DESPUES")[0].pagina, 2);
    EXPECT_DOUBLE_EQ(p.conTexto("DESPUES")[0].y, kFinCabecera + 240.0);
    const auto pies = p.pies();
    ASSERT_EQ(pies.size(), 2u);
    EXPECT_EQ(pies[0].texto, "Página: 1");
    EXPECT_EQ(pies[0].pagina, 1);
    EXPECT_EQ(pies[1].texto, "Página: 2");
    EXPECT_EQ(pies[1].pagina, 2);
}

TEST(ImpresionMaqueta, LongLineWrapsAtABlankToTheLeftMargin) {
    Impresion p;
    QString linea;
    for (int i = 0; i < 10; ++i) {
        linea += QStringLiteral("palabra%1 ").arg(i, 2, 10, QChar(u'0')); // 9 cells + blank
    }
    p.imprime(linea + "\r\n");
    const auto octava = p.conTexto("palabra07");
    const auto novena = p.conTexto("palabra08");
    ASSERT_EQ(octava.size(), 1u);
    ASSERT_EQ(novena.size(), 1u);
    EXPECT_DOUBLE_EQ(octava[0].y, kFinCabecera);
    EXPECT_DOUBLE_EQ(novena[0].x, 1440.0);
    EXPECT_DOUBLE_EQ(novena[0].y, kFinCabecera + 240.0);
    for (const auto& e : p.r.textos()) {
        EXPECT_LE(e.x + 120.0 * e.texto.size(), 11906.0) << e.texto.toStdString();
    }
}

TEST(ImpresionMaqueta, WordLongerThanThePageStandsAlonePastTheEdge) {
    Impresion p;
    const QString larga(100, u'X');
    p.imprime("ab " + larga + " cd\r\n");
    const auto e = p.conTexto(larga);
    ASSERT_EQ(e.size(), 1u);
    EXPECT_DOUBLE_EQ(e[0].x, 1440.0);
    EXPECT_DOUBLE_EQ(e[0].y, kFinCabecera + 240.0);
    EXPECT_GT(e[0].x + 120.0 * 100, 11906.0);
    EXPECT_DOUBLE_EQ(p.conTexto("ab")[0].y, kFinCabecera);
    EXPECT_DOUBLE_EQ(p.conTexto("cd")[0].y, kFinCabecera + 2 * 240.0);
}

TEST(ImpresionMaqueta, TextWithoutLineFeedsRunsWrappedAtThePageWidth) {
    Impresion p;
    QString texto;
    for (int i = 0; i < 60; ++i) {
        texto += QStringLiteral("w%1 ").arg(i, 4, 10, QChar(u'0'));
    }
    p.imprime(texto);
    const auto t = p.r.textos();
    std::vector<double> filas;
    for (const auto& e : t) {
        if (!p.esCabeceraOPie(e)) {
            EXPECT_LE(e.x + 120.0 * e.texto.size(), 11906.0);
            filas.push_back(e.y);
        }
    }
    std::sort(filas.begin(), filas.end());
    filas.erase(std::unique(filas.begin(), filas.end()), filas.end());
    EXPECT_EQ(filas.size(), 5u); // words of 5 cells and a blank: 14 per line, 60 in 5 lines
}

TEST(ImpresionMaqueta, PagesAreNumberedOneToNWithFeetAtTheSameHeight) {
    Impresion p;
    p.imprime(lineas(130));
    const auto pies = p.pies();
    ASSERT_EQ(pies.size(), 3u);
    EXPECT_EQ(p.r.paginas, 3);
    for (std::size_t k = 0; k < pies.size(); ++k) {
        EXPECT_EQ(pies[k].texto, QStringLiteral("Página: %1").arg(k + 1));
        EXPECT_EQ(pies[k].pagina, static_cast<int>(k) + 1);
        EXPECT_GT(pies[k].y, 16838.0 - 1000.0);
        EXPECT_LT(std::abs(pies[k].y - pies[0].y), 240.0);
    }
    // Every report line is printed once, above the bottom reserve.
    for (int i = 1; i <= 130; ++i) {
        const auto e = p.conTexto(QStringLiteral("L%1").arg(i));
        ASSERT_EQ(e.size(), 1u) << i;
        EXPECT_LE(e[0].y, 16838.0 - 1000.0);
        EXPECT_GE(e[0].y, kFinCabecera);
    }
}

TEST(ImpresionMaqueta, LastPageIsFilledSoItsFootMatchesTheOthers) {
    Impresion p;
    p.imprime("uno\r\n.../...\r\ndos\r\n");
    const auto pies = p.pies();
    ASSERT_EQ(pies.size(), 2u);
    EXPECT_LT(std::abs(pies[1].y - pies[0].y), 240.0);
    // The empty page the last foot would start is never asked for.
    EXPECT_EQ(p.r.paginas, 2);
}

TEST(ImpresionMaqueta, WithoutThePlotTheReportStartsRightBelowTheHeader) {
    Impresion p;
    p.imprime("primera\r\n");
    EXPECT_DOUBLE_EQ(p.conTexto("primera")[0].y, kFinCabecera);
    EXPECT_DOUBLE_EQ(p.conTexto("primera")[0].x, 1440.0);
    for (const auto& e : p.r.eventos) {
        EXPECT_NE(e.tipo, RegistroImpresion::Tipo::Imagen);
    }
}

TEST(ImpresionMaqueta, ThePlotSitsBelowTheFirstHeaderAndTheTextAt9000) {
    Impresion p;
    GraficoImpreso g;
    g.imagen = QImage(10, 10, QImage::Format_RGB32);
    g.ancho = 10800.0;
    g.alto = 4500.0;
    p.imprime(lineas(80), &g);
    std::vector<Evento> imagenes;
    for (const auto& e : p.r.eventos) {
        if (e.tipo == RegistroImpresion::Tipo::Imagen) {
            imagenes.push_back(e);
        }
    }
    ASSERT_EQ(imagenes.size(), 1u);
    EXPECT_EQ(imagenes[0].pagina, 1);
    EXPECT_DOUBLE_EQ(imagenes[0].x, 0.0);
    EXPECT_DOUBLE_EQ(imagenes[0].y, kFinCabecera + 1000.0);
    EXPECT_DOUBLE_EQ(imagenes[0].ancho, 10800.0);
    EXPECT_DOUBLE_EQ(p.conTexto("L1")[0].y, 9000.0);
    EXPECT_EQ(p.conTexto("L80")[0].pagina, 2);
}

TEST(ImpresionMaqueta, PrintableAreaKeepsAQuarterInchOrThePrintersOwnMargins) {
    const QSizeF a4(11906.0, 16838.0);
    EXPECT_EQ(areaImprimible(a4, QMarginsF()), QRectF(360.0, 360.0, 11186.0, 16118.0));
    EXPECT_EQ(areaImprimible(a4, QMarginsF(500.0, 100.0, 360.0, 700.0)),
              QRectF(500.0, 360.0, 11046.0, 15778.0));
}

// Everything the sheet's layout prints, plot included, lands inside the printable area,
// and the page keeps its proportions.
TEST(ImpresionMaqueta, TheShrunkPageFitsThePrintableArea) {
    Impresion p;
    GraficoImpreso g;
    g.imagen = QImage(10, 10, QImage::Format_RGB32);
    g.ancho = p.r.ancho; // a plot as wide as the sheet
    g.alto = 4500.0;
    p.imprime(lineas(80), &g);
    const QSizeF hoja(p.r.ancho, p.r.alto);
    const QRectF area = areaImprimible(hoja, QMarginsF(300.0, 400.0, 500.0, 600.0));
    const EncajePagina e = encajaEnArea(hoja, area);
    EXPECT_NEAR(e.escala, std::min(area.width() / hoja.width(), area.height() / hoja.height()),
                1e-12);
    const QRectF dentro = area.adjusted(-1e-6, -1e-6, 1e-6, 1e-6);
    for (const auto& ev : p.r.eventos) {
        if (ev.tipo == RegistroImpresion::Tipo::NuevaPagina) {
            continue;
        }
        const double ancho =
            ev.tipo == RegistroImpresion::Tipo::Texto ? p.r.anchoTexto(ev.texto) : ev.ancho;
        const double alto = ev.tipo == RegistroImpresion::Tipo::Texto ? p.r.linea : ev.alto;
        EXPECT_TRUE(dentro.contains(e.aplica({ev.x, ev.y})) &&
                    dentro.contains(e.aplica({ev.x + ancho, ev.y + alto})))
            << ev.texto.toStdString() << " at " << ev.x << ", " << ev.y;
    }
    // The sheet fills the area's width (the narrower fit here), centred in its height.
    EXPECT_NEAR(e.aplica({0.0, 0.0}).x(), area.left(), 1e-6);
    EXPECT_NEAR(e.aplica({hoja.width(), 0.0}).x(), area.right(), 1e-6);
    EXPECT_NEAR(e.aplica({0.0, 0.0}).y() - area.top(),
                area.bottom() - e.aplica({0.0, hoja.height()}).y(), 1e-6);
}

TEST(ImpresionMaqueta, TabsStopEveryTenCellsFromTheMargin) {
    Impresion p;
    p.imprime("a\tb\r\n0123456789\tc\r\n\t\td\r\n");
    EXPECT_DOUBLE_EQ(p.conTexto("b")[0].x, 1440.0 + 10 * 120.0);
    EXPECT_DOUBLE_EQ(p.conTexto("c")[0].x, 1440.0 + 20 * 120.0);
    EXPECT_DOUBLE_EQ(p.conTexto("d")[0].x, 1440.0 + 20 * 120.0);
}

TEST(ImpresionMaqueta, BlanksKeepColumnsAndCarriageReturnsPrintNothing) {
    Impresion p;
    p.imprime("X**  0  \r\n   12\r\n");
    EXPECT_DOUBLE_EQ(p.conTexto("0")[0].x, 1440.0 + 5 * 120.0);
    EXPECT_DOUBLE_EQ(p.conTexto("12")[0].x, 1440.0 + 3 * 120.0);
    EXPECT_DOUBLE_EQ(p.conTexto("12")[0].y, kFinCabecera + 240.0);
}

TEST(ImpresionMaqueta, ZeroFontMetricsStillEndTheJob) {
    Impresion p;
    p.r.linea = 0.0;
    p.r.celda = 0.0;
    p.imprime("uno dos\r\n\ttres\r\n");
    EXPECT_EQ(p.pies().size(), 1u);
}

// A plot composition in window pixels: area 200x100 at (60, 20), lbx 30 px below it.
ComposicionGrafico composicion(const QString& texto) {
    ComposicionGrafico c;
    c.marco = QSize(300, 180);
    c.areaGrafico = QRect(60, 20, 200, 100);
    c.imagenGrafico = QImage(200, 100, QImage::Format_RGB32);
    c.imagenGrafico.fill(QColor(255, 0, 0));
    c.x0y1 = {texto, QRect(0, 20, 54, 15)};
    c.x0y0y = {texto, QRect(0, 105, 54, 15)};
    c.x0y0x = {texto, QRect(60, 130, 60, 15)};
    c.x1y0 = {texto, QRect(200, 130, 60, 15)};
    c.lbx = {texto, QRect(130, 150, 60, 15)};
    c.lby = {texto, QRect(0, 60, 54, 15)};
    return c;
}

TEST(ImpresionGrafico, PlotTicksOutlineAndLabelsAreComposed) {
    ComponedorGrafico comp;
    const QImage& img = comp.componer(composicion("1.2345"), 1.0);
    ASSERT_EQ(img.size(), QSize(300, 180));
    EXPECT_EQ(img.pixelColor(160, 70), QColor(255, 0, 0));          // the plot picture
    EXPECT_EQ(img.pixelColor(56, 20 + 5 * 10), QColor(Qt::black));  // a tick left of the area
    EXPECT_EQ(img.pixelColor(60 + 5 * 20, 140), QColor(Qt::black)); // a tick below it
    EXPECT_EQ(img.pixelColor(60 + 5 * 20, 148), QColor(Qt::white)); // stops above lbx
    EXPECT_EQ(img.pixelColor(60, 70), QColor(Qt::black));           // the outline
    bool etiqueta = false;
    for (int x = 130; x < 190; ++x) {
        for (int y = 150; y < 165; ++y) {
            etiqueta = etiqueta || img.pixelColor(x, y) != QColor(Qt::white);
        }
    }
    EXPECT_TRUE(etiqueta);
}

TEST(ImpresionGrafico, EachCompositionStartsFromAClearedPicture) {
    ComponedorGrafico comp;
    comp.componer(composicion("-99999.9999 texto largo de una impresión anterior"), 1.0);
    const QImage segunda = comp.componer(composicion(""), 1.0).copy();
    ComponedorGrafico nuevo;
    EXPECT_EQ(segunda, nuevo.componer(composicion(""), 1.0));
}

TEST(ImpresionGrafico, PrintedSizeIsTheFrameInTwips) {
    ComponedorGrafico comp;
    const auto g = graficoParaImprimir(comp, composicion("x"), 2.0);
    EXPECT_DOUBLE_EQ(g.ancho, 300 * 15.0);
    EXPECT_DOUBLE_EQ(g.alto, 180 * 15.0);
    EXPECT_EQ(g.imagen.size(), QSize(600, 360));
}

// Horizontal ink extent of the rows from `desde` down, in a composed picture.
int anchoTinta(const QImage& img, int desde) {
    int izquierda = img.width();
    int derecha = -1;
    for (int y = desde; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            if (img.pixelColor(x, y) != QColor(Qt::white)) {
                izquierda = std::min(izquierda, x);
                derecha = std::max(derecha, x);
            }
        }
    }
    return derecha - izquierda + 1;
}

TEST(ImpresionGrafico, LabelsKeepTheWindowsTextSizeWhateverItsResolution) {
    // The caption lbx alone, in the rows below the ticks: its text is twice as wide on a
    // window of twice the resolution, as it is on that window's screen.
    auto soloLbx = [](double ppp) {
        ComposicionGrafico c = composicion(QString());
        c.lbx.texto = QStringLiteral("RRRR");
        c.fuenteEtiquetas.setPointSize(8);
        c.puntosPorPulgada = ppp;
        ComponedorGrafico comp;
        return anchoTinta(comp.componer(c, 1.0), 148);
    };
    const int normal = soloLbx(96.0);
    const int doble = soloLbx(192.0);
    ASSERT_GT(normal, 10);
    EXPECT_NEAR(double(doble) / normal, 2.0, 0.25);
}

} // namespace
} // namespace oscilab
