// The main window together with the rest of the program: a document typed, saved and run
// with the real engine, the imports, the help and the about box.
#include "document/frmcurvi.h"
#include "results/frmgraficos.h"
#include "detalles/frmdetalles.h"
#include "run/ejecucion.h"
#include "support/guiones.h"
#include "windows/ayuda.h"
#include "compartido/estado_global.h"
#include "windows/frmacercade.h"
#include "document/frmajuste.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace oscilab::prueba {
namespace {

// A program folder of its own: the real engine beside datos/ and result/, no help file.
class ProgramaCompleto : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(carpeta.isValid());
        const QString base = carpeta.path() + QStringLiteral("/programa/");
        ASSERT_TRUE(QDir().mkpath(base + QStringLiteral("datos")));
        ASSERT_TRUE(QDir().mkpath(base + QStringLiteral("result")));
        ASSERT_TRUE(QFile::link(QStringLiteral(OSCILAB_PROGRAM_DIR "/curvifit"),
                                base + QStringLiteral("curvifit")));
        estado.dirprograma = base;
        estado.dirdatos = base + QStringLiteral("datos/");
        estado.dirresult = base + QStringLiteral("result/");
        ventana = std::make_unique<frmcurvi>(estado);
        ventana->show();
    }
    void TearDown() override {
        // The help and about windows are the main window's: none outlives it.
        ventana.reset();
        for (QWidget* w : QApplication::topLevelWidgets()) {
            EXPECT_FALSE(qobject_cast<VentanaAyuda*>(w) || qobject_cast<frmacercade*>(w));
        }
    }

    template <class T> T* hijo(const QString& nombre) const {
        T* w = ventana->findChild<T*>(nombre);
        EXPECT_NE(w, nullptr) << nombre.toStdString();
        return w;
    }
    void escribe(const QString& nombre, const QByteArray& bytes) const {
        QFile f(nombre);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    void eligeUnidadesAtomicas() {
        hijo<QRadioButton>(QStringLiteral("optdist(1)"))->setChecked(true);
        hijo<QRadioButton>(QStringLiteral("optener(1)"))->setChecked(true);
    }

    // A Morse curve of hydrogen typed into the table, 20 points in bohr and hartree.
    void escribeDocumentoMorse() {
        hijo<QLineEdit>(QStringLiteral("textnombre"))->setText(QStringLiteral("Morse H2"));
        hijo<QLineEdit>(QStringLiteral("textmatom(1)"))->setText(QStringLiteral("1.0079"));
        hijo<QLineEdit>(QStringLiteral("textmatom(2)"))->setText(QStringLiteral("1.0079"));
        eligeUnidadesAtomicas();
        for (int i = 1; i <= 20; ++i) {
            const double r = 0.9 + 0.1 * i;
            const double morse = 0.1745 * std::pow(1.0 - std::exp(-1.0282 * (r - 1.4011)), 2);
            ventana->ponTextoCelda(i, 1, QString::number(r, 'g', 10));
            ventana->ponTextoCelda(i, 2, QString::number(morse - 1.1745, 'g', 12));
        }
        ventana->marcaCambio();
    }

    void guardaEnDatos(const QString& nombre) {
        dialogos.elegir(estado.dirdatos + nombre);
        hijo<QAction>(QStringLiteral("mnuguardarcomo"))->trigger();
    }

    void pulsaEjecutar() {
        auto* boton = hijo<QPushButton>(QStringLiteral("btejecuta"));
        ASSERT_TRUE(boton->isEnabled());
        QTest::mouseClick(boton, Qt::LeftButton);
        // The window stays responsive while the engine runs; the run ends in the event loop.
        ASSERT_TRUE(QTest::qWaitFor([this] { return !ventana->calculo()->enMarcha(); }, 30000));
    }

    template <class T> static T* ventanaSuperior() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* v = qobject_cast<T*>(w); v != nullptr && v->isVisible()) {
                return v;
            }
        }
        return nullptr;
    }

    QTemporaryDir carpeta;
    EstadoGlobal estado;
    MensajesGuionizados mensajes;
    DialogosGuionizados dialogos;
    std::unique_ptr<frmcurvi> ventana;
};

