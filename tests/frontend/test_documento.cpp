// The document model without any window: its edits and their undo, its file, its table.
#include "explorador/documento_explorado.h"
#include "import/destino_documento.h"
#include "modelo/documento.h"
#include "modelo/fichero_datos.h"
#include "modelo/lectura_documento.h"
#include "modelo/modelo_puntos.h"
#include "modelo/texto_exacto.h"
#include "support/ficheros_prueba.h"
#include "support/guiones.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSignalSpy>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>

namespace oscilab {
namespace {

using prueba::bytesDe;
using prueba::escribeBytes;

class DocumentoPrueba : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(carpeta.isValid()); }

    // A document that can be saved: title, hydrogen masses, atomic units, n points.
    void llena(int n) {
        doc.ponTitulo(QStringLiteral("H2"));
        doc.ponMasa(1, QStringLiteral("1.0079"));
        doc.ponMasa(2, QStringLiteral("1.0079"));
        doc.ponDistancia(Distancia::Bohr);
        doc.ponEnergia(Energia::Hartree);
        for (int i = 1; i <= n; ++i) {
            doc.ponCelda(i, 1, 1.0 + 0.1 * i);
            doc.ponCelda(i, 2, -1.0 - 0.001 * i);
        }
    }
    QString ruta(const QString& nombre) const { return carpeta.filePath(nombre); }

    QTemporaryDir carpeta;
    Documento doc;
};

TEST(TextoExacto, ShortestTextReadsBackToTheSameDouble) {
    EXPECT_EQ(textoExacto(1.0), QStringLiteral("1"));
    EXPECT_EQ(textoExacto(-3078.3338289), QStringLiteral("-3078.3338289"));
    EXPECT_EQ(textoExacto(1e-5), QStringLiteral("1E-05"));
    EXPECT_EQ(textoExacto(0.1 + 0.2), QStringLiteral("0.30000000000000004"));
    std::mt19937_64 azar(21);
    std::uniform_real_distribution<double> mantisa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponente(-30, 30);
    for (int i = 0; i < 2000; ++i) {
        const double x = std::ldexp(mantisa(azar), exponente(azar));
        const QString t = textoExacto(x);
        EXPECT_EQ(t.toDouble(), x) << t.toStdString();
        QString cifras =
            t.split(QLatin1Char('E'))[0].remove(QRegularExpression(QStringLiteral("[-.]")));
        cifras.remove(QRegularExpression(QStringLiteral("^0+|0+$")));
        EXPECT_LE(cifras.size(), 17) << t.toStdString();
    }
}

TEST_F(DocumentoPrueba, EachCommandUndoesAndRedoesWithItsSpanishName) {
    llena(2);
    const DatosDocumento lleno = doc.datos();
    struct Paso {
        std::function<void()> edita;
        const char* nombre;
    };
    TablaPotencias potencias{};
    dePotencia(potencias, -1) = 1;
    const Paso pasos[] = {
        {[&] { doc.ponCelda(1, 2, -2.5); }, "Deshacer edición de la celda Energía-1"},
        {[&] { doc.ponDistancia(Distancia::Angstrom); }, "Deshacer cambio de unidades"},
        {[&] { doc.ponEnergia(Energia::Ev); }, "Deshacer cambio de unidades"},
        {[&] {
             doc.importa({{2.0, -1.0}});
         },
         "Deshacer importación"},
        {[&] { doc.eligeAtomo(2, QStringLiteral("15.999")); }, "Deshacer elección de átomo"},
        {[&] { doc.ponPotencias(potencias); }, "Deshacer cambio de potencias"},
        {[&] { doc.ponTitulo(QStringLiteral("HF")); }, "Deshacer cambio de título"},
        {[&] { doc.insertaFila(1); }, "Deshacer inserción de una fila"},
        {[&] { doc.eliminaFila(1); }, "Deshacer eliminación de una fila"},
    };
    for (const Paso& paso : pasos) {
        paso.edita();
        const DatosDocumento editado = doc.datos();
        EXPECT_NE(editado, lleno) << paso.nombre;
        EXPECT_EQ(doc.pila()->createUndoAction(&doc, QStringLiteral("Deshacer"))->text(),
                  QString::fromUtf8(paso.nombre));
        doc.pila()->undo();
        EXPECT_EQ(doc.datos(), lleno) << paso.nombre;
        doc.pila()->redo();
        EXPECT_EQ(doc.datos(), editado) << paso.nombre;
        doc.pila()->undo();
    }
}

