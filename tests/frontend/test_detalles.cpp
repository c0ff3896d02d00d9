// "Resultados detallados" on the real engine's result for the CO example: the rows against
// the JSON read on its own, the clipboard and CSV texts, refused files, and the window.
#include "detalles/avisos_detalles.h"
#include "detalles/frmdetalles.h"
#include "detalles/grafico_detalles.h"
#include "detalles/series_detalles.h"
#include "detalles/tabla_detalles.h"
#include "detalles/tablas_detalles.h"
#include "support/guiones.h"

#include "texto_incertidumbre.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>

namespace oscilab::prueba {
namespace {

class DetallesCO : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        carpeta = new QTemporaryDir;
        const QDir d(carpeta->path());
        ASSERT_TRUE(d.mkpath(QStringLiteral("datos")) && d.mkpath(QStringLiteral("result")));
        ASSERT_TRUE(QFile::copy(QStringLiteral(OSCILAB_SOURCE_DIR "/datos/CO.qvd"),
                                d.filePath(QStringLiteral("datos/CO.qvd"))));
        QProcess motor;
        motor.setWorkingDirectory(carpeta->path());
        motor.start(QStringLiteral(OSCILAB_PROGRAM_DIR "/curvifit"), {QStringLiteral("CO")});
        ASSERT_TRUE(motor.waitForFinished(30000));
        ASSERT_EQ(motor.exitCode(), 0);
        QFile f(d.filePath(QStringLiteral("result/CO.json")));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        texto = new std::string(f.readAll().toStdString());
    }
    static void TearDownTestSuite() {
        delete carpeta;
        delete texto;
    }
    static QString rutaJson() { return carpeta->filePath(QStringLiteral("result/CO.json")); }
    // The window over this run, kept by the test rather than deleted on close.
    std::unique_ptr<frmdetalles> abreVentana() const {
        std::unique_ptr<frmdetalles> ventana(
            frmdetalles::abre(std::make_shared<const curvifit::ResultadoEjecucion>(r), rutaJson(),
                              nullptr)
                .valor());
        if (ventana) {
            ventana->setAttribute(Qt::WA_DeleteOnClose, false);
        }
        return ventana;
    }

    static inline QTemporaryDir* carpeta = nullptr;
    static inline std::string* texto = nullptr;
    const nlohmann::json j = nlohmann::json::parse(*texto);
    const curvifit::ResultadoEjecucion r = curvifit::leeResultadoJson(*texto).resultado.value();
};

// Independent of the process's locale, as the texts are.
double comoNumero(const std::string& s) {
    double x = NAN;
    std::from_chars(s.data(), s.data() + s.size(), x);
    return x;
}

TEST_F(DetallesCO, ConstantsShowValueAndErrorInBothDistanceUnits) {
    const Tabla t = tablaConstantes(r);
    const auto fila = [&t](const std::string& nombre, const std::string& unidad) {
        for (const auto& f : t.filas) {
            if (f[0] == nombre && f[2] == unidad) {
                return f;
            }
        }
        ADD_FAILURE() << nombre << " " << unidad;
        return std::vector<std::string>(5);
    };
    const auto& re = j["constants"]["re_bohr"];
    EXPECT_EQ(fila("re", "bohr")[1], curvifit::textoParentesis(re["value"], re["stderr"]));
    EXPECT_DOUBLE_EQ(comoNumero(fila("re", "Angstrom")[3]),
                     j["constants"]["re_angstrom"]["value"].get<double>());
    const auto& dr = j["constants"]["dr_j1_angstrom"];
    EXPECT_NEAR(comoNumero(fila("dR(J=1)", "bohr")[3]) * 0.529177210903, dr["value"].get<double>(),
                1e-15);
    EXPECT_NEAR(comoNumero(fila("dR(J=1)", "bohr")[4]) * 0.529177210903, dr["stderr"].get<double>(),
                1e-17);
    // CO's energies are in eV: the minimum also in eV.
    EXPECT_NEAR(comoNumero(fila("E(re)", "eV")[3]),
                j["constants"]["e_eq_hartree"]["value"].get<double>() * 27.211386245988, 1e-9);
}

