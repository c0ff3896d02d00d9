// The results window on the screen: centred, resizable, and corner labels that show their
// whole text.
#include "compartido/formato_numeros.h"
#include "results/frmescala.h"
#include "results/grafico_curva.h"
#include "support/resultados_prueba.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <cstdlib>

namespace oscilab {
namespace {

class TamanoResultados : public prueba::VentanaResultados {
protected:
    void SetUp() override {
        VentanaResultados::SetUp();
        ventana->cargaResultados();
        ventana->show();
    }
    QLabel* esquina(const char* nombre) const {
        return ventana->findChild<QLabel*>(QLatin1String(nombre));
    }
    QPoint pixel(double r, double v) const {
        return ventana->grafico()->escala().aPixel(r, v).toPoint();
    }
    // Centred up to the window's frame, which the system adds after the move.
    static void centrada(const QWidget& w) {
        const QRect libre = w.screen()->availableGeometry();
        const int marco = w.frameGeometry().width() - w.width();
        EXPECT_LE(std::abs(w.frameGeometry().center().x() - libre.center().x()), marco + 1);
        EXPECT_LE(std::abs(w.frameGeometry().center().y() - libre.center().y()), marco + 1);
    }
};

TEST_F(TamanoResultados, CentredOnTheScreenAndTheScaleDialogToo) {
    EXPECT_EQ(ventana->minimumSize(), QSize(640, 480));
    centrada(*ventana);
    QTest::mouseClick(ventana->findChild<QPushButton*>(QStringLiteral("btescala")), Qt::LeftButton);
    ASSERT_NE(ventana->dialogoEscala(), nullptr);
    centrada(*ventana->dialogoEscala());
}

TEST_F(TamanoResultados, PlotAndReportGrowWithTheWindowAndTheZoomFollows) {
    const QRect grafico800 = ventana->geometriaGrafico();
    const QSize informe800 =
        ventana->findChild<QPlainTextEdit*>(QStringLiteral("rtxtdatos"))->size();
    ventana->resize(1100, 800);
    const QRect grafico = ventana->geometriaGrafico();
    EXPECT_GT(grafico.width(), grafico800.width());
    EXPECT_GT(grafico.height(), grafico800.height());
    const QSize informe = ventana->findChild<QPlainTextEdit*>(QStringLiteral("rtxtdatos"))->size();
    EXPECT_GT(informe.width(), informe800.width());
    EXPECT_GT(informe.height(), informe800.height());
    // The picture is redrawn at the new size: the points sit where the new scale puts them.
    EXPECT_EQ(ventana->imagenGrafica().size(), grafico.size());
    const Punto p = ventana->grafico()->curva().puntos.at(5);
    const QPoint enPunto = pixel(p.r, p.v);
    EXPECT_EQ(ventana->imagenGrafica().pixelColor(enPunto), QColor(0, 128, 0));
    // The tooltip and a drag read the pointer with the new size.
    QTest::mouseMove(ventana->grafico(), enPunto);
    const QStringList partes = ventana->grafico()->toolTip().mid(1).chopped(1).split(u',');
    ASSERT_EQ(partes.size(), 2);
    const Caja vista = resultados.limites; // the full view
    EXPECT_NEAR(partes[0].toDouble(), p.r, 2.0 * (vista.rmax - vista.rmin) / grafico.width());
    EXPECT_NEAR(partes[1].toDouble(), p.v, 2.0 * (vista.vmax - vista.vmin) / grafico.height());
    const Caja elegida{1.2, -1.1, 1.6, -1.0};
    QTest::mousePress(ventana->grafico(), Qt::LeftButton, {}, pixel(elegida.rmin, elegida.vmax));
    QTest::mouseRelease(ventana->grafico(), Qt::LeftButton, {}, pixel(elegida.rmax, elegida.vmin));
    EXPECT_NEAR(resultados.vista.rmin, elegida.rmin, 0.01);
    EXPECT_NEAR(resultados.vista.rmax, elegida.rmax, 0.01);
    EXPECT_NEAR(resultados.vista.vmin, elegida.vmin, 0.01);
    EXPECT_NEAR(resultados.vista.vmax, elegida.vmax, 0.01);
}

TEST_F(TamanoResultados, ALongVLabelShrinksItsFontJustEnoughToShowItAll) {
    QLabel* v = esquina("x0y0y");
    const double normal = v->font().pointSizeF();
    resultados.vista = Caja{1.0, -25526240.5412, 2.0, 10.0};
    ASSERT_TRUE(ventana->grafico()->dibujaVista());
    EXPECT_EQ(v->text(), formatoEsquina(-25526240.5412));
    EXPECT_TRUE(v->text().startsWith(u'-'));
    const auto ancho = [](const QFont& f, const QString& t) {
        return QFontMetricsF(f).horizontalAdvance(t);
    };
    EXPECT_LE(ancho(v->font(), v->text()), v->contentsRect().width());
    EXPECT_LT(v->font().pointSizeF(), normal);
    QFont mayor = v->font();
    mayor.setPointSizeF(mayor.pointSizeF() + 0.5);
    EXPECT_GT(ancho(mayor, v->text()), v->contentsRect().width());
    EXPECT_EQ(esquina("x0y1")->font(), v->font());
    // The full view's short labels get the usual font back.
    QTest::mouseClick(ventana->grafico(), Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(v->font().pointSizeF(), normal);
}

} // namespace
} // namespace oscilab
