// Reading the curve file, the plot box, the diagnostics, the fitted function and the
// automatic V(R) range.
#include "results/curva.h"
#include "results/diagnostico.h"
#include "results/polinomio.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

namespace oscilab {
namespace {

QString rutaEjemplo(const char* nombre) {
    return QStringLiteral(OSCILAB_SOURCE_DIR "/tests/frontend/datos/") + QLatin1String(nombre);
}

// Builds a curve file: points, 30 coefficients, energy error, bar width, levels.
QByteArray ficheroCurva(const std::vector<Punto>& puntos, const CoeficientesPotencia& coef,
                        const QByteArray& error, double ancho, const std::vector<double>& niveles) {
    QByteArray t;
    auto num = [&t](double x) { t += ' ' + QByteArray::number(x, 'g', 15) + "\r\n"; };
    for (const auto& p : puntos) {
        num(p.r);
        num(p.v);
    }
    for (double c : coef) {
        num(c);
    }
    t += ' ' + error + "\r\n";
    num(ancho);
    for (double n : niveles) {
        num(n);
    }
    return t;
}

Coeficientes parabola(double c0, double c1, double c2) {
    Coeficientes c{};
    dePotencia(c, 0) = c0;
    dePotencia(c, 1) = c1;
    dePotencia(c, 2) = c2;
    return c;
}

TEST(LeeCurva, ReadsTheEngineLikeFileOfH2AndDeletesIt) {
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("H2.scs"));
    ASSERT_TRUE(QFile::copy(rutaEjemplo("H2.scs"), ruta));
    const LecturaCurva l = leecurva(ruta, 20);
    EXPECT_TRUE(l.ok()) << l.error.toStdString();
    EXPECT_FALSE(QFile::exists(ruta));
    ASSERT_EQ(l.datos.puntos.size(), 20u);
    EXPECT_DOUBLE_EQ(l.datos.puntos[0].r, 1.0);
    EXPECT_DOUBLE_EQ(l.datos.puntos[0].v, -1.1290315042);
    EXPECT_DOUBLE_EQ(l.datos.puntos[19].r, 2.9);
    EXPECT_NEAR(dePotencia(l.datos.coeficientes, 0), -0.207453664241656, 1e-15);
    EXPECT_NEAR(dePotencia(l.datos.coeficientes, 4), 0.0408945316903939, 1e-15);
    EXPECT_EQ(dePotencia(l.datos.coeficientes, -15), 0.0);
    EXPECT_EQ(dePotencia(l.datos.coeficientes, 14), 0.0);
    ASSERT_TRUE(l.datos.errorenergia.has_value());
    EXPECT_NEAR(*l.datos.errorenergia, 0.533240010440964e-3, 1e-18);
    EXPECT_DOUBLE_EQ(l.datos.anchonivel, 0.52);
    EXPECT_EQ(l.datos.niveles.size(), 14u);
    EXPECT_NEAR(l.datos.niveles[0], -1.16465863103824, 1e-14);
}

TEST(LeeCurva, InfinityInTheEnergyErrorPositionLeavesTheThresholdAlone) {
    CoeficientesPotencia coef{};
    dePotencia(coef, 0) = -1.0;
    const QByteArray t =
        ficheroCurva({{1.0, -1.0}, {2.0, -0.5}}, coef, "Infinity", 0.3, {-0.9, -0.8});
    const LecturaCurva l = leecurvaTexto(t, 2);
    EXPECT_TRUE(l.ok()) << l.error.toStdString();
    EXPECT_FALSE(l.datos.errorenergia.has_value());
    EXPECT_DOUBLE_EQ(l.datos.anchonivel, 0.3);
    EXPECT_EQ(l.datos.niveles, (std::vector<double>{-0.9, -0.8}));
}

TEST(LeeCurva, AsManyPointsAsTheTableHoldsAndNoMore) {
    // The table holds 500 points; a curve file of a long scan must read whole.
    CoeficientesPotencia coef{};
    std::vector<Punto> puntos;
    for (int i = 0; i < puntosMaximos; ++i) {
        puntos.push_back({1.0 + 0.01 * i, -1.0 / (1.0 + i)});
    }
    const LecturaCurva l =
        leecurvaTexto(ficheroCurva(puntos, coef, "1e-4", 0.3, {}), puntosMaximos);
    ASSERT_TRUE(l.ok()) << l.error.toStdString();
    EXPECT_EQ(l.datos.puntos.size(), puntos.size());
    EXPECT_DOUBLE_EQ(l.datos.puntos.back().r, puntos.back().r);
    EXPECT_FALSE(
        leecurvaTexto(ficheroCurva(puntos, coef, "1e-4", 0.3, {}), puntosMaximos + 1).ok());
}

TEST(LeeCurva, InfinityIsAcceptedOnlyThereAndOnlyExactly) {
    CoeficientesPotencia coef{};
    for (const char* malo : {"infinity", "-Infinity", "NaN", "Inf"}) {
        const LecturaCurva l = leecurvaTexto(ficheroCurva({{1, 2}}, coef, malo, 0.3, {}), 1);
        EXPECT_FALSE(l.ok()) << malo;
        EXPECT_TRUE(l.error.contains(QStringLiteral("error de las energías"))) << malo;
    }
    // "Infinity" as a coefficient is not a number.
    QByteArray t = ficheroCurva({{1, 2}}, coef, "1e-4", 0.3, {});
    t.replace(t.indexOf(" 0\r\n"), 4, " Infinity\r\n");
    const LecturaCurva l = leecurvaTexto(t, 1);
    EXPECT_FALSE(l.ok());
    EXPECT_TRUE(l.error.contains(QStringLiteral("coeficiente de R^-15")));
}

TEST(LeeCurva, FreeFormatFieldsAcceptCommasBlanksTabsAndBareLineFeeds) {
    QByteArray t = "1.5,-0.25\t2 -0.125\n";
    for (int k = 0; k < 30; ++k) {
        t += k == 15 ? "+3.0E+00," : "0 ";
    }
    t += "\n 1.25E-3 , 0.5\n-0.2 -0.1";
    const LecturaCurva l = leecurvaTexto(t, 2);
    ASSERT_TRUE(l.ok()) << l.error.toStdString();
    EXPECT_DOUBLE_EQ(l.datos.puntos[1].v, -0.125);
    EXPECT_DOUBLE_EQ(dePotencia(l.datos.coeficientes, 0), 3.0);
    EXPECT_DOUBLE_EQ(*l.datos.errorenergia, 1.25e-3);
    EXPECT_EQ(l.datos.niveles, (std::vector<double>{-0.2, -0.1}));
}

TEST(LeeCurva, ShortFilesReportWhatIsMissingAndKeepWhatWasRead) {
    CoeficientesPotencia coef{};
    dePotencia(coef, 2) = 0.5;
    const QByteArray entero = ficheroCurva({{1, -1}, {2, -2}}, coef, "1e-4", 0.3, {});
    const QList<QByteArray> lineas = entero.split('\n');
    // Cut after 3 values: inside the points.
    LecturaCurva l = leecurvaTexto(lineas.mid(0, 3).join('\n'), 2);
    EXPECT_FALSE(l.ok());
    EXPECT_TRUE(l.error.contains(QStringLiteral("el punto 2"))) << l.error.toStdString();
    EXPECT_EQ(l.datos.puntos.size(), 1u);
    // Cut inside the coefficients: the points stay.
    l = leecurvaTexto(lineas.mid(0, 10).join('\n'), 2);
    EXPECT_FALSE(l.ok());
    EXPECT_EQ(l.datos.puntos.size(), 2u);
    EXPECT_TRUE(l.error.contains(QStringLiteral("coeficiente")));
    // Without the width.
    l = leecurvaTexto(lineas.mid(0, 4 + 30 + 1).join('\n'), 2);
    EXPECT_FALSE(l.ok());
    EXPECT_TRUE(l.error.contains(QStringLiteral("anchura")));
    EXPECT_DOUBLE_EQ(dePotencia(l.datos.coeficientes, 2), 0.5);
    // Empty file.
    l = leecurvaTexto(QByteArray(), 2);
    EXPECT_FALSE(l.ok());
    EXPECT_TRUE(l.datos.puntos.empty());
}

TEST(LeeCurva, NonNumericValuesAreReported) {
    CoeficientesPotencia coef{};
    QByteArray t = ficheroCurva({{1, -1}}, coef, "1e-4", 0.3, {-0.5, -0.4});
    LecturaCurva l = leecurvaTexto(t.replace("-0.4", "-0.4x"), 1);
    EXPECT_FALSE(l.ok());
    EXPECT_TRUE(l.error.contains(QStringLiteral("-0.4x")));
    EXPECT_EQ(l.datos.niveles.size(), 1u);
    l = leecurvaTexto(QByteArray("abc 1\r\n"), 1);
    EXPECT_FALSE(l.ok());
    EXPECT_TRUE(l.error.contains(QStringLiteral("punto 1")));
}

TEST(LeeCurva, MissingFileAndInvalidPointCountsAreReported) {
    QTemporaryDir dir;
    EXPECT_FALSE(leecurva(dir.filePath(QStringLiteral("no.scs")), 2).ok());
    EXPECT_FALSE(leecurvaTexto("1 2", 100).ok()); // a document check code, not a count
    EXPECT_FALSE(leecurvaTexto("1 2", -1).ok());
}

TEST(LeeCurva, MoreThanTenThousandLevelsAreCutAndReported) {
    CoeficientesPotencia coef{};
    QByteArray t = ficheroCurva({}, coef, "1e-4", 0.3, {});
    for (int i = 0; i < 10001; ++i) {
        t += "-0.5\n";
    }
    const LecturaCurva l = leecurvaTexto(t, 0);
    EXPECT_FALSE(l.ok());
    EXPECT_EQ(l.datos.niveles.size(), 10000u);
}

TEST(EvalPolinomio, SumsEveryPowerAgainstStdPow) {
    Coeficientes c{};
    for (int k = potenciaMinima; k <= potenciaMaxima; ++k) {
        dePotencia(c, k) = 0.001 * (k + 0.5) / (1 + k * k);
    }
    for (double r : {0.7, 1.0, 1.3, 2.9, -1.1}) {
        double esperado = 0.0;
        for (int k = potenciaMinima; k <= potenciaMaxima; ++k) {
            esperado += dePotencia(c, k) * std::pow(r, k);
        }
        EXPECT_NEAR(evalpolinomio(c, r), esperado, 1e-13 * std::abs(esperado) + 1e-15) << r;
    }
    EXPECT_DOUBLE_EQ(evalpolinomio(parabola(2.0, -3.0, 0.5), 4.0), 2.0 - 12.0 + 8.0);
    EXPECT_DOUBLE_EQ(evalpolinomio(parabola(7.0, 0, 0), 0.0), 7.0); // R^0 = 1, also at 0
}

TEST(EvalPolinomio, NegativePowersAtZeroAndOverflowAreNotFinite) {
    Coeficientes c{};
    dePotencia(c, -1) = 1.0; // R^-1
    EXPECT_FALSE(std::isfinite(evalpolinomio(c, 0.0)));
    Coeficientes d{};
    dePotencia(d, 14) = 1.0;
    EXPECT_FALSE(std::isfinite(evalpolinomio(d, 1e30)));
}

TEST(MuestrasEnAncho, RoundsHalvesToEven) {
    EXPECT_EQ(muestrasEnAncho(9180.0), 9180);
    EXPECT_EQ(muestrasEnAncho(2.5), 2);
    EXPECT_EQ(muestrasEnAncho(3.5), 4);
    EXPECT_EQ(muestrasEnAncho(10.49), 10);
    EXPECT_EQ(muestrasEnAncho(0.0), 1);
}

TEST(CalculaLimites, BoxOfPointsAndCurveWidenedByTenPercent) {
    // A flat curve at 0 between points (1, 1) and (3, 2): the curve widens V down to 0.
    const auto caja = calculalimites({{1.0, 1.0}, {3.0, 2.0}}, Coeficientes{}, 10);
    ASSERT_TRUE(caja);
    EXPECT_DOUBLE_EQ(caja->rmin, 1.0 - 0.2);
    EXPECT_DOUBLE_EQ(caja->rmax, 3.0 + 0.2);
    EXPECT_DOUBLE_EQ(caja->vmin, 0.0 - 0.2);
    EXPECT_DOUBLE_EQ(caja->vmax, 2.0 + 0.2);
}

TEST(CalculaLimites, TheStartingSampleIsNotTaken) {
    // V = 10 R - 20. Points at R = 1 and R = 2, both V = 5; the curve at R = 1 is -10 but
    // that is the start sample, not taken; the samples are R = 1.5 (-5) and R = 2 (0).
    Coeficientes c = parabola(-20.0, 10.0, 0.0);
    const auto caja = calculalimites({{1.0, 5.0}, {2.0, 5.0}}, c, 2);
    ASSERT_TRUE(caja);
    EXPECT_DOUBLE_EQ(caja->vmin, -5.0 - 1.0);
    EXPECT_DOUBLE_EQ(caja->vmax, 5.0 + 1.0);
}

TEST(CalculaLimites, StartsFromTheFirstPointInFileOrderAndSkipsUndefinedSamples) {
    Coeficientes c{};
    dePotencia(c, -1) = 1.0; // 1/R, undefined at 0
    // Points in file order -1 then 1: samples go from -1 up by 2/4: -0.5, 0, 0.5, 1.
    const auto caja = calculalimites({{-1.0, -1.0}, {1.0, 1.0}}, c, 4);
    ASSERT_TRUE(caja);
    EXPECT_TRUE(std::isfinite(caja->vmin));
    EXPECT_TRUE(std::isfinite(caja->vmax));
    // Samples -0.5 (V = -2), 0 (skipped), 0.5 (V = 2), 1; the box -1..1 by -2..2 widens.
    EXPECT_DOUBLE_EQ(caja->rmin, -1.2);
    EXPECT_DOUBLE_EQ(caja->rmax, 1.2);
    EXPECT_DOUBLE_EQ(caja->vmin, -2.4);
    EXPECT_DOUBLE_EQ(caja->vmax, 2.4);
    EXPECT_FALSE(calculalimites({}, c, 4).has_value());
}

namespace {
const QString pocosNiveles =
    QStringLiteral("Intervalo demasiado corto. El ajuste puede ser inadecuado");
const QString desequilibrados =
    QStringLiteral("Los datos no están bien equilibrados. El ajuste puede ser inadecuado");
const QString errorEnergias =
    QStringLiteral("Demasiado error en las energías. El ajuste puede ser inadecuado");
} // namespace

TEST(Diagnostico, NoWarningForAGoodFit) {
    const Caja limites{0.0, -1.2, 3.0, -1.0};
    EXPECT_TRUE(diagnostico({{1, -1.05}, {2, -1.04}}, 10, limites, 1e-4).isEmpty());
}

TEST(Diagnostico, EachWarningWithItsText) {
    const Caja limites{0.0, 0.0, 3.0, 4.0};
    // Few levels only.
    EXPECT_EQ(diagnostico({{1, 3.0}, {2, 3.0}}, 2, limites, 0.0), pocosNiveles);
    // Unbalanced: heights 1 and 3 above the bottom.
    EXPECT_EQ(diagnostico({{1, 1.0}, {2, 3.0}}, 5, limites, 0.0), desequilibrados);
    // Energy error larger than a quarter of the V span.
    EXPECT_EQ(diagnostico({{1, 3.0}, {2, 3.0}}, 5, limites, 1.01), errorEnergias);
    EXPECT_TRUE(diagnostico({{1, 3.0}, {2, 3.0}}, 5, limites, 1.0).isEmpty()); // equal: not larger
}

TEST(Diagnostico, EqualityCountsAsUnbalancedInEitherOrder) {
    const Caja limites{0.0, 0.0, 3.0, 4.0};
    EXPECT_EQ(diagnostico({{1, 1.0}, {2, 2.0}}, 5, limites, 0.0), desequilibrados);
    EXPECT_EQ(diagnostico({{1, 2.0}, {2, 1.0}}, 5, limites, 0.0), desequilibrados);
    EXPECT_TRUE(diagnostico({{1, 2.0}, {2, 1.01}}, 5, limites, 0.0).isEmpty());
    // Middle points do not count: only the first and last in file order.
    EXPECT_TRUE(diagnostico({{1, 2.0}, {1.5, 0.1}, {2, 2.0}}, 5, limites, 0.0).isEmpty());
}

TEST(Diagnostico, WhenAllThreeHoldOnlyTheLastIsGiven) {
    const Caja limites{0.0, 0.0, 3.0, 4.0};
    EXPECT_EQ(diagnostico({{1, 1.0}, {2, 3.0}}, 1, limites, 2.0), errorEnergias);
    EXPECT_EQ(diagnostico({{1, 1.0}, {2, 3.0}}, 1, limites, 0.0), desequilibrados);
}

TEST(EscalaAuto, TheVRangeOnlyGrows) {
    // V = R^2 over (1, 2]: samples 1.5^2 and 4.
    Caja caja{1.0, -10.0, 2.0, 10.0};
    escalaauto(caja, parabola(0, 0, 1), 2);
    EXPECT_DOUBLE_EQ(caja.vmin, -10.0);
    EXPECT_DOUBLE_EQ(caja.vmax, 10.0);
    Caja estrecha{1.0, 3.0, 2.0, 3.0};
    escalaauto(estrecha, parabola(0, 0, 1), 2);
    EXPECT_DOUBLE_EQ(estrecha.vmin, 2.25); // R min itself (V = 1) is not taken
    EXPECT_DOUBLE_EQ(estrecha.vmax, 4.0);
    EXPECT_DOUBLE_EQ(estrecha.rmin, 1.0);
    EXPECT_DOUBLE_EQ(estrecha.rmax, 2.0);
}

TEST(EscalaAuto, TheAutomaticVFitsTheNewRRangeAlone) {
    // V = R^2 over (1, 2]: samples 2.25 and 4, 5 % of 1.75 added on each side.
    Caja caja{1.0, -10.0, 2.0, 10.0};
    ASSERT_TRUE(ajustaVAlIntervaloR(caja, parabola(0, 0, 1), 2));
    EXPECT_DOUBLE_EQ(caja.vmin, 2.25 - 0.0875);
    EXPECT_DOUBLE_EQ(caja.vmax, 4.0 + 0.0875);
    EXPECT_DOUBLE_EQ(caja.rmin, 1.0);
    // A flat curve has no range of its own: the box stays as it was.
    Caja plana{1.0, -1.0, 2.0, 1.0};
    EXPECT_FALSE(ajustaVAlIntervaloR(plana, parabola(3, 0, 0), 8));
    EXPECT_EQ(plana, (Caja{1.0, -1.0, 2.0, 1.0}));
}

TEST(EscalaAuto, ZeroRMinBecomesAHundredthAndUndefinedSamplesAreSkipped) {
    Coeficientes c{};
    dePotencia(c, -1) = 1.0; // 1/R
    Caja caja{0.0, 0.0, 1.0, 0.0};
    escalaauto(caja, c, 4);
    EXPECT_DOUBLE_EQ(caja.rmin, 0.01);
    EXPECT_TRUE(std::isfinite(caja.vmax));
    EXPECT_NEAR(caja.vmax, 1.0 / (0.01 + 0.99 / 4), 1e-12);
    Caja cruza{-1.0, 0.0, 1.0, 0.0}; // passes through R = 0 exactly
    escalaauto(cruza, c, 2);
    EXPECT_TRUE(std::isfinite(cruza.vmin));
    EXPECT_TRUE(std::isfinite(cruza.vmax));
    EXPECT_DOUBLE_EQ(cruza.vmax, 1.0);
}

} // namespace
} // namespace oscilab
