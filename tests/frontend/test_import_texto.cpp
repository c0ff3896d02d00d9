#include "import/filas_hoja.h"
#include "import/importar_csv.h"
#include "import/importar_texto.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace oscilab {
namespace {

class ImportTexto : public ::testing::Test {
protected:
    QString fichero(const QByteArray& contenido) {
        const QString ruta = dir_.filePath(QStringLiteral("f%1.txt").arg(++n_));
        QFile f(ruta);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contenido);
        return ruta;
    }
    // Imports one line (CR LF ended) and returns the texts of row 1.
    std::pair<QString, QString> fila1(const QByteArray& linea, const QString& d) {
        const auto r = importartexto(fichero(linea + "\r\n"), d);
        EXPECT_TRUE(r.ok()) << linea.constData();
        const auto* a = r.valor().celda(1, 1);
        const auto* b = r.valor().celda(1, 2);
        return {a ? a->texto : QStringLiteral("<nada>"), b ? b->texto : QStringLiteral("<nada>")};
    }
    using Par = std::pair<QString, QString>;

    QTemporaryDir dir_;
    int n_ = 0;
};

TEST_F(ImportTexto, SpanishFilesSplitAtTheSemicolonAndKeepTheirDecimalCommas) {
    // The comma chosen, a ";" in the first point line takes its place.
    EXPECT_EQ(fila1("1,5;-0,25", ","), Par("1,5", "-0,25"));
    // A .csv of a Spanish spreadsheet: heading, ";" and decimal commas, quoted too.
    const QString csv = dir_.filePath(QStringLiteral("es.csv"));
    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("R (bohr);V (hartree)\r\n1,5;-0,25\r\n\"2,0\";\"-0,5\"\r\n");
    f.close();
    const auto r = importarcsv(csv);
    EXPECT_TRUE(r.ok()) << r.fallo().causa.toStdString();
    ASSERT_NE(r.valor().celda(2, 2), nullptr);
    EXPECT_EQ(r.valor().celda(1, 1)->texto, QStringLiteral("1,5"));
    EXPECT_EQ(r.valor().celda(2, 2)->texto, QStringLiteral("-0,5"));
    EXPECT_EQ(numeroDeTexto(u"-0,25"), -0.25);
    EXPECT_EQ(numeroDeTexto(u"1,234.5"), std::nullopt); // grouping is no decimal sign
    // A sheet without a single number says so.
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("R;V\r\na;b\r\n");
    f.close();
    EXPECT_EQ(importarcsv(csv).fallo().causa,
              QStringLiteral("Ninguna fila tiene un número en sus dos primeras columnas."));
}

TEST_F(ImportTexto, SemicolonSplitsTheTwoValues) {
    EXPECT_EQ(fila1("1.25;-0.5", ";"), Par("1.25", "-0.5"));
}

TEST_F(ImportTexto, SpaceDelimiterIgnoresRunsAndLeadingAndTrailingBlanks) {
    EXPECT_EQ(fila1("   1.25     -0.5   ", " "), Par("1.25", "-0.5"));
}

TEST_F(ImportTexto, SpaceDelimiterLeadingBlankRepeatsTheOnlyNumber) {
    EXPECT_EQ(fila1(" 1.25", " "), Par("1.25", "1.25"));
}

TEST_F(ImportTexto, SpaceDelimiterTrailingBlankGivesZero) {
    EXPECT_EQ(fila1("1.25 ", " "), Par("1.25", "0"));
}

TEST_F(ImportTexto, CommaWithEmptyFirstFieldGivesZero) {
    EXPECT_EQ(fila1(",-0.5", ","), Par("0", "-0.5"));
}

TEST_F(ImportTexto, CommaAtTheEndGivesZero) {
    EXPECT_EQ(fila1("1.25,", ","), Par("1.25", "0"));
}

TEST_F(ImportTexto, CommaEmptyMiddleFieldGivesZeroAndThirdIsIgnored) {
    EXPECT_EQ(fila1("1.25,,7", ","), Par("1.25", "0"));
}

