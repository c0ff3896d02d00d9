#include "compartido/dimensiones.h"
#include "import/filas_hoja.h"
#include "import/importacion.h"
#include "import/importar_csv.h"
#include "import/importar_ods.h"
#include "import/importar_texto.h"
#include "import/importar_xlsx.h"
#include "support/guiones.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <limits>

#include <sys/stat.h>

namespace oscilab {
namespace {

QString fixture(const QString& nombre) {
    return QStringLiteral(OSCILAB_SOURCE_DIR "/tests/frontend/fixtures/") + nombre;
}

QString texto(const ResultadoImportacion& r, int fila, int columna) {
    const auto* c = r.valor().celda(fila, columna);
    return c != nullptr ? c->texto : QStringLiteral("<nada>");
}

// The workbook holds the points of doce_puntos.txt under a title and a heading, on its
// active second sheet; the values must be the very numbers the text import reads.
void mismosPuntosQueElTexto(const ResultadoImportacion& hoja) {
    const ResultadoImportacion txt =
        importartexto(fixture(QStringLiteral("doce_puntos.txt")), QStringLiteral(";"));
    ASSERT_TRUE(txt.ok());
    ASSERT_TRUE(hoja.ok());
    ASSERT_EQ(hoja.valor().celdas.size(), 1000u);
    for (int fila = 1; fila <= 12; ++fila) {
        for (int columna = 1; columna <= 2; ++columna) {
            const auto esperado = numeroDeTexto(texto(txt, fila, columna));
            ASSERT_TRUE(esperado.has_value());
            EXPECT_EQ(numeroDeTexto(texto(hoja, fila, columna)), esperado)
                << fila << "," << columna << ": " << texto(hoja, fila, columna).toStdString();
        }
    }
    for (int fila = 13; fila <= 50; ++fila) {
        EXPECT_EQ(texto(hoja, fila, 1), "") << fila;
        EXPECT_EQ(texto(hoja, fila, 2), "") << fila;
    }
}

TEST(ImportHojas, XlsxWrittenByOpenpyxlGivesTheTextFilesPoints) {
    mismosPuntosQueElTexto(importarxlsx(fixture(QStringLiteral("doce_puntos.xlsx"))));
}

TEST(ImportHojas, XlsxWithSharedStringsGivesTheSamePoints) {
    mismosPuntosQueElTexto(importarxlsx(fixture(QStringLiteral("cadenas_compartidas.xlsx"))));
}

TEST(ImportHojas, OdsWithRepeatedRowsAndCellsGivesTheSamePoints) {
    mismosPuntosQueElTexto(importarods(fixture(QStringLiteral("doce_puntos.ods"))));
}

TEST(ImportHojas, CsvWithTitleAndQuotedHeadingGivesTheSamePoints) {
    mismosPuntosQueElTexto(importarcsv(fixture(QStringLiteral("doce_puntos.csv"))));
}

TEST(ImportHojas, NumbersTakeTheGeneralTextFormOfTheXlsImport) {
    const auto r = importarods(fixture(QStringLiteral("doce_puntos.ods")));
    EXPECT_EQ(texto(r, 1, 1), "0.8");
    EXPECT_EQ(texto(r, 11, 2), "1E-05");
    EXPECT_EQ(texto(r, 12, 2), "1.5E+20");
}

TEST(ImportHojas, TheCommandReadsEachFormatByItsExtension) {
    for (const char* nombre : {"doce_puntos.xlsx", "doce_puntos.ods", "doce_puntos.csv"}) {
        const auto r = leeImportacion(OrigenImportacion::Texto,
                                      fixture(QString::fromLatin1(nombre)), QStringLiteral(","));
        EXPECT_TRUE(r.ok()) << nombre;
        EXPECT_EQ(texto(r, 1, 1), "0.8") << nombre;
    }
}

FilaHoja fila(const char* a, const char* b) {
    return {QString::fromLatin1(a), QString::fromLatin1(b)};
}

TEST(ColectorFilas, SkipsLeadingRowsWithoutANumberAndKeepsEmptyRowsBetweenPoints) {
    ColectorFilas c;
    EXPECT_TRUE(c.anade(fila("Curva", "")));
    EXPECT_TRUE(c.anade(fila("", ""), 3));
    EXPECT_TRUE(c.anade(fila("R", "V")));
    EXPECT_FALSE(c.hayPuntos());
    EXPECT_TRUE(c.anade(fila("1.5", "x")));
    EXPECT_TRUE(c.anade(fila("", ""), 2));
    EXPECT_TRUE(c.anade(fila("2", "-1")));
    EXPECT_TRUE(c.anade(fila("", ""), std::numeric_limits<qint64>::max()));
    const auto r = c.resultado();
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(texto(r, 1, 2), "x");
    EXPECT_EQ(texto(r, 2, 1), "");
    EXPECT_EQ(texto(r, 4, 1), "2");
    EXPECT_EQ(r.valor().celdas.size(), 1000u);
}

TEST(ColectorFilas, ARowPastTheTableFails) {
    ColectorFilas c;
    // A huge repeat count is taken without materialising the rows.
    EXPECT_FALSE(c.anade(fila("1", "2"), std::numeric_limits<qint64>::max()));
    const auto r = c.resultado();
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.fallo().texto(), QStringLiteral("Se ha producido un error al abrir el archivo\n"
                                                "Hay más de 500 puntos: la tabla admite 500."));
}

TEST(ColectorFilas, ASheetWithoutNumbersFailsWithNothingWritten) {
    ColectorFilas c;
    c.anade(fila("R", "V"));
    c.anade(fila("1,5,2", "nan")); // two commas: no decimal sign
    const auto r = c.resultado();
    EXPECT_FALSE(r.ok());
}

// The main window's table as the import command sees it: counts what reaches it.
class TablaContada : public DestinoImportacion {
public:
    Resultado<void> unidadesElegidas() const override { return {}; }
    void escribeCelda(int, int, const QString&) override { ++escritas; }
    Resultado<void> documentoCambiado() override {
        cambiado = true;
        return {};
    }
    int escritas = 0;
    bool cambiado = false;
};

TEST(ImportHojas, EveryDamagedWorkbookGivesTheImportErrorAndNothingElse) {
    const QDir corpus(fixture(QStringLiteral("danados")));
    const QStringList ficheros = corpus.entryList(QDir::Files, QDir::Name);
    ASSERT_GE(ficheros.size(), 20);
    for (const QString& nombre : ficheros) {
        prueba::MensajesGuionizados mensajes;
        prueba::DialogosGuionizados dialogos;
        dialogos.elegir(corpus.filePath(nombre));
        TablaContada tabla;
        importarDatos(nullptr, OrigenImportacion::Excel, QStringLiteral("/prog/"),
                      QStringLiteral(","), tabla);
        // The message names the cause (a part, a row) after the common first line.
        ASSERT_EQ(mensajes.textos().size(), 1) << nombre.toStdString();
        EXPECT_TRUE(mensajes.textos()[0].startsWith(mensajeErrorImportacion() + u'\n'))
            << nombre.toStdString() << ": " << mensajes.textos()[0].toStdString();
        EXPECT_GT(mensajes.textos()[0].size(), mensajeErrorImportacion().size() + 10)
            << nombre.toStdString();
        EXPECT_EQ(tabla.escritas, 0) << nombre.toStdString();
        EXPECT_FALSE(tabla.cambiado) << nombre.toStdString();
    }
}

// Too many points fail alike in every format, and the table is left as it was.
TEST(ImportHojas, OnePointMoreThanTheTableHoldsWritesNothingInAnyFormat) {
    QTemporaryDir carpeta;
    QByteArray puntos;
    for (int i = 1; i <= puntosMaximos + 1; ++i) {
        puntos += QByteArray::number(i) + ",-1\r\n";
    }
    const QString csv = carpeta.filePath(QStringLiteral("muchos.csv"));
    const QString txt = carpeta.filePath(QStringLiteral("muchos.txt"));
    for (const QString& ruta : {csv, txt}) {
        QFile f(ruta);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(puntos);
    }
    for (const QString& ruta : {csv, txt}) {
        prueba::MensajesGuionizados mensajes;
        TablaContada tabla;
        importarFicheroDado(nullptr, OrigenImportacion::Texto, ruta, QStringLiteral(","), tabla);
        ASSERT_EQ(mensajes.textos().size(), 1) << ruta.toStdString();
        EXPECT_TRUE(mensajes.textos()[0].startsWith(mensajeErrorImportacion()));
        EXPECT_EQ(tabla.escritas, 0) << ruta.toStdString();
        EXPECT_FALSE(tabla.cambiado);
    }
}

// A FIFO would block the window for ever: every format refuses it before opening it.
TEST(ImportHojas, EveryFormatRefusesAFifoOrAFolderWithItsCause) {
    QTemporaryDir carpeta;
    for (const char* extension : {"csv", "xlsx", "ods", "txt", "xls"}) {
        const QString fifo = carpeta.filePath(QStringLiteral("tuberia.") + extension);
        ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString dir = carpeta.filePath(QStringLiteral("carpeta.") + extension);
        ASSERT_TRUE(QDir().mkdir(dir));
        for (const QString& ruta : {fifo, dir}) {
            for (auto origen : {OrigenImportacion::Texto, OrigenImportacion::Excel}) {
                prueba::MensajesGuionizados mensajes;
                TablaContada tabla;
                importarFicheroDado(nullptr, origen, ruta, QStringLiteral(","), tabla);
                ASSERT_EQ(mensajes.textos().size(), 1) << ruta.toStdString();
                EXPECT_TRUE(
                    mensajes.textos()[0].contains(QStringLiteral("no es un archivo normal")))
                    << mensajes.textos()[0].toStdString();
                EXPECT_EQ(tabla.escritas, 0);
                EXPECT_FALSE(tabla.cambiado);
            }
        }
    }
}

} // namespace
} // namespace oscilab