TEST_F(DocumentoPrueba, ModifiedIsTheStacksCleanStateAndNoOpEditsLeaveNoCommand) {
    QSignalSpy modificado(&doc, &Documento::modificadoCambiado);
    EXPECT_FALSE(doc.modificado());
    doc.ponTitulo(QString());
    doc.ponCelda(3, 1, std::nullopt);
    EXPECT_FALSE(doc.modificado());
    EXPECT_EQ(doc.pila()->count(), 0);
    llena(1);
    EXPECT_TRUE(doc.modificado());
    ASSERT_TRUE(doc.guarda(ruta(QStringLiteral("a.qvd"))).ok());
    EXPECT_FALSE(doc.modificado());
    doc.ponCelda(1, 1, 7.0);
    doc.pila()->undo();
    EXPECT_FALSE(doc.modificado());
    EXPECT_GE(modificado.count(), 4);
}

TEST_F(DocumentoPrueba, UnitRoundTripsGiveBackEveryRandomDouble) {
    llena(0);
    std::mt19937_64 azar(7);
    std::uniform_real_distribution<double> r(0.3, 12.0);
    std::uniform_real_distribution<double> v(-5000.0, 0.0);
    for (int i = 1; i <= puntosMaximos; ++i) {
        doc.ponCelda(i, 1, r(azar));
        doc.ponCelda(i, 2, v(azar));
    }
    const DatosDocumento antes = doc.datos();
    doc.ponDistancia(Distancia::Angstrom);
    doc.ponEnergia(Energia::Ev);
    // The conversion is the product by the factor, independently computed.
    EXPECT_EQ(*doc.valor(9, 1), *antes.filas[8][0].valor * 0.529177210903);
    EXPECT_EQ(*doc.valor(9, 2), *antes.filas[8][1].valor * 27.211386245988);
    doc.ponCelda(5, 1, 2.0); // an edit on the way changes only its own cell
    doc.ponDistancia(Distancia::Bohr);
    doc.ponEnergia(Energia::Hartree);
    for (int i = 1; i <= puntosMaximos; ++i) {
        if (i != 5) {
            EXPECT_EQ(doc.valor(i, 1), antes.filas[static_cast<std::size_t>(i - 1)][0].valor);
        }
        EXPECT_EQ(doc.valor(i, 2), antes.filas[static_cast<std::size_t>(i - 1)][1].valor);
    }
    EXPECT_EQ(*doc.valor(5, 1), 2.0 / 0.529177210903);
    // And the file keeps them: saved and reopened, every double is the same.
    ASSERT_TRUE(doc.guarda(ruta(QStringLiteral("r.qvd"))).ok());
    Documento otro;
    ASSERT_TRUE(otro.abre(ruta(QStringLiteral("r.qvd"))).ok());
    EXPECT_EQ(puntosOrdenados(otro.datos()), puntosOrdenados(doc.datos()));
}

TEST_F(DocumentoPrueba, ImportReplacesEveryPointAndUndoBringsThemBack) {
    llena(20);
    const DatosDocumento antes = doc.datos();
    doc.importa({{0.7, -1.1}, {0.8, -1.15}});
    EXPECT_EQ(doc.numeroPuntos(), 2);
    EXPECT_EQ(doc.valor(3, 1), std::nullopt); // none of the old rows stays below
    EXPECT_EQ(doc.valor(20, 2), std::nullopt);
    doc.pila()->undo();
    EXPECT_EQ(doc.datos(), antes);
}

