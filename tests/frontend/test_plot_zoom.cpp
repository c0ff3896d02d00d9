// The zoom state machine, the plot geometry and the plot widget under the mouse.
#include "results/grafico_curva.h"
#include "results/trazado.h"
#include "compartido/zoom.h"
#include "support/guiones.h"

#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

namespace oscilab {
namespace {

const Caja completa{0.5, -2.0, 4.5, 2.0};

struct Maquina {
    Caja vista;
    Caja limites = completa;
    ZoomGrafico zoom{vista, limites};
};

TEST(ZoomGrafico, LeftDragFromUpperLeftToLowerRightChoosesTheRectangle) {
    Maquina m;
    EXPECT_FALSE(m.zoom.pulsar(botonIzquierdo, 1.0, 1.5).redibujar);
    EXPECT_TRUE(m.zoom.punteado());
    const AccionRaton mov = m.zoom.mover(botonIzquierdo, 2.0, 0.5);
    EXPECT_TRUE(mov.bandaCambiada);
    EXPECT_FALSE(mov.tooltip.has_value());
    ASSERT_TRUE(m.zoom.recuadro());
    EXPECT_EQ(*m.zoom.recuadro(), (Caja{1.0, 1.5, 2.0, 0.5}));
    m.zoom.mover(botonIzquierdo, 3.0, -0.5);
    EXPECT_EQ(*m.zoom.recuadro(), (Caja{1.0, 1.5, 3.0, -0.5}));
    const AccionRaton fin = m.zoom.soltar(botonIzquierdo, 3.0, -0.5);
    EXPECT_TRUE(fin.redibujar);
    EXPECT_TRUE(fin.conPuntosYNiveles); // the points and levels stay
    EXPECT_EQ(m.vista, (Caja{1.0, -0.5, 3.0, 1.5}));
    EXPECT_FALSE(m.zoom.recuadro());
    EXPECT_FALSE(m.zoom.punteado());
}

TEST(ZoomGrafico, DragInTheOppositeDirectionGivesTheSameView) {
    Maquina a;
    a.zoom.pulsar(botonIzquierdo, 1.0, 1.5);
    a.zoom.soltar(botonIzquierdo, 3.0, -0.5);
    Maquina b;
    b.zoom.pulsar(botonIzquierdo, 3.0, -0.5);
    b.zoom.mover(botonIzquierdo, 2.0, 0.0);
    EXPECT_TRUE(b.zoom.soltar(botonIzquierdo, 1.0, 1.5).redibujar);
    EXPECT_EQ(a.vista, b.vista);
    // The other two diagonals too.
    Maquina c;
    c.zoom.pulsar(botonIzquierdo, 1.0, -0.5);
    c.zoom.soltar(botonIzquierdo, 3.0, 1.5);
    Maquina d;
    d.zoom.pulsar(botonIzquierdo, 3.0, 1.5);
    d.zoom.soltar(botonIzquierdo, 1.0, -0.5);
    EXPECT_EQ(c.vista, a.vista);
    EXPECT_EQ(d.vista, a.vista);
}

TEST(ZoomGrafico, ClickWithoutMovementDrawsNothingAndLeavesAZeroBox) {
    Maquina m;
    m.vista = Caja{1, 2, 3, 4};
    m.zoom.pulsar(botonIzquierdo, 1.25, -0.75);
    const AccionRaton fin = m.zoom.soltar(botonIzquierdo, 1.25, -0.75);
    EXPECT_FALSE(fin.redibujar);
    EXPECT_EQ(m.vista, (Caja{1.25, -0.75, 1.25, -0.75}));
    EXPECT_TRUE(m.zoom.punteado()); // until a release that redraws
    // A drag of zero height draws nothing either.
    m.zoom.pulsar(botonIzquierdo, 1.0, 0.0);
    EXPECT_FALSE(m.zoom.soltar(botonIzquierdo, 2.0, 0.0).redibujar);
}

TEST(ZoomGrafico, RightClickGoesBackToTheFullViewWithPointsAndLevels) {
    Maquina m;
    m.zoom.pulsar(botonIzquierdo, 1.0, 1.5);
    m.zoom.soltar(botonIzquierdo, 3.0, -0.5);
    m.zoom.pulsar(botonDerecho, 2.0, 0.0);
    EXPECT_EQ(m.vista, completa);
    const AccionRaton mov = m.zoom.mover(botonDerecho, 2.5, 0.5);
    EXPECT_FALSE(mov.tooltip.has_value());
    EXPECT_FALSE(mov.bandaCambiada);
    const AccionRaton fin = m.zoom.soltar(botonDerecho, 2.5, 0.5);
    EXPECT_TRUE(fin.redibujar);
    EXPECT_TRUE(fin.conPuntosYNiveles);
    EXPECT_EQ(m.vista, completa);
}

TEST(ZoomGrafico, MiddleClickRedrawsTheCurrentViewCurveOnly) {
    Maquina m;
    m.zoom.pulsar(botonIzquierdo, 1.0, 1.5);
    m.zoom.soltar(botonIzquierdo, 3.0, -0.5);
    const Caja zoom = m.vista;
    m.zoom.pulsar(botonCentral, 2.0, 0.0);
    EXPECT_FALSE(m.zoom.mover(botonCentral, 2.2, 0.1).tooltip.has_value());
    const AccionRaton fin = m.zoom.soltar(botonCentral, 2.2, 0.1);
    EXPECT_TRUE(fin.redibujar);
    EXPECT_FALSE(fin.conPuntosYNiveles);
    EXPECT_EQ(m.vista, zoom);
}

TEST(ZoomGrafico, AnewDragNeverShowsTheRectangleOfTheLastOne) {
    Maquina m;
    m.zoom.pulsar(botonIzquierdo, 1.0, 1.5);
    m.zoom.mover(botonIzquierdo, 3.0, -0.5);
    // Released outside any redraw (zero height), then a new press.
    m.zoom.soltar(botonIzquierdo, 3.0, 1.5);
    EXPECT_FALSE(m.zoom.recuadro());
    m.zoom.pulsar(botonIzquierdo, 2.0, 0.0);
    EXPECT_FALSE(m.zoom.recuadro());
    m.zoom.mover(botonIzquierdo, 2.5, -1.0);
    EXPECT_EQ(*m.zoom.recuadro(), (Caja{2.0, 0.0, 2.5, -1.0}));
}

TEST(ZoomGrafico, MovesWithoutButtonsOrWithACombinationGiveTheTooltip) {
    Maquina m;
    EXPECT_EQ(m.zoom.mover(ningunBoton, 1.5, -0.25).tooltip,
              std::optional<QString>(QStringLiteral("(1.5000,-0.2500)")));
    EXPECT_EQ(m.zoom.mover(botonIzquierdo | botonDerecho, 12345.6789, 0.00004).tooltip,
              std::optional<QString>(QStringLiteral("(12345.6789,0.0000)")));
    EXPECT_FALSE(m.zoom.mover(botonIzquierdo, 1.0, 1.0).tooltip.has_value());
}

TEST(Escala, MapsUserCoordinatesBothWays) {
    const Escala e(Caja{1.0, -2.0, 3.0, 2.0}, QSizeF(200, 100));
    EXPECT_EQ(e.aPixel(1.0, 2.0), QPointF(0, 0));
    EXPECT_EQ(e.aPixel(3.0, -2.0), QPointF(200, 100));
    EXPECT_EQ(e.aPixel(2.0, 0.0), QPointF(100, 50));
    EXPECT_DOUBLE_EQ(e.rDePixel(50), 1.5);
    EXPECT_DOUBLE_EQ(e.vDePixel(25), 1.0);
}

TEST(Recorta, CutsSegmentsToTheZoneAndDropsThoseOutside) {
    const QRectF zona(0, 0, 10, 10);
    EXPECT_EQ(*recorta({-5, 5}, {15, 5}, zona), QLineF(0, 5, 10, 5));
    EXPECT_EQ(*recorta({2, 2}, {3, 4}, zona), QLineF(2, 2, 3, 4));
    EXPECT_FALSE(recorta({-5, -5}, {-1, 20}, zona));
    EXPECT_FALSE(recorta({11, 0}, {20, 10}, zona));
    const auto lejos = recorta({5, -1e15}, {5, 1e15}, zona);
    ASSERT_TRUE(lejos);
    EXPECT_EQ(*lejos, QLineF(5, 0, 5, 10));
    EXPECT_FALSE(recorta({0, 0}, {NAN, 1}, zona));
}

TEST(TrazaCurva, SamplesFromRMinAndCentresTheLevelsOnTheLowestSample) {
    Coeficientes c{};
    dePotencia(c, 0) = 2.25; // (R - 1.5)^2 = R^2 - 3R + 2.25
    dePotencia(c, 1) = -3.0;
    dePotencia(c, 2) = 1.0;
    const Escala e(Caja{1.0, -1.0, 2.0, 1.0}, QSizeF(100, 100));
    const TrazoCurva t = trazacurva(Polinomio(c), e, 4);
    EXPECT_EQ(t.segmentos.size(), 4u);
    EXPECT_DOUBLE_EQ(t.rcentro, 1.5);
    EXPECT_NEAR(t.segmentos.front().p1().x(), 0.0, 1e-12);
    EXPECT_NEAR(t.segmentos.back().p2().x(), 100.0, 1e-9);
}

TEST(TrazaCurva, ValuesAtOrAbove1e8AndUndefinedSamplesAreNotDrawn) {
    Coeficientes c{};
    dePotencia(c, -1) = 1.0; // 1/R over [-1, 1]: samples -0.5, 0, 0.5, 1
    const Escala e(Caja{-1.0, -3.0, 1.0, 3.0}, QSizeF(100, 100));
    const TrazoCurva t = trazacurva(Polinomio(c), e, 4);
    // (-1 .. -0.5) drawn; the two segments touching R = 0 left out; (0.5 .. 1) drawn.
    EXPECT_EQ(t.segmentos.size(), 2u);
    Coeficientes alto{};
    dePotencia(alto, 0) = 1e8; // V = 1e8 everywhere: nothing is drawn
    EXPECT_TRUE(trazacurva(Polinomio(alto), Escala(Caja{1, 0, 2, 2e8}, QSizeF(10, 10)), 5)
                    .segmentos.empty());
    dePotencia(alto, 0) = 0.99e8;
    EXPECT_EQ(
        trazacurva(Polinomio(alto), Escala(Caja{1, 0, 2, 2e8}, QSizeF(10, 10)), 5).segmentos.size(),
        5u);
}

TEST(Marcas, LevelsGoFromTurningPointToTurningPoint) {
    // V = (R - 1)^2: the level 0.25 turns at R = 0.5 and 1.5.
    const Escala e(Caja{0.0, 0.0, 2.0, 1.0}, QSizeF(200, 100));
    Coeficientes c{};
    dePotencia(c, 0) = 1.0;
    dePotencia(c, 1) = -2.0;
    dePotencia(c, 2) = 1.0;
    const Polinomio f(c);
    const auto barra = barraEntreRetornos(e, f, 1.0, 0.25, 0.1, 1.9, 0.4);
    ASSERT_TRUE(barra);
    EXPECT_NEAR(barra->x1(), 50.0, 1e-6);
    EXPECT_NEAR(barra->x2(), 150.0, 1e-6);
    EXPECT_NEAR(barra->y1(), 75.0, 1e-9);
    // Above the points' end at R = 1.9 (V = 0.81) the outer turning point lies past the data:
    // the level runs to R = 1.9; its inner one (R = 0.05) lies before R = 0.1 alike.
    const auto alta = barraEntreRetornos(e, f, 1.0, 0.9, 0.1, 1.9, 0.4);
    ASSERT_TRUE(alta);
    EXPECT_NEAR(alta->x1(), 10.0, 1e-6);
    EXPECT_NEAR(alta->x2(), 190.0, 1e-6);
    EXPECT_NEAR(alta->y1(), 10.0, 1e-9);
    EXPECT_EQ(intervaloR({{1.5, 0}, {0.7, 0}, {2.5, 0}}), std::make_pair(0.7, 2.5));
}

TEST(Marcas, CrossesLevelBarsAndTicks) {
    const Escala e(Caja{0.0, 0.0, 2.0, 1.0}, QSizeF(200, 100));
    const auto cruz = marca(e, 1.0, 0.5);
    ASSERT_EQ(cruz.size(), 2u);
    EXPECT_EQ(cruz[0], QLineF(99, 50, 101, 50)); // 1 % of the width across
    EXPECT_NEAR(cruz[1].length(), 3.0, 1e-9);    // 3 % of the height tall
    const auto barra = barraNivel(e, 1.0, 0.4, 0.25);
    ASSERT_TRUE(barra);
    EXPECT_EQ(*barra, QLineF(90, 75, 110, 75)); // half the width value long
}

TEST(RevisaCaja, AViewBeyond1e8GivesWayToTheFullViewAtOnceTheFullViewIsKept) {
    const Caja limites{1.0, -1.0, 2.0, 1.0};
    const CajaRevisada vista = revisaCaja(Caja{0.0, -1e9, 2.0, 1e9}, limites, true);
    EXPECT_EQ(vista.caja, limites);
    EXPECT_TRUE(vista.vistaCompleta);
    EXPECT_EQ(vista.avisos.size(), 1);
    EXPECT_TRUE(vista.dibujable);
    const CajaRevisada completa = revisaCaja(Caja{0.0, -1e9, 1e9, 1e9}, limites, false);
    EXPECT_EQ(completa.caja, (Caja{0.01, -1e9, 1e9, 1e9}));
    EXPECT_TRUE(completa.vistaCompleta);
    EXPECT_EQ(completa.avisos.size(), 2);
    const CajaRevisada plana = revisaCaja(Caja{1.0, 0.5, 2.0, 0.5}, limites, true);
    EXPECT_FALSE(plana.dibujable);
    EXPECT_FALSE(plana.vistaCompleta);
    EXPECT_TRUE(plana.avisos.value(0).contains(QStringLiteral("eje y es nulo")));
}

// The widget: a parabola with its minimum at R = 1.5 over the full view 1..2.
class GraficoPrueba : public ::testing::Test {
protected:
    void SetUp() override {
        resultados.coeficientes = {};
        resultados.ponCoeficiente(0, 2.25);
        resultados.ponCoeficiente(1, -3.0);
        resultados.ponCoeficiente(2, 1.0);
        resultados.limites = Caja{1.0, -0.05, 2.0, 0.3};
        resultados.vista = Caja{};
        grafico.resize(200, 100);
        DatosCurva d;
        d.puntos = {{1.2, 0.09}, {1.8, 0.09}};
        d.niveles = {0.1, 0.2};
        d.anchonivel = 0.4;
        grafico.ponCurva(d);
        ASSERT_TRUE(grafico.dibujaVistaCompleta());
        grafico.dibujapuntos();
        grafico.dibujaniveles();
    }
    QColor color(double r, double v) const {
        const QPointF p = grafico.escala().aPixel(r, v);
        return grafico.imagen().pixelColor(static_cast<int>(p.x()), static_cast<int>(p.y()));
    }
    QPoint pixel(double r, double v) const { return grafico.escala().aPixel(r, v).toPoint(); }