TEST_F(ProgramaCompleto, TypedDocumentSavedInDatosRunsAndShowsItsResults) {
    escribeDocumentoMorse();
    guardaEnDatos(QStringLiteral("Morse"));
    ASSERT_TRUE(QFile::exists(estado.dirdatos + QStringLiteral("Morse.qvd")));
    pulsaEjecutar();

    frmgraficos* resultados = ventana->graficos();
    ASSERT_NE(resultados, nullptr) << mensajes.textos().join(QStringLiteral(" | ")).toStdString();
    EXPECT_TRUE(resultados->isVisible());
    EXPECT_EQ(resultados->calculo().nombrebase, QStringLiteral("Morse"));
    EXPECT_EQ(resultados->calculo().informe, estado.dirresult + QStringLiteral("Morse.res"));
    EXPECT_TRUE(
        resultados->textoInforme().contains(QStringLiteral("PARAMETROS MOLECULARES CALCULADOS:")));
    EXPECT_TRUE(resultados->textoInforme().contains(QStringLiteral("MINIMOCUADRÁTICO")));
    EXPECT_FALSE(QFile::exists(estado.dirresult + QStringLiteral("Morse.scs")));
    EXPECT_TRUE(QFile::exists(estado.dirresult + QStringLiteral("Morse.res")));
    EXPECT_FALSE(ventana->hayCambios());
    // The fitted coefficients came from the curve file: the constant term is about -1.
    EXPECT_LT(ventana->resultados().coeficiente(0), 0.0);
    EXPECT_FALSE(ventana->resultados().limites.esNula());
    for (const auto& m : mensajes.mostrados) { // fit warnings only, no failure
        EXPECT_TRUE(m.icono != IconoMensaje::Stop || m.titulo == QStringLiteral("Advertencia"))
            << m.texto.toStdString();
    }
}

TEST_F(ProgramaCompleto, DetallesOpensTheDetailedResultsOfTheRun) {
    escribeDocumentoMorse();
    guardaEnDatos(QStringLiteral("Morse"));
    pulsaEjecutar();
    frmgraficos* resultados = ventana->graficos();
    ASSERT_NE(resultados, nullptr);
    auto* boton = resultados->findChild<QPushButton*>(QStringLiteral("btdetalles"));
    ASSERT_NE(boton, nullptr);
    EXPECT_EQ(boton->text(), QStringLiteral("&Detalles..."));
    QTest::mouseClick(boton, Qt::LeftButton);
    frmdetalles* detalles = resultados->detalles();
    ASSERT_NE(detalles, nullptr) << mensajes.textos().join(QStringLiteral(" | ")).toStdString();
    EXPECT_TRUE(detalles->isVisible());
    EXPECT_TRUE(detalles->windowTitle().startsWith(QStringLiteral("Resultados detallados")));
    QStringList pestanas;
    for (int i = 0; i < detalles->pestanas()->count(); ++i) {
        pestanas << detalles->pestanas()->tabText(i);
    }
    EXPECT_EQ(pestanas, (QStringList{QStringLiteral("Constantes"), QStringLiteral("Ajuste"),
                                     QStringLiteral("Niveles"), QStringLiteral("E(v,J)"),
                                     QStringLiteral("Isotopólogos")}));
    EXPECT_EQ(detalles->resultado().titulo, "Morse H2"); // as the data file holds it
    // A second click raises the same window.
    QTest::mouseClick(boton, Qt::LeftButton);
    EXPECT_EQ(resultados->detalles(), detalles);
}