TEST_F(DocumentoPrueba, AnImportAsksBeforeReplacingAndRefusesRowsThatAreNoPoints) {
    prueba::MensajesGuionizados mensajes;
    const auto importa = [this](const std::vector<std::array<const char*, 2>>& filas) {
        DestinoDocumento destino(nullptr, doc);
        EXPECT_TRUE(destino.unidadesElegidas().ok());
        for (std::size_t i = 0; i < filas.size(); ++i) {
            destino.escribeCelda(static_cast<int>(i) + 1, 1, QString::fromLatin1(filas[i][0]));
            destino.escribeCelda(static_cast<int>(i) + 1, 2, QString::fromLatin1(filas[i][1]));
        }
        return destino.documentoCambiado();
    };
    llena(20);
    const DatosDocumento antes = doc.datos();
    mensajes.responder(Respuesta::No);
    EXPECT_TRUE(importa({{"1,5", "-1,1"}, {"", ""}, {"2", "-1.2"}}).ok());
    EXPECT_EQ(doc.datos(), antes); // cancelled: nothing replaced, nothing mixed
    ASSERT_EQ(mensajes.mostrados.size(), 1u);
    EXPECT_TRUE(mensajes.mostrados[0].texto.contains(QStringLiteral("20 puntos")));
    mensajes.responder(Respuesta::Si);
    EXPECT_TRUE(importa({{"1,5", "-1,1"}, {"", ""}, {"2", "-1.2"}}).ok());
    EXPECT_EQ(doc.numeroPuntos(), 2);
    EXPECT_EQ(doc.valor(1, 1), 1.5);
    EXPECT_EQ(doc.valor(2, 2), -1.2); // the empty row is no row
    const Resultado<void> noPunto = importa({{"1", "-1"}, {"x", "-2"}});
    EXPECT_EQ(doc.numeroPuntos(), 2); // a row that is no point: nothing is imported
    EXPECT_TRUE(noPunto.fallo().texto().startsWith(QStringLiteral("La fila 2")));
    doc.ponEnergia(Energia::SinElegir);
    DestinoDocumento sinUnidad(nullptr, doc);
    EXPECT_EQ(sinUnidad.unidadesElegidas().fallo().texto(),
              QStringLiteral("Debes elegir las unidades para la energía"));
}

TEST_F(DocumentoPrueba, ARefusedSaveLeavesFileNameAndModifiedStateAlone) {
    llena(3);
    ASSERT_TRUE(doc.guarda(ruta(QStringLiteral("bueno.qvd"))).ok());
    doc.ponTitulo(QStringLiteral("Ω"));
    QSignalSpy ruta_(&doc, &Documento::rutaCambiada);
    const auto motivo = doc.guarda(ruta(QStringLiteral("nuevo.qvd")));
    ASSERT_FALSE(motivo.ok());
    EXPECT_TRUE(motivo.fallo().texto().contains(QStringLiteral("«Ω»")));
    EXPECT_EQ(doc.ruta(), ruta(QStringLiteral("bueno.qvd")));
    EXPECT_TRUE(doc.modificado());
    EXPECT_FALSE(QFile::exists(ruta(QStringLiteral("nuevo.qvd"))));
    // A folder that cannot be written refuses too, with the same state kept.
    doc.ponTitulo(QStringLiteral("H2"));
    EXPECT_FALSE(doc.guarda(ruta(QStringLiteral("no/existe.qvd"))).ok());
    EXPECT_EQ(doc.ruta(), ruta(QStringLiteral("bueno.qvd")));
    EXPECT_EQ(ruta_.count(), 0);
    doc.ponMasa(2, QString());
    EXPECT_EQ(doc.guarda(ruta(QStringLiteral("bueno.qvd"))).fallo().texto(),
              QStringLiteral("Debes introducir la masa del átomo 2"));
}

