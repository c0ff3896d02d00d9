// The document's file dialogs and the unsaved-changes question after "Guardar como...".
#include "support/ventana_prueba.h"

#include <QDir>
#include <QToolButton>

namespace oscilab::prueba {

using DialogosDocumento = VentanaPrueba;

TEST_F(DialogosDocumento, TheQuestionNamesTheFileOfTheLastSaveAs) {
    llenaDocumento(7);
    guardaComo(QStringLiteral("primero.qvd"));
    guardaComo(QStringLiteral("segundo.qvd"));
    ASSERT_TRUE(QFile::exists(ruta(QStringLiteral("segundo.qvd"))));
    QTest::keyClicks(caja(QStringLiteral("textnombre")), QStringLiteral("b"));
    ASSERT_TRUE(ventana->hayCambios());
    mensajes.mostrados.clear();
    accion(QStringLiteral("mnunuevo"))->trigger();
    ASSERT_EQ(mensajes.mostrados.size(), 1U);
    EXPECT_EQ(mensajes.mostrados[0].texto,
              QStringLiteral("Se ha cambiado el archivo ") + ruta(QStringLiteral("segundo.qvd")) +
                  QStringLiteral("\n¿Desea guardar los cambios actuales?"));
}

TEST_F(DialogosDocumento, DocumentAndImportDialogsEachKeepTheirOwnFolder) {
    ASSERT_TRUE(QDir(carpeta.path()).mkpath(QStringLiteral("otros")));
    ASSERT_TRUE(QDir(carpeta.path()).mkpath(QStringLiteral("medidas")));
    llenaDocumento(7);
    guardaComo(QStringLiteral("otros/h2.qvd"));
    ASSERT_EQ(dialogos.iniciales.value(0), estado.dirdatos + QStringLiteral("H2"));
    // An import from another folder leaves the document dialogs where they were.
    escribeBytes(ruta(QStringLiteral("medidas/puntos.txt")), "1.0,-1.1\n1.2,-1.2\n");
    dialogos.elegir(ruta(QStringLiteral("medidas/puntos.txt")));
    hijo<QToolButton>(QStringLiteral("BTimport"))->click();
    EXPECT_EQ(dialogos.iniciales.value(1), estado.dirprograma);
    dialogos.elegir(std::nullopt);
    hijo<QToolButton>(QStringLiteral("BTimport"))->click();
    EXPECT_EQ(dialogos.iniciales.value(2), ruta(QStringLiteral("medidas/")));
    ventana->marcaGuardado();
    dialogos.elegir(std::nullopt);
    accion(QStringLiteral("mnuabrir"))->trigger();
    EXPECT_EQ(dialogos.iniciales.value(3), ruta(QStringLiteral("otros/")));
}

} // namespace oscilab::prueba
