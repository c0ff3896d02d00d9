// The launcher: start, end reported while the event loop runs, exit status, standard error.
#include "run/lanzador.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <optional>

namespace oscilab {
namespace {

// Writes an executable shell script into `dir`.
QString guion(const QTemporaryDir& dir, const QString& nombre, const QByteArray& cuerpo) {
    const QString ruta = dir.filePath(nombre);
    QFile f(ruta);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n" + cuerpo + "\n");
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return ruta;
}

// Starts the program and runs the event loop until its end is reported.
ResultadoLanzamiento lanzaryesperar(const QString& programa, const QStringList& argumentos,
                                    const QString& directorio, qint64 captura = 0) {
    Lanzador lanzador;
    lanzador.capturaSalida(captura);
    std::optional<ResultadoLanzamiento> fin;
    QObject::connect(&lanzador, &Lanzador::terminado,
                     [&fin](const ResultadoLanzamiento& r) { fin = r; });
    lanzador.lanza(programa, argumentos, directorio);
    EXPECT_TRUE(QTest::qWaitFor([&fin] { return fin.has_value(); }, 30000));
    EXPECT_FALSE(lanzador.enMarcha());
    return fin.value_or(ResultadoLanzamiento{});
}

QByteArray contenido(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(no existe)");
}

TEST(LanzarYEsperar, ReturnsTheExitStatusAndTheStandardError) {
    QTemporaryDir dir;
    const QString bien = guion(dir, QStringLiteral("bien"), "echo salida; exit 0");
    ResultadoLanzamiento r = lanzaryesperar(bien, {}, dir.path());
    EXPECT_TRUE(r.iniciado);
    EXPECT_TRUE(r.terminoBien);
    EXPECT_EQ(r.codigoSalida, 0);
    EXPECT_TRUE(r.exito());
    EXPECT_TRUE(r.errorEstandar.isEmpty()); // standard output is not mixed in

    const QString mal =
        guion(dir, QStringLiteral("mal"), "echo 'No se puede abrir datos/X.qvd' >&2; exit 3");
    r = lanzaryesperar(mal, {}, dir.path());
    EXPECT_TRUE(r.iniciado);
    EXPECT_TRUE(r.terminoBien);
    EXPECT_EQ(r.codigoSalida, 3);
    EXPECT_FALSE(r.exito());
    EXPECT_EQ(r.errorEstandar, QByteArray("No se puede abrir datos/X.qvd\n"));
}

// Standard output is kept only when asked for, and only up to the size asked for: a program
// that writes more is stopped, whatever its exit would have been.
TEST(LanzarYEsperar, StandardOutputIsCapturedUpToItsLimit) {
    QTemporaryDir dir;
    const QString linea = guion(dir, QStringLiteral("linea"), "printf '0123456789\\n'; exit 0");
    EXPECT_TRUE(lanzaryesperar(linea, {}, dir.path()).salidaEstandar.isEmpty());
    ResultadoLanzamiento r = lanzaryesperar(linea, {}, dir.path(), 11);
    EXPECT_EQ(r.salidaEstandar, QByteArray("0123456789\n"));
    EXPECT_FALSE(r.salidaDesbordada);
    EXPECT_TRUE(r.exito());
    r = lanzaryesperar(linea, {}, dir.path(), 10);
    EXPECT_TRUE(r.salidaDesbordada);
    EXPECT_TRUE(r.salidaEstandar.isEmpty());
    const QString sinFin =
        guion(dir, QStringLiteral("sinfin"), "while :; do echo 0123456789; done");
    r = lanzaryesperar(sinFin, {}, dir.path(), 4096);
    EXPECT_TRUE(r.salidaDesbordada);
    EXPECT_FALSE(r.exito());
}

TEST(LanzarYEsperar, PassesEachArgumentAsIsInTheWorkingFolder) {
    QTemporaryDir dir;
    QTemporaryDir trabajo;
    const QString eco =
        guion(dir, QStringLiteral("eco"), "printf '%s|' \"$#\" \"$@\" > argumentos; pwd > carpeta");
    const ResultadoLanzamiento r =
        lanzaryesperar(eco, {QStringLiteral("mi fichero $HOME 'x'")}, trabajo.path());
    ASSERT_TRUE(r.exito());
    EXPECT_EQ(contenido(trabajo.filePath(QStringLiteral("argumentos"))),
              QByteArray("1|mi fichero $HOME 'x'|"));
    EXPECT_EQ(contenido(trabajo.filePath(QStringLiteral("carpeta"))).trimmed(),
              QFile::encodeName(QFileInfo(trabajo.path()).canonicalFilePath()));
}

TEST(LanzarYEsperar, AMissingProgramIsReportedAsNotStarted) {
    QTemporaryDir dir;
    const ResultadoLanzamiento r =
        lanzaryesperar(dir.filePath(QStringLiteral("no-existe")), {}, dir.path());
    EXPECT_FALSE(r.iniciado);
    EXPECT_FALSE(r.exito());
    EXPECT_FALSE(r.errorInicio.isEmpty());
}

TEST(LanzarYEsperar, ACrashIsNotAnOrdinaryEnd) {
    QTemporaryDir dir;
    const QString cae = guion(dir, QStringLiteral("cae"), "echo antes >&2; kill -SEGV $$");
    const ResultadoLanzamiento r = lanzaryesperar(cae, {}, dir.path());
    EXPECT_TRUE(r.iniciado);
    EXPECT_FALSE(r.terminoBien);
    EXPECT_FALSE(r.exito());
    EXPECT_EQ(r.errorEstandar, QByteArray("antes\n"));
}

TEST(LanzarYEsperar, EventsAreProcessedWhileWaiting) {
    QTemporaryDir dir;
    // The program waits until the timer, fired during the wait, leaves a file for it.
    const QString espera =
        guion(dir, QStringLiteral("espera"), "while [ ! -f senal ]; do sleep 0.05; done; exit 7");
    bool disparado = false;
    QTimer::singleShot(50, [&] {
        disparado = true;
        QFile senal(dir.filePath(QStringLiteral("senal")));
        ASSERT_TRUE(senal.open(QIODevice::WriteOnly));
    });
    Lanzador lanzador;
    std::optional<ResultadoLanzamiento> fin;
    QObject::connect(&lanzador, &Lanzador::terminado,
                     [&fin](const ResultadoLanzamiento& r) { fin = r; });
    lanzador.lanza(espera, {}, dir.path());
    // The start returns at once: the program is still waiting for the timer.
    EXPECT_TRUE(lanzador.enMarcha());
    EXPECT_FALSE(fin);
    ASSERT_TRUE(QTest::qWaitFor([&fin] { return fin.has_value(); }, 30000));
    EXPECT_TRUE(disparado);
    EXPECT_EQ(fin->codigoSalida, 7);
}

} // namespace
} // namespace oscilab