TEST_F(DetallesCO, PointsComeBackInTheDocumentsUnits) {
    const Tabla t = tablaPuntos(r);
    ASSERT_EQ(t.filas.size(), 28u);
    EXPECT_EQ(t.cabecera[0], "R (Å)");
    // The first point of datos/CO.qvd as typed.
    EXPECT_NEAR(comoNumero(t.filas[0][0]), 0.8996013233, 1e-9);
    EXPECT_NEAR(comoNumero(t.filas[0][1]), -3073.20417298, 1e-7);
    for (const auto& f : t.filas) {
        EXPECT_NEAR(comoNumero(f[2]) - comoNumero(f[1]), comoNumero(f[3]),
                    1e-3 * std::fabs(comoNumero(f[3])) + 1e-8);
    }
    const Tabla s = tablaSingulares(r);
    ASSERT_EQ(s.filas.size(), 5u);
    EXPECT_EQ(s.filas.back()[2], "usado");
}

// CO's data are in Angstrom and eV: every distance and energy column follows them, and the
// tabs' switch gives bohr and hartree. The factors are CODATA 2018's, typed here.
TEST_F(DetallesCO, DistancesAndEnergiesInTheDocumentsUnitsOrInAtomicUnits) {
    constexpr double A = 0.529177210903, EV = 27.211386245988;
    const Tabla doc = tablaPuntos(r), ua = tablaPuntos(r, EleccionUnidades::Atomicas);
    EXPECT_EQ(doc.cabecera[3], "E calculada − E dato (eV)");
    EXPECT_EQ(ua.cabecera[0], "R (bohr)");
    EXPECT_EQ(ua.cabecera[3], "E calculada − E dato (hartree)");
    const auto& p = j["points"][5];
    EXPECT_NEAR(comoNumero(doc.filas[5][0]), p["r_bohr"].get<double>() * A, 1e-9);
    EXPECT_NEAR(comoNumero(ua.filas[5][0]), p["r_bohr"].get<double>(), 1e-9);
    EXPECT_NEAR(comoNumero(ua.filas[5][1]), p["e_hartree"].get<double>(), 1e-8);
    const double residuo = p["residual_hartree"];
    EXPECT_NEAR(comoNumero(doc.filas[5][3]), residuo * EV, 1e-3 * std::fabs(residuo * EV));

    const Tabla nd = tablaNiveles(r), nu = tablaNiveles(r, EleccionUnidades::Atomicas);
    EXPECT_EQ(nd.cabecera[6], "R interior (Å)");
    EXPECT_EQ(nu.cabecera[7], "R exterior (bohr)");
    EXPECT_EQ(nd.cabecera[1], nu.cabecera[1]); // level energies stay in 1/cm
    const auto& n = j["levels_exact"]["levels"][0];
    ASSERT_EQ(n["J"], 0);
    EXPECT_NEAR(comoNumero(nd.filas[0][6]), n["r_inner_bohr"].get<double>() * A, 1e-6);
    EXPECT_NEAR(comoNumero(nu.filas[0][7]), n["r_outer_bohr"].get<double>(), 1e-6);

    const std::vector<SerieGrafico> sd = seriesResiduos(r);
    const std::vector<SerieGrafico> su = seriesResiduos(r, EleccionUnidades::Atomicas);
    EXPECT_NEAR(sd[1].puntos[5].x(), su[1].puntos[5].x() * A, 1e-12);
    EXPECT_NEAR(sd[1].puntos[5].y(), su[1].puntos[5].y() * EV, 1e-12);
}

