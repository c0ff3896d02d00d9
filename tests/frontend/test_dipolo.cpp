// The dipole-moment points of a document: their table, units, file beside the document, the
// dialog over them and its fit; the zoom of the detailed results' plots.
#include "compartido/textos_numero.h"
#include "detalles/grafico_detalles.h"
#include "dipolo/frmdipolo.h"
#include "dipolo/vista_dipolo.h"
#include "import/destino_documento.h"
#include "modelo/documento.h"
#include "modelo/fichero_dipolo.h"
#include "modelo/modelo_dipolo.h"
#include "support/ficheros_prueba.h"
#include "support/guiones.h"
#include "support/ventana_prueba.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace oscilab {
namespace {

using prueba::bytesDe;
using prueba::escribeBytes;

class DipoloPrueba : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(carpeta.isValid());
        doc.ponTitulo(QStringLiteral("HCl"));
        doc.ponMasa(1, QStringLiteral("1.0078"));
        doc.ponMasa(2, QStringLiteral("34.9689"));
        doc.ponDistancia(Distancia::Angstrom);
        doc.ponEnergia(Energia::Ev);
        doc.ponCelda(1, 1, 1.2);
        doc.ponCelda(1, 2, -4.4);
        doc.ponCelda(2, 1, 1.3);
        doc.ponCelda(2, 2, -4.5);
    }
    // R 1.1, 1.2, 1.3 A and mu 1.0 + 0.5 (R - 1.2), typed through the dialog's table model.
    void tecleaPuntos(ModeloDipolo& modelo) {
        const char* textos[3][2] = {{"1.1", "0.95"}, {"1,2", "1"}, {" 1.3E0 ", "1.05"}};
        for (int f = 0; f < 3; ++f) {
            for (int c = 0; c < 2; ++c) {
                ASSERT_TRUE(modelo.setData(modelo.index(f, c), QString::fromLatin1(textos[f][c])));
            }
        }
    }
    QString ruta(const QString& nombre) const { return carpeta.filePath(nombre); }

    prueba::MensajesGuionizados mensajes;
    QTemporaryDir carpeta;
    Documento doc;
};

TEST_F(DipoloPrueba, TheTableIsValidatedLikeTheMainOneAndEachEditIsUndoable) {
    ModeloDipolo modelo(doc);
    EXPECT_EQ(modelo.rowCount(), 500);
    EXPECT_EQ(modelo.headerData(0, Qt::Horizontal).toString(), QStringLiteral("R (Å)"));
    EXPECT_EQ(modelo.headerData(1, Qt::Horizontal).toString(), QStringLiteral("μ (D)"));
    EXPECT_FALSE(modelo.setData(modelo.index(0, 0), QStringLiteral("1.715-317")));
    EXPECT_FALSE(modelo.setData(modelo.index(0, 1), QStringLiteral("abc")));
    EXPECT_EQ(doc.numeroPuntosDipolo(), 0);
    tecleaPuntos(modelo);
    EXPECT_EQ(doc.numeroPuntosDipolo(), 3);
    EXPECT_EQ(modelo.data(modelo.index(1, 0)).toString(), QStringLiteral("1.2"));
    EXPECT_TRUE(doc.modificado());
    doc.pila()->undo();
    EXPECT_FALSE(doc.valorDipolo(3, 2).has_value());
    EXPECT_EQ(doc.numeroPuntosDipolo(), 2);
    doc.pila()->redo();
    // The document's distance unit converts the dipole's R too, and back exactly.
    doc.ponDistancia(Distancia::Bohr);
    EXPECT_EQ(modelo.headerData(0, Qt::Horizontal).toString(), QStringLiteral("R (bohr)"));
    EXPECT_NEAR(*doc.valorDipolo(2, 1), 1.2 / 0.529177210903, 1e-6);
    doc.ponDistancia(Distancia::Angstrom);
    EXPECT_EQ(*doc.valorDipolo(2, 1), 1.2);
}

