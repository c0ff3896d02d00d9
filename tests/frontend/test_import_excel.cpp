#include "compartido/textos_numero.h"
#include "compartido/dimensiones.h"
#include "import/importar_excel.h"
#include "import/lector_xls.h"

#include <QApplication>
#include <QFile>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace oscilab {
namespace {

QString fixture(const char* nombre) {
    return QStringLiteral(OSCILAB_SOURCE_DIR "/tests/frontend/fixtures/") + nombre;
}

QString texto(const ResultadoImportacion& r, int fila, int columna) {
    const auto* c = r.valor().celda(fila, columna);
    return c != nullptr ? c->texto : QStringLiteral("<nada>");
}

TEST(ImportExcel, TwelvePointsFillRowsOneToTwelveAndEmptyTheRest) {
    const auto r = importarexcel(fixture("doce_puntos.xls"));
    ASSERT_TRUE(r.ok());
    ASSERT_EQ(r.valor().celdas.size(), 2u * puntosMaximos);
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
    ASSERT_EQ(r.valor().celdas.size(), 2u * puntosMaximos);
    for (std::size_t i = 0; i < r.valor().celdas.size(); ++i) {
        EXPECT_EQ(r.valor().celdas[i].fila, static_cast<int>(i / 2) + 1);
        EXPECT_EQ(r.valor().celdas[i].columna, static_cast<int>(i % 2) + 1);
    }
}

TEST(ImportExcel, TheActiveSecondSheetIsTheOneRead) {
    const auto r = importarexcel(fixture("segunda_hoja_activa.xls"));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(texto(r, 1, 1), "0.8");
    EXPECT_EQ(texto(r, 3, 2), "-1.1647");
    EXPECT_EQ(texto(r, 4, 1), ""); // the first sheet has 99 down to row 30
    EXPECT_EQ(texto(r, 30, 2), "");
}

TEST(ImportExcel, TextCellsAreTakenAsTheyStandAndEmptyCellsAreEmpty) {
    const auto r = importarexcel(fixture("celdas_de_texto.xls"));
    ASSERT_TRUE(r.ok());
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
        EXPECT_FALSE(r.ok()) << nombre;
    }
}

