// The scale dialog over a results window loaded with the H2 example.
#include "compartido/textos_numero.h"
#include "compartido/formato_numeros.h"
#include "results/frmescala.h"
#include "results/grafico_curva.h"
#include "results/polinomio.h"
#include "support/resultados_prueba.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace oscilab {
namespace {

class DialogoEscala : public prueba::VentanaResultados {
protected:
    void SetUp() override {
        VentanaResultados::SetUp();
        ventana->cargaResultados();
        mensajes.mostrados.clear();
        ventana->show();
    }
    frmescala* abre() {
        QTest::mouseClick(ventana->findChild<QPushButton*>(QStringLiteral("btescala")),
                          Qt::LeftButton);
        return ventana->dialogoEscala();
    }
    static void escribe(QLineEdit* campo, const QString& texto) { campo->setText(texto); }
    static void pulsa(frmescala* d, const char* boton) {
        QTest::mouseClick(d->findChild<QPushButton*>(QLatin1String(boton)), Qt::LeftButton);
    }
    static QCheckBox* casilla(frmescala* d) {
        return d->findChild<QCheckBox*>(QStringLiteral("chky"));
    }
};

TEST(FormatoBorde, TheDigitsThatMatterWithoutNoise) {
    EXPECT_EQ(formatoBorde(1.53499999999992, 2.0), QStringLiteral("1.535"));
    EXPECT_EQ(formatoBorde(-1.17447123456, 0.13), QStringLiteral("-1.17447"));
    // A narrow view of a large value keeps the digits that tell its edges apart.
    EXPECT_NE(formatoBorde(100.1234561, 1e-6), formatoBorde(100.1234571, 1e-6));
    EXPECT_EQ(formatoBorde(0.0, 1.0), QStringLiteral("0"));
    EXPECT_EQ(formatoBorde(2.5, 0.0), QStringLiteral("2.5"));
}

TEST_F(DialogoEscala, OpeningWithoutAViewShowsTheFullViewAndDisablesTheResultsWindow) {
    resultados.vista = Caja{};
    frmescala* d = abre();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isVisible());
    EXPECT_FALSE(d->isModal());
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Escala"));
    EXPECT_EQ(resultados.vista, resultados.limites);
    const Caja& l = resultados.limites;
    EXPECT_EQ(d->txtmm(1)->text(), formatoBorde(l.rmin, l.rmax - l.rmin));
    EXPECT_EQ(d->txtmm(4)->text(), formatoBorde(l.vmax, l.vmax - l.vmin));
    // Within a hundred-thousandth of the view, and without floating-point noise.
    EXPECT_NEAR(valorInicial(d->txtmm(3)->text()), l.vmin, 1e-5 * (l.vmax - l.vmin));
    EXPECT_LE(d->txtmm(3)->text().size(), 12);
    EXPECT_FALSE(ventana->habilitada());
    EXPECT_FALSE(ventana->grafico()->isEnabled()); // no zoom while the dialog is open
    EXPECT_FALSE(ventana->findChild<QPushButton*>(QStringLiteral("btdaceptar"))->isEnabled());
    EXPECT_TRUE(d->isEnabled());
    EXPECT_EQ(casilla(d)->checkState(), Qt::Checked);
    EXPECT_FALSE(d->txtmm(3)->isEnabled());
    EXPECT_FALSE(d->txtmm(4)->isEnabled());
    EXPECT_FALSE(d->findChild<QLabel*>(QStringLiteral("Label3"))->isEnabled());
    EXPECT_TRUE(d->txtmm(1)->isEnabled());
    for (int i = 1; i <= 4; ++i) { // named like the main window's control arrays
        EXPECT_EQ(d->findChild<QLineEdit*>(QStringLiteral("txtmm(%1)").arg(i)), d->txtmm(i));
    }
    casilla(d)->click();
    EXPECT_TRUE(d->txtmm(3)->isEnabled());
    EXPECT_TRUE(d->findChild<QLabel*>(QStringLiteral("Label4"))->isEnabled());
}