// The engine's two warnings that quote bohr or hartree come back in the tab's units; the
// others keep the engine's text.
TEST(DetallesAvisos, RmsAndEquilibriumDistanceInTheUnitsShown) {
    curvifit::ResultadoEjecucion r;
    r.angstrom = r.ev = true;
    r.puntos = {{2.0, -1.0, 0.0, 0.0}, {4.0, -0.5, 0.0, 0.0}};
    r.rms_hartree = 0.01;
    r.constantes = {{"re_bohr", {5.0, 0.1}}};
    r.avisos = {{"rms_above_one_percent", "motor"},
                {"re_outside_data", "motor"},
                {"singular_values_discarded", "tal cual"}};
    const std::vector<std::string> doc = textosAvisos(r);
    ASSERT_EQ(doc.size(), 3u);
    EXPECT_NE(doc[0].find("(0.2721 eV)"), std::string::npos) << doc[0];
    EXPECT_NE(doc[0].find("(13.61 eV)"), std::string::npos) << doc[0];
    EXPECT_NE(doc[1].find("(2.646 Å)"), std::string::npos) << doc[1];
    EXPECT_NE(doc[1].find("(1.058 a 2.117 Å)"), std::string::npos) << doc[1];
    EXPECT_EQ(doc[2], "tal cual");
    const std::vector<std::string> ua = textosAvisos(r, EleccionUnidades::Atomicas);
    EXPECT_NE(ua[0].find("(0.01 hartree)"), std::string::npos) << ua[0];
    EXPECT_NE(ua[1].find("(2 a 4 bohr)"), std::string::npos) << ua[1];
}

TEST_F(DetallesCO, LevelsBesideTheReportsFormula) {
    const std::vector<FilaNivel> filas = filasNiveles(r);
    const double we = j["constants"]["we_cm1"]["value"], wexe = j["constants"]["wexe_cm1"]["value"];
    std::vector<double> exactas;
    for (const auto& n : j["levels_exact"]["levels"]) {
        if (n["J"] == 0) {
            exactas.push_back(n["e_cm1"]);
        }
    }
    ASSERT_GT(exactas.size(), 10u);
    ASSERT_EQ(filas.size(), exactas.size());
    for (std::size_t v = 0; v < filas.size(); ++v) {
        EXPECT_EQ(filas[v].v, static_cast<int>(v));
        EXPECT_EQ(filas[v].exacta, exactas[v]);
        EXPECT_NEAR(filas[v].formula, we * (v + 0.5) - wexe * (v + 0.5) * (v + 0.5), 1e-9);
        if (v + 1 < filas.size()) {
            EXPECT_NEAR(*filas[v].salto, exactas[v + 1] - exactas[v], 1e-9);
        }
    }
    EXPECT_FALSE(filas.back().salto);
    EXPECT_EQ(tablaNiveles(r).filas.size(), filas.size());
    EXPECT_NEAR(comoNumero(tablaConstantesNiveles(r).filas[0][1]),
                j["levels_exact"]["constants_from_levels"]["we_cm1"].get<double>(), 1e-6);
}

TEST_F(DetallesCO, EnergyGridHasVDownAndJAcross) {
    const Tabla t = tablaEnergiasVJ(r);
    EXPECT_EQ(t.cabecera.size(), 22u); // "v", J = 0..20
    for (const auto& n : j["levels_exact"]["levels"]) {
        const int v = n["v"], J = n["J"];
        ASSERT_LT(static_cast<std::size_t>(v), t.filas.size());
        EXPECT_NEAR(comoNumero(t.filas[v][J + 1]), n["e_cm1"].get<double>(), 5e-5);
    }
}

