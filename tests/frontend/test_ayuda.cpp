#include "support/guiones.h"
#include "windows/ayuda.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace oscilab {
namespace {

const QString kSinAyuda = QStringLiteral(
    "No se puede mostrar la ayuda. No hay fichero de ayuda asociado a este proyecto.");

TEST(Ayuda, MissingFileIsReportedWithTheMainWindowsTitle) {
    prueba::MensajesGuionizados mensajes;
    QWidget principal;
    principal.setWindowTitle("OSCILAB - H2.qvd");
    QTemporaryDir dir;
    EXPECT_EQ(muestraayuda(ficheroAyuda(dir.path() + "/"), &principal), nullptr);
    EXPECT_EQ(muestraayuda(QString(), &principal), nullptr);
    ASSERT_EQ(mensajes.mostrados.size(), 2u);
    for (const auto& m : mensajes.mostrados) {
        EXPECT_EQ(m.texto, kSinAyuda);
        EXPECT_EQ(m.titulo, "OSCILAB - H2.qvd");
        EXPECT_EQ(m.icono, IconoMensaje::Informacion);
    }
}

TEST(Ayuda, AFolderIsNotAHelpFile) {
    prueba::MensajesGuionizados mensajes;
    QTemporaryDir dir;
    EXPECT_EQ(muestraayuda(dir.path(), nullptr), nullptr);
    EXPECT_EQ(mensajes.textos(), QStringList{kSinAyuda});
}

TEST(Ayuda, InstalledHelpOpensNonModalAtItsTableOfContents) {
    prueba::MensajesGuionizados mensajes;
    const QString ruta = ficheroAyuda(QStringLiteral(OSCILAB_PROGRAM_DIR "/"));
    ASSERT_TRUE(QFile::exists(ruta));
    VentanaAyuda* v = muestraayuda(ruta, nullptr);
    ASSERT_NE(v, nullptr);
    EXPECT_TRUE(mensajes.mostrados.empty());
    EXPECT_TRUE(v->isVisible());
    EXPECT_FALSE(v->isModal());
    EXPECT_EQ(v->parentWidget(), nullptr);
    const QString texto = v->navegador()->toPlainText();
    EXPECT_TRUE(texto.contains("Índice"));
    // The second call reuses the open window.
    EXPECT_EQ(muestraayuda(ruta, nullptr), v);
    v->close();
}

TEST(Ayuda, HelpCoversTheDocumentUnitsRunReportPlotAndPrinting) {
    QFile f(ficheroAyuda(QStringLiteral(OSCILAB_SOURCE_DIR "/frontend/programa/")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(f.readAll());
    for (const char* tema : {"name=\"indice\"",
                             "name=\"documento\"",
                             "name=\"unidades\"",
                             "name=\"potencias\"",
                             "name=\"ejecutar\"",
                             "name=\"informe\"",
                             "name=\"grafico\"",
                             "name=\"imprimir\"",
                             "DISTANCIA DE EQUILIBRIO",
                             "CTE CUADRATICA",
                             "CTE CUBICA",
                             "NU Y XNU",
                             "ENERGIA EN EL EQUILIBRIO",
                             "NIVELES VIBRACIONALES INCLUIDOS",
                             "ALARGAMIENTO",
                             "INCREMENTO DE LA CONSTANTE DE FUERZA",
                             "COEFICIENTES OBTENIDOS",
                             "CUASIVARIANZA MUESTRAL",
                             "ERROR PROBABLE",
                             "milidinas/angstrom",
                             "1/cm",
                             "hartree",
                             "bohr",
                             "¿Quiere imprimir los resultados con el gráfico?"}) {
        EXPECT_TRUE(html.contains(QString::fromUtf8(tema))) << tema;
    }
}

} // namespace
} // namespace oscilab
