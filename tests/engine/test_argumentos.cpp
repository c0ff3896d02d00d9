// curvifit's command line: options before or after the name, --jmax and --cola with their
// bounds, words that do not count, --help and --version.
#include "argumentos.h"
#include "errores.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>

namespace curvifit {

namespace {

Salida salidaDe(const std::vector<std::string>& argumentos, const std::string& opcion = "--jmax") {
    try {
        leeArgumentos(argumentos);
    } catch (const ErrorMotor& error) {
        EXPECT_NE(std::string(error.what()).find(opcion), std::string::npos) << error.what();
        return error.salida();
    }
    return Salida::Correcta;
}

// The exit status; what the program wrote on standard output goes to `salida`.
int ejecutaEnCarpetaVacia(const std::string& argumentos, std::string* salida = nullptr) {
    // One folder per test: ctest runs the tests of this file side by side.
    const auto carpeta =
        std::filesystem::temp_directory_path() /
        ("curvifit_argumentos_" +
         std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::create_directories(carpeta);
    const std::string orden = "cd '" + carpeta.string() +
                              "' && '" OSCILAB_PROGRAM_DIR "/curvifit' " + argumentos +
                              " 2> /dev/null > salida.txt";
    const int estado = std::system(orden.c_str());
    if (salida != nullptr) {
        std::ifstream fichero(carpeta / "salida.txt");
        salida->assign(std::istreambuf_iterator<char>(fichero), {});
    }
    const bool quedanResultados = std::filesystem::exists(carpeta / "result");
    std::filesystem::remove_all(carpeta);
    EXPECT_FALSE(quedanResultados && argumentos.find("--") == 0) << argumentos;
    return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
}

} // namespace

TEST(Argumentos, NameFirstAndJmaxTwentyByDefault) {
    const Argumentos a = leeArgumentos({"CO", "extra"});
    EXPECT_EQ(a.nombre, "CO");
    EXPECT_EQ(a.jmax, 20);
    EXPECT_FALSE(a.json);
    EXPECT_FALSE(a.explorar);
    EXPECT_EQ(leeArgumentos(std::vector<std::string>{}).nombre, "");
}

TEST(Argumentos, OptionsBeforeOrAfterTheName) {
    for (const std::vector<std::string>& orden :
         {std::vector<std::string>{"--jmax", "7", "CO"}, {"CO", "--jmax", "7"}}) {
        const Argumentos a = leeArgumentos(orden);
        EXPECT_EQ(a.nombre, "CO");
        EXPECT_EQ(a.jmax, 7);
    }
    // After "--" a word is the name even when it looks like an option.
    const Argumentos a = leeArgumentos({"--jmax", "3", "--", "--help", "--json"});
    EXPECT_EQ(a.nombre, "--help");
    EXPECT_FALSE(a.ayuda);
    EXPECT_FALSE(a.json);
    EXPECT_EQ(a.jmax, 3);
    EXPECT_TRUE(leeArgumentos({"CO", "--help"}).ayuda);
    EXPECT_TRUE(leeArgumentos({"--version"}).version);
}

TEST(Argumentos, AnUnknownOptionIsRefusedByName) {
    try {
        leeArgumentos({"--jmx", "5", "CO"});
        ADD_FAILURE() << "--jmx accepted";
    } catch (const ErrorMotor& error) {
        EXPECT_EQ(error.salida(), Salida::DatosNoAdmitidos);
        EXPECT_NE(std::string(error.what()).find("--jmx"), std::string::npos) << error.what();
    }
}

TEST(Argumentos, JmaxWithinItsBounds) {
    EXPECT_EQ(leeArgumentos({"CO", "--jmax", "0"}).jmax, 0);
    EXPECT_EQ(leeArgumentos({"CO", "--jmax", "200"}).jmax, 200);
    EXPECT_EQ(leeArgumentos({"CO", "--json", "--jmax", "35"}).jmax, 35);
    const Argumentos a = leeArgumentos({"CO", "--explorar", "HF", "--json"});
    EXPECT_EQ(a.explorar.value_or(""), "HF");
    EXPECT_TRUE(a.json);
}

TEST(Argumentos, JmaxOutOfRangeOrMalformedIsRefused) {
    for (const char* malo : {"201", "-1", "", "1.5", "2x", "x", "+3", "99999999999"}) {
        EXPECT_EQ(salidaDe({"CO", "--jmax", malo}), Salida::DatosNoAdmitidos) << malo;
    }
    EXPECT_EQ(salidaDe({"CO", "--jmax"}), Salida::DatosNoAdmitidos);
}

TEST(Argumentos, TailExponentFromOneToTwelveSixByDefault) {
    EXPECT_EQ(leeArgumentos({"CO"}).cola, 6);
    EXPECT_EQ(leeArgumentos({"CO", "--cola", "1"}).cola, 1);
    EXPECT_EQ(leeArgumentos({"CO", "--jmax", "3", "--cola", "12"}).cola, 12);
    for (const char* malo : {"0", "13", "", "4.0", "x"}) {
        EXPECT_EQ(salidaDe({"CO", "--cola", malo}, "--cola"), Salida::DatosNoAdmitidos) << malo;
    }
    EXPECT_EQ(salidaDe({"CO", "--cola"}, "--cola"), Salida::DatosNoAdmitidos);
}

TEST(Argumentos, LangChoosesTheWarningsLanguageSpanishByDefault) {
    EXPECT_EQ(leeArgumentos({"CO"}).idioma, IdiomaAvisos::Espanol);
    EXPECT_EQ(leeArgumentos({"--lang", "en", "CO"}).idioma, IdiomaAvisos::Ingles);
    EXPECT_EQ(leeArgumentos({"CO", "--lang", "es"}).idioma, IdiomaAvisos::Espanol);
    for (const char* malo : {"fr", "EN", ""}) {
        EXPECT_EQ(salidaDe({"CO", "--lang", malo}, "--lang"), Salida::DatosNoAdmitidos) << malo;
    }
    EXPECT_EQ(salidaDe({"CO", "--lang"}, "--lang"), Salida::DatosNoAdmitidos);
    EXPECT_NE(textoAyuda().find("--lang es|en"), std::string::npos);
}

TEST(Argumentos, TheEngineRefusesABadJmaxBeforeLookingForTheFile) {
    EXPECT_EQ(ejecutaEnCarpetaVacia("mol --jmax 201"), static_cast<int>(Salida::DatosNoAdmitidos));
    EXPECT_EQ(ejecutaEnCarpetaVacia("mol --jmax 200"),
              static_cast<int>(Salida::FicheroNoEncontrado));
}

TEST(Argumentos, HelpAndVersionPrintAndExitZeroWherever) {
    std::string ayuda, version;
    EXPECT_EQ(ejecutaEnCarpetaVacia("--help", &ayuda), 0);
    EXPECT_NE(ayuda.find("Uso: curvifit"), std::string::npos) << ayuda;
    EXPECT_NE(ayuda.find("--jmax"), std::string::npos);
    EXPECT_EQ(ejecutaEnCarpetaVacia("--version", &version), 0);
    EXPECT_EQ(version, "curvifit " OSCILAB_VERSION_ESPERADA "\n");
    // Before a name it still only prints: no data file is looked for, no result/ is made.
    EXPECT_EQ(ejecutaEnCarpetaVacia("--help mol"), 0);
    EXPECT_EQ(ejecutaEnCarpetaVacia("--jmax 5 mol"), static_cast<int>(Salida::FicheroNoEncontrado));
    EXPECT_EQ(ejecutaEnCarpetaVacia("--opcion mol"), static_cast<int>(Salida::DatosNoAdmitidos));
}

} // namespace curvifit
