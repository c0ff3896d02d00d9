#include "compartido/textos_numero.h"
#include "import/hoja_activa_xls.h"
#include "import/importar_excel.h"
#include "import/lectura_aislada.h"

#include <QFile>
#include <csignal>
#include <cstdlib>
#include <unistd.h>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace oscilab {
namespace {

QString fixture(const char* nombre) {
    return QStringLiteral(OSCILAB_SOURCE_DIR "/tests/frontend/fixtures/") + nombre;
}

QString texto(const ResultadoImportacion& r, int fila, int columna) {
    const auto* c = r.celda(fila, columna);
    return c != nullptr ? c->texto : QStringLiteral("<nada>");
}

TEST(ImportExcel, TwelvePointsFillRowsOneToTwelveAndEmptyTheRest) {
    const auto r = importarexcel(fixture("doce_puntos.xls"));
    ASSERT_FALSE(r.fallo);
    ASSERT_EQ(r.celdas.size(), 100u);
    EXPECT_EQ(texto(r, 1, 1), "0.8");
    EXPECT_EQ(texto(r, 1, 2), "-1.0202");
    EXPECT_EQ(texto(r, 4, 1), "1.4");
    EXPECT_EQ(texto(r, 4, 2), "-1.1745");
    EXPECT_EQ(texto(r, 11, 1), "5");
    EXPECT_EQ(texto(r, 11, 2), "1E-05");
    EXPECT_EQ(texto(r, 12, 1), "6.25");
    EXPECT_EQ(texto(r, 12, 2), "1.5E+20");
    for (int fila = 13; fila <= 50; ++fila) {
        EXPECT_EQ(texto(r, fila, 1), "") << fila;
        EXPECT_EQ(texto(r, fila, 2), "") << fila;
    }
}

TEST(ImportExcel, CellsAreWrittenRowByRowRThenV) {
    const auto r = importarexcel(fixture("doce_puntos.xls"));
    ASSERT_EQ(r.celdas.size(), 100u);
    for (std::size_t i = 0; i < r.celdas.size(); ++i) {
        EXPECT_EQ(r.celdas[i].fila, static_cast<int>(i / 2) + 1);
        EXPECT_EQ(r.celdas[i].columna, static_cast<int>(i % 2) + 1);
    }
}

TEST(ImportExcel, TheActiveSecondSheetIsTheOneRead) {
    const auto r = importarexcel(fixture("segunda_hoja_activa.xls"));
    ASSERT_FALSE(r.fallo);
    EXPECT_EQ(texto(r, 1, 1), "0.8");
    EXPECT_EQ(texto(r, 3, 2), "-1.1647");
    EXPECT_EQ(texto(r, 4, 1), ""); // the first sheet has 99 down to row 30
    EXPECT_EQ(texto(r, 30, 2), "");
}

TEST(ImportExcel, TextCellsAreTakenAsTheyStandAndEmptyCellsAreEmpty) {
    const auto r = importarexcel(fixture("celdas_de_texto.xls"));
    ASSERT_FALSE(r.fallo);
    EXPECT_EQ(texto(r, 1, 1), "R");
    EXPECT_EQ(texto(r, 1, 2), "V");
    EXPECT_EQ(texto(r, 2, 1), "1,5");
    EXPECT_EQ(texto(r, 2, 2), "Energía");
    EXPECT_EQ(texto(r, 3, 1), "2.5");
    EXPECT_EQ(texto(r, 3, 2), "");
    EXPECT_EQ(texto(r, 4, 1), "");
    EXPECT_EQ(texto(r, 4, 2), "-7");
}

TEST(ImportExcel, CorruptOrMissingWorkbooksFailWithoutCells) {
    for (const char* nombre : {"truncado.xls", "firma_sin_contenido.xls", "no_existe.xls"}) {
        const auto r = importarexcel(fixture(nombre));
        EXPECT_TRUE(r.fallo) << nombre;
        EXPECT_TRUE(r.celdas.empty()) << nombre;
    }
}

TEST(ImportExcel, TextFileNamedXlsFails) {
    QTemporaryDir dir;
    const QString ruta = dir.filePath("datos.xls");
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("1.5;2\r\n");
    f.close();
    EXPECT_TRUE(importarexcel(ruta).fallo);
}

TEST(HojaActivaXls, TabsOfTheFixtures) {
    const auto una = leePestanasXls(fixture("doce_puntos.xls"));
    ASSERT_TRUE(una.has_value());
    EXPECT_EQ(una->pestanaActiva, 0);
    EXPECT_EQ(una->esHojaCalculo, std::vector<bool>{true});
    const auto dos = leePestanasXls(fixture("segunda_hoja_activa.xls"));
    ASSERT_TRUE(dos.has_value());
    EXPECT_EQ(dos->pestanaActiva, 1);
    EXPECT_EQ(dos->esHojaCalculo, (std::vector<bool>{true, true}));
    EXPECT_FALSE(leePestanasXls(fixture("truncado.xls")).has_value());
    EXPECT_FALSE(leePestanasXls(fixture("firma_sin_contenido.xls")).has_value());
}

TEST(HojaActivaXls, ActiveTabMapsOntoWorksheetIndex) {
    const PestanasLibro conGrafico{2, {true, false, true}};
    EXPECT_EQ(hojaActivaEntreHojas(conGrafico, 3), 2);                    // all tabs counted
    EXPECT_EQ(hojaActivaEntreHojas(conGrafico, 2), 1);                    // chart sheets skipped
    EXPECT_EQ(hojaActivaEntreHojas({1, {true, false}}, 1), std::nullopt); // chart active
    EXPECT_EQ(hojaActivaEntreHojas({5, {true, true}}, 2), std::nullopt);  // out of range
    EXPECT_EQ(hojaActivaEntreHojas({0, {true, true}}, 7), std::nullopt);  // counts disagree
}

} // namespace
} // namespace oscilab

