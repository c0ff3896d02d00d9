// The Run command with a stand-in engine, and end to end with the real curvifit.
#include "compartido/idioma.h"
#include "document/frmcurvi.h"
#include "modelo/documento.h"
#include "results/frmgraficos.h"
#include "run/ejecucion.h"
#include "support/guiones.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace oscilab {
namespace {

QString ejemplo(const char* nombre) {
    return QStringLiteral(OSCILAB_SOURCE_DIR "/tests/frontend/datos/") + QLatin1String(nombre);
}

bool escribe(const QString& ruta, const QByteArray& datos) {
    QFile f(ruta);
    if (!f.open(QIODevice::WriteOnly)) {
        return false;
    }
    f.write(datos);
    return true;
}

// A program folder in a temporary directory: datos/, result/, and an engine.
class Ejecucion : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const QString base = dir.path() + QStringLiteral("/programa con blancos/");
        ASSERT_TRUE(QDir().mkpath(base + QStringLiteral("datos")));
        ASSERT_TRUE(QDir().mkpath(base + QStringLiteral("result")));
        estado.dirprograma = base;
        estado.dirdatos = base + QStringLiteral("datos/");
        estado.dirresult = base + QStringLiteral("result/");
        fichero = estado.dirdatos + QStringLiteral("H2.qvd");
        // The 20-point H2 document that the report and curve file beside it come from.
        ASSERT_TRUE(QFile::copy(ejemplo("H2.qvd"), fichero));
        principal = std::make_unique<frmcurvi>(estado);
        abre(fichero);
        ASSERT_EQ(principal->chequeadatos().puntos, 20);
    }
    // The document open in the main window, as if just saved there.
    void abre(const QString& ruta) {
        dialogos.elegir(ruta);
        principal->abrir();
        ASSERT_EQ(principal->documento().ruta(), ruta);
        mensajes.mostrados.clear();
    }
    void TearDown() override { principal.reset(); }

    // Stand-in engine: records its arguments and folder, then runs `cuerpo`.
    void motorFalso(const QByteArray& cuerpo) {
        const QString ruta = estado.dirprograma + QStringLiteral("curvifit");
        // The name comes after "--"; $1 is the name for `cuerpo`.
        ASSERT_TRUE(escribe(ruta, "#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" > llamada\n"
                                  "pwd >> llamada\n[ \"$1\" = -- ] && shift\n" +
                                      cuerpo + "\n"));
        QFile::setPermissions(ruta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    // An engine that writes the report, curve file and result file of one run of H2 (the
    // curve file a shortened one), the result file naming the data file it was given.
    void motorCorrecto() {
        motorFalso("cp '" + ejemplo("H2_completo.res").toLocal8Bit() + "' \"result/$1.res\"\ncp '" +
                   ejemplo("H2.scs").toLocal8Bit() +
                   "' \"result/$1.scs\"\nsed \"s|datos/H2.qvd|datos/$1.qvd|\" '" +
                   ejemplo("H2.json").toLocal8Bit() + "' > \"result/$1.json\"\nexit 0");
    }
    QByteArray llamada() {
        QFile f(estado.dirprograma + QStringLiteral("llamada"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The Run command of the main window, until the run has ended: whether it shows results.
    bool ejecuta() {
        bool terminado = false;
        const auto conexion = QObject::connect(principal->calculo(), &Calculo::terminado,
                                               [&terminado] { terminado = true; });
        principal->ejecutar();
        arrancado = principal->calculo()->enMarcha();
        if (!terminado && arrancado) {
            EXPECT_TRUE(QTest::qWaitFor([&terminado] { return terminado; }, 30000));
        }
        QObject::disconnect(conexion);
        ventana = principal->graficos();
        return terminado && ventana != nullptr;
    }
    QString res() const { return estado.dirresult + QStringLiteral("H2.res"); }
    QString scs() const { return estado.dirresult + QStringLiteral("H2.scs"); }

    QTemporaryDir dir;
    prueba::MensajesGuionizados mensajes;
    prueba::DialogosGuionizados dialogos;
    EstadoGlobal estado;
    QString fichero; // the document open in the main window
    std::unique_ptr<frmcurvi> principal;
    QPointer<frmgraficos> ventana;
    bool arrancado = false;
};

TEST(NombreDeEjecucion, BareNameOfAFileDirectlyInTheDataFolder) {
    QTemporaryDir dir;
    const QString datos = dir.path() + QStringLiteral("/datos/");
    QDir().mkpath(datos);
    EXPECT_EQ(nombreDeEjecucion(datos + QStringLiteral("H2.qvd"), datos).valor(),
              QStringLiteral("H2"));
    EXPECT_EQ(nombreDeEjecucion(datos + QStringLiteral("mi molécula v1.2.qvd"), datos).valor(),
              QStringLiteral("mi molécula v1.2"));
    // The same folder written differently.
    EXPECT_EQ(
        nombreDeEjecucion(dir.path() + QStringLiteral("/datos/../datos//CO.qvd"), datos).valor(),
        QStringLiteral("CO"));
}

TEST(NombreDeEjecucion, FilesElsewhereOrWithoutTheExtensionAreRefused) {
    QTemporaryDir dir;
    const QString datos = dir.path() + QStringLiteral("/datos/");
    QDir().mkpath(datos + QStringLiteral("sub"));
    const auto n = nombreDeEjecucion(datos + QStringLiteral("sub/H2.qvd"), datos);
    ASSERT_FALSE(n.ok());
    EXPECT_TRUE(n.fallo().texto().contains(QStringLiteral("Guardar como")));
    EXPECT_TRUE(n.fallo().texto().contains(datos)) << n.fallo().texto().toStdString();
    EXPECT_FALSE(nombreDeEjecucion(QStringLiteral("/tmp/H2.qvd"), datos).ok());
    EXPECT_FALSE(nombreDeEjecucion(datos + QStringLiteral("H2.QVD"), datos).ok());
    EXPECT_FALSE(nombreDeEjecucion(datos + QStringLiteral("H2.txt"), datos).ok());
    EXPECT_FALSE(nombreDeEjecucion(datos + QStringLiteral(".qvd"), datos).ok());
    EXPECT_FALSE(nombreDeEjecucion(QString(), datos).ok());
}

TEST(NombreDeEjecucion, NamesTheEngineWouldChangeAreRefused) {
    QTemporaryDir dir;
    const QString datos = dir.path() + QStringLiteral("/datos/");
    QDir().mkpath(datos);
    const auto blanco = nombreDeEjecucion(datos + QStringLiteral("X .qvd"), datos);
    ASSERT_FALSE(blanco.ok());
    EXPECT_TRUE(blanco.fallo().texto().contains(QStringLiteral("\"Guardar como...\"")));
    EXPECT_EQ(
        nombreDeEjecucion(datos + QString(100, QLatin1Char('a')) + QStringLiteral(".qvd"), datos)
            .valor()
            .size(),
        100);
    EXPECT_FALSE(
        nombreDeEjecucion(datos + QString(101, QLatin1Char('a')) + QStringLiteral(".qvd"), datos)
            .ok());
    // Bytes count, as the engine cuts its argument: 51 two-byte letters are too many.
    EXPECT_FALSE(
        nombreDeEjecucion(datos + QString(51, QChar(0xF1)) + QStringLiteral(".qvd"), datos).ok());
}

TEST(CalculoDelDocumento, TheRunsFilesSitInTheResultsFolderUnderItsName) {
    const ResultadoCalculo r =
        ficherosDeCalculo(QStringLiteral("/p/result/"), QStringLiteral("mi H2.v1"));
    EXPECT_EQ(r.nombrebase, QStringLiteral("mi H2.v1"));
    EXPECT_EQ(r.informe, QStringLiteral("/p/result/mi H2.v1.res"));
    EXPECT_EQ(r.curva, QStringLiteral("/p/result/mi H2.v1.scs"));
    EXPECT_EQ(r.resultado, QStringLiteral("/p/result/mi H2.v1.json"));
    EXPECT_EQ(r.carpeta(), QStringLiteral("/p/result/"));
}

// The run reads the document's own path: one never saved ends at once, with its reason.
TEST(CalculoDelDocumento, AnUnsavedDocumentEndsAtOnceWithoutStartingTheEngine) {
    QTemporaryDir dir;
    EstadoGlobal estado;
    estado.dirprograma = dir.path() + QStringLiteral("/");
    estado.dirdatos = estado.dirprograma + QStringLiteral("datos/");
    estado.dirresult = estado.dirprograma + QStringLiteral("result/");
    Documento documento;
    Calculo calculo;
    std::optional<CalculoTerminado> fin;
    QObject::connect(&calculo, &Calculo::terminado,
                     [&fin](const CalculoTerminado& r) { fin.emplace(r); });
    calculo.ejecutarCalculo(documento, estado);
    ASSERT_TRUE(fin);
    EXPECT_FALSE(calculo.enMarcha());
    ASSERT_FALSE(fin->ok());
    EXPECT_EQ(fin->fallo(), nombreDeEjecucion(QString(), estado.dirdatos).fallo());
    EXPECT_FALSE(fin->fallo().texto().isEmpty());
}

TEST_F(Ejecucion, ThePointCountComesFromTheResultFileNotTheTable) {
    // The table no longer matches the file that was run; the curve file must still be
    // read with the engine's 20 points.
    principal->ponTextoCelda(20, 1, QString());
    principal->ponTextoCelda(19, 2, QString());
    motorCorrecto();
    ASSERT_TRUE(ejecuta());
    EXPECT_NEAR(principal->resultados().coeficiente(4), 0.0408945316903939, 1e-15);
}

TEST_F(Ejecucion, AnOldResultFileIsDeletedBeforeTheRun) {
    ASSERT_TRUE(QFile::copy(ejemplo("H2.json"), estado.dirresult + QStringLiteral("H2.json")));
    motorFalso("cp '" + ejemplo("H2.res").toLocal8Bit() + "' result/H2.res; cp '" +
               ejemplo("H2.scs").toLocal8Bit() + "' result/H2.scs");
    EXPECT_FALSE(ejecuta());
    EXPECT_FALSE(QFile::exists(estado.dirresult + QStringLiteral("H2.json")));
    ASSERT_EQ(mensajes.mostrados.size(), 1u);
    EXPECT_TRUE(mensajes.mostrados[0].texto.contains(QStringLiteral("H2.json")));
}

// A JSON some other run left beside this run's report is never shown as its details.
TEST_F(Ejecucion, AResultFileOfAnotherRunIsNotShown) {
    motorFalso("cp '" + ejemplo("H2_completo.res").toLocal8Bit() + "' result/H2.res; cp '" +
               ejemplo("H2.scs").toLocal8Bit() + "' result/H2.scs; sed 's|datos/H2.qvd|datos/" +
               "otro.qvd|' '" + ejemplo("H2.json").toLocal8Bit() + "' > result/H2.json");
    EXPECT_FALSE(ejecuta());
    EXPECT_FALSE(ventana);
    ASSERT_EQ(mensajes.mostrados.size(), 1u);
    EXPECT_TRUE(mensajes.mostrados[0].texto.contains(QStringLiteral("no corresponde")))
        << mensajes.mostrados[0].texto.toStdString();
}

TEST_F(Ejecucion, AResultFileTheReaderRefusesIsAFailureThatSaysWhy) {
    motorFalso("cp '" + ejemplo("H2_completo.res").toLocal8Bit() + "' result/H2.res; cp '" +
               ejemplo("H2.scs").toLocal8Bit() +
               "' result/H2.scs; printf '{\"format\": \"oscilab-results\", \"version\": "
               "\"1\"}' > result/H2.json");
    EXPECT_FALSE(ejecuta());
    ASSERT_EQ(mensajes.mostrados.size(), 1u);
    EXPECT_TRUE(mensajes.mostrados[0].texto.contains(QStringLiteral("\"version\"")));
    EXPECT_TRUE(mensajes.mostrados[0].texto.contains(QStringLiteral("H2.json")));
    // What is not a regular file is refused before it is opened.
    const auto carpeta = leeResultadoDeEjecucion(estado.dirresult);
    EXPECT_NE(carpeta.error.find("no es un fichero normal"), std::string::npos);
}

TEST_F(Ejecucion, ASlowEngineMayBeStopped) {
    motorFalso("exec sleep 30");
    principal->calculo()->lanzador().ponEspera(std::chrono::milliseconds(50));
    mensajes.responder(Respuesta::Si);
    EXPECT_FALSE(ejecuta());
    ASSERT_EQ(mensajes.mostrados.size(), 2u);
    EXPECT_EQ(mensajes.mostrados[0].botones, BotonesMensaje::SiNo);
    EXPECT_TRUE(mensajes.mostrados[1].texto.contains(QStringLiteral("detenido")));
    EXPECT_TRUE(principal->ejecutarHabilitado());
}

TEST_F(Ejecucion, SuccessShowsTheNewResultsAndConsumesTheCurveFile) {
    motorCorrecto();
    ASSERT_TRUE(ejecuta());
    // The window shows this run's files, as the run named them.
    EXPECT_EQ(ventana->calculo().nombrebase, QStringLiteral("H2"));
    EXPECT_EQ(ventana->calculo().informe, res());
    EXPECT_EQ(ventana->calculo().resultado, estado.dirresult + QStringLiteral("H2.json"));
    ASSERT_TRUE(ventana->calculo().datos);
    EXPECT_EQ(ventana->calculo().datos->puntos.size(), 20u);
    EXPECT_EQ(llamada(), QByteArray("2|--|H2|") +
                             QFile::encodeName(QDir(estado.dirprograma).canonicalPath()) + "\n");
    EXPECT_TRUE(principal->ejecutarHabilitado());
    ASSERT_TRUE(ventana);
    EXPECT_TRUE(ventana->isVisible());
    EXPECT_FALSE(ventana->isModal());
    EXPECT_TRUE(ventana->textoInforme().contains(QStringLiteral("AJUSTE MINIMOCUADRÁTICO:")));
    EXPECT_TRUE(ventana->textoInforme().contains(QStringLiteral("·(V+1/2)")));
    EXPECT_FALSE(QFile::exists(scs()));
    EXPECT_TRUE(QFile::exists(res()));
    EXPECT_NEAR(principal->resultados().coeficiente(4), 0.0408945316903939, 1e-15);
    EXPECT_LT(principal->resultados().limites.rmin, 1.0);
    for (const auto& m : mensajes.mostrados) {
        EXPECT_EQ(m.titulo, QStringLiteral("Advertencia")) << m.texto.toStdString();
    }
}

TEST_F(Ejecucion, ANameWithBlanksIsOneArgument) {
    const QString otro = estado.dirdatos + QStringLiteral("H2 con blancos.qvd");
    ASSERT_TRUE(QFile::rename(fichero, otro));
    abre(otro);
    motorCorrecto();
    ASSERT_TRUE(ejecuta());
    EXPECT_TRUE(llamada().startsWith("2|--|H2 con blancos|"));
    EXPECT_TRUE(QFile::exists(estado.dirresult + QStringLiteral("H2 con blancos.res")));
}

// An English interface asks the engine for English warnings, before the name.
TEST_F(Ejecucion, TheEngineIsToldTheInterfacesLanguage) {
    ASSERT_TRUE(
        instalaIdioma(*qApp, Idioma::Ingles, QStringLiteral(OSCILAB_PROGRAM_DIR "/traducciones")));
    motorFalso("exit 0");
    EXPECT_FALSE(ejecuta());
    instalaIdioma(*qApp, Idioma::Espanol, QString());
    EXPECT_TRUE(llamada().startsWith("4|--lang|en|--|H2|")) << llamada().toStdString();
}

TEST_F(Ejecucion, AFailingEngineIsReportedWithItsMessagesAndNoWindow) {
    // Results of an earlier run must not pass for this one.
    ASSERT_TRUE(escribe(estado.dirresult + QStringLiteral("H2.res"), "viejo"));
    ASSERT_TRUE(escribe(estado.dirresult + QStringLiteral("H2.scs"), "1 2"));
    motorFalso("echo 'Error de lectura en datos/H2.qvd' >&2; exit 2");
    EXPECT_FALSE(ejecuta());
    EXPECT_FALSE(ventana);
    ASSERT_EQ(mensajes.mostrados.size(), 1u);
    const QString texto = mensajes.mostrados[0].texto;
    EXPECT_TRUE(texto.contains(QStringLiteral("código 2"))) << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("Error de lectura en datos/H2.qvd")));
    EXPECT_EQ(mensajes.mostrados[0].icono, IconoMensaje::Stop);
    EXPECT_FALSE(QFile::exists(estado.dirresult + QStringLiteral("H2.res")));
    EXPECT_FALSE(QFile::exists(estado.dirresult + QStringLiteral("H2.scs")));
    EXPECT_TRUE(principal->ejecutarHabilitado());
}

TEST_F(Ejecucion, StaleOutputsAreNotShownWhenTheEngineWritesNothing) {
    ASSERT_TRUE(escribe(estado.dirresult + QStringLiteral("H2.res"), "viejo"));
    ASSERT_TRUE(escribe(estado.dirresult + QStringLiteral("H2.scs"), "1 2"));
    motorFalso("exit 0");
    EXPECT_FALSE(ejecuta());
    EXPECT_FALSE(ventana);
    ASSERT_EQ(mensajes.mostrados.size(), 1u);
    EXPECT_TRUE(mensajes.mostrados[0].texto.contains(QStringLiteral("no ha escrito el informe")));
}

TEST_F(Ejecucion, AMissingCurveFileIsAFailure) {
    motorFalso("cp '" + ejemplo("H2.res").toLocal8Bit() + "' \"result/$1.res\"; exit 0");
    EXPECT_FALSE(ejecuta());
    EXPECT_FALSE(ventana);
    ASSERT_EQ(mensajes.mostrados.size(), 1u);
    EXPECT_TRUE(mensajes.mostrados[0].texto.contains(QStringLiteral("fichero de la curva")));
}

TEST_F(Ejecucion, AnEngineThatCannotStartOrCrashesIsAFailure) {
    EXPECT_FALSE(ejecuta()); // no curvifit in the folder
    EXPECT_FALSE(ventana);
    ASSERT_EQ(mensajes.mostrados.size(), 1u);
    EXPECT_TRUE(mensajes.mostrados[0].texto.contains(QStringLiteral("No se ha podido iniciar")));
    motorCorrecto();
    motorFalso("cp '" + ejemplo("H2.res").toLocal8Bit() + "' result/H2.res; cp '" +
               ejemplo("H2.scs").toLocal8Bit() + "' result/H2.scs; kill -SEGV $$");
    EXPECT_FALSE(ejecuta());
    EXPECT_FALSE(ventana);
    ASSERT_EQ(mensajes.mostrados.size(), 2u);
    EXPECT_TRUE(mensajes.mostrados[1].texto.contains(QStringLiteral("forma anormal")));
}

TEST_F(Ejecucion, ADocumentOutsideTheDataFolderIsRefusedWithoutRunning) {
    const QString fuera = dir.filePath(QStringLiteral("H2.qvd"));
    ASSERT_TRUE(QFile::copy(fichero, fuera));
    abre(fuera);
    motorCorrecto();
    EXPECT_FALSE(ejecuta());
    EXPECT_TRUE(llamada().isEmpty());
    EXPECT_FALSE(arrancado);
    ASSERT_EQ(mensajes.mostrados.size(), 1u);
    EXPECT_TRUE(mensajes.mostrados[0].texto.contains(estado.dirdatos));
}

TEST_F(Ejecucion, ARunWhileAWindowIsOpenShowsTheNewCalculationCompletely) {
    motorCorrecto();
    ASSERT_TRUE(ejecuta());
    QPointer<frmgraficos> primera = ventana;
    const QImage antes = primera->imagenGrafica().copy();
    // The second run writes another report and a curve file with other coefficients.
    QByteArray curva;
    {
        QFile f(ejemplo("H2.scs"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        curva = f.readAll();
    }
    QList<QByteArray> lineas = curva.split('\n');
    lineas[40 + 17] = " 0.001\r"; // c_2 grows
    ASSERT_TRUE(escribe(dir.filePath(QStringLiteral("otra.scs")), lineas.join('\n')));
    QFile completo(ejemplo("H2_completo.res"));
    ASSERT_TRUE(completo.open(QIODevice::ReadOnly));
    ASSERT_TRUE(escribe(dir.filePath(QStringLiteral("otro.res")),
                        completo.readAll() + "SEGUNDO INFORME\r\n"));
    motorFalso("cp '" + dir.filePath(QStringLiteral("otro.res")).toLocal8Bit() +
               "' result/H2.res; cp '" + dir.filePath(QStringLiteral("otra.scs")).toLocal8Bit() +
               "' result/H2.scs; cp '" + ejemplo("H2.json").toLocal8Bit() + "' result/H2.json");
    ASSERT_TRUE(ejecuta());
    EXPECT_FALSE(primera); // the old window is gone
    ASSERT_TRUE(ventana);
    EXPECT_TRUE(ventana->textoInforme().endsWith(QStringLiteral("SEGUNDO INFORME\n")));
    EXPECT_DOUBLE_EQ(principal->resultados().coeficiente(2), 0.001);
    EXPECT_NE(ventana->imagenGrafica(), antes);
}

// End to end with the real engine on the example H2.
TEST_F(Ejecucion, RealEngineOnH2) {
    const QString motor = estado.dirprograma + QStringLiteral("curvifit");
    ASSERT_TRUE(QFile::copy(QStringLiteral(OSCILAB_PROGRAM_DIR "/curvifit"), motor));
    ASSERT_TRUE(ejecuta()) << (mensajes.mostrados.empty()
                                   ? std::string()
                                   : mensajes.mostrados.back().texto.toStdString());
    ASSERT_TRUE(ventana);
    EXPECT_TRUE(ventana->textoInforme().startsWith(
        QStringLiteral("\nPARAMETROS MOLECULARES CALCULADOS:\n")));
    EXPECT_TRUE(ventana->textoInforme().contains(QStringLiteral("AJUSTE MINIMOCUADRÁTICO:")));
    EXPECT_FALSE(QFile::exists(scs()));
    EXPECT_TRUE(QFile::exists(res()));
    // A Morse curve of H2: minimum near R = 1.40 bohr, V = -1.1745 hartree.
    EXPECT_NEAR(principal->resultados().rcentro, 1.40, 0.05);
    EXPECT_LT(principal->resultados().limites.vmin, -1.1745);
    EXPECT_GT(principal->resultados().limites.vmax, -1.07);
}

TEST_F(Ejecucion, RealEngineFailingOnABadDataFile) {
    ASSERT_TRUE(QFile::copy(QStringLiteral(OSCILAB_PROGRAM_DIR "/curvifit"),
                            estado.dirprograma + QStringLiteral("curvifit")));
    ASSERT_TRUE(escribe(fichero, "Roto\r\n0 1 2 \r\nuno dos\r\n"));
    EXPECT_FALSE(ejecuta());
    EXPECT_FALSE(ventana);
    ASSERT_EQ(mensajes.mostrados.size(), 1u);
    EXPECT_TRUE(mensajes.mostrados[0].texto.contains(QStringLiteral("Mensajes del programa")))
        << mensajes.mostrados[0].texto.toStdString();
}

} // namespace
} // namespace oscilab