TEST_F(DocumentoPrueba, OpenRefusesWhatIsNoDocumentNamingTheLineAndKeepsTheOpenOne) {
    llena(3);
    const DatosDocumento abierto = doc.datos();
    const std::pair<QByteArray, const char*> casos[] = {
        {QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "Línea 1: no es texto"},
        {"R (bohr),V (hartree)\n1.0,-1.1\n", "Línea 2: «1.0,-1.1» no es una potencia"},
        {"T\n0 1 2\n", "Línea 3: el archivo termina antes de la línea de masas"},
        {"T\n0 1 2\n1.0079\nUA UA\n", "Línea 3: se esperaban las dos masas"},
        {"T\n0 1 2\n1 1\nUA\n", "Línea 4: se esperaban las unidades"},
        {"T\n0 1 2\n1 1\nUA UA\n1.0 -1\n1.1\n", "Línea 6: se esperaba un punto"},
        {"T\n0 99\n1 1\nUA UA\n", "Línea 2: «99»"},
        {"", "Línea 1: el archivo está vacío"},
    };
    for (const auto& [bytes, mensaje] : casos) {
        escribeBytes(ruta(QStringLiteral("x.qvd")), bytes);
        const auto error = doc.abre(ruta(QStringLiteral("x.qvd")));
        ASSERT_FALSE(error.ok()) << mensaje;
        EXPECT_TRUE(error.fallo().texto().contains(QString::fromUtf8(mensaje)))
            << error.fallo().texto().toStdString();
        EXPECT_EQ(doc.datos(), abierto);
        EXPECT_TRUE(doc.modificado());
    }
    EXPECT_FALSE(doc.abre(carpeta.path()).ok()); // a folder
}

TEST_F(DocumentoPrueba, EveryExampleDocumentOpensAndSavesItsPointsUnchanged) {
    const QDir datos(QStringLiteral(OSCILAB_SOURCE_DIR "/datos"));
    const QStringList ejemplos = datos.entryList({QStringLiteral("*.qvd")});
    ASSERT_FALSE(ejemplos.isEmpty());
    for (const QString& nombre : ejemplos) {
        ASSERT_TRUE(doc.abre(datos.filePath(nombre)).ok()) << nombre.toStdString();
        EXPECT_FALSE(doc.modificado());
        EXPECT_GT(doc.numeroPuntos(), 5) << nombre.toStdString();
        ASSERT_TRUE(doc.guarda(ruta(nombre)).ok());
        Documento copia;
        ASSERT_TRUE(copia.abre(ruta(nombre)).ok());
        EXPECT_EQ(copia.datos(), doc.datos()) << nombre.toStdString();
    }
}

TEST_F(DocumentoPrueba, PowersMinusOneToTwoInAngstromAndEvAreWrittenAsTheEngineReadsThem) {
    doc.ponTitulo(QStringLiteral("H2"));
    doc.ponMasa(1, QStringLiteral("1.0079"));
    doc.ponMasa(2, QStringLiteral("1.0079"));
    doc.ponDistancia(Distancia::Angstrom);
    doc.ponEnergia(Energia::Ev);
    TablaPotencias potencias{};
    for (const int p : {-1, 0, 1, 2}) {
        potencias[static_cast<std::size_t>(indicePotencia(p))] = 1;
    }
    doc.ponPotencias(potencias);
    for (int i = 1; i <= 6; ++i) {
        doc.ponCelda(i, 1, i);
        doc.ponCelda(i, 2, -2.0);
    }
    ASSERT_TRUE(doc.guarda(ruta(QStringLiteral("p.qvd"))).ok());
    EXPECT_EQ(bytesDe(ruta(QStringLiteral("p.qvd"))),
              QByteArray("H2\r\n-1 0 1 2 \r\n1.0079   1.0079\r\nAngstrom   eV\r\n1   -2\r\n"
                         "2   -2\r\n3   -2\r\n4   -2\r\n5   -2\r\n6   -2\r\n"));
}