TEST_F(ImportTexto, FieldsAfterTheSecondAreIgnored) {
    EXPECT_EQ(fila1("1.25,-0.5,9", ","), Par("1.25", "-0.5"));
}

TEST_F(ImportTexto, DecimalCommasWithCommaDelimiterSplitAtTheSemicolon) {
    EXPECT_EQ(fila1("1,25;-0,5", ","), Par("1,25", "-0,5"));
    EXPECT_EQ(fila1("1,25,-0,5", ","), Par("1", "25")); // no ";": the comma splits
}

TEST_F(ImportTexto, AHeadingWithADigitIsImportedAsText) {
    EXPECT_EQ(fila1("R1;V1", ";"), Par("R1", "V1"));
}

TEST_F(ImportTexto, DelimiterIsMatchedAsAWholeTextIgnoringCase) {
    EXPECT_EQ(fila1("1.5xY-2", "Xy"), Par("1.5", "-2"));
    const auto r = importartexto(fichero("1.5x-2\r\n"), "xy");
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.fallo().causa,
              QStringLiteral("Línea 1: «1.5x-2» no tiene dos valores separados por «xy»"));
}

TEST_F(ImportTexto, OnlyBlanksAreTrimmedNotTabs) {
    EXPECT_EQ(fila1("  1.5 ;\t2 ", ";"), Par("1.5", "\t2"));
}

TEST_F(ImportTexto, ThreeSpacesWithSpaceDelimiterGiveZeros) {
    const auto r = importartexto(fichero("1 2\r\n   \r\n"), " ");
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.valor().celda(2, 1)->texto, "0");
    EXPECT_EQ(r.valor().celda(2, 2)->texto, "0");
}

TEST_F(ImportTexto, LfOnlyFileImportsOneRowPerLine) {
    const auto r = importartexto(fichero("1.4;-1.1\n1.5;-1.2\n1.6;-1.3\n"), ";");
    EXPECT_TRUE(r.ok());
    ASSERT_EQ(r.valor().celdas.size(), 6u);
    EXPECT_EQ(r.valor().celda(1, 1)->texto, "1.4");
    EXPECT_EQ(r.valor().celda(1, 2)->texto, "-1.1");
    EXPECT_EQ(r.valor().celda(3, 1)->texto, "1.6");
    EXPECT_EQ(r.valor().celda(3, 2)->texto, "-1.3");
    EXPECT_EQ(r.valor().filasVisitadas, (std::vector<int>{1, 2, 3}));
}

TEST_F(ImportTexto, CrCrLfAndLfEachEndOneLine) {
    const auto r = importartexto(fichero("1;2\r3;4\r\n5;6\n7;8"), ";");
    EXPECT_TRUE(r.ok());
    ASSERT_EQ(r.valor().celdas.size(), 8u);
    EXPECT_EQ(r.valor().celda(2, 1)->texto, "3");
    EXPECT_EQ(r.valor().celda(2, 2)->texto, "4"); // CR LF is one line end, not two
    EXPECT_EQ(r.valor().celda(3, 2)->texto, "6");
    EXPECT_EQ(r.valor().celda(4, 1)->texto, "7");
    EXPECT_EQ(r.valor().celda(4, 2)->texto, "8");
}

TEST_F(ImportTexto, LfThenCrAreTwoLineEnds) {
    const auto r = importartexto(fichero("1;2\n\r3;4\n"), ";");
    EXPECT_FALSE(r.ok()); // the empty line between them yields no field
    EXPECT_EQ(r.fallo().causa, QStringLiteral("Línea 2: está vacía"));
}

TEST_F(ImportTexto, LfLastLineWithOrWithoutLineBreakImportsWithoutError) {
    EXPECT_TRUE(importartexto(fichero("1;2\n3;4\n"), ";").ok());
    EXPECT_TRUE(importartexto(fichero("1;2\n3;4"), ";").ok());
    EXPECT_TRUE(importartexto(fichero("1;2\r3;4\r"), ";").ok());
}