TEST_F(DialogoEscala, TheResultsWindowStaysWhileTheDialogIsOpen) {
    frmescala* d = abre();
    EXPECT_FALSE(ventana->close());
    procesaBorrados();
    ASSERT_TRUE(ventana);
    EXPECT_EQ(ventana->dialogoEscala(), d);
    pulsa(d, "btcancelar");
    procesaBorrados();
    EXPECT_TRUE(ventana->close());
    procesaBorrados();
    EXPECT_FALSE(ventana);
}

TEST_F(DialogoEscala, OpeningShowsTheLastViewChosen) {
    resultados.vista = Caja{1.25, -1.2, 2.5, -1.1};
    frmescala* d = abre();
    EXPECT_EQ(d->txtmm(1)->text(), QStringLiteral("1.25"));
    EXPECT_EQ(d->txtmm(2)->text(), QStringLiteral("2.5"));
    EXPECT_EQ(d->txtmm(3)->text(), QStringLiteral("-1.2"));
    EXPECT_EQ(d->txtmm(4)->text(), QStringLiteral("-1.1"));
}

TEST_F(DialogoEscala, AutomaticRangeFitsTheNewRRange) {
    resultados.vista = Caja{};
    frmescala* d = abre();
    const Caja completa = resultados.limites;
    escribe(d->txtmm(1), QStringLiteral("2"));
    escribe(d->txtmm(2), QStringLiteral("3"));
    escribe(d->txtmm(3), QStringLiteral("5")); // reversed, disabled: ignored
    escribe(d->txtmm(4), QStringLiteral("-5"));
    pulsa(d, "btaceptar");
    procesaBorrados();
    EXPECT_EQ(ventana->dialogoEscala(), nullptr);
    EXPECT_TRUE(mensajes.mostrados.empty());
    EXPECT_EQ(resultados.vista.rmin, 2.0);
    EXPECT_EQ(resultados.vista.rmax, 3.0);
    // The curve over R 2..3 fills the height, not the range of the full view.
    EXPECT_GT(resultados.vista.vmax - resultados.vista.vmin, 0.0);
    EXPECT_GT(resultados.vista.vmin, completa.vmin); // the old range no longer held
    for (double r : {2.1, 2.5, 3.0}) {
        const double v = evalpolinomio(resultados.coeficientes, r);
        EXPECT_GT(v, resultados.vista.vmin) << r;
        EXPECT_LT(v, resultados.vista.vmax) << r;
    }
    EXPECT_TRUE(ventana->habilitada());
    EXPECT_EQ(ventana->grafico()->escala().caja(), resultados.vista);
}

TEST_F(DialogoEscala, ManualRangeSetsTheViewAndDrawsTheCurveAlone) {
    frmescala* d = abre();
    casilla(d)->click();
    escribe(d->txtmm(1), QStringLiteral("1.2"));
    escribe(d->txtmm(2), QStringLiteral("1.6"));
    escribe(d->txtmm(3), QStringLiteral("-1.18"));
    escribe(d->txtmm(4), QStringLiteral("-1.16"));
    pulsa(d, "btaceptar");
    EXPECT_EQ(resultados.vista, (Caja{1.2, -1.18, 1.6, -1.16}));
    EXPECT_EQ(ventana->grafico()->escala().caja(), resultados.vista);
    const QImage& img = ventana->imagenGrafica();
    int verdes = 0;
    for (int x = 0; x < img.width(); ++x) {
        for (int y = 0; y < img.height(); ++y) {
            verdes += img.pixelColor(x, y) == QColor(0, 128, 0) ? 1 : 0;
        }
    }
    EXPECT_EQ(verdes, 0);
}