    prueba::MensajesGuionizados mensajes;
    EstadoResultados resultados;
    GraficoCurva grafico{resultados};
};

TEST_F(GraficoPrueba, FullViewShowsCurvePointsAndLevels) {
    EXPECT_EQ(grafico.imagen().size(), QSize(200, 100));
    EXPECT_NEAR(resultados.rcentro, 1.5, 0.01);
    // The level bar at V = 0.2 is 0.2 long around rcentro; points are green crosses.
    EXPECT_EQ(color(1.5, 0.2), QColor(255, 0, 0));
    EXPECT_EQ(color(1.2, 0.09), QColor(0, 128, 0));
    EXPECT_EQ(color(1.95, 0.0), QColor(Qt::white));
    int azules = 0;
    for (int x = 0; x < 200; ++x) {
        for (int y = 0; y < 100; ++y) {
            azules += grafico.imagen().pixelColor(x, y) == QColor(0, 0, 255) ? 1 : 0;
        }
    }
    EXPECT_GT(azules, 150);
    EXPECT_TRUE(mensajes.mostrados.empty());
}

TEST_F(GraficoPrueba, AZoomKeepsThePointsInsideIt) {
    QTest::mousePress(&grafico, Qt::LeftButton, {}, pixel(1.1, 0.12));
    QMouseEvent mov(QEvent::MouseMove, QPointF(pixel(1.35, 0.05)), QPointF(), Qt::NoButton,
                    Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&grafico, &mov);
    QTest::mouseRelease(&grafico, Qt::LeftButton, {}, pixel(1.35, 0.05));
    ASSERT_NEAR(resultados.vista.rmax, 1.35, 0.01);
    EXPECT_EQ(color(1.2, 0.09), QColor(0, 128, 0)); // the point (1.2, 0.09), now enlarged
}

TEST_F(GraficoPrueba, LeftDragZoomsAndRightClickRestores) {
    QTest::mousePress(&grafico, Qt::LeftButton, {}, pixel(1.1, 0.25));
    QTest::mouseMove(&grafico, pixel(1.3, 0.15)); // buttons state is not set by mouseMove
    QMouseEvent mov(QEvent::MouseMove, QPointF(pixel(1.3, 0.15)), QPointF(), Qt::NoButton,
                    Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&grafico, &mov);
    ASSERT_TRUE(grafico.zoom().recuadro());
    QTest::mouseRelease(&grafico, Qt::LeftButton, {}, pixel(1.3, 0.15));
    EXPECT_NEAR(resultados.vista.rmin, 1.1, 0.01);
    EXPECT_NEAR(resultados.vista.rmax, 1.3, 0.01);
    EXPECT_NEAR(resultados.vista.vmin, 0.15, 0.005);
    EXPECT_NEAR(resultados.vista.vmax, 0.25, 0.005);
    EXPECT_EQ(grafico.escala().caja(), resultados.vista);
    EXPECT_NE(color(1.5, 0.2), QColor(255, 0, 0)); // levels gone (and out of view)
    QTest::mouseClick(&grafico, Qt::RightButton, {}, QPoint(50, 50));
    EXPECT_EQ(resultados.vista, resultados.limites);
    EXPECT_EQ(color(1.5, 0.2), QColor(255, 0, 0));
    EXPECT_EQ(color(1.2, 0.09), QColor(0, 128, 0));
    EXPECT_TRUE(mensajes.mostrados.empty());
}

TEST_F(GraficoPrueba, MiddleClickRedrawsTheCurveWithoutPoints) {
    QTest::mouseClick(&grafico, Qt::MiddleButton, {}, QPoint(50, 50));
    EXPECT_EQ(resultados.vista, Caja{}); // no view chosen: nothing to redraw
    EXPECT_EQ(color(1.2, 0.09), QColor(0, 128, 0));
    resultados.vista = resultados.limites;
    QTest::mouseClick(&grafico, Qt::MiddleButton, {}, QPoint(50, 50));
    EXPECT_NE(color(1.2, 0.09), QColor(0, 128, 0));
}

TEST_F(GraficoPrueba, TooltipShowsThePointerCoordinates) {
    // Pixel (100, 30) of 200 by 100 over R 1..2, V -0.05..0.3.
    QMouseEvent mov(QEvent::MouseMove, QPointF(100, 30), QPointF(), Qt::NoButton, Qt::NoButton,
                    Qt::NoModifier);
    QApplication::sendEvent(&grafico, &mov);
    EXPECT_EQ(grafico.toolTip(), QStringLiteral("(1.5000,0.1950)"));
}

TEST_F(GraficoPrueba, ViewsBeyond1e8AreReportedAndTheFullViewTakesOver) {
    resultados.vista = Caja{1.0, -1e9, 2.0, 1e9};
    EXPECT_TRUE(grafico.dibujaVista());
    ASSERT_EQ(mensajes.mostrados.size(), 1u);
    EXPECT_EQ(mensajes.mostrados[0].texto,
              QStringLiteral("El intervalo en el eje y tiende a infinito.\nElige otro intervalo"));
    EXPECT_EQ(mensajes.mostrados[0].titulo, QStringLiteral("Advertencia"));
    EXPECT_EQ(mensajes.mostrados[0].icono, IconoMensaje::Stop);
    EXPECT_EQ(resultados.vista, resultados.limites);
    EXPECT_EQ(grafico.escala().caja(), resultados.limites);
    // Both, y first, when the box is not the view itself (the full view at load); the
    // full view is drawn as it is and becomes the view.
    resultados.limites = Caja{-1e9, -1e9, 1e9, 1e9};
    grafico.dibujaVistaCompleta();
    ASSERT_EQ(mensajes.mostrados.size(), 3u);
    EXPECT_TRUE(mensajes.mostrados[1].texto.contains(QStringLiteral("eje y")));
    EXPECT_TRUE(mensajes.mostrados[2].texto.contains(QStringLiteral("eje x")));
    EXPECT_EQ(grafico.escala().caja(), resultados.limites);
    EXPECT_EQ(resultados.vista, resultados.limites);
}

TEST_F(GraficoPrueba, ZeroSpansAreRefusedWithAMessageAndZeroRMinMoves) {
    resultados.vista = Caja{1.0, 0.5, 2.0, 0.5};
    const Caja antes = grafico.escala().caja();
    EXPECT_FALSE(grafico.dibujaVista());
    ASSERT_EQ(mensajes.mostrados.size(), 1u);
    EXPECT_TRUE(mensajes.mostrados[0].texto.contains(QStringLiteral("eje y es nulo")));
    EXPECT_EQ(grafico.escala().caja(), antes);
    resultados.vista = Caja{0.0, -1.0, 2.0, 1.0};
    EXPECT_TRUE(grafico.dibujaVista());
    EXPECT_DOUBLE_EQ(resultados.vista.rmin, 0.01);
    EXPECT_EQ(grafico.escala().caja(), resultados.vista);
}

} // namespace
} // namespace oscilab