TEST_F(DipoloPrueba, TheDipoleUnitConvertsTheColumnAndComesBackExactly) {
    ModeloDipolo modelo(doc);
    tecleaPuntos(modelo);
    const DatosDipolo antes = doc.dipolo();
    doc.ponUnidadDipolo(UnidadDipolo::UA);
    EXPECT_EQ(modelo.headerData(1, Qt::Horizontal).toString(), QStringLiteral("μ (u.a.)"));
    EXPECT_NEAR(*doc.valorDipolo(1, 2) * 2.541746473, 0.95, 1e-12);
    EXPECT_EQ(*doc.valorDipolo(1, 1), 1.1); // R stays
    doc.ponUnidadDipolo(UnidadDipolo::Debye);
    EXPECT_EQ(doc.dipolo().filas[0][1].valor, antes.filas[0][1].valor);
    EXPECT_EQ(doc.dipolo().filas[2][1].valor, antes.filas[2][1].valor);
    doc.pila()->undo();
    EXPECT_EQ(doc.dipolo().unidad, UnidadDipolo::UA);
    for (const double mu : {1.0, -3.7e-3, 12345.678}) {
        EXPECT_NEAR(
            convierteValor(convierteValor(mu, Conversion::DebyeAUA), inversa(Conversion::DebyeAUA)),
            mu, 1e-15 * std::abs(mu));
    }
}

TEST_F(DipoloPrueba, SavingWritesTheDipFileAndOpeningReadsTheSameValuesBack) {
    ModeloDipolo modelo(doc);
    tecleaPuntos(modelo);
    doc.ponUnidadDipolo(UnidadDipolo::UA);
    const DatosDipolo guardado = doc.dipolo();
    ASSERT_TRUE(doc.guarda(ruta(QStringLiteral("hcl.qvd"))).ok());
    const QByteArray bytes = bytesDe(ruta(QStringLiteral("hcl.dip")));
    EXPECT_TRUE(bytes.startsWith("Angstrom UA\n1.1 ")) << bytes.toStdString();
    Documento otro;
    ASSERT_TRUE(otro.abre(ruta(QStringLiteral("hcl.qvd"))).ok());
    EXPECT_TRUE(otro.avisoDipolo().isEmpty());
    EXPECT_EQ(otro.dipolo().unidad, UnidadDipolo::UA);
    for (int f = 1; f <= 3; ++f) {
        for (int c = 1; c <= 2; ++c) {
            EXPECT_EQ(otro.valorDipolo(f, c), guardado.filas[f - 1][c - 1].valor);
        }
    }
    // A file in bohr read into an angstrom document comes back exactly in bohr.
    escribeBytes(ruta(QStringLiteral("hcl.dip")), "UA Debye\r\n2.0787 0.4\r\n2.5 0.9\r\n\r\n");
    ASSERT_TRUE(otro.abre(ruta(QStringLiteral("hcl.qvd"))).ok());
    EXPECT_NEAR(*otro.valorDipolo(1, 1), 2.0787 * 0.529177210903, 1e-9);
    otro.ponDistancia(Distancia::Bohr);
    EXPECT_EQ(*otro.valorDipolo(1, 1), 2.0787);
    // A document that cannot be written leaves the dipole file beside it as it was.
    const QByteArray previo = bytesDe(ruta(QStringLiteral("hcl.dip")));
    ASSERT_TRUE(QDir(carpeta.path()).mkdir(QStringLiteral("otro.qvd")));
    escribeBytes(ruta(QStringLiteral("otro.dip")), previo);
    otro.ponCeldaDipolo(1, 2, 0.7);
    EXPECT_FALSE(otro.guarda(ruta(QStringLiteral("otro.qvd"))).ok());
    EXPECT_EQ(bytesDe(ruta(QStringLiteral("otro.dip"))), previo);
    otro.pila()->undo();
    // Emptying the points removes the file at the next save.
    otro.importaDipolo({});
    ASSERT_TRUE(otro.guarda(ruta(QStringLiteral("hcl.qvd"))).ok());
    EXPECT_FALSE(QFile::exists(ruta(QStringLiteral("hcl.dip"))));
}