// An Angstrom/eV document: captions and fields in its units, the view kept in bohr and hartree.
TEST_F(DialogoEscala, AnAngstromEvDocumentIsShownAndScaledInItsUnits) {
    constexpr double A = 0.529177210903, EV = 27.211386245988;
    delete ventana.data();
    ASSERT_TRUE(QFile::copy(prueba::ejemploResultados("H2.scs"), rutaCurva()));
    ResultadoCalculo calculo = ficherosDeCalculo(estado.dirresult, QStringLiteral("H2"));
    auto datos = std::make_shared<curvifit::ResultadoEjecucion>();
    datos->angstrom = datos->ev = true;
    calculo.datos = datos;
    ventana = new frmgraficos(resultados, calculo, [this] { return puntosDocumento; });
    ventana->cargaResultados();
    ventana->show();
    EXPECT_EQ(ventana->findChild<QLabel*>(QStringLiteral("lbx"))->text(), QStringLiteral("R (Å)"));
    EXPECT_EQ(ventana->findChild<QLabel*>(QStringLiteral("lby"))->text(),
              QStringLiteral("V(R) (eV)"));
    frmescala* d = abre();
    const Caja l = resultados.limites;
    EXPECT_NEAR(valorInicial(d->txtmm(2)->text()), l.rmax * A, 1e-3 * (l.rmax - l.rmin));
    EXPECT_NEAR(valorInicial(d->txtmm(3)->text()), l.vmin * EV, 1e-3 * (l.vmax - l.vmin) * EV);
    EXPECT_EQ(d->findChild<QLabel*>(QStringLiteral("unidad1"))->text(), QStringLiteral("Å"));
    EXPECT_EQ(d->findChild<QLabel*>(QStringLiteral("unidad4"))->text(), QStringLiteral("eV"));
    casilla(d)->click();
    escribe(d->txtmm(1), QStringLiteral("0.6"));
    escribe(d->txtmm(2), QStringLiteral("1.2"));
    escribe(d->txtmm(3), QStringLiteral("-32"));
    escribe(d->txtmm(4), QStringLiteral("-30"));
    pulsa(d, "btaceptar");
    EXPECT_NEAR(resultados.vista.rmin, 0.6 / A, 1e-12);
    EXPECT_NEAR(resultados.vista.vmax, -30 / EV, 1e-12);
}

TEST_F(DialogoEscala, RangesThatAreNotIncreasingAreRefusedAndTheDialogStays) {
    resultados.vista = Caja{1.25, -1.2, 2.5, -1.1};
    frmescala* d = abre();
    escribe(d->txtmm(1), QStringLiteral("2"));
    escribe(d->txtmm(2), QStringLiteral("2"));
    pulsa(d, "btaceptar");
    ASSERT_EQ(mensajes.mostrados.size(), 1u);
    EXPECT_EQ(mensajes.mostrados[0].texto,
              QStringLiteral("El valor de R máximo debe ser mayor que R mínimo"));
    EXPECT_EQ(mensajes.mostrados[0].titulo, QStringLiteral("OSCILAB"));
    EXPECT_EQ(mensajes.mostrados[0].icono, IconoMensaje::Ninguno);
    escribe(d->txtmm(2), QString()); // not a number: 0
    pulsa(d, "btaceptar");
    EXPECT_EQ(mensajes.mostrados.size(), 2u);
    escribe(d->txtmm(2), QStringLiteral("3"));
    casilla(d)->click();
    escribe(d->txtmm(3), QStringLiteral("-1"));
    escribe(d->txtmm(4), QStringLiteral("-1.5"));
    pulsa(d, "btaceptar");
    ASSERT_EQ(mensajes.mostrados.size(), 3u);
    EXPECT_EQ(mensajes.mostrados[2].texto,
              QStringLiteral("El valor de V(R) máximo debe ser mayor que V(R) mínimo"));
    EXPECT_EQ(resultados.vista, (Caja{1.25, -1.2, 2.5, -1.1}));
    EXPECT_EQ(ventana->dialogoEscala(), d);
    EXPECT_TRUE(d->isVisible());
    EXPECT_FALSE(ventana->habilitada());
}

