// The fit explorer's plain logic (the table's points as the engine reads them, rows and
// units) and its window: "Usar estas potencias" sets the powers as ticking them would.
#include "modelo/fichero_datos.h"
#include "explorador/explorador_logica.h"
#include "modelo/documento.h"
#include "explorador/frmexplorador.h"
#include "support/ventana_prueba.h"
#include "document/frmajuste.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>

#include <cmath>

namespace oscilab::prueba {

namespace {

// An OH-like Morse curve in Angstrom and eV: 16 points from 0.75 to 2.5 re, written
// from the last to the first row with a blank row and an incomplete row in between.
DocumentoExplorado morseAngstromEv() {
    DocumentoExplorado d;
    d.masa1 = QStringLiteral("15.9949");
    d.masa2 = QStringLiteral("1.00783");
    d.angstrom = true;
    d.ev = true;
    for (int p = 0; p <= 2; ++p) {
        dePotencia(d.potencias, p) = 1;
    }
    for (int i = 0; i < 16; ++i) {
        const double re = 0.9697;
        const double r = re * (0.75 + 1.75 * i / 15.0);
        const double e = 1.0 - std::exp(-2.294 * (r - re));
        const auto fila = static_cast<std::size_t>(i < 8 ? 17 - i : 15 - i);
        d.celdas[fila] = {QString::number(r, 'g', 10),
                          QString::number(4.62 * e * e - 4.62, 'g', 10)};
    }
    d.celdas[8] = {QStringLiteral("1.5"), QString()};
    return d;
}

} // namespace

TEST(ExploradorLogica, PointsAsTheSavedFileGivesThemWithUnitsAndRows) {
    const DocumentoExplorado d = morseAngstromEv();
    const Resultado<curvifit::DatosEntrada> p = puntosParaExplorar(d);
    ASSERT_TRUE(p.ok()) << p.fallo().texto().toStdString();
    const curvifit::DatosEntrada& datos = p.valor();
    ASSERT_EQ(datos.NPUNTOS(), 16);
    EXPECT_NEAR(datos.RDAT.front(), 0.75 * 0.9697 / 0.529177210903, 1e-9);
    EXPECT_NEAR(datos.EDAT.front() * 27.211386245988, d.celdas[17][1].toDouble(), 1e-9);
    EXPECT_TRUE(std::is_sorted(datos.RDAT.begin(), datos.RDAT.end()));
    EXPECT_TRUE(datos.enAngstrom());
    EXPECT_EQ(datos.NPOT, 3);

    const QStringList cabeceras = cabecerasExplorador(datos);
    EXPECT_EQ(cabeceras[ColPress], QStringLiteral("√(PRESS/N) (eV)"));
    EXPECT_EQ(cabeceras[ColRe], QStringLiteral("re (Å)"));

    auto ranking = *curvifit::exploraAjustes(datos, {});
    std::vector<FilaExplorador> filas = filasExplorador(ranking, datos);
    ASSERT_EQ(filas.size(), ranking.size());
    const FilaExplorador& mejor = filas.front();
    EXPECT_EQ(mejor.textos[ColOrden], QStringLiteral("1"));
    EXPECT_DOUBLE_EQ(mejor.pressRms, ranking.front().pressRms * 27.211386245988);
    // re in Angstrom, near the curve's 0.9697.
    EXPECT_NEAR(mejor.textos[ColRe].section(QStringLiteral(" ± "), 0, 0).toDouble(), 0.9697, 1e-4);
    const auto documento = std::find_if(filas.begin(), filas.end(),
                                        [](const FilaExplorador& f) { return f.delDocumento; });
    ASSERT_NE(documento, filas.end());
    EXPECT_EQ(documento->textos[ColPotencias], QStringLiteral("0..2 (documento)"));
    for (std::size_t i = 0; i < filas.size(); ++i) {
        EXPECT_EQ(filas[i].textos[ColOrden].endsWith('*'), !filas[i].minimoDentro) << i;
    }

    const std::vector<int> contiguos = filasVisibles(filas, true);
    EXPECT_LT(contiguos.size(), filas.size());
    for (int i : contiguos) {
        EXPECT_FALSE(filas[static_cast<std::size_t>(i)].textos[ColPotencias].contains("sin"));
    }
    // The model uncertainty: re's weighted mean in Angstrom near the curve's, "± ... modelo".
    const QString modelo = textoIncertidumbreModelo(ranking, datos);
    EXPECT_TRUE(modelo.contains(QStringLiteral(" modelo Å; ωe = "))) << modelo.toStdString();
    EXPECT_NEAR(modelo.section(QStringLiteral("re = "), 1).section(' ', 0, 0).toDouble(), 0.9697,
                1e-3);
    EXPECT_EQ(avisoPocosPuntos(16), QString());
    EXPECT_TRUE(avisoPocosPuntos(7).contains(QStringLiteral("ajustes exactos")));
    marcaDocumento(filas, mejor.potencias);
    EXPECT_TRUE(filas.front().delDocumento);
    EXPECT_FALSE(documento->delDocumento);
    EXPECT_TRUE(filas.front().textos[ColPotencias].endsWith(QStringLiteral(" (documento)")));
}

TEST(ExploradorLogica, MissingUnitsMassesOrPointsAreSaidInSpanish) {
    DocumentoExplorado d = morseAngstromEv();
    d.ev = false;
    EXPECT_TRUE(puntosParaExplorar(d).fallo().texto().contains(QStringLiteral("unidades")));
    d = morseAngstromEv();
    d.masa2.clear();
    EXPECT_TRUE(puntosParaExplorar(d).fallo().texto().contains(QStringLiteral("masas")));
    d = morseAngstromEv();
    for (std::size_t i = 4; i < d.celdas.size(); ++i) {
        d.celdas[i] = {};
    }
    EXPECT_EQ(puntosParaExplorar(d).fallo().texto(),
              QStringLiteral("Hacen falta al menos 5 puntos para comparar conjuntos de "
                             "potencias; la tabla tiene 4."));
}

// A ranking started over one under way replaces it: only the newer one is shown, once.
// Closing the window stops the ranking under way, and nothing of it arrives afterwards.
TEST(ExploradorVentana, ANewRankingReplacesTheOneUnderWayAndClosingStopsIt) {
    frmexplorador ventana;
    QSignalSpy terminado(&ventana, &frmexplorador::exploracionTerminada);
    const DocumentoExplorado todos = morseAngstromEv();
    DocumentoExplorado doce = todos;
    for (std::size_t i = 0; i < 4; ++i) {
        doce.celdas[i] = {};
    }
    ventana.explora(todos);
    ventana.explora(doce);
    EXPECT_TRUE(ventana.ocupado());
    ASSERT_TRUE(terminado.wait(10000));
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(terminado.count(), 1);
    EXPECT_FALSE(ventana.ocupado());
    const auto* estado = ventana.findChild<QLabel*>(QStringLiteral("lbestado"));
    EXPECT_TRUE(estado->text().contains(QStringLiteral("para 12 puntos")))
        << estado->text().toStdString();
    EXPECT_GT(ventana.tabla()->rowCount(), 0);

    ventana.explora(todos);
    EXPECT_TRUE(ventana.ocupado());
    ventana.close();
    EXPECT_FALSE(ventana.ocupado());
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(terminado.count(), 1);
    EXPECT_EQ(ventana.tabla()->rowCount(), 0);
}

using Explorador = VentanaPrueba;

TEST_F(Explorador, UsarEstasPotenciasSetsThePowersAsTickingThemWould) {
    const DocumentoExplorado d = morseAngstromEv();
    caja(QStringLiteral("textnombre"))->setText(QStringLiteral("OH"));
    caja(QStringLiteral("textmatom(1)"))->setText(d.masa1);
    caja(QStringLiteral("textmatom(2)"))->setText(d.masa2);
    opcion(QStringLiteral("optdist(2)"))->setChecked(true);
    opcion(QStringLiteral("optener(2)"))->setChecked(true);
    for (int r = 1; r <= 20; ++r) {
        ventana->ponTextoCelda(r, 1, d.celdas[static_cast<std::size_t>(r - 1)][0]);
        ventana->ponTextoCelda(r, 2, d.celdas[static_cast<std::size_t>(r - 1)][1]);
    }
    ventana->marcaGuardado();
    const QString antes = celda(1, 1);

    frmajuste* dialogo = ventana->ajuste();
    dialogo->mostrar();
    auto* explorar = dialogo->findChild<QPushButton*>(QStringLiteral("btexplorar"));
    ASSERT_NE(explorar, nullptr);
    EXPECT_EQ(explorar->text(), QStringLiteral("Explorar ajustes..."));
    QTest::mouseClick(explorar, Qt::LeftButton);
    frmexplorador* ventanaExplorador = ventana->explorador();
    ASSERT_NE(ventanaExplorador, nullptr);
    QSignalSpy terminado(ventanaExplorador, &frmexplorador::exploracionTerminada);
    ASSERT_TRUE(terminado.wait(10000));
    EXPECT_TRUE(ventanaExplorador->isVisible());
    EXPECT_FALSE(ventanaExplorador->isModal());
    EXPECT_TRUE(ventanaExplorador->findChild<QLabel*>(QStringLiteral("lbmodelo"))
                    ->text()
                    .startsWith(QStringLiteral("Incertidumbre de modelo")));
    // The document is read, not rearranged, and stays unchanged.
    EXPECT_EQ(celda(1, 1), antes);
    EXPECT_FALSE(ventana->hayCambios());

    QTableWidget* tabla = ventanaExplorador->tabla();
    auto* usar = ventanaExplorador->findChild<QPushButton*>(QStringLiteral("btusar"));
    auto* contiguos = ventanaExplorador->findChild<QCheckBox*>(QStringLiteral("chkcontiguos"));
    ASSERT_NE(usar, nullptr);
    ASSERT_NE(contiguos, nullptr);
    EXPECT_EQ(contiguos->text(), QStringLiteral("Mostrar solo intervalos contiguos"));
    const int todas = tabla->rowCount();
    contiguos->setChecked(true);
    EXPECT_LT(tabla->rowCount(), todas);
    EXPECT_GT(tabla->rowCount(), 0);
    EXPECT_FALSE(usar->isEnabled());

    // The second contiguous row: a range such as "-3..4".
    tabla->selectRow(1);
    const QString rango = tabla->item(1, ColPotencias)->text();
    ASSERT_TRUE(rango.contains(QStringLiteral(".."))) << rango.toStdString();
    const int desde = rango.section(QStringLiteral(".."), 0, 0).toInt();
    const int hasta = rango.section(QStringLiteral(".."), 1, 1).section(' ', 0, 0).toInt();
    ASSERT_TRUE(usar->isEnabled());
    QTest::mouseClick(usar, Qt::LeftButton);

    TablaPotencias esperadas{};
    for (int p = desde; p <= hasta; ++p) {
        dePotencia(esperadas, p) = 1;
    }
    EXPECT_EQ(ventana->documento().potencias(), esperadas);
    // The explorer's choice is one change to undo.
    EXPECT_EQ(hijo<QAction>(QStringLiteral("mnudeshacer"))->text(),
              QStringLiteral("Deshacer cambio de potencias"));
    for (int i = 0; i < 30; ++i) {
        EXPECT_EQ(dialogo->grado(i)->isChecked(), esperadas[static_cast<std::size_t>(i)] == 1) << i;
        EXPECT_EQ(dialogo->grado(i)->palette().color(QPalette::WindowText) == QColor(Qt::red),
                  esperadas[static_cast<std::size_t>(i)] == 1)
            << i;
    }
    EXPECT_EQ(etiqueta(QStringLiteral("Lbpot"))->text(),
              sinBlancosIniciales(textoPotencias(esperadas)));
    EXPECT_TRUE(ventana->hayCambios());
    EXPECT_FALSE(ventana->ejecutarHabilitado());
    EXPECT_FALSE(accion(QStringLiteral("Toolbar1_ejecutar"))->isEnabled());
    EXPECT_TRUE(tabla->item(1, ColPotencias)->text().endsWith(QStringLiteral("(documento)")));

    // A new document closes the explorer: its ranking was the old document's.
    ventana->marcaGuardado();
    ventana->nuevo();
    EXPECT_EQ(ventana->explorador(), nullptr);
}

} // namespace oscilab::prueba