TEST_F(DetallesCO, DissociationUncertaintiesAndQuasiboundMarksFromTheExtendedCurve) {
    const nlohmann::json& d = j["levels_exact"]["dissociation"];
    ASSERT_TRUE(d.is_object());
    const Tabla disociacion = tablaDisociacion(r);
    ASSERT_EQ(disociacion.filas.size(), 4u); // V_inf in eV, as the data, and in hartree
    EXPECT_NEAR(comoNumero(disociacion.filas[0][1]),
                d["v_inf_hartree"].get<double>() * 27.211386245988, 1e-7);
    EXPECT_EQ(disociacion.filas[0][3], "eV");
    EXPECT_EQ(disociacion.filas[1][3], "hartree");
    EXPECT_NEAR(comoNumero(disociacion.filas[2][1]), d["de_cm1"].get<double>(), 0.01);
    EXPECT_NEAR(comoNumero(disociacion.filas[3][1]), d["d0_cm1"].get<double>(), 0.01);
    // The CO scan stops far below dissociation: the note must say De is extrapolated.
    EXPECT_EQ(d["source"], "extrapolated");
    EXPECT_NE(notaDisociacion(r).find("extrapolad"), std::string::npos);

    const Tabla niveles = tablaNiveles(r);
    ASSERT_EQ(niveles.cabecera.size(), 11u);
    const std::vector<FilaNivel> filas = filasNiveles(r);
    for (std::size_t k = 0; k < filas.size(); ++k) {
        EXPECT_EQ(niveles.filas[k][10] == "sí", filas[k].extrapolado);
        EXPECT_NEAR(comoNumero(niveles.filas[k][9]), filas[k].incertidumbre,
                    0.06 * filas[k].incertidumbre + 1e-300);
    }
    EXPECT_NE(tablaConstantesNiveles(r).cabecera[1].find("v = 0"), std::string::npos);

    const Tabla energias = tablaEnergiasVJ(r);
    int cuasiligados = 0;
    for (const auto& n : j["levels_exact"]["levels"]) {
        const std::string& celda = energias.filas[n["v"].get<int>()][n["J"].get<int>() + 1];
        const bool marcado = celda.ends_with(MARCA_CUASILIGADO);
        EXPECT_EQ(marcado, n["quasibound"].get<bool>()) << celda;
        cuasiligados += marcado;
    }
    EXPECT_GT(cuasiligados, 0);
}

TEST(DetallesTextos, TabSeparatedAndCsvWithHeaderAndQuotes) {
    const Tabla t{{"a", "b,c"}, {{"1.5", "x\"y"}, {"-2", ""}}};
    EXPECT_EQ(textoTabulado(t), "a\tb,c\n1.5\tx\"y\n-2\t\n");
    EXPECT_EQ(textoCsv(t), "a,\"b,c\"\r\n1.5,\"x\"\"y\"\r\n-2,\r\n");
    EXPECT_EQ(textoTabulado(seleccion(t, {1})), "a\tb,c\n-2\t\n");
}

