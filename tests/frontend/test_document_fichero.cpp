#include "modelo/fichero_datos.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace oscilab {

namespace {

ContenidoFichero documentoDePrueba() {
    ContenidoFichero c;
    c.titulo = QStringLiteral("H2_prueba");
    c.lineaPotencias = QStringLiteral("0 1 2 3 4");
    c.masa1 = QStringLiteral("1.0079");
    c.masa2 = QStringLiteral("1.0079");
    c.puntos = {{QStringLiteral("1"), QStringLiteral("-1.1")},
                {QStringLiteral("1.5"), QStringLiteral("-1.17")}};
    return c;
}

FicheroLeido lee(const QByteArray& bytes) {
    char caracteractual = '\0';
    return leeFicheroDatos(bytes, caracteractual);
}

QByteArray leeBytes(const QString& ruta) {
    QFile f(ruta);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << ruta.toStdString();
    return f.readAll();
}

// Rebuilds the contents of a file from what a load obtained.
ContenidoFichero contenidoDe(const FicheroLeido& l) {
    ContenidoFichero c;
    c.titulo = l.titulo.value_or(QString());
    QStringList potencias;
    for (int p : l.potencias.value_or(std::vector<int>{})) {
        potencias << QString::number(p);
    }
    c.lineaPotencias = potencias.join(QLatin1Char(' '));
    c.masa1 = l.masas.at(0);
    c.masa2 = l.masas.at(1);
    c.distanciaUA = esUnidadAtomica(l.unidades.at(0));
    c.energiaUA = esUnidadAtomica(l.unidades.at(1));
    for (std::size_t i = 0; i + 1 < l.celdas.size(); i += 2) {
        c.puntos.push_back({l.celdas[i], l.celdas[i + 1]});
    }
    return c;
}

} // namespace

TEST(FicheroDatos, DefaultDocumentByteForByte) {
    const QByteArray esperado = "H2_prueba\r\n"
                                "0 1 2 3 4 \r\n"
                                "1.0079   1.0079\r\n"
                                "UA   UA\r\n"
                                "1   -1.1\r\n"
                                "1.5   -1.17\r\n";
    EXPECT_EQ(bytesFicheroDatos(documentoDePrueba()), esperado);
}

TEST(FicheroDatos, PowersMinusOneToTwoAngstromAndEv) {
    ContenidoFichero c = documentoDePrueba();
    TablaPotencias potencias{};
    for (int p : {-1, 0, 1, 2}) {
        dePotencia(potencias, p) = 1;
    }
    EXPECT_EQ(textoPotencias(potencias), QStringLiteral(" -1 0 1 2"));
    c.lineaPotencias = sinBlancosIniciales(textoPotencias(potencias));
    c.distanciaUA = false;
    c.energiaUA = false;
    c.puntos.clear();
    EXPECT_EQ(bytesFicheroDatos(c), QByteArray("H2_prueba\r\n-1 0 1 2 \r\n1.0079   1.0079\r\n"
                                               "Angstrom   eV\r\n"));
}

TEST(FicheroDatos, AllThirtyPowersReadBackWithMassesAndUnitsInPlace) {
    ContenidoFichero c = documentoDePrueba();
    TablaPotencias todas{};
    todas.fill(1);
    c.lineaPotencias = sinBlancosIniciales(textoPotencias(todas));
    c.masa2 = QStringLiteral("18.998");
    c.distanciaUA = false;
    const FicheroLeido l = lee(bytesFicheroDatos(c));
    ASSERT_TRUE(l.potencias && l.masas.size() == 2 && l.unidades.size() == 2);
    EXPECT_EQ(l.potencias->size(), static_cast<std::size_t>(numPotencias));
    EXPECT_EQ(l.masas, (std::vector<QString>{c.masa1, c.masa2}));
    EXPECT_FALSE(esUnidadAtomica(l.unidades.at(0)));
    EXPECT_EQ(bytesFicheroDatos(contenidoDe(l)), bytesFicheroDatos(c));
}

TEST(FicheroDatos, NoPowersWriteASingleBlankAndTitleIsLatin1) {
    ContenidoFichero c = documentoDePrueba();
    c.titulo = QStringLiteral("Óxido ñ");
    c.lineaPotencias = sinBlancosIniciales(textoPotencias({}));
    const QByteArray bytes = bytesFicheroDatos(c);
    EXPECT_TRUE(bytes.startsWith("\xD3xido \xF1\r\n \r\n"));
    const FicheroLeido l = lee(bytes);
    EXPECT_EQ(l.titulo, QStringLiteral("Óxido ñ"));
    ASSERT_TRUE(l.potencias.has_value());
    EXPECT_TRUE(l.potencias->empty());
    EXPECT_EQ(l.masas, (std::vector<QString>{"1.0079", "1.0079"}));
}

