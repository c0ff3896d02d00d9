// oscilab --help and --version: answered without a window, wherever they stand.
#include "aplicacion/linea_ordenes.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace oscilab {

TEST(LineaOrdenes, HelpAndVersionBeforeOrAfterADocument) {
    EXPECT_FALSE(respuestaLineaOrdenes({}));
    EXPECT_FALSE(respuestaLineaOrdenes({"H2.qvd"}));
    EXPECT_FALSE(respuestaLineaOrdenes({"--", "--help"})); // a file of that name
    EXPECT_EQ(respuestaLineaOrdenes({"--version"}).value_or(""),
              "oscilab " OSCILAB_VERSION_ESPERADA "\n");
    for (const auto& orden : {std::vector<std::string>{"--help", "H2.qvd"}, {"H2.qvd", "--help"}}) {
        EXPECT_NE(respuestaLineaOrdenes(orden).value_or("").find("Uso: oscilab"),
                  std::string::npos);
    }
}

// The program itself, with no display at all: status 0 and the text on standard output.
TEST(LineaOrdenes, TheProgramPrintsWithoutADisplay) {
    for (const char* opcion : {"--help", "--version"}) {
        QProcess oscilab;
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.remove(QStringLiteral("DISPLAY"));
        entorno.remove(QStringLiteral("WAYLAND_DISPLAY"));
        entorno.remove(QStringLiteral("QT_QPA_PLATFORM"));
        oscilab.setProcessEnvironment(entorno);
        oscilab.start(QStringLiteral(OSCILAB_PROGRAM_DIR "/oscilab"),
                      {QString::fromLatin1(opcion)});
        ASSERT_TRUE(oscilab.waitForFinished(30000)) << opcion;
        EXPECT_EQ(oscilab.exitStatus(), QProcess::NormalExit) << opcion;
        EXPECT_EQ(oscilab.exitCode(), 0) << opcion;
        EXPECT_TRUE(oscilab.readAllStandardOutput().startsWith(
            std::string(opcion) == "--help" ? "Uso: oscilab" : "oscilab "))
            << opcion;
    }
}

} // namespace oscilab