TEST_F(ImportTexto, LeadingLinesWithoutANumberAreSkipped) {
    const auto r = importartexto(fichero("\xEF\xBB\xBFR  V\r\n\r\nDistancia;Energía\r\n"
                                         "1.4;-1.1\r\n1.5;-1.2\r\n"),
                                 ";");
    EXPECT_TRUE(r.ok());
    ASSERT_EQ(r.valor().celdas.size(), 4u);
    EXPECT_EQ(r.valor().celda(1, 1)->texto, "1.4");
    EXPECT_EQ(r.valor().celda(2, 2)->texto, "-1.2");
    EXPECT_EQ(r.valor().filasVisitadas, (std::vector<int>{1, 2}));
    // Only before the points: a heading between them fails, naming its line of the file.
    const auto m = importartexto(fichero("R V\n1;2\nR V\n"), ";");
    EXPECT_FALSE(m.ok());
    EXPECT_EQ(m.fallo().causa,
              QStringLiteral("Línea 3: «R V» no tiene dos valores separados por «;»"));
}

TEST_F(ImportTexto, TabIsTheTabCharacter) {
    EXPECT_EQ(delimitadorReal(QStringLiteral("Tab")), QStringLiteral("\t"));
    EXPECT_EQ(delimitadorReal(QStringLiteral(";")), QStringLiteral(";"));
    EXPECT_EQ(fila1("1.5\t-2.25", QStringLiteral("Tab")), Par("1.5", "-2.25"));
    const auto r = importartexto(fichero("1.5 -2.25\n"), QStringLiteral("Tab"));
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.fallo().causa,
              QStringLiteral("Línea 1: «1.5 -2.25» no tiene dos valores separados por "
                             "«Tab»"));
}

TEST_F(ImportTexto, TheFailureNamesTheLineOfTheFile) {
    QByteArray contenido = "x y\n";
    for (int i = 1; i <= 501; ++i) {
        contenido += QByteArray::number(i) + ";1\n";
    }
    EXPECT_EQ(importartexto(fichero(contenido), ";").fallo().causa,
              QStringLiteral("Línea 502: la tabla admite 500 puntos como máximo"));
    EXPECT_EQ(importartexto(fichero("1;2\n\n"), ";").fallo().causa,
              QStringLiteral("Línea 2: está vacía"));
}

TEST_F(ImportTexto, LfTrailingBlankLineFailsAfterTheEarlierLines) {
    const auto r = importartexto(fichero("1;2\n3;4\n\n"), ";");
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.fallo().causa, QStringLiteral("Línea 3: está vacía"));
}

TEST_F(ImportTexto, LfMoreLinesThanRowsFailAtTheFirstOneOver) {
    QByteArray contenido;
    for (int i = 1; i <= 510; ++i) {
        contenido += QByteArray::number(i) + " " + QByteArray::number(-i) + "\n";
    }
    const auto r = importartexto(fichero(contenido), " ");
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.fallo().causa, QStringLiteral("Línea 501: la tabla admite 500 puntos como máximo"));
}

TEST_F(ImportTexto, RowsAreWrittenInFileOrderRForEachRowFirst) {
    const auto r = importartexto(fichero("1;2\r\n3;4\r\n"), ";");
    const std::vector<CeldaImportada> esperadas{{1, 1, "1"}, {1, 2, "2"}, {2, 1, "3"}, {2, 2, "4"}};
    EXPECT_EQ(r.valor().celdas, esperadas);
    EXPECT_EQ(r.valor().filasVisitadas, (std::vector<int>{1, 2}));
}

TEST_F(ImportTexto, LastLineWithOrWithoutLineBreakImportsWithoutError) {
    EXPECT_TRUE(importartexto(fichero("1;2\r\n3;4\r\n"), ";").ok());
    EXPECT_TRUE(importartexto(fichero("1;2\r\n3;4"), ";").ok());
}

TEST_F(ImportTexto, TrailingBlankLineFailsAfterTheEarlierLines) {
    const auto r = importartexto(fichero("1;2\r\n3;4\r\n\r\n"), ";");
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.fallo().causa, QStringLiteral("Línea 3: está vacía"));
}

