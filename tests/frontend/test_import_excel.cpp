#include "document/textos_numero.h"
#include "import/hoja_activa_xls.h"
#include "import/importar_excel.h"

#include <QFile>
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