TEST_F(DipoloPrueba, ABadDipFileIsRefusedAndTheDocumentAndTheFileStayIntact) {
    ASSERT_TRUE(doc.guarda(ruta(QStringLiteral("hcl.qvd"))).ok());
    const QByteArray malo = "Angstrom Debye\n1.1 0.9\n1.2 x\n";
    escribeBytes(ruta(QStringLiteral("hcl.dip")), malo);
    Documento otro;
    ASSERT_TRUE(otro.abre(ruta(QStringLiteral("hcl.qvd"))).ok());
    EXPECT_EQ(otro.titulo(), QStringLiteral("HCl"));
    EXPECT_EQ(otro.numeroPuntos(), 2);
    EXPECT_EQ(otro.numeroPuntosDipolo(), 0);
    EXPECT_TRUE(otro.avisoDipolo().contains(QStringLiteral("línea 3")))
        << otro.avisoDipolo().toStdString();
    EXPECT_TRUE(otro.avisoDipolo().contains(QStringLiteral("se conserva")));
    EXPECT_FALSE(otro.modificado());
    ASSERT_TRUE(otro.guarda(ruta(QStringLiteral("hcl.qvd"))).ok());
    EXPECT_EQ(bytesDe(ruta(QStringLiteral("hcl.dip"))), malo);
    // Points the engine would refuse keep the whole document from being written.
    otro.ponTitulo(QStringLiteral("HCl nuevo"));
    otro.ponCeldaDipolo(1, 1, 1.0);
    const auto motivo = otro.guarda(ruta(QStringLiteral("hcl.qvd")));
    ASSERT_FALSE(motivo.ok());
    EXPECT_TRUE(motivo.fallo().texto().contains(QStringLiteral("fila 1 del momento dipolar")));
    otro.ponCeldaDipolo(1, 2, 0.5);
    EXPECT_TRUE(otro.guarda(ruta(QStringLiteral("hcl.qvd")))
                    .fallo()
                    .texto()
                    .contains(QStringLiteral("dos puntos")));
    EXPECT_EQ(bytesDe(ruta(QStringLiteral("hcl.dip"))), malo);
}

TEST_F(DipoloPrueba, TheDialogPlotsThePointsAndTheEnginesFitAndImportsIntoTheDipoleOnly) {
    Documento sinUnidades;
    EXPECT_TRUE(frmdipolo::abre(sinUnidades, QString(), nullptr)
                    .fallo()
                    .texto()
                    .startsWith(QStringLiteral("Debes elegir las unidades para la distancia")));
    frmdipolo dialogo(doc, carpeta.path());
    tecleaPuntos(*static_cast<ModeloDipolo*>(dialogo.tabla()->model()));
    const auto& series = dialogo.grafico()->series();
    ASSERT_EQ(series.size(), 2u);
    EXPECT_EQ(series[0].puntos.size(), 3u);
    // A straight line: degree 1, and the fit's samples lie on it.
    EXPECT_TRUE(dialogo.resumen()->text().contains(QStringLiteral("grado 1")))
        << dialogo.resumen()->text().toStdString();
    for (const QPointF& p : series[1].puntos) {
        EXPECT_NEAR(p.y(), 1.0 + 0.5 * (p.x() - 1.2), 1e-9);
    }
    EXPECT_NEAR(series[1].puntos.front().x(), 1.1, 1e-12);
    EXPECT_NEAR(series[1].puntos.back().x(), 1.3, 1e-12);
    // Delete empties the selected cells as one change; the editor takes numbers only.
    dialogo.tabla()->selectRow(2);
    dialogo.borraSeleccion();
    EXPECT_EQ(doc.numeroPuntosDipolo(), 2);
    doc.pila()->undo();
    EXPECT_EQ(doc.numeroPuntosDipolo(), 3);
    QStyleOptionViewItem opcion;
    std::unique_ptr<QWidget> editor(dialogo.tabla()->itemDelegate()->createEditor(
        dialogo.tabla()->viewport(), opcion, dialogo.tabla()->model()->index(0, 0)));
    auto* linea = qobject_cast<QLineEdit*>(editor.get());
    ASSERT_NE(linea, nullptr);
    QTest::keyClicks(linea, QStringLiteral("-1x,5e3"));
    EXPECT_EQ(linea->text(), QStringLiteral("-1,5e3"));
    escribeBytes(ruta(QStringLiteral("mu.csv")), "1.0,0.5\n1.5,1.5\n2.0,2.0\n3.0,2.1\n");
    DestinoDocumento destino(&dialogo, doc, TablaImportada::Dipolo);
    mensajes.responder(Respuesta::Si);
    importaFichero(&dialogo, OrigenImportacion::Texto, ruta(QStringLiteral("mu.csv")),
                   QStringLiteral(","), destino);
    EXPECT_EQ(doc.numeroPuntosDipolo(), 4);
    EXPECT_EQ(doc.numeroPuntos(), 2); // the curve's points are left alone
    EXPECT_EQ(dialogo.grafico()->series()[0].puntos.size(), 4u);
}