TEST_F(ImportTexto, MoreLinesThanRowsFailAtTheFirstOneOver) {
    QByteArray contenido;
    for (int i = 1; i <= 510; ++i) {
        contenido += QByteArray::number(i) + ";" + QByteArray::number(-i) + "\r\n";
    }
    const auto r = importartexto(fichero(contenido), ";");
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.fallo().causa, QStringLiteral("Línea 501: la tabla admite 500 puntos como máximo"));
}

TEST_F(ImportTexto, FiveHundredLinesAreTheMostThatImportCleanly) {
    QByteArray contenido;
    for (int i = 1; i <= 500; ++i) {
        contenido += QByteArray::number(i) + ";1\r\n";
    }
    EXPECT_TRUE(importartexto(fichero(contenido), ";").ok());
}

TEST_F(ImportTexto, LineWithoutTheDelimiterFailsNamingIt) {
    const auto r = importartexto(fichero("1;2\r\n3 4\r\n5;6\r\n"), ";");
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.fallo().causa,
              QStringLiteral("Línea 2: «3 4» no tiene dos valores separados por «;»"));
}

TEST_F(ImportTexto, EmptyDelimiterFailsOnTheFirstLine) {
    const auto r = importartexto(fichero("1;2\r\n"), "");
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.fallo().causa.startsWith(QStringLiteral("Línea 1: ")));
}

TEST_F(ImportTexto, EmptyFileImportsNothingWithoutError) {
    const auto r = importartexto(fichero(""), ";");
    EXPECT_TRUE(r.ok());
    EXPECT_TRUE(r.valor().celdas.empty());
}

TEST_F(ImportTexto, MissingFileFailsWithTheSystemsWords) {
    const auto r = importartexto(dir_.filePath("no_existe.txt"), ";");
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.fallo().mensaje, QStringLiteral("Se ha producido un error al abrir el archivo"));
    EXPECT_FALSE(r.fallo().sistema.isEmpty());
}

TEST_F(ImportTexto, Latin1AndUtf8AccentsAreBothKept) {
    EXPECT_EQ(fila1("1 Distancia;Energ\xC3\xAD"
                    "a",
                    ";"),
              Par("1 Distancia", "Energía"));
    EXPECT_EQ(fila1("1 Distancia;Energ\xED"
                    "a",
                    ";"),
              Par("1 Distancia", "Energía"));
}

TEST_F(ImportTexto, Utf8ByteOrderMarkIsDropped) {
    EXPECT_EQ(fila1("\xEF\xBB\xBF"
                    "1.5;2",
                    ";"),
              Par("1.5", "2"));
}

TEST_F(ImportTexto, BinaryFileWithoutLineEndsFailsWithoutHanging) {
    QByteArray basura;
    for (int i = 0; i < 300000; ++i) {
        const char c = static_cast<char>((i * 131) % 256);
        basura += c == '\r' || c == '\n' ? 'x' : c;
    }
    const auto r = importartexto(fichero(basura), ";");
    EXPECT_FALSE(r.ok());
}

TEST_F(ImportTexto, HugeFileStopsAtTheLinePastTheTable) {
    QByteArray linea(1000, 'x');
    linea += ";1\r\n";
    QByteArray contenido;
    for (int i = 0; i < 5000; ++i) {
        contenido += linea;
    }
    const auto r = importartexto(fichero(contenido), ";");
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.fallo().causa, QStringLiteral("Línea 501: la tabla admite 500 puntos como máximo"));
}

TEST(CamposDeLinea, EmptyLineYieldsNoField) {
    EXPECT_FALSE(camposDeLinea("", ";").has_value());
}

TEST(CamposDeLinea, BlankOnlyFieldIsTrimmedToEmptyNotZero) {
    const auto c = camposDeLinea(" ;5", ";");
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->r, "");
    EXPECT_EQ(c->v, QString("5"));
}

} // namespace
} // namespace oscilab