TEST_F(DetallesCO, WindowCopiesExportsAndDrawsTheSelectedLevel) {
    MensajesGuionizados mensajes;
    DialogosGuionizados dialogos;
    const std::unique_ptr<frmdetalles> ventana = abreVentana();
    ASSERT_NE(ventana, nullptr);
    QTabWidget* pestanas = ventana->pestanas();
    ASSERT_EQ(pestanas->count(), 5);
    EXPECT_EQ(pestanas->tabText(3), QStringLiteral("E(v,J)"));

    auto* niveles = ventana->findChild<TablaDetalles*>(QStringLiteral("tablaniveles"));
    ASSERT_NE(niveles, nullptr);
    pestanas->setCurrentIndex(2);
    // Curve, levels, points, then dashed: both extensions and the asymptote.
    const std::vector<SerieGrafico>& series = ventana->graficoNiveles()->series();
    ASSERT_EQ(series.size(), 6u);
    for (std::size_t k = 0; k < series.size(); ++k) {
        EXPECT_EQ(series[k].discontinua, k >= 3) << k;
    }
    EXPECT_LT(series[3].puntos.front().x(), series[0].puntos.front().x()); // inside the data
    EXPECT_GT(series[4].puntos.back().x(), series[0].puntos.back().x());   // beyond them
    niveles->selectRow(2);
    ASSERT_EQ(ventana->graficoNiveles()->series().size(), 7u); // with chi^2
    QTest::keySequence(niveles, QKeySequence::Copy);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              textoTabulado(seleccion(niveles->tabla(), {2})));

    const QString csv = carpeta->filePath(QStringLiteral("niveles.csv"));
    dialogos.elegir(csv);
    QTest::mouseClick(ventana->findChild<QWidget*>(QStringLiteral("btexportarniveles")),
                      Qt::LeftButton);
    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().toStdString(), textoCsv(niveles->tabla()));

    const QString copia = carpeta->filePath(QStringLiteral("copia.json"));
    dialogos.elegir(copia);
    QTest::mouseClick(ventana->findChild<QWidget*>(QStringLiteral("btguardarjson")),
                      Qt::LeftButton);
    QFile c(copia);
    ASSERT_TRUE(c.open(QIODevice::ReadOnly));
    EXPECT_EQ(c.readAll().toStdString(), *texto);
    EXPECT_TRUE(mensajes.mostrados.empty());
}

TEST_F(DetallesCO, EachTabsSwitchRedrawsItsTableAndPlotInAtomicUnits) {
    MensajesGuionizados mensajes;
    const std::unique_ptr<frmdetalles> ventana = abreVentana();
    ASSERT_NE(ventana, nullptr);
    auto* puntos = ventana->findChild<TablaDetalles*>(QStringLiteral("tablapuntos"));
    auto* niveles = ventana->findChild<TablaDetalles*>(QStringLiteral("tablaniveles"));
    auto* ajuste = ventana->findChild<QCheckBox*>(QStringLiteral("atomicasAjuste"));
    auto* deNiveles = ventana->findChild<QCheckBox*>(QStringLiteral("atomicasNiveles"));
    ASSERT_TRUE(puntos && niveles && ajuste && deNiveles);
    EXPECT_EQ(textoCsv(puntos->tabla()), textoCsv(tablaPuntos(r)));
    ajuste->setChecked(true);
    EXPECT_EQ(textoCsv(puntos->tabla()), textoCsv(tablaPuntos(r, EleccionUnidades::Atomicas)));
    EXPECT_EQ(ventana->graficoResiduos()->series()[1].puntos,
              seriesResiduos(r, EleccionUnidades::Atomicas)[1].puntos);
    EXPECT_EQ(textoCsv(niveles->tabla()), textoCsv(tablaNiveles(r))); // the other tab's own

    niveles->selectRow(2);
    deNiveles->setChecked(true);
    EXPECT_EQ(textoCsv(niveles->tabla()), textoCsv(tablaNiveles(r, EleccionUnidades::Atomicas)));
    EXPECT_EQ(niveles->currentRow(), 2);
    const std::vector<SerieGrafico>& series = ventana->graficoNiveles()->series();
    ASSERT_EQ(series.size(), 7u); // still with the selected level's chi^2
    EXPECT_EQ(series[0].puntos, seriesNiveles(r, -1, {}, EleccionUnidades::Atomicas)[0].puntos);
    // The note's colour tag after its line break is drawn, not shown as text.
    auto* nota = ventana->findChild<QLabel*>(QStringLiteral("notaniveles"));
    ASSERT_NE(nota, nullptr);
    EXPECT_TRUE(nota->text().contains(QStringLiteral("<br>")) &&
                nota->text().contains(QStringLiteral("<span")));
    EXPECT_EQ(nota->textFormat(), Qt::RichText);
    EXPECT_TRUE(mensajes.mostrados.empty());
}

