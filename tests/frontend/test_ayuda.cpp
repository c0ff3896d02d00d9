#include "windows/ayuda.h"

#include <QDir>
#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace oscilab {
namespace {

const QString kSinAyuda = QStringLiteral(
    "No se puede mostrar la ayuda. No hay fichero de ayuda asociado a este proyecto.");

TEST(Ayuda, AMissingFileOrAFolderIsNoHelpFile) {
    QTemporaryDir dir;
    for (const QString& ruta : {ficheroAyuda(dir.path() + "/"), QString(), dir.path()}) {
        const Resultado<void> legible = compruebaAyuda(ruta);
        ASSERT_FALSE(legible.ok()) << ruta.toStdString();
        EXPECT_EQ(legible.fallo().texto(), kSinAyuda);
    }
}

TEST(Ayuda, InstalledHelpOpensNonModalAtItsTableOfContents) {
    const QString ruta = ficheroAyuda(QStringLiteral(OSCILAB_PROGRAM_DIR "/"));
    ASSERT_TRUE(compruebaAyuda(ruta).ok());
    QWidget principal;
    QPointer<VentanaAyuda> v = new VentanaAyuda(&principal);
    v->muestraIndice(ruta);
    v->show();
    EXPECT_TRUE(v->isWindow());
    EXPECT_FALSE(v->isModal());
    EXPECT_TRUE(v->navegador()->toPlainText().contains("Índice"));
    v->close(); // deleted when closed
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(v.isNull());
}

// The Spanish help, or its English twin.
QString leeAyudaInstalable(const char* nombre = "ayuda.html") {
    QFile f(QStringLiteral(OSCILAB_SOURCE_DIR "/frontend/programa/") + QLatin1String(nombre));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return QString::fromUtf8(f.readAll());
}

// The report of the real engine for the HF example, with runs of blanks made single.
QString informeHF(const QTemporaryDir& dir) {
    const QString base = dir.path() + QStringLiteral("/");
    EXPECT_TRUE(QDir().mkpath(base + QStringLiteral("datos")));
    EXPECT_TRUE(QDir().mkpath(base + QStringLiteral("result")));
    EXPECT_TRUE(QFile::copy(QStringLiteral(OSCILAB_PROGRAM_DIR "/datos/HF.qvd"),
                            base + QStringLiteral("datos/HF.qvd")));
    QProcess motor;
    motor.setWorkingDirectory(base);
    motor.start(QStringLiteral(OSCILAB_PROGRAM_DIR "/curvifit"), {QStringLiteral("HF")});
    EXPECT_TRUE(motor.waitForFinished(60000));
    QFile res(base + QStringLiteral("result/HF.res"));
    EXPECT_TRUE(res.open(QIODevice::ReadOnly));
    return QString::fromLatin1(res.readAll()).simplified();
}

// Every report line the help names (the upper-case names of its report section) must be
// spelt as the engine prints it, so that a reader can find it in the report; the English
// help names the same Spanish lines.
void lineasDelInformeNombradas(const QString& html);

TEST(Ayuda, ReportLinesNamedByTheHelpAreThoseTheEnginePrints) {
    for (const char* ayuda : {"ayuda.html", "help.html"}) {
        SCOPED_TRACE(ayuda);
        lineasDelInformeNombradas(leeAyudaInstalable(ayuda));
    }
}

void lineasDelInformeNombradas(const QString& html) {
    const qsizetype inicio = html.indexOf(QStringLiteral("name=\"informe\""));
    const qsizetype fin = html.indexOf(QStringLiteral("name=\"grafico\""));
    ASSERT_GT(inicio, 0);
    ASSERT_GT(fin, inicio);
    const QString seccion = html.mid(inicio, fin - inicio);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString informe = informeHF(dir);
    ASSERT_FALSE(informe.isEmpty());

    // The first cell of each table row and every bold text name report lines.
    const QRegularExpression nombre(QStringLiteral("<(tr><td|b)>([^<]+)</(td|b)>"));
    QStringList nombrados;
    for (const auto& m : nombre.globalMatch(seccion)) {
        for (const QString& parte : m.captured(2).simplified().split(QStringLiteral(", "))) {
            nombrados << parte;
        }
    }
    EXPECT_GE(nombrados.size(), 12) << nombrados.join(u'|').toStdString();
    for (const QString& n : nombrados) {
        EXPECT_TRUE(informe.contains(n)) << n.toStdString();
    }
}

TEST(Ayuda, HelpCoversTheDocumentUnitsRunReportPlotAndPrinting) {
    const QString html = leeAyudaInstalable();
    for (const char* tema : {"name=\"indice\"",
                             "name=\"documento\"",
                             "name=\"unidades\"",
                             "name=\"potencias\"",
                             "name=\"ejecutar\"",
                             "name=\"informe\"",
                             "name=\"grafico\"",
                             "name=\"imprimir\"",
                             "DISTANCIA DE EQUILIBRIO",
                             "CTE CUADRATICA",
                             "CTE CUBICA",
                             "NU Y XNU",
                             "ENERGIA EN EL EQUILIBRIO",
                             "NIVELES VIBRACIONALES INCLUIDOS",
                             "ALARGAMIENTO",
                             "INCREMENTO DE LA CONSTANTE DE FUERZA",
                             "COEFICIENTES OBTENIDOS",
                             "CUASIVARIANZA MUESTRAL",
                             "ERROR PROBABLE",
                             "milidinas/angstrom",
                             "1/cm",
                             "hartree",
                             "bohr",
                             "¿Quiere imprimir los resultados con el gráfico?"}) {
        EXPECT_TRUE(html.contains(QString::fromUtf8(tema))) << tema;
    }
}

} // namespace
} // namespace oscilab