using MenuDipolo = prueba::VentanaPrueba;

TEST_F(MenuDipolo, TheMainWindowOpensOneDialogAndTellsOfABadFileWhenOpening) {
    accion(QStringLiteral("mnudipolo"))->trigger();
    EXPECT_EQ(ventana->dipolo(), nullptr); // no distance unit yet
    ASSERT_EQ(mensajes.mostrados.size(), 1u);
    llenaDocumento(3);
    accion(QStringLiteral("mnudipolo"))->trigger();
    frmdipolo* dialogo = ventana->dipolo();
    ASSERT_NE(dialogo, nullptr);
    accion(QStringLiteral("mnudipolo"))->trigger();
    EXPECT_EQ(ventana->dipolo(), dialogo);
    ventana->documento().importaDipolo({{1.0, 0.1}, {1.5, 0.3}});
    guardaComo(QStringLiteral("h2.qvd"));
    EXPECT_EQ(bytesDe(ruta(QStringLiteral("h2.dip"))), "UA Debye\n1 0.1\n1.5 0.3\n");
    escribeBytes(ruta(QStringLiteral("h2.dip")), "UA Debye\n1 0.1\n");
    const auto antes = mensajes.mostrados.size();
    ventana->abrirDocumento(ruta(QStringLiteral("h2.qvd")));
    ASSERT_EQ(mensajes.mostrados.size(), antes + 1);
    EXPECT_EQ(mensajes.mostrados.back().titulo, QStringLiteral("Momento dipolar"));
    EXPECT_EQ(ventana->documento().numeroPuntos(), 3);
    EXPECT_EQ(ventana->dipolo(), dialogo); // it now shows the opened document's empty points
    EXPECT_EQ(dialogo->grafico()->series()[0].puntos.size(), 0u);
}

TEST(GraficoDetallesZoom, ALeftDragZoomsAndTheRightButtonOrTheCommandGoesBack) {
    GraficoDetalles grafico;
    grafico.resize(420, 320);
    SerieGrafico recta;
    recta.puntos = {{0.0, 0.0}, {10.0, 10.0}};
    grafico.ponSeries({recta}, QStringLiteral("x"), QStringLiteral("y"));
    const Caja completa = grafico.vistaCompleta();
    const QRect a = grafico.area();
    const auto pixel = [&](double x, double y) {
        return QPoint(
            a.left() + qRound((x - completa.rmin) / (completa.rmax - completa.rmin) * a.width()),
            a.bottom() -
                qRound((y - completa.vmin) / (completa.vmax - completa.vmin) * a.height()));
    };
    const auto arrastra = [&] {
        QTest::mousePress(&grafico, Qt::LeftButton, {}, pixel(2, 6));
        QMouseEvent mov(QEvent::MouseMove, QPointF(pixel(4, 3)), QPointF(), Qt::NoButton,
                        Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&grafico, &mov);
        QTest::mouseRelease(&grafico, Qt::LeftButton, {}, pixel(4, 3));
    };
    arrastra();
    EXPECT_EQ(grafico.vista(), completa); // no zoom unless it is asked for
    grafico.permiteZoom(true);
    arrastra();
    EXPECT_NEAR(grafico.vista().rmin, 2.0, 0.05);
    EXPECT_NEAR(grafico.vista().rmax, 4.0, 0.05);
    EXPECT_NEAR(grafico.vista().vmin, 3.0, 0.05);
    EXPECT_NEAR(grafico.vista().vmax, 6.0, 0.05);
    QTest::mouseClick(&grafico, Qt::RightButton, {}, pixel(3, 3));
    EXPECT_EQ(grafico.vista(), completa);
    arrastra();
    EXPECT_NE(grafico.vista(), completa);
    grafico.muestraVistaCompleta();
    EXPECT_EQ(grafico.vista(), completa);
}

} // namespace
} // namespace oscilab