TEST_F(ProgramaCompleto, EngineFailureIsReportedAndNoResultsAreShown) {
    escribeDocumentoMorse();
    // The constant alone has no minimum: the engine gives up with an error.
    for (int i = 16; i <= 19; ++i) {
        ventana->ajuste()->findChild<QCheckBox*>(QStringLiteral("grado(%1)").arg(i))->click();
    }
    guardaEnDatos(QStringLiteral("Plana"));
    pulsaEjecutar();

    EXPECT_EQ(ventana->graficos(), nullptr);
    ASSERT_FALSE(mensajes.mostrados.empty());
    const MensajeMostrado& ultimo = mensajes.mostrados.back();
    EXPECT_EQ(ultimo.icono, IconoMensaje::Stop);
    EXPECT_TRUE(ultimo.texto.contains(QStringLiteral("mínimo"))) << ultimo.texto.toStdString();
    EXPECT_TRUE(ventana->ejecutarHabilitado()); // the user may correct and run again
}

TEST_F(ProgramaCompleto, ASecondRunReplacesTheOpenResultsWindow) {
    escribeDocumentoMorse();
    guardaEnDatos(QStringLiteral("Morse"));
    pulsaEjecutar();
    QPointer<frmgraficos> primera = ventana->graficos();
    ASSERT_FALSE(primera.isNull());
    pulsaEjecutar();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(primera.isNull());
    ASSERT_NE(ventana->graficos(), nullptr);
    EXPECT_TRUE(ventana->graficos()->isVisible());
}

TEST_F(ProgramaCompleto, HelpWithoutItsFileSaysSoFromMenuAndToolbar) {
    hijo<QAction>(QStringLiteral("Toolbar1_ayuda"))->trigger();
    hijo<QAction>(QStringLiteral("mnuayuda"))->trigger();
    ASSERT_EQ(mensajes.mostrados.size(), 2u);
    for (const auto& m : mensajes.mostrados) {
        EXPECT_EQ(m.texto, QStringLiteral("No se puede mostrar la ayuda. No hay fichero de ayuda "
                                          "asociado a este proyecto."));
        EXPECT_EQ(m.titulo, ventana->windowTitle());
    }
    EXPECT_EQ(ventanaSuperior<VentanaAyuda>(), nullptr);
}

TEST_F(ProgramaCompleto, HelpOpensBesideTheMainWindow) {
    ASSERT_TRUE(QFile::copy(QStringLiteral(OSCILAB_PROGRAM_DIR "/ayuda.html"),
                            estado.dirprograma + QStringLiteral("ayuda.html")));
    hijo<QAction>(QStringLiteral("mnuayuda"))->trigger();
    EXPECT_TRUE(mensajes.mostrados.empty());
    VentanaAyuda* ayuda = ventanaSuperior<VentanaAyuda>();
    ASSERT_NE(ayuda, nullptr);
    EXPECT_FALSE(ayuda->isModal());
    EXPECT_FALSE(ayuda->navegador()->toPlainText().isEmpty());
    // The main window's own, raised again by the toolbar rather than opened twice.
    EXPECT_EQ(ayuda->parent(), ventana.get());
    hijo<QAction>(QStringLiteral("Toolbar1_ayuda"))->trigger();
    EXPECT_EQ(ventana->ayuda(), ayuda);
    EXPECT_EQ(ventana->findChildren<VentanaAyuda*>().size(), 1);
}

TEST_F(ProgramaCompleto, AboutBoxOpensWithoutBlockingOnceWhileOpen) {
    hijo<QAction>(QStringLiteral("Toolbar1_acercade"))->trigger();
    QPointer<frmacercade> acerca = ventanaSuperior<frmacercade>();
    ASSERT_NE(acerca, nullptr);
    EXPECT_EQ(acerca->windowTitle(), QStringLiteral("Acerca de OSCILAB"));
    EXPECT_FALSE(acerca->isModal());
    EXPECT_TRUE(ventana->isEnabled());
    EXPECT_EQ(acerca->parent(), ventana.get());
    hijo<QAction>(QStringLiteral("mnuacercade"))->trigger();
    EXPECT_EQ(ventana->acercaDe(), acerca.data());
    EXPECT_EQ(ventana->findChildren<frmacercade*>().size(), 1);
    // Closed, it goes; the command then opens a new one.
    acerca->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(acerca.isNull());
    hijo<QAction>(QStringLiteral("mnuacercade"))->trigger();
    EXPECT_NE(ventana->acercaDe(), nullptr);
}

