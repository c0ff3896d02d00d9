// The tab "Isotopólogos" on the real engine's result for the HF example: the default species,
// their numbers against the engine's own isotopologues member, the mass-scaling columns, the
// pairs of a homonuclear molecule and the tick boxes of the window.
#include "compartido/isotopos.h"
#include "detalles/eleccion_isotopos.h"
#include "detalles/frmdetalles.h"
#include "detalles/isotopologos_detalles.h"
#include "detalles/tabla_detalles.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>

namespace oscilab {
namespace {

class IsotopologosHF : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        carpeta = new QTemporaryDir;
        const QDir d(carpeta->path());
        ASSERT_TRUE(d.mkpath(QStringLiteral("datos")) && d.mkpath(QStringLiteral("result")));
        ASSERT_TRUE(QFile::copy(QStringLiteral(OSCILAB_SOURCE_DIR "/datos/HF.qvd"),
                                d.filePath(QStringLiteral("datos/HF.qvd"))));
        QProcess motor;
        motor.setWorkingDirectory(carpeta->path());
        // The masses the tab takes by default for HF's H (1.0079) and F (18.998).
        motor.start(QStringLiteral(OSCILAB_PROGRAM_DIR "/curvifit"),
                    {QStringLiteral("HF"), QStringLiteral("--jmax"), QStringLiteral("0"),
                     QStringLiteral("--masas"), QStringLiteral("1.007825032,18.99840322"),
                     QStringLiteral("--masas"), QStringLiteral("2.014101778,18.99840322")});
        ASSERT_TRUE(motor.waitForFinished(30000));
        ASSERT_EQ(motor.exitCode(), 0);
        QFile f(rutaJson());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        texto = new std::string(f.readAll().toStdString());
    }
    static void TearDownTestSuite() {
        delete texto;
        delete carpeta;
    }
    static QString rutaJson() { return carpeta->filePath(QStringLiteral("result/HF.json")); }
    static inline QTemporaryDir* carpeta = nullptr;
    static inline std::string* texto = nullptr;
};

TEST_F(IsotopologosHF, DefaultSpeciesAgreeWithTheEngine) {
    const curvifit::ResultadoEjecucion r = curvifit::leeResultadoJson(*texto).resultado.value();
    const IsotoposDeAtomos atomos = isotoposDeAtomos(r, TablaIsotopos::delSistema());
    ASSERT_EQ(atomos[0].size(), 3u); // ¹H, ²H, ³H
    EXPECT_EQ(atomos[0][2].etiqueta, "³H");
    EXPECT_FALSE(atomos[0][2].marcado);
    ASSERT_EQ(atomos[1].size(), 1u);
    const auto especies = combinaciones(atomos);
    ASSERT_EQ(especies.size(), 2u);
    EXPECT_EQ(especies[1].etiqueta, "²H¹⁹F");
    const auto filas = filasIsotopologos(r, especies);
    const nlohmann::json motor = nlohmann::json::parse(*texto)["isotopologues"];
    ASSERT_EQ(filas.size(), motor.size());
    for (std::size_t s = 0; s < filas.size(); ++s) {
        const auto& k = motor[s]["constants"];
        EXPECT_NEAR(filas[s].we / k["we_cm1"]["value"].get<double>(), 1.0, 1e-12);
        EXPECT_NEAR(filas[s].be / k["be_cm1"]["value"].get<double>(), 1.0, 1e-12);
        EXPECT_NEAR(filas[s].de / k["de_cm1"]["value"].get<double>(), 1.0, 1e-12);
        const auto& niveles = motor[s]["levels_exact"]["levels"];
        for (int v = 0; v < NIVELES_ISOTOPOLOGO; ++v) {
            ASSERT_TRUE(filas[s].G[static_cast<std::size_t>(v)]) << v;
            EXPECT_NEAR(*filas[s].G[static_cast<std::size_t>(v)],
                        niveles[static_cast<std::size_t>(v)]["e_cm1"].get<double>(), 1e-9);
        }
        EXPECT_EQ(*filas[s].b0, niveles[0]["bv_cm1"].get<double>());
    }
    const UnidadesMostradas u = unidadesMostradas(r);
    const Tabla t = tablaIsotopologos(filas, u);
    ASSERT_EQ(t.filas.size(), 2u);
    const auto columna = [&t](const std::string& nombre) {
        return static_cast<std::size_t>(std::find(t.cabecera.begin(), t.cabecera.end(), nombre) -
                                        t.cabecera.begin());
    };
    // re in the document's distance unit, whatever it is.
    ASSERT_LT(columna("re (" + u.nombreDistancia + ")"), t.cabecera.size());
    EXPECT_NEAR(std::stod(t.filas[1][columna("re (" + u.nombreDistancia + ")")]),
                r.constante("re_bohr")->valor * r.factorDistancia(), 1e-5);
    EXPECT_EQ(t.filas[1][0], "²H¹⁹F");
    EXPECT_EQ(t.filas[0][columna("ωe/ωe(ref)")], "1.00000000");
    // The harmonic constants follow the mass scaling exactly.
    EXPECT_EQ(t.filas[1][columna("ωe/ωe(ref)")], t.filas[1][columna("√(μref/μ)")]);
    EXPECT_EQ(t.filas[1][columna("Be/Be(ref)")], t.filas[1][columna("μref/μ")]);
    EXPECT_NEAR(std::stod(t.filas[1][columna("μref/μ")]), 0.525553, 1e-6);
}