TEST_F(DocumentoPrueba, SavedFileHasTheLayoutOfTheExampleDocuments) {
    llena(7);
    ASSERT_TRUE(doc.guarda(ruta(QStringLiteral("forma.qvd"))).ok());
    const QList<QByteArray> nuestras = bytesDe(ruta(QStringLiteral("forma.qvd"))).split('\n');
    const QList<QByteArray> ejemplo =
        bytesDe(QStringLiteral(OSCILAB_SOURCE_DIR "/datos/H2.qvd")).split('\n');
    ASSERT_EQ(nuestras.size(), 12);
    // Powers (the example has 0 to 6), masses and units lines alike; every line ends in CR LF
    // and a point is R, three blanks, V.
    EXPECT_EQ(nuestras[0], "H2\r");
    EXPECT_EQ(nuestras[1], "0 1 2 3 4 \r");
    EXPECT_TRUE(ejemplo[1].startsWith(nuestras[1].chopped(1)));
    EXPECT_EQ(nuestras[2], ejemplo[2]);
    EXPECT_EQ(nuestras[3], ejemplo[3]);
    EXPECT_EQ(nuestras[4], "1.1   -1.001\r");
    for (int i = 4; i + 1 < nuestras.size(); ++i) {
        EXPECT_TRUE(nuestras[i].endsWith('\r')) << i;
        EXPECT_EQ(nuestras[i].count("   "), 1) << i;
    }
    EXPECT_TRUE(nuestras.last().isEmpty());
}

TEST_F(DocumentoPrueba, UnitWordsInAnyCaseAndThePowersAreRead) {
    escribeBytes(ruta(QStringLiteral("hcl.qvd")),
                 "HCl\r\n0 1 2 \r\n1.0079   35.453\r\nua   eV\r\n1   -1\r\n2   -2\r\n");
    ASSERT_TRUE(doc.abre(ruta(QStringLiteral("hcl.qvd"))).ok());
    EXPECT_EQ(doc.distancia(), Distancia::Bohr);
    EXPECT_EQ(doc.energia(), Energia::Ev);
    EXPECT_EQ(numeroPotencias(doc.potencias()), 3);
    EXPECT_EQ(doc.masa(2), QStringLiteral("35.453"));
    EXPECT_EQ(doc.textoCelda(2, 2), QStringLiteral("-2"));
    EXPECT_EQ(doc.numeroPuntos(), 2);

    // LF alone, no points, a single power.
    escribeBytes(ruta(QStringLiteral("pesados.qvd")), "x\n0 \n210   1.5\nAngstrom   UA\n");
    ASSERT_TRUE(doc.abre(ruta(QStringLiteral("pesados.qvd"))).ok());
    EXPECT_EQ(doc.distancia(), Distancia::Angstrom);
    EXPECT_EQ(doc.energia(), Energia::Hartree);
    EXPECT_EQ(numeroPotencias(doc.potencias()), 1);
    EXPECT_EQ(doc.potencias()[static_cast<std::size_t>(indicePotencia(0))], 1);
    EXPECT_EQ(doc.numeroPuntos(), 0);
    EXPECT_FALSE(doc.modificado());
}

TEST_F(DocumentoPrueba, TypedTextsComeBackAfterAUnitRoundTripAndEmptyCellsStayEmpty) {
    llena(0);
    doc.ponCelda(1, 1, 2.0);
    doc.ponCelda(2, 1, 1.5E-05);
    doc.ponCelda(1, 2, -2987.0419);
    doc.ponDistancia(Distancia::Angstrom);
    doc.ponEnergia(Energia::Ev);
    EXPECT_EQ(doc.textoCelda(1, 1), textoExacto(2.0 * 0.529177210903));
    EXPECT_EQ(doc.textoCelda(2, 1), textoExacto(1.5E-05 * 0.529177210903));
    EXPECT_EQ(doc.textoCelda(1, 2), textoExacto(-2987.0419 * 27.211386245988));
    EXPECT_TRUE(doc.textoCelda(3, 1).isEmpty());
    EXPECT_TRUE(doc.textoCelda(2, 2).isEmpty());
    doc.ponDistancia(Distancia::Bohr);
    doc.ponEnergia(Energia::Hartree);
    EXPECT_EQ(doc.textoCelda(1, 1), QStringLiteral("2"));
    EXPECT_EQ(doc.textoCelda(2, 1), QStringLiteral("1.5E-05"));
    EXPECT_EQ(doc.textoCelda(1, 2), QStringLiteral("-2987.0419"));
    // A decimal-comma locale changes no text: files and cells keep the point.
    const QLocale antes;
    QLocale::setDefault(QLocale(QLocale::German));
    doc.ponCelda(3, 1, 1.5);
    doc.ponDistancia(Distancia::Angstrom);
    EXPECT_EQ(doc.textoCelda(3, 1), QStringLiteral("0.7937658163544999"));
    QLocale::setDefault(antes);
}

