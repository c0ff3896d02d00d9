// The tab "Espectro" on the real engine's result for CO with a dipole file: the lines as the
// JSON lists them, the sticks of both branches, another temperature recomputed in place.
#include "detalles/espectro_detalles.h"
#include "detalles/frmdetalles.h"
#include "run/ejecucion.h"
#include "detalles/tabla_detalles.h"
#include "espectro_exomol.h"
#include "support/guiones.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <charconv>
#include <fstream>

namespace oscilab::prueba {
namespace {

double comoNumero(const std::string& s) {
    double x = NAN;
    std::from_chars(s.data(), s.data() + s.size(), x);
    return x;
}

TEST(DetallesEspectro, LinesSticksAndAnotherTemperature) {
    QTemporaryDir carpeta;
    const QDir d(carpeta.path());
    ASSERT_TRUE(d.mkpath(QStringLiteral("datos")) && d.mkpath(QStringLiteral("result")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(OSCILAB_SOURCE_DIR "/datos/CO.qvd"),
                            d.filePath(QStringLiteral("datos/CO.qvd"))));
    QFile dip(d.filePath(QStringLiteral("datos/CO.dip")));
    ASSERT_TRUE(dip.open(QIODevice::WriteOnly));
    dip.write("Angstrom Debye\n0.9 -0.3332\n1.0 -0.1432\n1.1 0.0468\n1.2 0.2368\n1.3 0.4268\n");
    dip.close();
    QProcess motor;
    motor.setWorkingDirectory(carpeta.path());
    motor.start(QStringLiteral(OSCILAB_PROGRAM_DIR "/curvifit"), {QStringLiteral("CO")});
    ASSERT_TRUE(motor.waitForFinished(30000));
    ASSERT_EQ(motor.exitCode(), 0);
    const QString ruta = d.filePath(QStringLiteral("result/CO.json"));
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const nlohmann::json lineas =
        nlohmann::json::parse(f.readAll().toStdString())["spectrum"]["lines"];

    MensajesGuionizados mensajes;
    curvifit::LecturaResultadoJson lectura = leeResultadoDeEjecucion(ruta);
    ASSERT_TRUE(lectura.ok()) << lectura.error;
    std::unique_ptr<frmdetalles> ventana(
        frmdetalles::abre(
            std::make_shared<const curvifit::ResultadoEjecucion>(std::move(*lectura.resultado)),
            ruta, nullptr)
            .valor());
    ASSERT_NE(ventana, nullptr);
    ventana->setAttribute(Qt::WA_DeleteOnClose, false);
    ASSERT_EQ(ventana->pestanas()->count(), 6);
    EXPECT_EQ(ventana->pestanas()->tabText(5), QStringLiteral("Espectro"));
    auto* tabla = ventana->findChild<TablaDetalles*>(QStringLiteral("tablalineas"));
    ASSERT_NE(tabla, nullptr);
    ASSERT_EQ(tabla->tabla().filas.size(), lineas.size());
    const auto& primera = tabla->tabla().filas.front();
    EXPECT_NEAR(comoNumero(primera[0]), lineas[0]["wavenumber_cm1"].get<double>(), 1e-4);
    EXPECT_EQ(primera[1], lineas[0]["branch"].get<std::string>());

    const std::vector<SerieGrafico>& sticks = ventana->graficoEspectro()->series();
    ASSERT_EQ(sticks.size(), 2u);
    EXPECT_EQ(sticks[0].puntos.size() + sticks[1].puntos.size(), 2 * lineas.size());
    EXPECT_FALSE(sticks[0].puntos.empty());
    EXPECT_FALSE(sticks[1].puntos.empty());

    // Hotter: Q grows, and the first line's intensity is the formula's with the new Q.
    const double i296 = comoNumero(primera[9]);
    auto* temperatura = ventana->findChild<QDoubleSpinBox*>(QStringLiteral("temperatura"));
    ASSERT_NE(temperatura, nullptr);
    temperatura->setValue(1000.0);
    const curvifit::Espectro& e = *ventana->espectro();
    EXPECT_EQ(e.temperatura_k, 1000.0);
    const curvifit::LineaEspectral& l = e.lineas.front();
    EXPECT_NEAR(comoNumero(tabla->tabla().filas.front()[9]) /
                    curvifit::intensidadLinea(l.einstein_a_s1, l.numero_onda_cm1, l.j_sup,
                                              l.e_inferior_cm1, 1000.0, e.funcion_particion),
                1.0, 1e-4);
    EXPECT_NE(comoNumero(tabla->tabla().filas.front()[9]), i296);
    EXPECT_TRUE(ventana->findChild<QLabel*>(QStringLiteral("particion"))
                    ->text()
                    .startsWith(QStringLiteral("Q(1000 K) = ")));

    ventana->findChild<QCheckBox*>(QStringLiteral("logaritmica"))->setChecked(true);
    for (const SerieGrafico& s : ventana->graficoEspectro()->series()) {
        for (const QPointF& p : s.puntos) {
            EXPECT_LT(p.y(), -10.0); // log10 of cm/molecule
        }
    }
    // A click on the intensity's header orders by it, strongest last; a second, first.
    const int columnaI = 9;
    emit tabla->horizontalHeader()->sectionClicked(columnaI);
    const auto& filas = tabla->tabla().filas;
    EXPECT_LE(comoNumero(filas.front()[columnaI]), comoNumero(filas.back()[columnaI]));
    emit tabla->horizontalHeader()->sectionClicked(columnaI);
    EXPECT_GT(comoNumero(tabla->tabla().filas.front()[columnaI]),
              comoNumero(tabla->tabla().filas.back()[columnaI]));
    EXPECT_EQ(tabla->item(0, columnaI)->text().toStdString(),
              tabla->tabla().filas.front()[columnaI]);
    ventana->findChild<QComboBox*>(QStringLiteral("perfil"))->setCurrentIndex(1);
    EXPECT_EQ(ventana->graficoEspectro()->series()[0].tipo, SerieGrafico::Tipo::Linea);
    // The plot zooms as the main one does, and "Vista completa" goes back.
    GraficoDetalles* grafico = ventana->graficoEspectro();
    grafico->resize(400, 300);
    const QRect a = grafico->area();
    QTest::mousePress(grafico, Qt::LeftButton, {}, a.center() - QPoint(40, 40));
    QTest::mouseRelease(grafico, Qt::LeftButton, {}, a.center() + QPoint(40, 40));
    EXPECT_LT(grafico->vista().rmax - grafico->vista().rmin,
              0.5 * (grafico->vistaCompleta().rmax - grafico->vistaCompleta().rmin));
    QTest::mouseClick(ventana->findChild<QWidget*>(QStringLiteral("btvistacompleta")),
                      Qt::LeftButton);
    EXPECT_EQ(grafico->vista(), grafico->vistaCompleta());
    // ExoMol from the window: the shown lines, read back beside the levels.
    DialogosGuionizados dialogos;
    dialogos.elegir(d.filePath(QStringLiteral("ventana.states")));
    QTest::mouseClick(ventana->findChild<QWidget*>(QStringLiteral("btexomol")), Qt::LeftButton);
    std::ifstream trans(d.filePath(QStringLiteral("ventana.trans")).toStdString());
    EXPECT_EQ(curvifit::leeTransicionesExomol(trans).size(), lineas.size());
    EXPECT_TRUE(mensajes.mostrados.empty());
}

// Broadening spreads each line over a profile of unit area: the sampled cross-section
// integrates back to the intensities, and one Gaussian line peaks at I sqrt(4 ln 2/pi)/FWHM.
TEST(DetallesEspectro, OrderedNumericallyWhereCellsAreNumbers) {
    const Tabla t{{"x", "y"}, {{"10", "b"}, {"9.5", "a"}, {"-", "c"}, {"1e-3", "d"}}};
    EXPECT_EQ(ordenada(t, 0, true).filas[0][1], "d");
    EXPECT_EQ(ordenada(t, 0, true).filas[2][1], "b");
    EXPECT_EQ(ordenada(t, 1, false).filas[0][0], "1e-3");
}

TEST(DetallesEspectro, BroadenedProfilesKeepTheIntensity) {
    curvifit::Espectro e;
    for (int k = 0; k < 6; ++k) {
        curvifit::LineaEspectral l;
        l.numero_onda_cm1 = 2000.0 + 3.7 * k;
        l.rama = k % 2 == 0 ? 'P' : 'R';
        l.intensidad = 1e-20 * (k + 1);
        e.lineas.push_back(l);
    }
    for (const Perfil perfil : {Perfil::Gaussiano, Perfil::Lorentziano}) {
        const auto series = seriesEspectro(e, false, {perfil, 0.5});
        ASSERT_EQ(series.size(), 2u);
        double area = 0.0;
        for (const SerieGrafico& s : series) {
            for (std::size_t i = 1; i < s.puntos.size(); ++i) {
                area += 0.5 * (s.puntos[i].y() + s.puntos[i - 1].y()) *
                        (s.puntos[i].x() - s.puntos[i - 1].x());
            }
        }
        // The Lorentzian's wings beyond the sampled 5 FWHM past the outer lines are missing:
        // the share inside [a, b] of each line is (atan((b - nu)/g) - atan((a - nu)/g))/pi.
        double dentro = 0.0;
        for (const curvifit::LineaEspectral& l : e.lineas) {
            dentro += perfil == Perfil::Gaussiano
                          ? l.intensidad
                          : l.intensidad *
                                (std::atan((2018.5 + 2.5 - l.numero_onda_cm1) / 0.25) -
                                 std::atan((2000.0 - 2.5 - l.numero_onda_cm1) / 0.25)) /
                                M_PI;
        }
        EXPECT_NEAR(area / dentro, 1.0, 2e-3);
    }
    curvifit::Espectro una;
    una.lineas = {e.lineas.front()};
    double pico = 0.0;
    const auto deUna = seriesEspectro(una, false, {Perfil::Gaussiano, 0.5});
    for (const QPointF& p : deUna[0].puntos) {
        pico = std::max(pico, p.y());
    }
    EXPECT_NEAR(pico / (1e-20 * std::sqrt(4.0 * std::log(2.0) / M_PI) / 0.5), 1.0, 1e-2);
}

} // namespace
} // namespace oscilab::prueba