namespace oscilab {
namespace {

// Damaged copies of a real workbook (bytes overwritten at spread-out places, the file cut
// short at many lengths) end in a failure or a clean import, never in a crash or a hang.
TEST(ImportExcel, DamagedWorkbooksNeverCrash) {
    QFile original(fixture("segunda_hoja_activa.xls"));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = original.readAll();
    ASSERT_GT(bytes.size(), 1024);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString ruta = dir.filePath(QStringLiteral("danado.xls"));
    auto prueba = [&](const QByteArray& contenido) {
        QFile f(ruta);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(contenido);
        f.close();
        const auto r = importarexcel(ruta);
        EXPECT_TRUE(r.fallo || r.celdas.size() == 100u);
        EXPECT_LE(r.celdas.size(), 100u);
    };
    std::uint32_t semilla = 12345;
    auto aleatorio = [&semilla] {
        semilla = semilla * 1664525u + 1013904223u;
        return semilla >> 8;
    };
    for (int caso = 0; caso < 300; ++caso) {
        QByteArray danado = bytes;
        for (int k = 0; k < 8; ++k) {
            danado[aleatorio() % danado.size()] = static_cast<char>(aleatorio() & 0xFF);
        }
        prueba(danado);
    }
    for (qsizetype largo = 0; largo < bytes.size(); largo += 97) {
        prueba(bytes.left(largo));
    }
}

} // namespace
} // namespace oscilab

namespace oscilab {
namespace {

TEST(LecturaAislada, AReadingThatEndsIsReportedAsSurvived) {
    EXPECT_TRUE(lecturaTerminaSinRomperse([] {}, std::chrono::seconds(30)));
}

TEST(LecturaAislada, ACrashOrAnAbortIsReportedAndTheCallerLivesOn) {
    EXPECT_FALSE(lecturaTerminaSinRomperse([] { std::raise(SIGSEGV); }, std::chrono::seconds(30)));
    EXPECT_FALSE(lecturaTerminaSinRomperse([] { std::abort(); }, std::chrono::seconds(30)));
}

TEST(LecturaAislada, AReadingThatNeverEndsIsStopped) {
    EXPECT_FALSE(lecturaTerminaSinRomperse(
        [] {
            for (;;) {
                pause();
            }
        },
        std::chrono::milliseconds(200)));
}

TEST(LecturaAislada, TheChildsWorkDoesNotReachTheCaller) {
    int contador = 0;
    EXPECT_TRUE(lecturaTerminaSinRomperse([&contador] { ++contador; }, std::chrono::seconds(30)));
    EXPECT_EQ(contador, 0); // the reading ran in the child, not here
}

} // namespace
} // namespace oscilab