TEST_F(DocumentoPrueba, SortingCompactsThePointsByRAndKeepsHalfRowsBelowThem) {
    llena(0);
    doc.ponCelda(1, 1, 3.0);
    doc.ponCelda(1, 2, -0.30);
    doc.ponCelda(2, 2, -7.0); // a V alone: no point, never lost
    doc.ponCelda(4, 1, 1.0);
    doc.ponCelda(4, 2, -1E-05);
    doc.ponCelda(6, 1, 2.0);
    doc.ponCelda(6, 2, 0.0); // a V of 0 is a point
    doc.ponCelda(9, 1, 2.0);
    doc.ponCelda(9, 2, 5.0); // equal R keep their order
    doc.ordena();
    const QString esperadas[][2] = {{"1", "-1E-05"}, {"2", "0"}, {"2", "5"},
                                    {"3", "-0.3"},   {"", "-7"}, {"", ""}};
    for (int fila = 1; fila <= 6; ++fila) {
        for (int columna = 1; columna <= 2; ++columna) {
            EXPECT_EQ(doc.textoCelda(fila, columna), esperadas[fila - 1][columna - 1])
                << fila << " " << columna;
        }
    }
    EXPECT_EQ(doc.numeroPuntos(), 4);
    EXPECT_EQ(doc.pila()->undoText(), QStringLiteral("ordenación de los puntos"));
    doc.pila()->undo();
    EXPECT_EQ(doc.textoCelda(2, 2), QStringLiteral("-7"));
    EXPECT_EQ(doc.textoCelda(9, 2), QStringLiteral("5"));
}

TEST_F(DocumentoPrueba, SaveThenReopenGivesTheSameDocumentAndTheSameBytes) {
    llena(9);
    TablaPotencias potencias = doc.potencias();
    potencias[10] = 1;
    doc.ponPotencias(potencias);
    doc.ponEnergia(Energia::Ev);
    ASSERT_TRUE(doc.guarda(ruta(QStringLiteral("ida.qvd"))).ok());
    Documento otro;
    ASSERT_TRUE(otro.abre(ruta(QStringLiteral("ida.qvd"))).ok());
    EXPECT_EQ(otro.potencias(), doc.potencias());
    EXPECT_EQ(otro.energia(), Energia::Ev);
    EXPECT_EQ(otro.distancia(), Distancia::Bohr);
    EXPECT_EQ(otro.numeroPuntos(), 9);
    EXPECT_FALSE(otro.modificado());
    ASSERT_TRUE(otro.guarda(ruta(QStringLiteral("vuelta.qvd"))).ok());
    EXPECT_EQ(bytesDe(ruta(QStringLiteral("vuelta.qvd"))),
              bytesDe(ruta(QStringLiteral("ida.qvd"))));
}

