// A result JSON is shown only beside the report of the same run: the real engine's files for
// two documents, crossed and altered one member at a time.
#include "run/coherencia_resultado.h"
#include "run/ejecucion.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace oscilab {

namespace {

struct Ficheros {
    nlohmann::json resultado;
    std::string informe;
};

// The result as the front end reads it, after a member was altered.
curvifit::ResultadoEjecucion leido(const nlohmann::json& j) {
    return curvifit::leeResultadoJson(j.dump()).resultado.value();
}

// curvifit run on an example in a scratch program folder.
Ficheros ejecuta(const QTemporaryDir& carpeta, const QString& ejemplo) {
    QDir(carpeta.path()).mkpath(QStringLiteral("datos"));
    QFile::copy(QStringLiteral(OSCILAB_SOURCE_DIR "/datos/") + ejemplo + ".qvd",
                carpeta.filePath("datos/" + ejemplo + ".qvd"));
    QProcess motor;
    motor.setWorkingDirectory(carpeta.path());
    motor.start(QStringLiteral(OSCILAB_PROGRAM_DIR "/curvifit"), {ejemplo});
    EXPECT_TRUE(motor.waitForFinished(60000));
    EXPECT_EQ(motor.exitCode(), 0);
    QFile json(carpeta.filePath("result/" + ejemplo + ".json"));
    QFile res(carpeta.filePath("result/" + ejemplo + ".res"));
    EXPECT_TRUE(json.open(QIODevice::ReadOnly) && res.open(QIODevice::ReadOnly));
    return {nlohmann::json::parse(json.readAll().toStdString()), res.readAll().toStdString()};
}

} // namespace

TEST(CoherenciaResultado, OnlyTheSameRunsJsonAndReportAgree) {
    QTemporaryDir carpeta;
    const Ficheros h2 = ejecuta(carpeta, QStringLiteral("H2"));
    const Ficheros co = ejecuta(carpeta, QStringLiteral("CO"));
    const auto informeH2 = leeResumenInforme(h2.informe);
    const auto informeCO = leeResumenInforme(co.informe);
    ASSERT_TRUE(informeH2 && informeCO);
    EXPECT_EQ(informeH2->puntos, static_cast<int>(h2.resultado["points"].size()));
    EXPECT_EQ(informeH2->potencias, h2.resultado["fit"]["powers"].get<std::vector<int>>());
    EXPECT_EQ(discordanciaResultado(leido(h2.resultado), "datos/H2.qvd", *informeH2), "");
    EXPECT_EQ(discordanciaResultado(leido(co.resultado), "datos/CO.qvd", *informeCO), "");

    EXPECT_NE(discordanciaResultado(leido(h2.resultado), "datos/CO.qvd", *informeH2), "");
    // Another run's JSON, renamed as this one's.
    nlohmann::json otro = co.resultado;
    otro["data_file"] = "datos/H2.qvd";
    EXPECT_NE(discordanciaResultado(leido(otro), "datos/H2.qvd", *informeH2), "");
    nlohmann::json menos = h2.resultado;
    menos["points"].erase(0);
    EXPECT_NE(discordanciaResultado(leido(menos), "datos/H2.qvd", *informeH2), "");
    nlohmann::json coeficiente = h2.resultado;
    coeficiente["fit"]["coefficients"][1] =
        coeficiente["fit"]["coefficients"][1].get<double>() * 1.001;
    EXPECT_NE(discordanciaResultado(leido(coeficiente), "datos/H2.qvd", *informeH2), "");
    nlohmann::json potencia = h2.resultado;
    potencia["fit"]["powers"][0] = 7;
    EXPECT_NE(discordanciaResultado(leido(potencia), "datos/H2.qvd", *informeH2), "");
    // Members of the wrong type never reach the check: the reader refuses them.
    for (const char* tipoRaro :
         {R"({"data_file": 3})", R"([1, 2])", R"({"data_file": "datos/H2.qvd",
        "points": {}, "fit": []})"}) {
        EXPECT_FALSE(curvifit::leeResultadoJson(tipoRaro).ok()) << tipoRaro;
    }
    EXPECT_FALSE(leeResumenInforme("no es un informe\r\n"));

    // The front end's own check over the files: refused with the reason, in Spanish.
    EXPECT_TRUE(comprobacionResultado(leido(h2.resultado), carpeta.filePath("result/H2.json"),
                                      carpeta.filePath("result/H2.res"), QStringLiteral("H2"))
                    .ok());
    const QString rechazo =
        comprobacionResultado(leido(co.resultado), carpeta.filePath("result/CO.json"),
                              carpeta.filePath("result/H2.res"), QStringLiteral("H2"))
            .fallo()
            .texto();
    EXPECT_TRUE(rechazo.contains(QStringLiteral("no corresponde"))) << rechazo.toStdString();
}

} // namespace oscilab
