// Files dropped on the main window and named on the command line.
#include "aplicacion/arranque.h"
#include "document/arrastre.h"
#include "modelo/documento.h"
#include "support/ventana_prueba.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace oscilab::prueba {
namespace {

TEST(Arrastre, KindByExtension) {
    EXPECT_EQ(claseArrastre(QStringLiteral("/a/H2.QVD")), ClaseArrastre::Documento);
    EXPECT_EQ(claseArrastre(QStringLiteral("a.txt")), ClaseArrastre::ImportacionTexto);
    EXPECT_EQ(claseArrastre(QStringLiteral("a.csv")), ClaseArrastre::ImportacionTexto);
    for (const char* hoja : {"a.xls", "a.xlsx", "a.Ods"}) {
        EXPECT_EQ(claseArrastre(QString::fromLatin1(hoja)), ClaseArrastre::ImportacionHoja);
    }
    EXPECT_FALSE(claseArrastre(QStringLiteral("a.pdf")));
    EXPECT_FALSE(claseArrastre(QStringLiteral("qvd")));
}

TEST(Arrastre, TakesOneLocalFileOfAKnownKind) {
    QMimeData uno;
    uno.setUrls({QUrl::fromLocalFile(QStringLiteral("/d/H2.qvd"))});
    EXPECT_EQ(ficheroArrastrado(uno), QStringLiteral("/d/H2.qvd"));
    QMimeData dos;
    dos.setUrls({QUrl::fromLocalFile(QStringLiteral("/d/a.qvd")),
                 QUrl::fromLocalFile(QStringLiteral("/d/b.qvd"))});
    EXPECT_FALSE(ficheroArrastrado(dos));
    QMimeData remoto;
    remoto.setUrls({QUrl(QStringLiteral("https://example.org/H2.qvd"))});
    EXPECT_FALSE(ficheroArrastrado(remoto));
    QMimeData otro;
    otro.setUrls({QUrl::fromLocalFile(QStringLiteral("/d/H2.pdf"))});
    EXPECT_FALSE(ficheroArrastrado(otro));
    QMimeData texto;
    texto.setText(QStringLiteral("/d/H2.qvd"));
    EXPECT_FALSE(ficheroArrastrado(texto));
}

TEST(LineaDeOrdenes, TheFirstNameIsTheDocument) {
    EXPECT_FALSE(documentoDeArgumentos({QStringLiteral("oscilab")}));
    EXPECT_EQ(documentoDeArgumentos(
                  {QStringLiteral("oscilab"), QStringLiteral("-x"), QStringLiteral("d/H2.qvd")}),
              QDir::current().absoluteFilePath(QStringLiteral("d/H2.qvd")));
}

class ArrastreVentana : public VentanaPrueba {
protected:
    // Drops `fichero` on the window as a file manager would, then lets the window act.
    bool suelta(const QString& fichero) {
        QMimeData datos;
        datos.setUrls({QUrl::fromLocalFile(fichero)});
        const QPointF centro = QRectF(ventana->rect()).center();
        QDragEnterEvent entra(centro.toPoint(), Qt::CopyAction, &datos, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(ventana.get(), &entra);
        if (!entra.isAccepted()) {
            return false;
        }
        QDropEvent suelta(centro, Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(ventana.get(), &suelta);
        QCoreApplication::processEvents();
        return suelta.isAccepted();
    }
};

TEST_F(ArrastreVentana, DroppedDocumentOpensAfterTheUnsavedChangesQuestion) {
    llenaDocumento(6, QStringLiteral("Hidrogeno"));
    guardaComo(QStringLiteral("H2.qvd"));
    ventana->nuevo();
    llenaDocumento(3, QStringLiteral("Otro"));
    mensajes.mostrados.clear();
    mensajes.responder(Respuesta::No); // do not save "Otro"

    ASSERT_TRUE(suelta(ruta(QStringLiteral("H2.qvd"))));
    ASSERT_EQ(mensajes.mostrados.size(), 1u);
    EXPECT_EQ(mensajes.mostrados[0].icono, IconoMensaje::Pregunta);
    EXPECT_EQ(caja(QStringLiteral("textnombre"))->text(), QStringLiteral("Hidrogeno"));
    EXPECT_EQ(celda(6, 1), QStringLiteral("1.5"));
    EXPECT_EQ(ventana->documento().ruta(), ruta(QStringLiteral("H2.qvd")));
    EXPECT_FALSE(ventana->hayCambios());
    EXPECT_TRUE(dialogos.iniciales.size() == 1); // only the Save-as: no open dialog
}

TEST_F(ArrastreVentana, DroppedCsvImportsWithoutADialog) {
    opcion(QStringLiteral("optdist(1)"))->setChecked(true);
    opcion(QStringLiteral("optener(1)"))->setChecked(true);
    escribeBytes(ruta(QStringLiteral("p.csv")), "R;V\n1.2;-0.5\n1.4;-0.7\n");
    ASSERT_TRUE(suelta(ruta(QStringLiteral("p.csv"))));
    EXPECT_TRUE(dialogos.iniciales.isEmpty());
    EXPECT_EQ(celda(1, 1), QStringLiteral("1.2"));
    EXPECT_EQ(celda(2, 2), QStringLiteral("-0.7"));
    EXPECT_TRUE(ventana->hayCambios());
    EXPECT_FALSE(suelta(ruta(QStringLiteral("p.pdf"))));
    // A file dropped on a text box reaches the window instead of becoming its text.
    EXPECT_FALSE(caja(QStringLiteral("textnombre"))->acceptDrops());
}

TEST_F(ArrastreVentana, CommandLineDocumentOpensInTheNewMainWindow) {
    llenaDocumento(5, QStringLiteral("Hidrogeno"));
    guardaComo(QStringLiteral("H2.qvd"));
    EstadoGlobal otro = estado;
    const auto principal = abreVentanaPrincipal(otro, ruta(QStringLiteral("H2.qvd")));
    EXPECT_TRUE(principal->isVisible());
    EXPECT_EQ(principal->textoCelda(5, 1), QStringLiteral("1.4"));
    EXPECT_EQ(principal->documento().ruta(), ruta(QStringLiteral("H2.qvd")));
    EXPECT_TRUE(principal->windowTitle().contains(QStringLiteral("H2.qvd")));
}

} // namespace
} // namespace oscilab::prueba