TEST_F(DocumentoPrueba, UndoingAHundredEditsRestoresTheFileByteForByte) {
    llena(30);
    ASSERT_TRUE(doc.guarda(ruta(QStringLiteral("a.qvd"))).ok());
    const QByteArray original = bytesDe(ruta(QStringLiteral("a.qvd")));
    std::mt19937 azar(100);
    const int inicio = doc.pila()->index();
    for (int i = 0; doc.pila()->index() - inicio < 100; ++i) {
        switch (i % 5) {
        case 0:
            doc.ponCelda(static_cast<int>(azar() % 40) + 1, 1, 0.5 + (azar() % 1000) / 97.0);
            break;
        case 1:
            doc.ponDistancia(doc.distancia() == Distancia::Bohr ? Distancia::Angstrom
                                                                : Distancia::Bohr);
            break;
        case 2:
            doc.ponEnergia(doc.energia() == Energia::Ev ? Energia::Hartree : Energia::Ev);
            break;
        case 3:
            doc.insertaFila(static_cast<int>(azar() % 30) + 1);
            break;
        default:
            doc.ponTitulo(QStringLiteral("t%1").arg(i));
        }
    }
    for (int i = 0; i < 100; ++i) {
        doc.pila()->undo();
    }
    EXPECT_FALSE(doc.modificado());
    ASSERT_TRUE(doc.guarda(ruta(QStringLiteral("b.qvd"))).ok());
    EXPECT_EQ(bytesDe(ruta(QStringLiteral("b.qvd"))), original);
}

TEST_F(DocumentoPrueba, TheExplorerSeesTheSortedPointsUnitsAndPowers) {
    llena(0);
    doc.ponDistancia(Distancia::Angstrom);
    doc.ponCelda(3, 1, 2.5);
    doc.ponCelda(3, 2, -0.1);
    doc.ponCelda(7, 1, 0.75);
    doc.ponCelda(7, 2, -0.3);
    doc.ponCelda(8, 1, 9.0); // R alone: no point
    const DocumentoExplorado d = documentoExplorado(doc);
    EXPECT_EQ(d.celdas[0][0], QStringLiteral("0.75"));
    EXPECT_EQ(d.celdas[1][1], QStringLiteral("-0.1"));
    EXPECT_TRUE(d.celdas[2][0].isEmpty());
    EXPECT_TRUE(d.angstrom && d.hartree && !d.bohr && !d.ev);
    EXPECT_EQ(d.potencias, doc.potencias());
    EXPECT_EQ(d.masa2, QStringLiteral("1.0079"));
}

TEST_F(DocumentoPrueba, TheExplorerSeesEveryPointOfALongScan) {
    // A scan longer than the old 50-row table reaches the explorer whole.
    for (int f = 1; f <= puntosMaximos; ++f) {
        doc.ponCelda(f, 1, 1.0 + 0.01 * (puntosMaximos - f));
        doc.ponCelda(f, 2, -1.0 / f);
    }
    const DocumentoExplorado d = documentoExplorado(doc);
    EXPECT_EQ(d.celdas[0][0], QStringLiteral("1"));
    EXPECT_EQ(d.celdas[puntosMaximos - 1][1], QStringLiteral("-1"));
}

TEST_F(DocumentoPrueba, TheTableModelShowsExactTextsAndEditsThroughTheStack) {
    llena(2);
    ModeloPuntos modelo(doc);
    EXPECT_EQ(modelo.rowCount(), puntosMaximos);
    EXPECT_EQ(modelo.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Energía"));
    EXPECT_EQ(modelo.headerData(499, Qt::Vertical).toString(), QStringLiteral("500"));
    EXPECT_EQ(modelo.data(modelo.index(0, 0)).toString(), QStringLiteral("1.1"));
    QSignalSpy cambios(&modelo, &QAbstractItemModel::dataChanged);
    EXPECT_TRUE(modelo.setData(modelo.index(2, 1), QStringLiteral("-3078,3338289")));
    EXPECT_EQ(modelo.data(modelo.index(2, 1)).toString(), QStringLiteral("-3078.3338289"));
    EXPECT_FALSE(modelo.setData(modelo.index(2, 1), QStringLiteral("1.7-3")));
    EXPECT_TRUE(modelo.setData(modelo.index(0, 0), QString()));
    EXPECT_EQ(doc.valor(1, 1), std::nullopt);
    doc.pila()->undo();
    EXPECT_EQ(modelo.data(modelo.index(0, 0)).toString(), QStringLiteral("1.1"));
    EXPECT_EQ(cambios.count(), 3);
    doc.importa({});
    EXPECT_EQ(cambios.count(), 4);
}

} // namespace
} // namespace oscilab
