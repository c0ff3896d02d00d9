// The interface language: Spanish by default, English from --lang en or the saved choice
// of "Opciones > Idioma / Language", which applies on the next start.
#include "aplicacion/arranque.h"
#include "aplicacion/linea_ordenes.h"
#include "compartido/idioma.h"
#include "support/ventana_prueba.h"

#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace oscilab {
namespace {

QStringList orden(std::initializer_list<const char*> palabras) {
    QStringList a{QStringLiteral("oscilab")};
    for (const char* p : palabras) {
        a << QString::fromUtf8(p);
    }
    return a;
}

TEST(Idioma, TheOptionWinsOverTheSettingAndSpanishIsTheDefault) {
    QTemporaryDir dir;
    QSettings ajustes(dir.filePath(QStringLiteral("oscilab.conf")), QSettings::IniFormat);
    EXPECT_EQ(idiomaGuardado(ajustes), Idioma::Espanol); // whatever the desktop's language
    EXPECT_EQ(idiomaDeArranque(orden({}), ajustes), Idioma::Espanol);
    EXPECT_EQ(idiomaDeArranque(orden({"--lang", "en"}), ajustes), Idioma::Ingles);
    EXPECT_EQ(idiomaDeArranque(orden({"H2.qvd", "--lang=en"}), ajustes), Idioma::Ingles);

    guardaIdioma(ajustes, Idioma::Ingles);
    EXPECT_EQ(QSettings(ajustes.fileName(), QSettings::IniFormat).value("interfaz/idioma"), "en");
    EXPECT_EQ(idiomaDeArranque(orden({}), ajustes), Idioma::Ingles);
    EXPECT_EQ(idiomaDeArranque(orden({"--lang", "es"}), ajustes), Idioma::Espanol);
    // An unknown value, a missing one or one after "--" asks for nothing.
    EXPECT_EQ(idiomaDeArgumentos(orden({"--lang", "fr"})), std::nullopt);
    EXPECT_EQ(idiomaDeArgumentos(orden({"--lang"})), std::nullopt);
    EXPECT_EQ(idiomaDeArgumentos(orden({"--", "--lang", "en"})), std::nullopt);
    ajustes.setValue(QStringLiteral("interfaz/idioma"), QStringLiteral("klingon"));
    EXPECT_EQ(idiomaGuardado(ajustes), Idioma::Espanol);
}

TEST(Idioma, TheLanguageIsNoDocumentAndTheHelpSaysSo) {
    EXPECT_EQ(documentoDeArgumentos(orden({"--lang", "en"})), std::nullopt);
    EXPECT_EQ(documentoDeArgumentos(orden({"--lang", "en", "H2.qvd"})).value_or(QString()),
              QFileInfo(QStringLiteral("H2.qvd")).absoluteFilePath());
    const std::string ayuda = respuestaLineaOrdenes({"--help"}).value_or("");
    EXPECT_NE(ayuda.find("--lang es|en"), std::string::npos);
    EXPECT_EQ(ayuda.rfind("Uso: oscilab", 0), 0u);
    EXPECT_EQ(errorLineaOrdenes({"--lang", "en", "H2.qvd"}), std::nullopt);
    EXPECT_EQ(errorLineaOrdenes({"--", "--lang", "xx"}), std::nullopt); // a file of that name
    for (const auto& malo : {std::vector<std::string>{"--lang"}, {"--lang", "fr"}, {"--lang=EN"}}) {
        EXPECT_NE(errorLineaOrdenes(malo).value_or("").find("--lang necesita es o en"),
                  std::string::npos);
    }
    EXPECT_EQ(
        respuestaLineaOrdenes({"--lang", "en", "--help"}).value_or("").rfind("Usage: oscilab", 0),
        0u);
}

// Choosing English saves it and says it applies on the next start; this window stays Spanish.
class MenuIdioma : public prueba::VentanaPrueba {
protected:
    void SetUp() override {
        ASSERT_TRUE(config.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
        prueba::VentanaPrueba::SetUp();
    }
    QTemporaryDir config;
};

TEST_F(MenuIdioma, ChoosingEnglishSavesItForTheNextStart) {
    prueba::MensajesGuionizados mensajes;
    QAction* espanol = accion(QStringLiteral("mnuidioma_es"));
    QAction* ingles = accion(QStringLiteral("mnuidioma_en"));
    ASSERT_TRUE(espanol && ingles);
    EXPECT_TRUE(espanol->isChecked());
    ingles->trigger();
    EXPECT_TRUE(ingles->isChecked());
    EXPECT_EQ(idiomaGuardado(*ajustesUsuario()), Idioma::Ingles);
    ASSERT_EQ(mensajes.mostrados.size(), 1u);
    EXPECT_TRUE(mensajes.mostrados[0].texto.contains(QStringLiteral("próxima vez")));
    EXPECT_EQ(hijo<QMenu>(QStringLiteral("mnuarchivo"))->title(), QStringLiteral("&Archivos"));
    espanol->trigger();
    EXPECT_EQ(idiomaGuardado(*ajustesUsuario()), Idioma::Espanol);
}

} // namespace
} // namespace oscilab
