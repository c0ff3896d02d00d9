// The example documents shipped in datos/: each runs through the real engine without a
// warning of the results window, and the well-fitted ones give constants close to the
// curve's own.
#include "modelo/fichero_datos.h"
#include "results/curva.h"
#include "results/diagnostico.h"
#include "results/polinomio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

namespace oscilab {
namespace {

struct Resultado {
    QString aviso;   // "" for a sound fit
    double re = 0.0; // bohr
    double we = 0.0; // 1/cm
    double wexe = 0.0;
};

Resultado ejecuta(const QString& nombre) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("datos"));
    QDir(dir.path()).mkpath(QStringLiteral("result"));
    const QString datos = dir.filePath(QStringLiteral("datos/") + nombre + QStringLiteral(".qvd"));
    QFile::copy(QStringLiteral(OSCILAB_SOURCE_DIR "/datos/") + nombre + QStringLiteral(".qvd"),
                datos);
    QFile f(datos);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    char actual = 0;
    const auto npuntos = static_cast<int>(leeFicheroDatos(f.readAll(), actual).celdas.size() / 2);

    QProcess motor;
    motor.setWorkingDirectory(dir.path());
    motor.start(QStringLiteral(OSCILAB_PROGRAM_DIR "/curvifit"), {nombre});
    EXPECT_TRUE(motor.waitForFinished(30000));
    EXPECT_EQ(motor.exitCode(), 0) << motor.readAllStandardError().toStdString();
    EXPECT_TRUE(motor.readAllStandardError().isEmpty());

    // As the results window loads them.
    const LecturaCurva curva = leecurva(
        dir.filePath(QStringLiteral("result/") + nombre + QStringLiteral(".scs")), npuntos);
    EXPECT_TRUE(curva.ok()) << curva.error.toStdString();
    const auto limites = calculalimites(curva.datos.puntos, curva.datos.coeficientes, 10000);
    Resultado r;
    if (!limites) {
        ADD_FAILURE() << "no points";
        return r;
    }
    r.aviso = diagnostico(curva.datos.puntos, curva.datos.niveles.size(), *limites,
                          curva.datos.errorenergia.value_or(0.0));

    QFile informe(dir.filePath(QStringLiteral("result/") + nombre + QStringLiteral(".res")));
    EXPECT_TRUE(informe.open(QIODevice::ReadOnly));
    const QString texto = QString::fromLatin1(informe.readAll());
    const auto re =
        QRegularExpression(QStringLiteral("\\(ANGSTROMS\\)\\s+(\\S+) \\(BOHR\\)")).match(texto);
    const auto nu = QRegularExpression(QStringLiteral("NU Y XNU =\\s+(\\S+) \\(1/cm\\)\\s+(\\S+)"))
                        .match(texto);
    EXPECT_TRUE(re.hasMatch() && nu.hasMatch());
    r.re = re.captured(1).toDouble();
    r.we = nu.captured(1).toDouble();
    r.wexe = nu.captured(2).toDouble();
    return r;
}

TEST(Ejemplos, EveryShippedDocumentRunsWithoutAWarning) {
    const QStringList ejemplos =
        QDir(QStringLiteral(OSCILAB_SOURCE_DIR "/datos")).entryList({QStringLiteral("*.qvd")});
    EXPECT_GE(ejemplos.size(), 5);
    for (const QString& e : ejemplos) {
        const Resultado r = ejecuta(QFileInfo(e).completeBaseName());
        EXPECT_TRUE(r.aviso.isEmpty()) << e.toStdString() << ": " << r.aviso.toStdString();
    }
}

// H2's points lie on a Morse curve, whose constants have a closed form.
TEST(Ejemplos, H2GivesTheConstantsOfItsMorseCurve) {
    const double de = 0.1745;
    const double a = 1.0282;
    const double mu = 1.0079 / 2.0 * 1822.888486209; // electron masses
    const double hartreeEnCm = 219474.6313632;
    const Resultado r = ejecuta(QStringLiteral("H2"));
    EXPECT_NEAR(r.re, 1.4011, 1e-3);
    EXPECT_NEAR(r.we, a * std::sqrt(2.0 * de / mu) * hartreeEnCm, 5.0);
    EXPECT_NEAR(r.wexe, a * a / (2.0 * mu) * hartreeEnCm, 2.0);
}

// HF and CO: the values that fits of ever fewer points nearest the minimum, with five to
// seven powers, settle on.
TEST(Ejemplos, HF2AndCO2GiveConstantsCloseToTheirCurves) {
    const Resultado hf = ejecuta(QStringLiteral("HF2"));
    EXPECT_NEAR(hf.re, 1.7334, 1e-3);
    EXPECT_NEAR(hf.we, 4175.0, 15.0);
    EXPECT_NEAR(hf.wexe, 85.0, 4.0);
    const Resultado co = ejecuta(QStringLiteral("CO2"));
    EXPECT_NEAR(co.re, 2.1462, 1e-3);
    EXPECT_NEAR(co.we, 2152.0, 8.0);
    EXPECT_NEAR(co.wexe, 12.5, 0.8);
}

} // namespace
} // namespace oscilab