TEST(FicheroDatos, ExampleDocumentsReadAndWriteBackIdentically) {
    for (const char* nombre : {"H2.qvd", "HF.qvd", "HF2.qvd", "CO.qvd", "CO2.qvd"}) {
        const QByteArray original =
            leeBytes(QStringLiteral(OSCILAB_SOURCE_DIR "/datos/") + QLatin1String(nombre));
        const FicheroLeido l = lee(original);
        EXPECT_EQ(bytesFicheroDatos(contenidoDe(l)), original) << nombre;
        EXPECT_GE(l.celdas.size(), 28u) << nombre;
    }
}

TEST(FicheroDatos, H2ExampleHasTheLayoutTheEngineReads) {
    const FicheroLeido l = lee(leeBytes(QStringLiteral(OSCILAB_SOURCE_DIR "/datos/H2.qvd")));
    EXPECT_EQ(*l.potencias, (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(l.unidades, (std::vector<QString>{"UA", "UA"}));
    EXPECT_EQ(l.celdas.at(0), QStringLiteral("1.0"));
    EXPECT_EQ(l.celdas.at(1), QStringLiteral("-1.1290315042"));
}

TEST(FicheroDatos, AtomicWriteCreatesAndReplaces) {
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("a.qvd"));
    ASSERT_TRUE(escribeFicheroDatos(ruta, documentoDePrueba()).ok());
    EXPECT_EQ(leeBytes(ruta), bytesFicheroDatos(documentoDePrueba()));
    ContenidoFichero otro = documentoDePrueba();
    otro.puntos.pop_back();
    ASSERT_TRUE(escribeFicheroDatos(ruta, otro).ok());
    EXPECT_EQ(leeBytes(ruta), bytesFicheroDatos(otro));
    // Only the file itself remains: no temporary left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.qvd")});
}

TEST(FicheroDatos, FailedWriteLeavesThePreviousFileIntact) {
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("a.qvd"));
    ASSERT_TRUE(escribeFicheroDatos(ruta, documentoDePrueba()).ok());
    // The system's own words say why, for the window to show under its message.
    const auto sinCarpeta =
        escribeFicheroDatos(dir.filePath(QStringLiteral("no/existe/b.qvd")), documentoDePrueba());
    ASSERT_FALSE(sinCarpeta.ok());
    EXPECT_FALSE(sinCarpeta.fallo().sistema.isEmpty());
    // A path that is a folder cannot be replaced by a file.
    QDir(dir.path()).mkdir(QStringLiteral("carpeta.qvd"));
    EXPECT_FALSE(
        escribeFicheroDatos(dir.filePath(QStringLiteral("carpeta.qvd")), documentoDePrueba()).ok());
    EXPECT_EQ(leeBytes(ruta), bytesFicheroDatos(documentoDePrueba()));
}

TEST(Leepalabra, MultipleBlanksBetweenAndBeforeWords) {
    char actual = '\0';
    const QByteArray bytes = "a    b\r\n   c  d \r\ne";
    LectorPalabras lector(bytes, actual);
    QStringList palabras;
    QList<FinPalabra> fines;
    while (auto p = lector.leepalabra()) {
        palabras << p->texto;
        fines << p->fin;
    }
    EXPECT_EQ(palabras, (QStringList{"a", "b", "c", "d", "", "e"}));
    EXPECT_EQ(fines, (QList<FinPalabra>{FinPalabra::Blanco, FinPalabra::FinLinea,
                                        FinPalabra::Blanco, FinPalabra::Blanco,
                                        FinPalabra::FinLinea, FinPalabra::FinFichero}));
}

TEST(Leepalabra, LookAheadCarriesOverBetweenFiles) {
    char actual = '\0';
    const QByteArray primero = "x ";
    LectorPalabras uno(primero, actual);
    EXPECT_EQ(uno.leepalabra()->texto, QStringLiteral("x"));
    EXPECT_EQ(actual, ' ');
    // The blank left over makes the next file's reader skip blanks first: same words.
    const QByteArray segundo = "  y z\r\n";
    LectorPalabras dos(segundo, actual);
    EXPECT_EQ(dos.leepalabra()->texto, QStringLiteral("y"));
    EXPECT_EQ(dos.leepalabra()->texto, QStringLiteral("z"));
    EXPECT_FALSE(dos.leepalabra().has_value());
}

TEST(LeeFichero, LineFeedOnlyFilesLoadLikeCrLf) {
    QByteArray crlf = bytesFicheroDatos(documentoDePrueba());
    QByteArray lf = crlf;
    lf.replace("\r\n", "\n");
    const FicheroLeido a = lee(crlf);
    const FicheroLeido b = lee(lf);
    EXPECT_EQ(a.titulo, b.titulo);
    EXPECT_EQ(a.potencias, b.potencias);
    EXPECT_EQ(a.masas, b.masas);
    EXPECT_EQ(a.unidades, b.unidades);
    EXPECT_EQ(a.celdas, b.celdas);
    EXPECT_EQ(b.celdas, (std::vector<QString>{"1", "-1.1", "1.5", "-1.17"}));
}

