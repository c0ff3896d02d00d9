// What is opened is what is saved and run: every point, the whole title, bounded reads.
#include "support/ventana_prueba.h"

#include <QValidator>

#include <sys/stat.h>

namespace oscilab::prueba {

namespace {

QByteArray documento(int puntos, const QByteArray& potencias = "0 1 2 ") {
    QByteArray bytes = "t\r\n" + potencias + "\r\n1.0079   1.0079\r\nUA   UA\r\n";
    for (int i = 1; i <= puntos; ++i) {
        bytes += QByteArray::number(1.0 + 0.1 * i) + "   -1." + QByteArray::number(i) + "\r\n";
    }
    return bytes;
}

} // namespace

using Seguridad = VentanaPrueba;

TEST_F(Seguridad, SixtyPointsOpenWholeAndSaveWhole) {
    const QString fichero = ruta(QStringLiteral("largo.qvd"));
    escribeBytes(fichero, documento(60));
    dialogos.elegir(fichero);
    accion(QStringLiteral("mnuabrir"))->trigger();
    EXPECT_TRUE(mensajes.mostrados.empty());
    EXPECT_FALSE(celda(60, 1).isEmpty());
    EXPECT_TRUE(celda(61, 1).isEmpty());

    caja(QStringLiteral("textnombre"))->setText(QStringLiteral("otro"));
    mensajes.responder(Respuesta::Si); // overwrite
    accion(QStringLiteral("mnuguardar"))->trigger();
    EXPECT_EQ(bytesDe(fichero).count('\n'), 4 + 60);
    EXPECT_TRUE(ventana->ejecutarHabilitado());
}

TEST_F(Seguridad, AZeroEnergyIsAPointAndTooFewPointsAreNotRunAfterOpen) {
    QByteArray bytes = documento(4);
    bytes += "10.0   0.0\r\n";
    escribeBytes(ruta(QStringLiteral("cero.qvd")), bytes);
    dialogos.elegir(ruta(QStringLiteral("cero.qvd")));
    accion(QStringLiteral("mnuabrir"))->trigger();
    EXPECT_TRUE(ventana->ejecutarHabilitado());
    EXPECT_EQ(ventana->chequeadatos().puntos, 5);

    escribeBytes(ruta(QStringLiteral("pocos.qvd")), documento(3, "0 1 2 3 4 "));
    dialogos.elegir(ruta(QStringLiteral("pocos.qvd")));
    accion(QStringLiteral("mnuabrir"))->trigger();
    EXPECT_FALSE(ventana->ejecutarHabilitado());
}

TEST_F(Seguridad, ATitleWithACommaRoundTripsAndOneOutsideLatin1IsRefused) {
    llenaDocumento(7, QStringLiteral("H2,estado\"X\""));
    guardaComo(QStringLiteral("coma.qvd"));
    ventana->marcaGuardado();
    dialogos.elegir(ruta(QStringLiteral("coma.qvd")));
    accion(QStringLiteral("mnuabrir"))->trigger();
    EXPECT_EQ(caja(QStringLiteral("textnombre"))->text(), QStringLiteral("H2,estado\"X\""));

    QLineEdit* titulo = caja(QStringLiteral("textnombre"));
    ASSERT_NE(titulo->validator(), nullptr); // what typing and pasting go through
    QString tecleado = QStringLiteral("Hñ");
    int posicion = 0;
    EXPECT_EQ(titulo->validator()->validate(tecleado, posicion), QValidator::Acceptable);
    tecleado = QStringLiteral("H₂");
    EXPECT_EQ(titulo->validator()->validate(tecleado, posicion), QValidator::Invalid);

    titulo->setText(QStringLiteral("H₂")); // as a paste or an import could leave it
    ventana->marcaCambio();
    mensajes.mostrados.clear();
    guardaComo(QStringLiteral("h2.qvd"));
    EXPECT_FALSE(QFile::exists(ruta(QStringLiteral("h2.qvd"))));
    ASSERT_FALSE(mensajes.mostrados.empty());
    EXPECT_TRUE(mensajes.textos().last().contains(QStringLiteral("«₂»")));
}

TEST_F(Seguridad, OpenRefusesAFifoAndAHugeFile) {
    const QString fifo = ruta(QStringLiteral("tubo.qvd"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    dialogos.elegir(fifo);
    accion(QStringLiteral("mnuabrir"))->trigger(); // would block for ever if read
    EXPECT_TRUE(mensajes.textos().value(0).contains(QStringLiteral("no es un archivo normal")));

    escribeBytes(ruta(QStringLiteral("enorme.qvd")), documento(3) + QByteArray(1024 * 1024, ' '));
    dialogos.elegir(ruta(QStringLiteral("enorme.qvd")));
    accion(QStringLiteral("mnuabrir"))->trigger();
    EXPECT_TRUE(mensajes.textos().value(1).contains(QStringLiteral("más de 1 MB")));
    EXPECT_TRUE(caja(QStringLiteral("textnombre"))->text().isEmpty());
    EXPECT_FALSE(ventana->ejecutarHabilitado());
}

} // namespace oscilab::prueba
