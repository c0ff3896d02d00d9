// The results plot's ticks: round values of the view, placed as the curve is, each labelled.
#include "results/marcas_vista.h"
#include "results/unidades_grafico.h"

#include <QFont>
#include <QFontMetrics>
#include <gtest/gtest.h>

#include <cmath>

namespace oscilab {
namespace {

TEST(MarcasVista, RoundValuesPlacedAsTheScalePlacesTheCurve) {
    const Escala e(Caja{0.91, -1.18, 3.09, -0.93}, QSizeF(612, 240));
    const MarcasVista m = marcasVista(e);
    ASSERT_GE(m.r.size(), 4u);
    ASSERT_GE(m.v.size(), 4u);
    for (const auto* eje : {&m.r, &m.v}) {
        ASSERT_LE(eje->size(), 11u);
        const double paso = (*eje)[1].valor - (*eje)[0].valor;
        // The step is 1, 2 or 5 × 10^n, and every tick a multiple of it.
        const double mantisa = paso / std::pow(10.0, std::floor(std::log10(paso) + 1e-9));
        EXPECT_TRUE(std::fabs(mantisa - 1) < 1e-9 || std::fabs(mantisa - 2) < 1e-9 ||
                    std::fabs(mantisa - 5) < 1e-9)
            << paso;
        for (const MarcaVista& t : *eje) {
            EXPECT_NEAR(t.valor / paso, std::round(t.valor / paso), 1e-6);
            EXPECT_NEAR(t.texto.toDouble(), t.valor, paso * 1e-9) << t.texto.toStdString();
        }
    }
    EXPECT_EQ(m.r.front().texto, QStringLiteral("1.0"));
    EXPECT_EQ(m.r.back().texto, QStringLiteral("3.0"));
    EXPECT_EQ(m.v.front().texto, QStringLiteral("-1.15"));
    // Independent of the scale: the pixel by the linear map of the box.
    EXPECT_NEAR(m.r.front().pixel, (1.0 - 0.91) / (3.09 - 0.91) * 612, 1e-9);
    EXPECT_NEAR(m.v.front().pixel, (-0.93 + 1.15) / (-0.93 + 1.18) * 240, 1e-9);
}

// An Angstrom/eV document: the box stays in bohr and hartree, the ticks fall on round
// Angstrom and eV and sit where their value in atomic units is drawn.
TEST(MarcasVista, RoundValuesInTheDocumentsUnitsAtTheirAtomicPlace) {
    constexpr double A = 0.529177210903, EV = 27.211386245988;
    const UnidadesMostradas u{A, EV, "Å", "eV"};
    EXPECT_EQ(tituloEjeR(u), QStringLiteral("R (Å)"));
    EXPECT_EQ(tituloEjeV(u), QStringLiteral("V(R) (eV)"));
    EXPECT_EQ(tituloEjeR({}), QStringLiteral("R (bohr)"));
    const Caja caja{1.5, -1.17, 3.9, -0.96};
    const Caja mostrada = cajaMostrada(caja, u);
    EXPECT_NEAR(mostrada.rmax, 3.9 * A, 1e-12);
    EXPECT_NEAR(mostrada.vmin, -1.17 * EV, 1e-12);
    const Caja vuelta = cajaAtomica(mostrada, u);
    EXPECT_NEAR(vuelta.rmin, caja.rmin, 1e-14);
    EXPECT_NEAR(vuelta.vmax, caja.vmax, 1e-14);

    const Escala e(caja, QSizeF(600, 240));
    const MarcasVista m = marcasVista(e, u);
    ASSERT_GE(m.r.size(), 4u);
    EXPECT_EQ(m.r.front().texto, QStringLiteral("0.8")); // 0.79 to 2.06 Angstrom by 0.2
    EXPECT_EQ(m.r.back().texto, QStringLiteral("2.0"));
    EXPECT_EQ(m.v.front().texto, QStringLiteral("-31.5")); // -31.8 to -26.1 eV by 0.5
    for (const MarcaVista& t : m.r) {
        EXPECT_NEAR(t.pixel, (t.valor / A - caja.rmin) / (caja.rmax - caja.rmin) * 600, 1e-9);
    }
    for (const MarcaVista& t : m.v) {
        EXPECT_NEAR(t.pixel, (caja.vmax - t.valor / EV) / (caja.vmax - caja.vmin) * 240, 1e-9);
    }
}

TEST(MarcasVista, LabelsShowTheDigitsOfTheStepOnly) {
    EXPECT_EQ(textoMarca(0.35, 0.05), QStringLiteral("0.35"));
    EXPECT_EQ(textoMarca(-1.2, 0.2), QStringLiteral("-1.2"));
    EXPECT_EQ(textoMarca(2.0, 1.0), QStringLiteral("2"));
    EXPECT_EQ(textoMarca(1500.0, 500.0), QStringLiteral("1500"));
    EXPECT_EQ(textoMarca(0.0, 0.001), QStringLiteral("0.000"));
    EXPECT_EQ(textoMarca(3e-7, 1e-7), QStringLiteral("0.0000003"));
}

TEST(MarcasVista, LinesAndLabelsInTheFrame) {
    const Escala e(Caja{0.0, -1.0, 2.0, 0.0}, QSizeF(600, 240));
    const MarcasVista m = marcasVista(e);
    const QRect plot(80, 20, 600, 240);
    const auto lineas = lineasMarcas(plot, m, 72.0, 267.0);
    ASSERT_EQ(lineas.size(), m.r.size() + m.v.size());
    EXPECT_EQ(lineas.front(), QLineF(72, 260, 80, 260));  // V = -1 at the bottom
    EXPECT_EQ(lineas.back(), QLineF(680, 260, 680, 267)); // R = 2 at the right end
    const QFontMetrics medidas{QFont()};
    const auto etiquetas = etiquetasMarcas(plot, m, medidas, 70, 268, 720);
    ASSERT_EQ(etiquetas.size(), lineas.size());
    for (std::size_t i = 0; i < m.v.size(); ++i) {
        EXPECT_EQ(etiquetas[i].rect.right() + 1, 70) << i;
        EXPECT_NEAR(etiquetas[i].rect.center().y(), 20 + m.v[i].pixel, 1.5) << i;
    }
    for (std::size_t i = m.v.size(); i < etiquetas.size(); ++i) {
        EXPECT_EQ(etiquetas[i].rect.top(), 268);
        EXPECT_GE(etiquetas[i].rect.left(), 0);
        EXPECT_LE(etiquetas[i].rect.right(), 719); // the last one kept inside the frame
    }
    EXPECT_NEAR(etiquetas[m.v.size()].rect.center().x(), 80, 1.0 + medidas.averageCharWidth());
}

} // namespace
} // namespace oscilab
