#include "support/ventana_prueba.h"
#include "document/frmajuste.h"
#include "modelo/documento.h"

#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>

#include <functional>

namespace oscilab::prueba {

namespace {

const QString preguntaCambios =
    QStringLiteral("Se ha cambiado el archivo (Sin Título)\n¿Desea guardar los cambios actuales?");

} // namespace

using Guardar = VentanaPrueba;

TEST_F(Guardar, SaveAsWritesTheDocumentAndEnablesRun) {
    llenaDocumento(7, QStringLiteral("H2 test"));
    guardaComo(QStringLiteral("h2test"));
    const QString fichero = ruta(QStringLiteral("h2test.qvd"));
    EXPECT_EQ(ventana->documento().ruta(), fichero);
    // The title stays as typed; the proposed name has "_" for its blank.
    EXPECT_EQ(caja(QStringLiteral("textnombre"))->text(), QStringLiteral("H2 test"));
    EXPECT_EQ(dialogos.iniciales.value(0), estado.dirdatos + QStringLiteral("H2_test"));
    EXPECT_EQ(dialogos.filtros.value(0),
              QStringLiteral("Archivos de datos (*.qvd);;Todos los archivos (*)"));
    EXPECT_EQ(ventana->windowTitle(), QStringLiteral("OSCILAB-") + fichero);
    // What is written is the document's own file (its layout is the model's test).
    EXPECT_TRUE(bytesDe(fichero).startsWith("H2 test\r\n0 1 2 3 4 \r\n"));
    EXPECT_FALSE(ventana->hayCambios());
    EXPECT_TRUE(ventana->ejecutarHabilitado());
    EXPECT_TRUE(accion(QStringLiteral("Toolbar1_ejecutar"))->isEnabled());
    EXPECT_TRUE(mensajes.mostrados.empty());
}

TEST_F(Guardar, NameWithoutExtensionGetsQvdEvenInsideADottedFolder) {
    QDir(carpeta.path()).mkdir(QStringLiteral("mis.datos"));
    llenaDocumento(7);
    guardaComo(QStringLiteral("mis.datos/molecula"));
    EXPECT_EQ(ventana->documento().ruta(), ruta(QStringLiteral("mis.datos/molecula.qvd")));
    EXPECT_TRUE(QFile::exists(ventana->documento().ruta()));
}

TEST_F(Guardar, PlainSaveOfAnUnchangedDocumentDoesNothing) {
    llenaDocumento(7);
    guardaComo(QStringLiteral("a.qvd"));
    caja(QStringLiteral("textnombre"))->setText(QStringLiteral("otro"));
    ventana->marcaGuardado();
    accion(QStringLiteral("mnuguardar"))->trigger();
    // Marked saved, the document counts as its file: nothing is written, the run may go.
    EXPECT_TRUE(ventana->ejecutarHabilitado());
    EXPECT_TRUE(mensajes.mostrados.empty());
    EXPECT_TRUE(bytesDe(ruta(QStringLiteral("a.qvd"))).startsWith("H2\r\n"));
}

TEST_F(Guardar, OverwriteQuestionYesAndNo) {
    llenaDocumento(7);
    guardaComo(QStringLiteral("a.qvd"));
    caja(QStringLiteral("textnombre"))->setText(QStringLiteral("cambiado"));
    mensajes.responder(Respuesta::No);
    accion(QStringLiteral("Toolbar1_guardar"))->trigger();
    ASSERT_EQ(mensajes.mostrados.size(), 1u);
    EXPECT_EQ(mensajes.mostrados[0].texto, QStringLiteral("¿Desea sobrescribir el archivo ") +
                                               ruta(QStringLiteral("a.qvd")) + QLatin1Char('?'));
    EXPECT_EQ(mensajes.mostrados[0].icono, IconoMensaje::Pregunta);
    EXPECT_TRUE(ventana->hayCambios());
    // The file on disk is the old document: it must not be run.
    EXPECT_FALSE(ventana->ejecutarHabilitado());
    EXPECT_TRUE(bytesDe(ruta(QStringLiteral("a.qvd"))).startsWith("H2\r\n"));

    mensajes.responder(Respuesta::Si);
    accion(QStringLiteral("Toolbar1_guardar"))->trigger();
    EXPECT_FALSE(ventana->hayCambios());
    EXPECT_TRUE(ventana->ejecutarHabilitado());
    EXPECT_TRUE(bytesDe(ruta(QStringLiteral("a.qvd"))).startsWith("cambiado\r\n"));
}

TEST_F(Guardar, TooFewPointsAreWrittenButNotRun) {
    llenaDocumento(4);
    guardaComo(QStringLiteral("pocos.qvd"));
    EXPECT_TRUE(QFile::exists(ruta(QStringLiteral("pocos.qvd"))));
    EXPECT_EQ(
        mensajes.textos(),
        QStringList{QStringLiteral("Para ajustar este polinomio hace falta como mínimo 6 puntos")});
    EXPECT_FALSE(ventana->hayCambios());
    EXPECT_FALSE(ventana->ejecutarHabilitado());
    // A plain Save afterwards does not enable it either.
    caja(QStringLiteral("textnombre"))->setText(QStringLiteral("otro"));
    mensajes.responder(Respuesta::Si);
    accion(QStringLiteral("mnuguardar"))->trigger();
    EXPECT_FALSE(ventana->ejecutarHabilitado());
}

TEST_F(Guardar, ValidationFailureWritesNothing) {
    llenaDocumento(7);
    caja(QStringLiteral("textmatom(2)"))->clear();
    guardaComo(QStringLiteral("b.qvd"));
    EXPECT_FALSE(QFile::exists(ruta(QStringLiteral("b.qvd"))));
    EXPECT_EQ(mensajes.textos(),
              QStringList{QStringLiteral("Debes introducir la masa atómica del átomo2")});
    EXPECT_TRUE(ventana->hayCambios());
    EXPECT_FALSE(ventana->ejecutarHabilitado());
}

TEST_F(Guardar, WriteFailuresAreReportedAndKeepTheOldFile) {
    llenaDocumento(7);
    guardaComo(QStringLiteral("no/existe/c.qvd"));
    // The message names the file; the system's own words follow on a line of their own.
    ASSERT_EQ(mensajes.textos().size(), 1);
    EXPECT_TRUE(mensajes.textos()[0].startsWith(
        QStringLiteral("Ha ocurrido un error al intentar guardar el fichero ") +
        ruta(QStringLiteral("no/existe/c.qvd")) + QLatin1Char('\n')))
        << mensajes.textos()[0].toStdString();
    EXPECT_TRUE(ventana->hayCambios());
    EXPECT_FALSE(ventana->ejecutarHabilitado());

    // A plain Save that cannot write says the same, and the previous file stays.
    mensajes.mostrados.clear();
    guardaComo(QStringLiteral("d.qvd"));
    const QByteArray antes = bytesDe(ruta(QStringLiteral("d.qvd")));
    ASSERT_FALSE(antes.isEmpty());
    QFile::remove(ruta(QStringLiteral("d.qvd")));
    QDir(carpeta.path()).mkdir(QStringLiteral("d.qvd")); // a folder in the file's place
    caja(QStringLiteral("textnombre"))->setText(QStringLiteral("otro"));
    mensajes.responder(Respuesta::Si);
    accion(QStringLiteral("mnuguardar"))->trigger();
    EXPECT_TRUE(mensajes.textos().last().startsWith(
        QStringLiteral("Ha ocurrido un error al intentar guardar el fichero ") +
        ruta(QStringLiteral("d.qvd")) + QLatin1Char('\n')));
    EXPECT_EQ(mensajes.mostrados.back().icono, IconoMensaje::Exclamacion);
    EXPECT_TRUE(ventana->hayCambios());
    EXPECT_FALSE(ventana->ejecutarHabilitado());
}

TEST_F(Guardar, CancellingSaveAsIsSilent) {
    llenaDocumento(7, QStringLiteral("a b"));
    dialogos.elegir(std::nullopt);
    accion(QStringLiteral("mnuguardarcomo"))->trigger();
    EXPECT_TRUE(mensajes.mostrados.empty());
    EXPECT_TRUE(ventana->hayCambios());
    // The title stays as typed; only the proposed file name has "_" for blanks.
    EXPECT_EQ(caja(QStringLiteral("textnombre"))->text(), QStringLiteral("a b"));
    EXPECT_EQ(dialogos.iniciales.last(), ruta(QStringLiteral("a_b")));
    EXPECT_TRUE(ventana->documento().ruta().isEmpty());
}

using Abrir = VentanaPrueba;

TEST_F(Abrir, ExampleDocumentLoadsAndEnablesRun) {
    const QString h2 = QStringLiteral(OSCILAB_SOURCE_DIR "/datos/H2.qvd");
    dialogos.elegir(h2);
    accion(QStringLiteral("Toolbar1_abrir"))->trigger();
    EXPECT_EQ(dialogos.iniciales.value(0), estado.dirdatos);
    EXPECT_EQ(ventana->windowTitle(), QStringLiteral("OSCILAB-") + h2);
    EXPECT_EQ(ventana->titulodoc(), h2);
    EXPECT_TRUE(caja(QStringLiteral("textnombre"))->text().startsWith(QStringLiteral("H2 estado")));
    EXPECT_EQ(etiqueta(QStringLiteral("lbato(1)"))->text(), QStringLiteral("Hidrógeno"));
    EXPECT_EQ(etiqueta(QStringLiteral("lbato(2)"))->text(), QStringLiteral("Hidrógeno"));
    EXPECT_TRUE(opcion(QStringLiteral("optdist(1)"))->isChecked());
    EXPECT_TRUE(opcion(QStringLiteral("optener(1)"))->isChecked());
    EXPECT_EQ(etiqueta(QStringLiteral("Lbpot"))->text(), QStringLiteral("0 1 2 3 4 5 6"));
    EXPECT_EQ(celda(1, 1), QStringLiteral("1"));
    EXPECT_EQ(celda(1, 2), QStringLiteral("-1.1290315042"));
    EXPECT_FALSE(celda(14, 1).isEmpty());
    EXPECT_TRUE(celda(15, 1).isEmpty());
    EXPECT_EQ(ventana->grid()->currentIndex().row(), 0);
    EXPECT_FALSE(ventana->hayCambios());
    EXPECT_TRUE(ventana->ejecutarHabilitado());
    EXPECT_TRUE(mensajes.mostrados.empty());
}

TEST_F(Abrir, CancelledDialogLeavesTheOpenDocument) {
    llenaDocumento(7);
    guardaComo(QStringLiteral("a.qvd"));
    ASSERT_TRUE(ventana->ejecutarHabilitado());
    dialogos.elegir(std::nullopt);
    accion(QStringLiteral("mnuabrir"))->trigger();
    EXPECT_EQ(mensajes.textos(), QStringList{QStringLiteral("Seleccion cancelada")});
    EXPECT_EQ(mensajes.mostrados[0].icono, IconoMensaje::Informacion);
    EXPECT_EQ(ventana->windowTitle(), QStringLiteral("OSCILAB-") + ruta(QStringLiteral("a.qvd")));
    EXPECT_EQ(caja(QStringLiteral("textnombre"))->text(), QStringLiteral("H2"));
    EXPECT_EQ(celda(1, 1), QStringLiteral("1"));
    EXPECT_TRUE(ventana->ejecutarHabilitado());
}

TEST_F(Abrir, UnreadableFileIsReported) {
    dialogos.elegir(ruta(QStringLiteral("no-existe.qvd")));
    accion(QStringLiteral("mnuabrir"))->trigger();
    EXPECT_EQ(mensajes.textos(),
              QStringList{ruta(QStringLiteral("no-existe.qvd")) +
                          QStringLiteral(" no es un archivo normal; no se puede abrir.")});
    EXPECT_TRUE(ventana->documento().ruta().isEmpty());
    EXPECT_EQ(ventana->windowTitle(), QStringLiteral("OSCILAB-(Sin Título)"));
    EXPECT_FALSE(ventana->hayCambios());
    EXPECT_FALSE(ventana->ejecutarHabilitado());
}

using PreguntaCambios = VentanaPrueba;

TEST_F(PreguntaCambios, NewWithNoDiscardsTheChanges) {
    llenaDocumento(7);
    ventana->ajuste()->grado(0)->setChecked(true);
    ventana->resultados().limites = {1, 2, 3, 4};
    mensajes.responder(Respuesta::No);
    accion(QStringLiteral("mnunuevo"))->trigger();
    EXPECT_EQ(mensajes.textos(), QStringList{preguntaCambios});
    EXPECT_EQ(mensajes.mostrados[0].botones, BotonesMensaje::SiNoCancelar);
    EXPECT_TRUE(caja(QStringLiteral("textnombre"))->text().isEmpty());
    EXPECT_TRUE(celda(1, 1).isEmpty());
    EXPECT_FALSE(opcion(QStringLiteral("optdist(1)"))->isChecked());
    EXPECT_EQ(etiqueta(QStringLiteral("lbato(1)"))->text(), QStringLiteral("Atomo 1"));
    EXPECT_EQ(etiqueta(QStringLiteral("Lbpot"))->text(), QStringLiteral("0 1 2 3 4"));
    EXPECT_EQ(dePotencia(ventana->documento().potencias(), potenciaMinima), 0);
    EXPECT_EQ(numeroPotencias(ventana->documento().potencias()), 5);
    EXPECT_TRUE(ventana->resultados().limites.esNula());
    EXPECT_FALSE(ventana->hayCambios());
    EXPECT_FALSE(ventana->ejecutarHabilitado());
}

TEST_F(PreguntaCambios, NewWithYesSavesFirst) {
    llenaDocumento(7);
    mensajes.responder(Respuesta::Si);
    dialogos.elegir(ruta(QStringLiteral("guardado.qvd")));
    accion(QStringLiteral("Toolbar1_nuevo"))->trigger();
    EXPECT_TRUE(QFile::exists(ruta(QStringLiteral("guardado.qvd"))));
    EXPECT_TRUE(caja(QStringLiteral("textnombre"))->text().isEmpty());
    EXPECT_TRUE(ventana->documento().ruta().isEmpty());
    EXPECT_FALSE(ventana->ejecutarHabilitado());
}

TEST_F(PreguntaCambios, YesThenCancelledStopsNewOpenAndExit) {
    llenaDocumento(7);
    QSignalSpy terminado(ventana.get(), &frmcurvi::programaTerminado);
    for (const char* orden : {"mnunuevo", "mnuabrir", "mnusalir"}) {
        mensajes.responder(Respuesta::Si);
        dialogos.elegir(std::nullopt); // the Save as dialog is cancelled
        accion(QString::fromLatin1(orden))->trigger();
        EXPECT_EQ(caja(QStringLiteral("textnombre"))->text(), QStringLiteral("H2")) << orden;
        EXPECT_EQ(celda(7, 1), QStringLiteral("1.6")) << orden;
        EXPECT_TRUE(ventana->hayCambios()) << orden;
    }
    EXPECT_TRUE(ventana->isVisible());
    EXPECT_EQ(terminado.count(), 0);
    // Only the three Save as dialogs were shown: no Open dialog.
    EXPECT_EQ(dialogos.iniciales.size(), 3);
}

// Cancelar (what Escape gives) keeps every edit, whichever command asked.
TEST_F(PreguntaCambios, CancelStopsNewOpenExitCtrlSAndTheCloseButton) {
    llenaDocumento(7);
    QSignalSpy terminado(ventana.get(), &frmcurvi::programaTerminado);
    const auto ctrlS = [this] {
        ventana->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
        QTest::keyClick(caja(QStringLiteral("textnombre")), Qt::Key_S, Qt::ControlModifier);
    };
    const std::vector<std::function<void()>> ordenes{
        [this] { accion(QStringLiteral("mnunuevo"))->trigger(); },
        [this] { accion(QStringLiteral("Toolbar1_abrir"))->trigger(); },
        [this] { accion(QStringLiteral("mnusalir"))->trigger(); },
        ctrlS,
        [this] { ventana->close(); },
    };
    for (std::size_t i = 0; i < ordenes.size(); ++i) {
        mensajes.responder(Respuesta::Cancelar);
        ordenes[i]();
        ASSERT_EQ(mensajes.mostrados.size(), i + 1) << i;
        EXPECT_EQ(mensajes.mostrados[i].botones, BotonesMensaje::SiNoCancelar) << i;
        EXPECT_EQ(caja(QStringLiteral("textnombre"))->text(), QStringLiteral("H2")) << i;
        EXPECT_EQ(celda(7, 1), QStringLiteral("1.6")) << i;
        EXPECT_TRUE(ventana->hayCambios()) << i;
        EXPECT_TRUE(ventana->isVisible()) << i;
    }
    EXPECT_EQ(terminado.count(), 0);
    EXPECT_TRUE(dialogos.iniciales.isEmpty()); // neither Open nor Save as was offered
}

TEST_F(PreguntaCambios, YesThenValidationFailureStopsToo) {
    llenaDocumento(7);
    caja(QStringLiteral("textmatom(1)"))->clear();
    guardaComo(QStringLiteral("nunca.qvd"));
    mensajes.responder(Respuesta::Si);
    ventana->close();
    EXPECT_TRUE(ventana->isVisible());
    EXPECT_FALSE(QFile::exists(ruta(QStringLiteral("nunca.qvd"))));
}

TEST_F(PreguntaCambios, ExitWithNoClosesEverything) {
    llenaDocumento(7);
    QTest::mouseClick(hijo<QPushButton>(QStringLiteral("btgrado")), Qt::LeftButton);
    QSignalSpy terminado(ventana.get(), &frmcurvi::programaTerminado);
    mensajes.responder(Respuesta::No);
    accion(QStringLiteral("Toolbar1_salir"))->trigger();
    EXPECT_EQ(mensajes.textos(), QStringList{preguntaCambios});
    EXPECT_FALSE(ventana->isVisible());
    EXPECT_FALSE(ventana->ajuste()->isVisible());
    EXPECT_EQ(terminado.count(), 1);
}

TEST_F(PreguntaCambios, CtrlSLeavesAndNeverSaves) {
    llenaDocumento(7);
    guardaComo(QStringLiteral("e.qvd"));
    const QByteArray antes = bytesDe(ruta(QStringLiteral("e.qvd")));
    caja(QStringLiteral("textnombre"))->setText(QStringLiteral("sin guardar"));
    ventana->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
    mensajes.responder(Respuesta::No);
    QTest::keyClick(caja(QStringLiteral("textnombre")), Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(ventana->isVisible());
    EXPECT_EQ(mensajes.textos().last(),
              QStringLiteral("Se ha cambiado el archivo ") + ruta(QStringLiteral("e.qvd")) +
                  QStringLiteral("\n¿Desea guardar los cambios actuales?"));
    EXPECT_EQ(bytesDe(ruta(QStringLiteral("e.qvd"))), antes);
}

TEST_F(PreguntaCambios, CtrlSInTheDegreeDialogDoesNotLeave) {
    QSignalSpy terminado(ventana.get(), &frmcurvi::programaTerminado);
    QTest::mouseClick(hijo<QPushButton>(QStringLiteral("btgrado")), Qt::LeftButton);
    frmajuste* dialogo = ventana->ajuste();
    dialogo->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialogo));
    QTest::keyClick(dialogo->grado(0), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(ventana->isVisible());
    EXPECT_TRUE(dialogo->isVisible());
    EXPECT_EQ(terminado.count(), 0);
    // In the main window it leaves: CtrlSLeavesAndNeverSaves.
}

TEST_F(PreguntaCambios, UnchangedDocumentClosesWithoutAsking) {
    ventana->close();
    EXPECT_FALSE(ventana->isVisible());
    EXPECT_TRUE(mensajes.mostrados.empty());
}

} // namespace oscilab::prueba

