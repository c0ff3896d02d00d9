#include "errores.h"
#include "formato.h"
#include "leedatos.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

namespace curvifit {

namespace {

const std::string RUTA = "datos/prueba.qvd";

DatosEntrada lee(const std::string& contenido, std::string* curva = nullptr) {
    std::istringstream entrada(contenido);
    std::ostringstream salida;
    DatosEntrada datos = LEEDATOS(entrada, RUTA, salida);
    if (curva != nullptr) {
        *curva = salida.str();
    }
    return datos;
}

// The exit status and message of a data file that LEEDATOS must refuse.
std::pair<Salida, std::string> fallo(const std::string& contenido, std::string* curva = nullptr) {
    std::istringstream entrada(contenido);
    std::ostringstream salida;
    try {
        LEEDATOS(entrada, RUTA, salida);
    } catch (const ErrorMotor& error) {
        if (curva != nullptr) {
            *curva = salida.str();
        }
        return {error.salida(), error.what()};
    }
    return {Salida::Correcta, ""};
}

const std::string CABECERA = "titulo\r\n0 1 2 \r\n1.0079   1.0079\r\nUA   UA\r\n";

std::string potenciasDe(int desde, int hasta) {
    std::string texto;
    for (int p = desde; p <= hasta; ++p) {
        texto += std::to_string(p) + " ";
    }
    return texto;
}

} // namespace

TEST(LeePotencias, FrontEndFormWithTrailingBlank) {
    const auto lista = leePotencias("0 1 2 3 4 ", RUTA);
    EXPECT_EQ(lista.NPOT, 5);
    for (int p = POTENCIA_MIN; p <= POTENCIA_MAX; ++p) {
        EXPECT_EQ(lista.POTUSADA[indicePotencia(p)], p >= 0 && p <= 4 ? 1 : 0) << p;
    }
}

TEST(LeePotencias, AllThirtyPowersFillEightyFiveCharacters) {
    const std::string todas = potenciasDe(-15, 14);
    ASSERT_EQ(todas.size(), 86u);
    const auto lista = leePotencias(todas, RUTA);
    EXPECT_EQ(lista.NPOT, 30);
    for (int flag : lista.POTUSADA) {
        EXPECT_EQ(flag, 1);
    }
}

TEST(LeePotencias, ABlankLineHasNoPowers) {
    EXPECT_EQ(leePotencias(" ", RUTA).NPOT, 0);
    EXPECT_EQ(leePotencias("", RUTA).NPOT, 0);
}

TEST(LeePotencias, OnlyEightyFiveCharactersCount) {
    const std::string texto = potenciasDe(-15, 14) + "garbage";
    EXPECT_EQ(leePotencias(texto, RUTA).NPOT, 30);
}

TEST(LeePotencias, EmptyTokensAndNonIntegersAreReadErrors) {
    for (const char* linea : {"0  1 ", " 0 1", "0 a 2", "0 1.0 2", "0\t1"}) {
        EXPECT_THROW(
            try { leePotencias(linea, RUTA); } catch (const ErrorMotor& error) {
                EXPECT_EQ(error.salida(), Salida::ErrorLectura) << linea;
                throw;
            },
            ErrorMotor)
            << linea;
    }
}

TEST(LeePotencias, PowersOutOfRangeOrTwiceAreRefused) {
    for (const char* linea : {"0 15", "-16 0", "0 1 1", "2 -3 2", "99999999999"}) {
        try {
            leePotencias(linea, RUTA);
            ADD_FAILURE() << linea;
        } catch (const ErrorMotor& error) {
            EXPECT_NE(error.salida(), Salida::Correcta);
            EXPECT_NE(std::string(error.what()).find(RUTA), std::string::npos) << linea;
        }
    }
}

TEST(LeeDatos, MassesGiveTheReducedMassInElectronMasses) {
    EXPECT_NEAR(masaReducida(1.0079, 1.0079), 918.64, 0.005);
    EXPECT_NEAR(masaReducida(1.0079, 18.998), 1.0079 * 18.998 / (1.0079 + 18.998) * 1822.888486209,
                1e-9);
}

TEST(LeeDatos, AngstromAndElectronvoltsAreConverted) {
    const auto datos = lee("t\r\n0 1 \r\n12   16\r\nAngstrom   eV\r\n1.0   -2.0\r\n2.0   -1.0\r\n");
    EXPECT_EQ(datos.UNIDIST, "ANGSTROM");
    EXPECT_TRUE(datos.enAngstrom());
    EXPECT_EQ(datos.UNIENER, "eV");
    EXPECT_EQ(datos.FACDIST, 0.529177210903);
    EXPECT_EQ(datos.FACENER, 27.211386245988);
    EXPECT_EQ(datos.RDAT[0], 1.0 / 0.529177210903);
    EXPECT_EQ(datos.EDAT[0], -2.0 / 27.211386245988);
    EXPECT_EQ(datos.VDAT[0], -2.0);
}

TEST(LeeDatos, UnitWordsOfEveryKind) {
    struct Caso {
        const char* linea;
        const char* UNIDIST;
        const char* UNIENER;
        double FACDIST;
        double FACENER;
    };
    const Caso casos[] = {
        {"UA   UA", "UA      ", "UA", 1.0, 1.0},
        {"A eV", "ANGSTROM", "eV", 0.529177210903, 27.211386245988},
        {"angstrom ev", "ANGSTROM", "ev", 0.529177210903, 1.0},
        {"ANGSTROM EV", "ANGSTROM", "EV", 0.529177210903, 1.0},
        {"Angstroms eVolts", "ANGSTROM", "eV", 0.529177210903, 27.211386245988},
        {"bohr hartree", "bohr    ", "ha", 1.0, 1.0},
        {"Ang,eV", "Ang     ", "eV", 1.0, 27.211386245988},
    };
    for (const auto& caso : casos) {
        const auto datos =
            lee(std::string("t\r\n0 1 \r\n1 1\r\n") + caso.linea + "\r\n1 -1\r\n2 -0.5\r\n");
        EXPECT_EQ(datos.UNIDIST, caso.UNIDIST) << caso.linea;
        EXPECT_EQ(datos.UNIENER, caso.UNIENER) << caso.linea;
        EXPECT_EQ(datos.FACDIST, caso.FACDIST) << caso.linea;
        EXPECT_EQ(datos.FACENER, caso.FACENER) << caso.linea;
    }
}

TEST(LeeDatos, TwoPointsGiveTheirRangesAndGrid) {
    std::string curva;
    const auto datos =
        lee("titulo\r\n0 1 \r\n1.0079   1.0079\r\nUA   UA\r\n1.0   -1.0\r\n2.0   -0.5\r\n", &curva);
    EXPECT_EQ(datos.NPUNTOS(), 2);
    EXPECT_EQ(datos.RMALLA, (std::vector<double>{1.0, 2.0}));
    EXPECT_EQ(datos.EMIN, -1.0);
    EXPECT_EQ(datos.EMAX, -0.5);
    EXPECT_EQ(datos.RMIN, 1.0);
    EXPECT_EQ(datos.RMAX, 2.0);
    EXPECT_EQ(datos.SIGMA, (std::vector<double>{1.0, 1.0}));
    EXPECT_EQ(curva, registroCurva(1.0) + "\r\n" + registroCurva(-1.0) + "\r\n" +
                         registroCurva(2.0) + "\r\n" + registroCurva(-0.5) + "\r\n");
}

TEST(LeeDatos, TitleIsCutAtSixtyCharacters) {
    const auto datos = lee(std::string(70, 'x') + "\r\n0 1 \r\n1 1\r\nUA UA\r\n1 -1\r\n2 -0.5\r\n");
    EXPECT_EQ(datos.TITULO, std::string(60, 'x'));
}

TEST(LeeDatos, UnsortedPointsKeepFileOrderAndGridSpansTheRange) {
    const auto datos = lee(CABECERA + "3 -1\n1 -2\n2 -5\n5 -3\n");
    EXPECT_EQ(datos.RDAT, (std::vector<double>{3, 1, 2, 5}));
    EXPECT_EQ(datos.RMIN, 1.0);
    EXPECT_EQ(datos.RMAX, 5.0);
    EXPECT_EQ(datos.EMIN, -5.0);
    EXPECT_EQ(datos.EMAX, -1.0);
    EXPECT_EQ(datos.RMALLA, (std::vector<double>{1, 1 + 4.0 / 3, 1 + 8.0 / 3, 5}));
}

TEST(LeeDatos, LfOnlyFilesReadLikeCrLf) {
    const auto crlf = lee(CABECERA + "1 -1\r\n2 -0.5\r\n3 -0.2\r\n");
    const auto lf = lee("titulo\n0 1 2 \n1.0079   1.0079\nUA   UA\n1 -1\n2 -0.5\n3 -0.2\n");
    EXPECT_EQ(crlf.RDAT, lf.RDAT);
    EXPECT_EQ(crlf.NPOT, lf.NPOT);
    EXPECT_EQ(crlf.UNIDIST, lf.UNIDIST);
}

TEST(LeeDatos, MinimaxTakesTheFirstAndOnlyStrictImprovements) {
    double menor = 99;
    double mayor = -99;
    const std::vector<double> valores{2.0, -0.0, 0.0, 5.0, 5.0, -1.0};
    MINIMAX(valores, menor, mayor);
    EXPECT_EQ(menor, -1.0);
    EXPECT_EQ(mayor, 5.0);
    const std::vector<double> ceros{0.0, -0.0};
    MINIMAX(ceros, menor, mayor);
    EXPECT_FALSE(std::signbit(menor)); // -0.0 is not strictly smaller than 0.0
}

TEST(LeeDatosFallos, TruncatedFilesEndOfFile) {
    const std::string finDeFichero = "end-of-file during read, unit 10, file " + RUTA;
    for (const std::string& contenido :
         {std::string(""), std::string("t\r\n"), std::string("t\r\n0 1 \r\n"),
          std::string("t\r\n0 1 \r\n1.0\r\n"), std::string("t\r\n0 1 \r\n1 1\r\nUA\r\n"),
          CABECERA + "1 -1\r\n2\r\n", CABECERA + "1 -1\r\n2\r\n\r\n"}) {
        EXPECT_EQ(fallo(contenido), std::make_pair(Salida::ErrorLectura, finDeFichero))
            << contenido;
    }
}

TEST(LeeDatosFallos, LettersAndHugeNumbers) {
    const std::string sintaxis = "list-directed I/O syntax error, unit 10, file " + RUTA;
    const std::string conversion = "input conversion error, unit 10, file " + RUTA;
    EXPECT_EQ(fallo(CABECERA + "1 -1\r\nuno -0.5\r\n"),
              std::make_pair(Salida::ErrorLectura, sintaxis));
    EXPECT_EQ(fallo("t\r\n0 1 \r\nH H\r\nUA UA\r\n1 -1\r\n2 -0.5\r\n"),
              std::make_pair(Salida::ErrorLectura, sintaxis));
    EXPECT_EQ(fallo(CABECERA + "1 -1\r\n2 -1E400\r\n"),
              std::make_pair(Salida::ErrorLectura, conversion));
    EXPECT_EQ(fallo(CABECERA + "1 -1\r\n2 NaN\r\n"),
              std::make_pair(Salida::ErrorLectura, sintaxis));
}

TEST(LeeDatosFallos, TheCurveFileKeepsThePointsReadSoFar) {
    std::string curva;
    fallo(CABECERA + "1 -1\r\n2 x\r\n", &curva);
    EXPECT_EQ(curva, registroCurva(1.0) + "\r\n" + registroCurva(-1.0) + "\r\n");
}

TEST(LeeDatosFallos, FewerThanTwoPoints) {
    for (const std::string& puntos : {std::string(""), std::string("1 -1\r\n")}) {
        const auto [salida, mensaje] = fallo(CABECERA + puntos);
        EXPECT_EQ(salida, Salida::DatosNoAdmitidos);
        EXPECT_NE(mensaje.find(RUTA), std::string::npos);
        EXPECT_NE(mensaje.find("al menos dos puntos"), std::string::npos);
    }
}

TEST(LeeDatosFallos, MoreThanFiveHundredPoints) {
    std::string puntos;
    for (int i = 1; i <= MAXIMO_PUNTOS; ++i) {
        puntos += std::to_string(i) + " -1\r\n";
    }
    EXPECT_EQ(lee(CABECERA + puntos).NPUNTOS(), MAXIMO_PUNTOS);
    const auto [salida, mensaje] = fallo(CABECERA + puntos + "501 -1\r\n");
    EXPECT_EQ(salida, Salida::DatosNoAdmitidos);
    EXPECT_NE(mensaje.find("más de 500 puntos"), std::string::npos);
}

TEST(LeeDatosFallos, APointAtZeroWithNegativePowers) {
    const std::string negativas = "t\r\n-1 0 \r\n1 1\r\nUA UA\r\n";
    EXPECT_EQ(fallo(negativas + "0 -1\r\n2 -0.5\r\n").first, Salida::DatosNoAdmitidos);
    EXPECT_EQ(fallo(negativas + "0.0E0 -1\r\n2 -0.5\r\n").first, Salida::DatosNoAdmitidos);
    // Without negative powers R = 0 is an ordinary point.
    EXPECT_EQ(lee(CABECERA + "0 -1\r\n2 -0.5\r\n3 -0.2\r\n").NPUNTOS(), 3);
}

TEST(LeeDatosFallos, FewerPointsThanPowers) {
    const auto [salida, mensaje] = fallo(CABECERA + "1 -1\r\n2 -0.5\r\n");
    EXPECT_EQ(salida, Salida::DatosNoAdmitidos);
    EXPECT_NE(mensaje.find(RUTA), std::string::npos) << mensaje;
    // As many points as powers is a fit, without a degree of freedom.
    EXPECT_EQ(lee(CABECERA + "1 -1\r\n2 -0.5\r\n3 -0.2\r\n").NPUNTOS(), 3);
}

TEST(LeeDatosFallos, BadPowerLines) {
    const std::string resto = "\r\n1 1\r\nUA UA\r\n1 -1\r\n2 -0.5\r\n";
    EXPECT_EQ(fallo("t\r\n0  1" + resto).first, Salida::ErrorLectura);
    EXPECT_EQ(fallo("t\r\n 0 1" + resto).first, Salida::ErrorLectura);
    EXPECT_EQ(fallo("t\r\n0 20" + resto).first, Salida::DatosNoAdmitidos);
    EXPECT_EQ(fallo("t\r\n0 0" + resto).first, Salida::DatosNoAdmitidos);
}

TEST(LeeDatos, ExampleDocumentsRead) {
    const struct {
        const char* nombre;
        int potencias;
        int puntos;
    } ejemplos[] = {{"H2", 7, 14}, {"HF", 5, 30}, {"HF2", 6, 20}, {"CO", 5, 28}, {"CO2", 6, 20}};
    for (const auto& [nombre, potencias, puntos] : ejemplos) {
        std::ifstream fichero(std::string(OSCILAB_SOURCE_DIR) + "/datos/" + nombre + ".qvd",
                              std::ios::binary);
        ASSERT_TRUE(fichero) << nombre;
        std::ostringstream curva;
        const auto datos = LEEDATOS(fichero, nombre, curva);
        EXPECT_EQ(datos.NPOT, potencias) << nombre;
        EXPECT_EQ(datos.NPUNTOS(), puntos) << nombre;
    }
}

} // namespace curvifit