TEST(LeeFichero, PowersLineWithoutTrailingBlankEndsAtItsLineEnd) {
    const FicheroLeido l = lee("t\r\n0 1 2\r\n12.011   15.999\r\nua   eV\r\n1   2\r\n");
    EXPECT_EQ(*l.potencias, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(l.masas, (std::vector<QString>{"12.011", "15.999"}));
    EXPECT_EQ(l.unidades, (std::vector<QString>{"ua", "eV"}));
    EXPECT_TRUE(esUnidadAtomica(l.unidades[0]));
    EXPECT_FALSE(esUnidadAtomica(l.unidades[1]));
    EXPECT_FALSE(esUnidadAtomica(QStringLiteral("Ua")));
    EXPECT_EQ(l.celdas, (std::vector<QString>{"1", "2"}));
}

TEST(LeeFichero, DoubleBlanksOnThePowersLineAreSkipped) {
    const FicheroLeido l = lee("t\r\n -2  0 14 \r\n1 2\r\nUA UA\r\n");
    EXPECT_EQ(*l.potencias, (std::vector<int>{-2, 0, 14}));
    EXPECT_EQ(l.unidades.size(), 2u);
    EXPECT_TRUE(l.celdas.empty());
}

TEST(LeeFichero, BlanksAtTheStartOfALineMakeNoEmptyWord) {
    // A mass typed with a leading blank is written as it is; reading it back must not shift
    // every later word by one.
    char actual = '\r'; // as a previous file leaves it
    const FicheroLeido l =
        leeFicheroDatos(" t\r\n \r\n 1.0079   2\r\nUA   eV\r\n  1   -1\r\n", actual);
    EXPECT_EQ(l.titulo, QStringLiteral(" t"));
    EXPECT_TRUE(l.potencias->empty());
    EXPECT_EQ(l.masas, (std::vector<QString>{"1.0079", "2"}));
    EXPECT_EQ(l.unidades, (std::vector<QString>{"UA", "eV"}));
    EXPECT_EQ(l.celdas, (std::vector<QString>{"1", "-1"}));
}

TEST(LeeFichero, FewerThanFiftyPointsAndAMissingLastLineEnd) {
    const FicheroLeido l = lee("t\r\n0 \r\n1 2\r\nUA   UA\r\n1   -1\r\n2   -0.5");
    EXPECT_EQ(l.celdas, (std::vector<QString>{"1", "-1", "2", "-0.5"}));
}

TEST(LeeFichero, MorePointLinesThanTheTableHoldsStopThere) {
    QByteArray bytes = "t\r\n0 \r\n1 2\r\nUA   UA\r\n";
    for (int i = 1; i <= puntosMaximos + 5; ++i) {
        bytes += QByteArray::number(i) + "   -1\r\n";
    }
    const FicheroLeido l = lee(bytes);
    ASSERT_EQ(l.celdas.size(), 2u * puntosMaximos);
    EXPECT_EQ(l.celdas[2 * puntosMaximos - 2], QString::number(puntosMaximos));
    EXPECT_EQ(l.puntosEnFichero, puntosMaximos + 5);
}

TEST(LeeFichero, ShortAndBrokenFilesKeepWhatWasRead) {
    EXPECT_FALSE(lee("").titulo.has_value());
    const FicheroLeido soloTitulo = lee("solo\r\n");
    EXPECT_EQ(soloTitulo.titulo, QStringLiteral("solo"));
    ASSERT_TRUE(soloTitulo.potencias.has_value());
    EXPECT_TRUE(soloTitulo.potencias->empty());
    EXPECT_TRUE(soloTitulo.masas.empty());
    // A power that is not an integer in -15..14 stops the load after the ones before it.
    const FicheroLeido malo = lee("t\r\n0 1 15 2 \r\n1 2\r\n");
    EXPECT_EQ(*malo.potencias, (std::vector<int>{0, 1}));
    EXPECT_TRUE(malo.masas.empty());
    const FicheroLeido letra = lee("t\r\n0 x \r\n1 2\r\n");
    EXPECT_EQ(*letra.potencias, (std::vector<int>{0}));
}

TEST(LeeFichero, TitleIsTheWholeFirstLine) {
    EXPECT_EQ(lee("  H2, estado\r\n0 \r\n").titulo, QStringLiteral("  H2, estado"));
    EXPECT_EQ(lee("\"H2, estado\" resto\r\n0 \r\n").titulo, QStringLiteral("\"H2, estado\" resto"));
    // The rest of the title line does not spill into the powers.
    EXPECT_EQ(*lee("H2, 7 8\r\n0 1 \r\n").potencias, (std::vector<int>{0, 1}));
}

TEST(LeeFichero, RoundTripOfAWrittenDocument) {
    ContenidoFichero c = documentoDePrueba();
    c.lineaPotencias = QStringLiteral("-15 -1 0 14");
    c.energiaUA = false;
    for (int i = 0; i < 48; ++i) {
        c.puntos.push_back({QString::number(2 + i * 0.1), QStringLiteral("-1E-05")});
    }
    const FicheroLeido l = lee(bytesFicheroDatos(c));
    EXPECT_EQ(*l.potencias, (std::vector<int>{-15, -1, 0, 14}));
    const ContenidoFichero vuelta = contenidoDe(l);
    EXPECT_EQ(bytesFicheroDatos(vuelta), bytesFicheroDatos(c));
}

} // namespace oscilab