TEST(DetallesVentana, AMissingResultIsSaidAndNoWindowOpens) {
    MensajesGuionizados mensajes;
    const auto abierto = frmdetalles::abre(nullptr, QStringLiteral("/nonexistent/X.json"), nullptr);
    ASSERT_FALSE(abierto.ok());
    EXPECT_TRUE(abierto.fallo().texto().contains(QStringLiteral("X.json")));
    EXPECT_TRUE(mensajes.mostrados.empty()); // the opener's slot says it
}

} // namespace
} // namespace oscilab::prueba

namespace oscilab::prueba {
namespace {

curvifit::NivelExacto nivel(int v, int J, double e_cm1) {
    curvifit::NivelExacto n;
    n.v = v;
    n.J = J;
    n.e_cm1 = e_cm1;
    return n;
}

// Five levels for J = 0..2 where v = 1 is bound only from J = 1, and a report that counts
// three second-order levels.
curvifit::ResultadoEjecucion resultadoEscaso() {
    curvifit::ResultadoEjecucion r;
    curvifit::NivelesExactos exactos;
    exactos.JMAX = 2;
    exactos.niveles = {nivel(0, 0, 1000.00000001), nivel(0, 1, 1002.0), nivel(0, 2, 1006.0),
                       nivel(1, 1, 2950.0), nivel(1, 2, 2954.0)};
    r.exactos = exactos;
    r.nivelesSegundoOrden = {0.1, 0.2, 0.3};
    // G(0) = we/2 - wexe/4 = 1000 exactly: the difference rounds to zero.
    r.constantes = {{"we_cm1", {2000.0, 1.0}}, {"wexe_cm1", {0.0, 0.1}}};
    return r;
}

TEST(DetallesNumeros, NotesSayWhichLevelsExistAndWhichCountIsWhich) {
    curvifit::ResultadoEjecucion r = resultadoEscaso();
    EXPECT_EQ(notaEnergiasVJ(r), "v = 1: ligado solo para J = 1 a 2.\n");
    const Tabla vj = tablaEnergiasVJ(r);
    ASSERT_EQ(vj.filas.size(), 2u);
    EXPECT_EQ(vj.filas[1][1], ""); // v = 1, J = 0: no level
    const std::string cuentas = notaCuentaNiveles(r);
    EXPECT_NE(cuentas.find("cuenta 3 niveles"), std::string::npos) << cuentas;
    EXPECT_NE(cuentas.find("los 1 niveles exactos"), std::string::npos) << cuentas;
    r.nivelesSegundoOrden.resize(1);
    EXPECT_EQ(notaCuentaNiveles(r), "");
    // A difference that rounds to zero in the table's digits shows as 0, not -0.0000.
    EXPECT_EQ(tablaNiveles(resultadoEscaso()).filas.at(0).at(3), "0");
}

TEST(DetallesNumeros, FullValuesOnlyInTooltipsCopiesAndCsv) {
    const Tabla constantes = tablaConstantes(resultadoEscaso());
    EXPECT_EQ(constantes.visibles, 3u);
    EXPECT_EQ(constantes.cabecera.at(3), "Valor");
    EXPECT_EQ(tablaPuntos(resultadoEscaso()).cabecera.at(3), "E calculada − E dato (hartree)");
    TablaDetalles tabla(QStringLiteral("x.csv"));
    tabla.ponTabla(Tabla{{"Constante", "Valor (error típico)", "Valor"},
                         {{"we", "2000.0(10)", "2000.0000000001"}},
                         2});
    EXPECT_TRUE(tabla.isColumnHidden(2));
    EXPECT_FALSE(tabla.isColumnHidden(1));
    EXPECT_EQ(tabla.item(0, 1)->toolTip(), QStringLiteral("Valor: 2000.0000000001"));
    EXPECT_EQ(textoTabulado(tabla.tablaACopiar()),
              "Constante\tValor (error típico)\tValor\nwe\t2000.0(10)\t2000.0000000001\n");
}

} // namespace
} // namespace oscilab::prueba