TEST_F(DialogoEscala, EscapeCancelsLeavingViewAndPlotAlone) {
    resultados.vista = Caja{1.25, -1.2, 2.5, -1.1};
    const Caja dibujada = ventana->grafico()->escala().caja();
    frmescala* d = abre();
    escribe(d->txtmm(1), QStringLiteral("2"));
    QTest::keyClick(d, Qt::Key_Escape);
    procesaBorrados();
    EXPECT_EQ(ventana->dialogoEscala(), nullptr);
    EXPECT_EQ(resultados.vista, (Caja{1.25, -1.2, 2.5, -1.1}));
    EXPECT_EQ(ventana->grafico()->escala().caja(), dibujada);
    EXPECT_TRUE(ventana->habilitada());
    d = abre();
    pulsa(d, "btcancelar");
    procesaBorrados();
    EXPECT_EQ(ventana->dialogoEscala(), nullptr);
    EXPECT_TRUE(ventana->habilitada());
}

TEST_F(DialogoEscala, FieldsTakeOnlyNumericKeys) {
    frmescala* d = abre();
    QLineEdit* campo = d->txtmm(1);
    campo->setFocus();
    campo->clear();
    QTest::keyClicks(campo, QStringLiteral("-1a.5e.2 x"));
    EXPECT_EQ(campo->text(), QStringLiteral("-1.52"));
    QTest::keyClick(campo, Qt::Key_Backspace);
    EXPECT_EQ(campo->text(), QStringLiteral("-1.5"));
}

TEST(NumerosDeLaEscala, LeadingNumberAndGeneralForm) {
    EXPECT_EQ(valorInicial(QStringLiteral("  1.5abc")), 1.5);
    EXPECT_EQ(valorInicial(QStringLiteral("-2.5E-1")), -0.25);
    EXPECT_EQ(valorInicial(QStringLiteral("+.5")), 0.5);
    EXPECT_EQ(valorInicial(QStringLiteral("abc")), 0.0);
    EXPECT_EQ(valorInicial(QStringLiteral("inf")), 0.0);
    EXPECT_EQ(valorInicial(QStringLiteral("-")), 0.0);
    EXPECT_EQ(valorInicial(QString()), 0.0);
    for (double x : {1.0, -1.1745848, 0.1 + 0.2, 1e-7, 123456789012345.0, -3e20}) {
        EXPECT_NEAR(valorInicial(textoGeneral(x)), x, std::abs(x) * 1e-14);
    }
    EXPECT_EQ(textoGeneral(1.5), QStringLiteral("1.5"));
    EXPECT_EQ(textoGeneral(0.1 + 0.2), QStringLiteral("0.3"));
}

TEST(FormatosDeLaGrafica, CornerLabelsAndTooltip) {
    EXPECT_EQ(formatoEsquina(1234567.891), QStringLiteral("1,234,567.8910"));
    EXPECT_EQ(formatoEsquina(-1.17458), QStringLiteral("-1.1746"));
    EXPECT_EQ(formatoEsquina(0.0), QStringLiteral("0.0000"));
    EXPECT_EQ(formatoEsquina(-0.00001), QStringLiteral("0.0000"));
    EXPECT_EQ(formatoEsquina(999.99999), QStringLiteral("1,000.0000"));
    EXPECT_EQ(formatoEsquina(-123456.5), QStringLiteral("-123,456.5000"));
    EXPECT_EQ(formatoTooltip(1234567.891), QStringLiteral("1234567.8910"));
    EXPECT_EQ(formatoTooltip(-0.25), QStringLiteral("-0.2500"));
}

TEST(NumeroCompleto, WholeFieldsOnly) {
    EXPECT_EQ(numeroCompleto("0.533240010440964E-003"), 0.533240010440964e-3);
    EXPECT_EQ(numeroCompleto("+3"), 3.0);
    EXPECT_FALSE(numeroCompleto("3x"));
    EXPECT_FALSE(numeroCompleto("+-3"));
    EXPECT_FALSE(numeroCompleto(""));
    EXPECT_FALSE(numeroCompleto("nan"));
    EXPECT_FALSE(numeroCompleto("Infinity"));
    EXPECT_FALSE(numeroCompleto("1e999"));
}

} // namespace
} // namespace oscilab