TEST(ImportExcel, TextFileNamedXlsFails) {
    QTemporaryDir dir;
    const QString ruta = dir.filePath("datos.xls");
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("1.5;2\r\n");
    f.close();
    EXPECT_FALSE(importarexcel(ruta).ok());
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
        EXPECT_TRUE(!r.ok() || r.valor().celdas.size() == 2u * puntosMaximos);
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

QByteArray bytesDe(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString escribe(const QTemporaryDir& dir, const QString& nombre, const QByteArray& bytes,
                bool ejecutable = false) {
    const QString ruta = dir.filePath(nombre);
    QFile f(ruta);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
    f.close();
    if (ejecutable) {
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
    }
    return ruta;
}

// A byte that sends FreeXL 1.0.6 into an over-read of the stack through iconv: it is read
// by the helper only, and the import ends in its error or in a whole table, never a crash.
TEST(ImportExcel, TheWorkbookThatOverReadsFreexlIsReadOnlyByTheHelper) {
    QByteArray bytes = bytesDe(fixture("segunda_hoja_activa.xls"));
    ASSERT_GT(bytes.size(), 0x1441);
    ASSERT_EQ(bytes[0x1441], '\x00');
    bytes[0x1441] = '\x68';
    QTemporaryDir dir;
    const auto r = importarexcel(escribe(dir, "danado.xls", bytes));
    EXPECT_TRUE(!r.ok() || r.valor().celdas.size() == 2u * puntosMaximos);
    // FreeXL is not even loaded into this process.
    EXPECT_FALSE(bytesDe(QStringLiteral("/proc/self/maps")).contains("libfreexl"));
}

// Whatever the reader process does besides its documented output is the import's error.
TEST(ImportExcel, AReaderThatCrashesHangsOrBabblesIsAFailureWithoutCells) {
    QTemporaryDir dir;
    const QString libro = fixture("doce_puntos.xls");
    const char* guiones[] = {
        "#!/bin/sh\nkill -SEGV $$\n",
        "#!/bin/sh\necho '1 1 real 2.5'\necho 'fin completa'\nexit 0\n",
        "#!/bin/sh\necho '1 1 real 2.5'\necho 'fin incompleta'\nexit 7\n",
        "#!/bin/sh\necho 'basura'\nexit 1\n",
    };
    int n = 0;
    for (const char* guion : guiones) {
        const QString programa = escribe(dir, QStringLiteral("lector%1.sh").arg(n++), guion, true);
        const auto r = importarexcel(libro, programa);
        EXPECT_FALSE(r.ok()) << guion;
        EXPECT_TRUE(r.fallo().causa.contains(QStringLiteral("lector de libros .xls"))) << guion;
    }
    const auto sinPrograma = importarexcel(libro, dir.filePath("no_existe"));
    EXPECT_FALSE(sinPrograma.ok());
    EXPECT_TRUE(sinPrograma.fallo().causa.contains(QStringLiteral("No se puede iniciar")));
}

TEST(ImportExcel, AWorkbookReadHalfWayFailsNamingTheFirstCellNotRead) {
    QTemporaryDir dir;
    const QString programa = escribe(
        dir, "lector.sh",
        "#!/bin/sh\nprintf '1 1 real 0.5\\n1 2 texto a\\\\\\\\b\\nfin incompleta\\n'\nexit 1\n",
        true);
    const auto r = importarexcel(fixture("doce_puntos.xls"), programa);
    // All or nothing: no cell of it is written, and the cause names the first one not read.
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.fallo().causa.contains(QStringLiteral("La celda A2 ")))
        << r.fallo().causa.toStdString();
}

// The window's reading goes through the launcher and says the same as the waiting one, for
// workbooks, damaged workbooks and misbehaving readers alike.
TEST(ImportExcelSinBloquear, SaysWhatTheWaitingReadingSays) {
    QTemporaryDir dir;
    std::vector<std::pair<QString, QString>> casos; // workbook, reader
    for (const char* libro : {"doce_puntos.xls", "segunda_hoja_activa.xls", "truncado.xls"}) {
        casos.emplace_back(fixture(libro), programaLeexls());
    }
    const char* guiones[] = {"#!/bin/sh\nkill -SEGV $$\n",
                             "#!/bin/sh\nprintf '1 1 real 0.5\\nfin incompleta\\n'\nexit 1\n",
                             "#!/bin/sh\necho 'basura'\nexit 1\n"};
    int n = 0;
    for (const char* guion : guiones) {
        casos.emplace_back(fixture("doce_puntos.xls"),
                           escribe(dir, QStringLiteral("lector%1.sh").arg(n++), guion, true));
    }
    casos.emplace_back(fixture("doce_puntos.xls"), dir.filePath("no_existe"));
    for (const auto& [libro, programa] : casos) {
        const ResultadoImportacion esperado = importarexcel(libro, programa);
        const ResultadoImportacion r = leeXlsSinBloquear(nullptr, libro, programa);
        ASSERT_EQ(r.ok(), esperado.ok()) << programa.toStdString();
        EXPECT_EQ(r.fallo(), esperado.fallo()) << programa.toStdString();
        if (r.ok()) {
            EXPECT_EQ(r.valor().celdas, esperado.valor().celdas) << programa.toStdString();
        }
    }
}

// A slow reader: the progress dialog shows, and "Detener" stops it with its own message.
TEST(ImportExcelSinBloquear, TheProgressDialogStopsASlowReader) {
    QTemporaryDir dir;
    const QString lento = escribe(dir, "lento.sh", "#!/bin/sh\nexec sleep 30\n", true);
    bool visto = false;
    QTimer vigia;
    QObject::connect(&vigia, &QTimer::timeout, [&visto] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialogo = qobject_cast<QProgressDialog*>(w);
            if (dialogo != nullptr && dialogo->objectName() == u"progresoxls" &&
                dialogo->isVisible()) {
                visto = true;
                EXPECT_EQ(dialogo->labelText(), QStringLiteral("Leyendo el libro .xls..."));
                dialogo->findChild<QPushButton*>()->click();
            }
        }
    });
    vigia.start(20);
    const ResultadoImportacion r = leeXlsSinBloquear(nullptr, fixture("doce_puntos.xls"), lento);
    EXPECT_TRUE(visto);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.fallo().causa,
              QStringLiteral("La lectura del libro .xls se ha detenido a petición del usuario."));
}

} // namespace
} // namespace oscilab