namespace oscilab::prueba {

using Modelo = VentanaPrueba;

TEST_F(Modelo, ImportReplacesThePointsAfterAskingAndIsUndone) {
    llenaDocumento(20);
    escribeBytes(ruta(QStringLiteral("h2.txt")), "1,-1.1\r\n1.5,-1.15\r\n");
    mensajes.responder(Respuesta::No);
    dialogos.elegir(ruta(QStringLiteral("h2.txt")));
    QTest::mouseClick(hijo<QToolButton>(QStringLiteral("BTimport")), Qt::LeftButton);
    ASSERT_EQ(mensajes.mostrados.size(), 1u);
    EXPECT_TRUE(mensajes.mostrados[0].texto.contains(QStringLiteral("20 puntos")));
    EXPECT_EQ(ventana->documento().numeroPuntos(), 20); // "No": nothing mixed, nothing lost

    mensajes.responder(Respuesta::Si);
    dialogos.elegir(ruta(QStringLiteral("h2.txt")));
    QTest::mouseClick(hijo<QToolButton>(QStringLiteral("BTimport")), Qt::LeftButton);
    EXPECT_EQ(ventana->documento().numeroPuntos(), 2);
    EXPECT_TRUE(celda(3, 1).isEmpty());
    EXPECT_EQ(accion(QStringLiteral("mnudeshacer"))->text(),
              QStringLiteral("Deshacer importación"));
    accion(QStringLiteral("mnudeshacer"))->trigger();
    EXPECT_EQ(ventana->documento().numeroPuntos(), 20);
    accion(QStringLiteral("mnurehacer"))->trigger();
    EXPECT_EQ(ventana->documento().numeroPuntos(), 2);
}

TEST_F(Modelo, SaveAsProposesASafeNameInDatosAndARefusedSaveKeepsName) {
    llenaDocumento(7, QStringLiteral("HF CCSD(T)/cc-pVTZ"));
    guardaComo(QStringLiteral("bueno.qvd"));
    EXPECT_EQ(dialogos.iniciales.value(0), estado.dirdatos + QStringLiteral("HF_CCSD(T)-cc-pVTZ"));
    const QString caption = ventana->windowTitle();
    // A name the engine would not run is refused in the dialog, before anything is written.
    caja(QStringLiteral("textnombre"))->setText(QStringLiteral("otro"));
    guardaComo(QStringLiteral("nombre con blanco final .qvd"));
    EXPECT_EQ(mensajes.mostrados.size(), 1u);
    EXPECT_FALSE(QFile::exists(ruta(QStringLiteral("nombre con blanco final .qvd"))));
    // A write that fails leaves name, caption and the next plain save as they were.
    guardaComo(QStringLiteral("no/existe/c.qvd"));
    EXPECT_EQ(ventana->windowTitle(), caption);
    EXPECT_EQ(ventana->documento().ruta(), ruta(QStringLiteral("bueno.qvd")));
    EXPECT_TRUE(ventana->hayCambios());
    mensajes.responder(Respuesta::Si); // overwrite bueno.qvd
    accion(QStringLiteral("mnuguardar"))->trigger();
    EXPECT_TRUE(bytesDe(ruta(QStringLiteral("bueno.qvd"))).startsWith("otro\r\n"));
}

TEST_F(Modelo, OpeningANonDocumentNamesTheLineAndKeepsTheOpenOne) {
    llenaDocumento(7);
    escribeBytes(ruta(QStringLiteral("puntos.csv")), "R (bohr),V (hartree)\n1.0,-1.1\n");
    dialogos.elegir(ruta(QStringLiteral("puntos.csv")));
    mensajes.responder(Respuesta::No); // unsaved changes: do not save
    accion(QStringLiteral("mnuabrir"))->trigger();
    ASSERT_FALSE(mensajes.mostrados.empty());
    EXPECT_TRUE(mensajes.textos().last().contains(QStringLiteral("Línea 2:")));
    EXPECT_EQ(caja(QStringLiteral("textnombre"))->text(), QStringLiteral("H2"));
    EXPECT_EQ(ventana->documento().numeroPuntos(), 7);
}

} // namespace oscilab::prueba
