#include "compartido/resultado.h"
#include "modelo/chequeo_datos.h"
#include "modelo/documento.h"
#include "run/ejecucion.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace oscilab {

TEST(Resultado, AFalloSaysMessageCauseAndTheSystemsTextOneALine) {
    const Fallo completo{QStringLiteral("No se puede leer el archivo a.qvd."),
                         QStringLiteral("Línea 2: falta algo."),
                         QStringLiteral("Permission denied")};
    EXPECT_EQ(completo.texto(), QStringLiteral("No se puede leer el archivo a.qvd.\n"
                                               "Línea 2: falta algo.\nPermission denied"));
    EXPECT_EQ((Fallo{QStringLiteral("M"), {}, QStringLiteral("S")}).texto(),
              QStringLiteral("M\nS"));
    // Told inside a larger task, the inner words become the cause and the system's stay last.
    const Fallo mayor = completo.dentroDe(QStringLiteral("No se ha abierto."));
    EXPECT_EQ(mayor.mensaje, QStringLiteral("No se ha abierto."));
    EXPECT_EQ(mayor.sistema, completo.sistema);
    EXPECT_EQ(mayor.texto(), QStringLiteral("No se ha abierto.\n") + completo.texto());
    EXPECT_EQ((Fallo{{}, {}, QStringLiteral("S")}).dentroDe(QStringLiteral("M")).texto(),
              QStringLiteral("M\nS"));
}

TEST(Resultado, HoldsTheValueOrTheFalloNeverBoth) {
    Resultado<int> bien = 7;
    ASSERT_TRUE(bien.ok());
    EXPECT_EQ(bien.valor(), 7);
    EXPECT_EQ(bien.fallo(), Fallo{}); // an empty one, printable either way
    const Resultado<int> mal = Fallo{QStringLiteral("No.")};
    EXPECT_FALSE(mal.ok());
    EXPECT_THROW((void)mal.valor(), std::bad_variant_access);
    EXPECT_TRUE(Resultado<void>().ok());
    EXPECT_EQ(Resultado<void>(Fallo{QStringLiteral("No.")}).fallo().texto(), QStringLiteral("No."));
}

TEST(Resultado, AFailedSaveNamesTheFileAndKeepsTheSystemsText) {
    QTemporaryDir carpeta;
    Documento doc;
    doc.ponTitulo(QStringLiteral("H2"));
    doc.ponMasa(1, QStringLiteral("1"));
    doc.ponMasa(2, QStringLiteral("1"));
    doc.ponDistancia(Distancia::Bohr);
    doc.ponEnergia(Energia::Hartree);
    const QString ruta = carpeta.filePath(QStringLiteral("no/existe.qvd"));
    const Resultado<void> guardado = doc.guarda(ruta);
    ASSERT_FALSE(guardado.ok());
    EXPECT_EQ(guardado.fallo().mensaje,
              QStringLiteral("Ha ocurrido un error al intentar guardar el fichero ") + ruta);
    EXPECT_FALSE(guardado.fallo().sistema.isEmpty());
    EXPECT_TRUE(guardado.fallo().texto().endsWith(guardado.fallo().sistema));
}

// A run that ends with an error: the engine's own words are kept as the system's text, under
// a line that says whose they are; a clean run is done.
TEST(Resultado, AFailedRunKeepsTheEnginesWords) {
    ResultadoLanzamiento lanzamiento;
    lanzamiento.iniciado = true;
    lanzamiento.terminoBien = true;
    lanzamiento.codigoSalida = 5;
    lanzamiento.errorEstandar = "DATOS NO ADMITIDOS: R = 0\n";
    const Resultado<void> r =
        compruebaLanzamiento(lanzamiento, QStringLiteral("curvifit"), true, true);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.fallo().texto(),
              QStringLiteral("El programa de cálculo ha terminado con un error (código 5); el "
                             "cálculo no se ha completado.\nMensajes del programa de cálculo:\n"
                             "DATOS NO ADMITIDOS: R = 0"));
    lanzamiento.codigoSalida = 0;
    EXPECT_TRUE(compruebaLanzamiento(lanzamiento, QStringLiteral("curvifit"), true, true).ok());
    EXPECT_FALSE(compruebaLanzamiento(lanzamiento, QStringLiteral("curvifit"), true, false).ok());
}

// The check before a save says what is missing by its message and the control to fill, not by
// a number; what it says of the points does not stop the save.
TEST(Resultado, TheCheckNamesWhatIsMissingWithoutCodes) {
    const ResultadoChequeo sinMasa = evaluaChequeo(9, 5, true, true, false);
    EXPECT_FALSE(sinMasa.completo());
    EXPECT_EQ(sinMasa.foco, FocoChequeo::Masa2);
    EXPECT_EQ(sinMasa.puntos, 9);
    const ResultadoChequeo pocos = evaluaChequeo(4, 5, true, true, true);
    EXPECT_TRUE(pocos.completo());
    EXPECT_FALSE(pocos.permiteEjecutar);
    EXPECT_FALSE(pocos.mensaje.isEmpty());
}

} // namespace oscilab