TEST_F(ProgramaCompleto, TextImportFillsTheTableAndMarksTheDocumentChanged) {
    eligeUnidadesAtomicas();
    ventana->marcaGuardado();
    const QString fichero = carpeta.filePath(QStringLiteral("puntos.txt"));
    escribe(fichero, "1.25;-0.5\r\n2;-0.25\r\n");
    hijo<QComboBox>(QStringLiteral("CMBlimitador"))->setCurrentText(QStringLiteral(";"));
    dialogos.elegir(fichero);
    QTest::mouseClick(hijo<QToolButton>(QStringLiteral("BTimport")), Qt::LeftButton);

    EXPECT_TRUE(mensajes.mostrados.empty()) << mensajes.textos().join(' ').toStdString();
    EXPECT_EQ(dialogos.iniciales.value(0), estado.dirprograma);
    EXPECT_EQ(ventana->textoCelda(1, 1), QStringLiteral("1.25"));
    EXPECT_EQ(ventana->textoCelda(1, 2), QStringLiteral("-0.5"));
    EXPECT_EQ(ventana->textoCelda(2, 1), QStringLiteral("2"));
    EXPECT_EQ(ventana->textoCelda(2, 2), QStringLiteral("-0.25"));
    EXPECT_TRUE(ventana->hayCambios());
    EXPECT_FALSE(ventana->ejecutarHabilitado());
}

TEST_F(ProgramaCompleto, SpreadsheetImportFillsTheWholeTable) {
    eligeUnidadesAtomicas();
    ventana->ponTextoCelda(30, 1, QStringLiteral("9"));
    dialogos.elegir(QStringLiteral(OSCILAB_SOURCE_DIR "/tests/frontend/fixtures/doce_puntos.xls"));
    QTest::mouseClick(hijo<QToolButton>(QStringLiteral("BTNexcel")), Qt::LeftButton);
    EXPECT_TRUE(mensajes.mostrados.empty()) << mensajes.textos().join(' ').toStdString();
    EXPECT_FALSE(ventana->textoCelda(12, 2).isEmpty());
    EXPECT_TRUE(ventana->textoCelda(13, 1).isEmpty());
    EXPECT_TRUE(ventana->textoCelda(30, 1).isEmpty()); // all 100 cells are written
    EXPECT_TRUE(ventana->hayCambios());
}

TEST_F(ProgramaCompleto, ImportsAskForTheUnitsBeforeAnyDialog) {
    QTest::mouseClick(hijo<QToolButton>(QStringLiteral("BTNexcel")), Qt::LeftButton);
    QTest::mouseClick(hijo<QToolButton>(QStringLiteral("BTimport")), Qt::LeftButton);
    ASSERT_EQ(mensajes.mostrados.size(), 2u);
    EXPECT_EQ(mensajes.mostrados[0].texto,
              QStringLiteral("Debes elegir las unidades para la distancia"));
    EXPECT_EQ(mensajes.mostrados[0].titulo, QStringLiteral("Unidades"));
    EXPECT_TRUE(dialogos.iniciales.isEmpty());
    EXPECT_FALSE(ventana->hayCambios());
}

TEST_F(ProgramaCompleto, CancelledImportLeavesTheDocumentAlone) {
    eligeUnidadesAtomicas();
    ventana->ponTextoCelda(1, 1, QStringLiteral("1.5"));
    ventana->marcaGuardado();
    dialogos.elegir(std::nullopt);
    QTest::mouseClick(hijo<QToolButton>(QStringLiteral("BTimport")), Qt::LeftButton);
    ASSERT_EQ(mensajes.mostrados.size(), 1u);
    EXPECT_EQ(mensajes.mostrados[0].texto, QStringLiteral("Seleccion cancelada"));
    EXPECT_EQ(mensajes.mostrados[0].titulo, QStringLiteral("Importar datos"));
    EXPECT_EQ(ventana->textoCelda(1, 1), QStringLiteral("1.5"));
    EXPECT_FALSE(ventana->hayCambios());
}

} // namespace
} // namespace oscilab::prueba