TEST(IsotopologosCombinaciones, AHomonuclearPairIsCountedOnce) {
    const IsotoposDeAtomos h2 = {{{{"¹H", 1.0, true}, {"²H", 2.0, true}, {"³H", 3.0, false}},
                                  {{"¹H", 1.0, true}, {"²H", 2.0, true}, {"³H", 3.0, false}}}};
    const auto lista = combinaciones(h2);
    ASSERT_EQ(lista.size(), 3u);
    EXPECT_EQ(lista[0].etiqueta, "¹H¹H");
    EXPECT_EQ(lista[1].etiqueta, "¹H²H");
    EXPECT_EQ(lista[2].etiqueta, "²H²H");
    EXPECT_TRUE(filasIsotopologos(curvifit::ResultadoEjecucion{}, lista).empty()); // no re: no rows
}

TEST_F(IsotopologosHF, TheTabFollowsItsTickBoxes) {
    frmdetalles ventana(std::make_shared<const curvifit::ResultadoEjecucion>(
                            curvifit::leeResultadoJson(*texto).resultado.value()),
                        rutaJson());
    QTabWidget* pestanas = ventana.pestanas();
    ASSERT_EQ(pestanas->tabText(4), QStringLiteral("Isotopólogos"));
    auto* tabla = ventana.findChild<TablaDetalles*>(QStringLiteral("tablaisotopologos"));
    auto* eleccion = ventana.findChild<EleccionIsotopos*>(QStringLiteral("eleccionIsotopos"));
    ASSERT_TRUE(tabla && eleccion);
    EXPECT_EQ(tabla->rowCount(), 2);
    eleccion->casilla(0, 2)->setChecked(true); // ³H
    EXPECT_EQ(tabla->rowCount(), 3);
    eleccion->casilla(0, 0)->setChecked(false); // ¹H: ²H¹⁹F becomes the reference
    ASSERT_EQ(tabla->rowCount(), 2);
    EXPECT_EQ(tabla->item(0, 0)->text(), QStringLiteral("²H¹⁹F"));
    EXPECT_EQ(tabla->tabla().filas[0][16], "1.00000000");
    eleccion->casilla(1, 0)->setChecked(false);
    EXPECT_EQ(tabla->rowCount(), 0);
    EXPECT_NE(textoCsv(tabla->tabla()).find("Especie,μ (u)"), std::string::npos);
    EXPECT_TRUE(ventana.findChild<QWidget*>(QStringLiteral("btexportarisotopologos")));
}

} // namespace
} // namespace oscilab
