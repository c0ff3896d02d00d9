// curvifit's command line: the name first, --jmax and --cola with their bounds, words that do
// not count.
#include "argumentos.h"
#include "errores.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
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

int ejecutaEnCarpetaVacia(const std::string& argumentos) {
    const auto carpeta = std::filesystem::temp_directory_path() / "curvifit_argumentos";
    std::filesystem::create_directories(carpeta);
    const std::string orden = "cd '" + carpeta.string() +
                              "' && '" OSCILAB_PROGRAM_DIR "/curvifit' " + argumentos +
                              " 2> /dev/null";
    const int estado = std::system(orden.c_str());
    std::filesystem::remove_all(carpeta);
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
    // Only the first argument names the document, even when it looks like an option.
    EXPECT_EQ(leeArgumentos({"--jmax", "7"}).nombre, "--jmax");
    EXPECT_EQ(leeArgumentos({"--jmax", "7"}).jmax, 20);
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

TEST(Argumentos, TheEngineRefusesABadJmaxBeforeLookingForTheFile) {
    EXPECT_EQ(ejecutaEnCarpetaVacia("mol --jmax 201"), static_cast<int>(Salida::DatosNoAdmitidos));
    EXPECT_EQ(ejecutaEnCarpetaVacia("mol --jmax 200"),
              static_cast<int>(Salida::FicheroNoEncontrado));
}

} // namespace curvifit
