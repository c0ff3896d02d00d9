// The results window: layout, loading, report, diagnostics, buttons.
#include "compartido/pantalla.h"
#include "compartido/formato_numeros.h"
#include "results/grafico_curva.h"
#include "results/marcas_vista.h"
#include "support/resultados_prueba.h"

#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace oscilab {
namespace {

using prueba::VentanaResultados;

TEST_F(VentanaResultados, LayoutAtEightHundredBySixHundred) {
    EXPECT_EQ(ventana->windowTitle(), QStringLiteral("Gráficos"));
    // The window opens within 90 % of the test screen; the layout at its wished size is what
    // is pinned here.
    EXPECT_EQ(ventana->size(),
              geometriaEnPantalla(QSize(800, 600), ventana->screen()->availableGeometry()).size());
    ventana->resize(800, 600);
    ventana->show(); // which lays the controls out at the new size
    EXPECT_EQ(ventana->geometriaMarco(), QRect(40, 12, 720, 300));
    EXPECT_EQ(ventana->geometriaGrafico(), QRect(81, 20, 612, 240));
    auto* informe = ventana->findChild<QPlainTextEdit*>(QStringLiteral("rtxtdatos"));
    ASSERT_NE(informe, nullptr);
    EXPECT_EQ(informe->geometry(), QRect(40, 342, 612, 210));
    EXPECT_TRUE(informe->isReadOnly());
    EXPECT_EQ(informe->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_TRUE(QFontInfo(informe->font()).fixedPitch());
    EXPECT_EQ(informe->font().pointSize(), 10);
    const char* botones[3] = {"btprint", "btescala", "btdaceptar"};
    const char* textos[3] = {"&Imprimir", "&Escala", "&Aceptar"};
    int arriba = 342;
    for (int i = 0; i < 3; ++i) {
        auto* bt = ventana->findChild<QPushButton*>(QLatin1String(botones[i]));
        ASSERT_NE(bt, nullptr) << botones[i];
        EXPECT_EQ(bt->text(), QLatin1String(textos[i]));
        EXPECT_EQ(bt->geometry().right() + 1, 760) << botones[i];
        EXPECT_EQ(bt->geometry().top(), arriba) << botones[i];
        arriba += bt->height() + 21;
    }
    QWidget* marco = ventana->findChild<QWidget*>(QStringLiteral("pctgrafica"));
    ASSERT_NE(marco, nullptr);
    for (const char* nombre : {"x0y1", "x0y0x", "x0y0y", "x1y0", "lbx", "lby"}) {
        auto* lb = marco->findChild<QLabel*>(QLatin1String(nombre));
        ASSERT_NE(lb, nullptr) << nombre;
        EXPECT_EQ(lb->parentWidget(), marco);
    }
    // Without a run's result, atomic units, named.
    EXPECT_EQ(marco->findChild<QLabel*>(QStringLiteral("lbx"))->text(), QStringLiteral("R (bohr)"));
    EXPECT_EQ(marco->findChild<QLabel*>(QStringLiteral("lby"))->text(),
              QStringLiteral("V(R) (hartree)"));
    EXPECT_EQ(marco->findChild<QLabel*>(QStringLiteral("x0y1"))->geometry().top(), 20);
    EXPECT_EQ(marco->findChild<QLabel*>(QStringLiteral("x0y0y"))->geometry().bottom() + 1, 260);
    EXPECT_EQ(marco->findChild<QLabel*>(QStringLiteral("x0y0x"))->geometry().left(), 81);
    EXPECT_EQ(marco->findChild<QLabel*>(QStringLiteral("x1y0"))->geometry().right() + 1, 693);
}

TEST_F(VentanaResultados, LoadingReadsTheCurveFileOnceAndDrawsTheFullView) {
    resultados.vista = Caja{9, 9, 9, 9}; // a view of an earlier window survives the load
    ventana->cargaResultados();
    EXPECT_EQ(llamadasChequeo, 1);
    EXPECT_FALSE(QFile::exists(rutaCurva()));
    EXPECT_NEAR(resultados.coeficiente(0), -0.207453664241656, 1e-15);
    EXPECT_EQ(resultados.coeficiente(potenciaMinima), 0.0);
    EXPECT_NEAR(resultados.errorenergia, 0.533240010440964e-3, 1e-18);
    EXPECT_EQ(resultados.vista, (Caja{9, 9, 9, 9}));
    // Full view: points 1..2.9 widened by 10 %.
    EXPECT_NEAR(resultados.limites.rmin, 1.0 - 0.19, 1e-9);
    EXPECT_NEAR(resultados.limites.rmax, 2.9 + 0.19, 1e-9);
    EXPECT_EQ(ventana->grafico()->escala().caja(), resultados.limites);
    EXPECT_NEAR(resultados.rcentro, 1.41, 0.05);
    QWidget* marco = ventana->findChild<QWidget*>(QStringLiteral("pctgrafica"));
    EXPECT_EQ(marco->findChild<QLabel*>(QStringLiteral("x0y0x"))->text(),
              formatoEsquina(resultados.limites.rmin));
    EXPECT_EQ(marco->findChild<QLabel*>(QStringLiteral("x1y0"))->text(),
              formatoEsquina(resultados.limites.rmax));
    EXPECT_EQ(marco->findChild<QLabel*>(QStringLiteral("x0y1"))->text(),
              formatoEsquina(resultados.limites.vmax));
    EXPECT_EQ(marco->findChild<QLabel*>(QStringLiteral("x0y0y"))->text(),
              formatoEsquina(resultados.limites.vmin));
    // Green crosses on the points, red bars on the levels.
    const QImage& img = ventana->imagenGrafica();
    EXPECT_EQ(img.size(), ventana->geometriaGrafico().size());
    int verdes = 0;
    int rojos = 0;
    for (int x = 0; x < img.width(); ++x) {
        for (int y = 0; y < img.height(); ++y) {
            const QColor c = img.pixelColor(x, y);
            verdes += c == QColor(0, 128, 0) ? 1 : 0;
            rojos += c == QColor(255, 0, 0) ? 1 : 0;
        }
    }
    EXPECT_GT(verdes, 20 * 5);
    EXPECT_GT(rojos, 14 * 10);
}

// The frame's ticks follow the view, at round values, each labelled; the printed plot
// carries the same ticks and labels, and prints every label.
TEST_F(VentanaResultados, EveryTickIsLabelledOnScreenAndInPrint) {
    ventana->cargaResultados();
    const ComposicionGrafico c = ventana->composicion();
    const QRect& area = c.areaGrafico;
    const MarcasVista esperadas = marcasVista(ventana->grafico()->escala());
    ASSERT_EQ(c.etiquetasMarcas.size(), esperadas.r.size() + esperadas.v.size());
    ASSERT_EQ(c.marcas.size(), c.etiquetasMarcas.size());
    ComponedorGrafico comp;
    const QImage& img = comp.componer(c, 1.0);
    auto tinta = [&](const QRect& r) {
        for (int x = r.left(); x <= r.right(); ++x) {
            for (int y = r.top(); y <= r.bottom(); ++y) {
                if (img.pixelColor(x, y) != QColor(Qt::white)) {
                    return true;
                }
            }
        }
        return false;
    };
    for (const EtiquetaGrafico& e : c.etiquetasMarcas) {
        EXPECT_FALSE(e.texto.isEmpty());
        EXPECT_TRUE(tinta(e.rect)) << e.texto.toStdString();
        // Beside the plot area, never over it.
        EXPECT_FALSE(e.rect.intersects(area)) << e.texto.toStdString();
    }
    // The extents are no labels of their own any more.
    EXPECT_TRUE(c.x0y0x.texto.isEmpty());
    EXPECT_TRUE(c.x1y0.texto.isEmpty());
    // A narrower view gets its own round values.
    resultados.vista = Caja{1.0, -1.2, 1.5, -1.0};
    ventana->grafico()->dibujaVista();
    const ComposicionGrafico vista = ventana->composicion();
    const MarcasVista nuevas = marcasVista(ventana->grafico()->escala());
    ASSERT_FALSE(nuevas.r.empty());
    EXPECT_EQ(nuevas.r.front().texto, QStringLiteral("1.00"));
    EXPECT_EQ(vista.etiquetasMarcas.size(), nuevas.r.size() + nuevas.v.size());
    EXPECT_EQ(vista.etiquetasMarcas.back().texto, nuevas.r.back().texto);
}

TEST_F(VentanaResultados, AtMostOneDiagnosticWarning) {
    ventana->cargaResultados();
    // The H2 example: 20 points from 1 to 2.9 bohr, 14 levels, small error. Its first
    // point lies much higher above the bottom than its last: unbalanced.
    ASSERT_EQ(mensajes.mostrados.size(), 1u);
    EXPECT_EQ(
        mensajes.mostrados[0].texto,
        QStringLiteral("Los datos no están bien equilibrados. El ajuste puede ser inadecuado"));
    EXPECT_EQ(mensajes.mostrados[0].titulo, QStringLiteral("Advertencia"));
    EXPECT_EQ(mensajes.mostrados[0].icono, IconoMensaje::Stop);
}

TEST_F(VentanaResultados, InfinityKeepsALargerThresholdFromAnEarlierFile) {
    QFile f(rutaCurva());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QList<QByteArray> lineas = f.readAll().split('\n');
    f.close();
    lineas[70] = " Infinity\r";
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(lineas.join('\n'));
    f.close();
    resultados.errorenergia = 1.0; // left by an earlier calculation
    ventana->cargaResultados();
    EXPECT_DOUBLE_EQ(resultados.errorenergia, 1.0);
    ASSERT_EQ(mensajes.mostrados.size(), 1u);
    EXPECT_EQ(mensajes.mostrados[0].texto,
              QStringLiteral("Demasiado error en las energías. El ajuste puede ser inadecuado"));
}

TEST_F(VentanaResultados, AShortCurveFileIsReportedAndWhatWasReadIsShown) {
    puntosDocumento = 50; // the document and the file disagree: the file runs short
    ventana->cargaResultados();
    ASSERT_GE(mensajes.mostrados.size(), 1u);
    EXPECT_TRUE(mensajes.mostrados[0].texto.contains(QStringLiteral("incompleto")));
    EXPECT_EQ(mensajes.mostrados[0].icono, IconoMensaje::Exclamacion);
}

TEST_F(VentanaResultados, AMissingCurveFileIsReportedWithoutDrawing) {
    QFile::remove(rutaCurva());
    resultados.limites = Caja{1, 2, 3, 4};
    ventana->cargaResultados();
    ASSERT_EQ(mensajes.mostrados.size(), 1u);
    EXPECT_TRUE(mensajes.mostrados[0].texto.contains(QStringLiteral("No se puede leer")));
    EXPECT_EQ(resultados.limites, (Caja{1, 2, 3, 4}));
}

TEST_F(VentanaResultados, FlatResultsAreRefusedWithAMessage) {
    QFile f(rutaCurva());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QByteArray t = " 1.0\r\n -1.0\r\n 2.0\r\n -1.0\r\n";
    for (int k = -15; k <= 14; ++k) {
        t += k == 0 ? " -1.0\r\n" : " 0\r\n";
    }
    t += " 1e-6\r\n 0.1\r\n -0.99\r\n -0.98\r\n -0.97\r\n";
    f.write(t);
    f.close();
    puntosDocumento = 2;
    ventana->cargaResultados();
    ASSERT_GE(mensajes.mostrados.size(), 1u);
    EXPECT_TRUE(mensajes.mostrados[0].texto.contains(QStringLiteral("eje y es nulo")));
}

TEST_F(VentanaResultados, TheReportIsLatin1TextShownAsIs) {
    ASSERT_TRUE(ventana->cargaInforme(prueba::ejemploResultados("H2.res")));
    EXPECT_EQ(ventana->textoInforme(),
              QStringLiteral("\nPARAMETROS MOLECULARES CALCULADOS:\n"
                             "----------------------------------\n\n"
                             "AJUSTE MINIMOCUADRÁTICO:\n"
                             "                         0.123456      ·(V+1/2)  +\n"));
    EXPECT_FALSE(ventana->cargaInforme(dir.filePath(QStringLiteral("no.res"))));
    ASSERT_EQ(mensajes.mostrados.size(), 1u);
}

TEST_F(VentanaResultados, ImprimirAsksFirstAndAceptarDestroysTheWindow) {
    ventana->show();
    mensajes.responder(Respuesta::Cancelar);
    QTest::mouseClick(ventana->findChild<QPushButton*>(QStringLiteral("btprint")), Qt::LeftButton);
    ASSERT_EQ(mensajes.mostrados.size(), 1u);
    EXPECT_EQ(mensajes.mostrados[0].texto,
              QStringLiteral("¿Quiere imprimir los resultados con el gráfico?"));
    EXPECT_EQ(mensajes.mostrados[0].titulo, QStringLiteral("Impresora"));
    EXPECT_EQ(mensajes.mostrados[0].botones, BotonesMensaje::SiNoCancelar);
    QTest::mouseClick(ventana->findChild<QPushButton*>(QStringLiteral("btdaceptar")),
                      Qt::LeftButton);
    procesaBorrados();
    EXPECT_FALSE(ventana);
}

} // namespace
} // namespace oscilab
