#include "errores.h"
#include "lectura_libre.h"

#include <gtest/gtest.h>

#include <sstream>

namespace curvifit {

namespace {

Salida salidaDe(const std::function<void()>& accion, std::string* mensaje = nullptr) {
    try {
        accion();
    } catch (const ErrorMotor& error) {
        if (mensaje != nullptr) {
            *mensaje = error.what();
        }
        return error.salida();
    }
    return Salida::Correcta;
}

} // namespace

TEST(ConvierteReal, AcceptsTheDecimalAndExponentForms) {
    const std::pair<const char*, double> casos[] = {
        {"1.0079", 1.0079}, {"-1.1290315042", -1.1290315042},
        {"+2", 2.0},        {"3.", 3.0},
        {".5", 0.5},        {"-.25", -0.25},
        {"1E-05", 1e-05},   {"1e5", 1e5},
        {"1.5D-3", 1.5e-3}, {"2.5d+2", 250.0},
        {"0", 0.0},         {"-0.0", -0.0},
        {"1.0E+300", 1e300}};
    for (const auto& [texto, esperado] : casos) {
        const auto leido = convierteReal(texto);
        EXPECT_EQ(leido.estado, Conversion::Correcta) << texto;
        EXPECT_EQ(leido.valor, esperado) << texto;
    }
}

TEST(ConvierteReal, RejectsWhatIsNotANumber) {
    for (const char* texto :
         {"",    "+",   "-",        ".",    "abc", "1.0x", "1..2", "1E", "1E+",   "E5",   "1.0E5.5",
          "inf", "nan", "Infinity", "0x10", "1,5", "1 2",  "--1",  "1-", "1E5E5", "1.5+3"}) {
        EXPECT_EQ(convierteReal(texto).estado, Conversion::Sintaxis) << texto;
    }
}

TEST(ConvierteReal, HugeAndTinyExponentsAreConversionErrors) {
    EXPECT_EQ(convierteReal("1E400").estado, Conversion::FueraDeRango);
    EXPECT_EQ(convierteReal("-9.9D999999").estado, Conversion::FueraDeRango);
    EXPECT_EQ(convierteReal("1E-400").estado, Conversion::FueraDeRango);
    EXPECT_EQ(convierteReal(std::string(400, '9')).estado, Conversion::FueraDeRango);
}

TEST(ConvierteEntero, SignedDigitsWithinRange) {
    EXPECT_EQ(convierteEntero("-15").valor, -15);
    EXPECT_EQ(convierteEntero("+14").valor, 14);
    EXPECT_EQ(convierteEntero("007").valor, 7);
    EXPECT_EQ(convierteEntero("").estado, Conversion::Sintaxis);
    EXPECT_EQ(convierteEntero("1.0").estado, Conversion::Sintaxis);
    EXPECT_EQ(convierteEntero("a").estado, Conversion::Sintaxis);
    EXPECT_EQ(convierteEntero("-").estado, Conversion::Sintaxis);
    EXPECT_EQ(convierteEntero("99999999999999999999").estado, Conversion::FueraDeRango);
    EXPECT_EQ(convierteEntero("-2147483649").estado, Conversion::FueraDeRango);
    EXPECT_EQ(convierteEntero("-2147483648").valor, -2147483647 - 1);
}

TEST(LectorLibre, BlanksTabsAndOneCommaSeparateValues) {
    std::istringstream entrada("1.0   -2.5\r\n3,4\n5 , 6\r\n7\t8,\n");
    LectorLibre lector(entrada, "f");
    EXPECT_EQ(lector.leeReales(2), (std::vector<double>{1.0, -2.5}));
    EXPECT_EQ(lector.leeReales(2), (std::vector<double>{3.0, 4.0}));
    EXPECT_EQ(lector.leeReales(2), (std::vector<double>{5.0, 6.0}));
    EXPECT_EQ(lector.leeReales(2), (std::vector<double>{7.0, 8.0}));
    EXPECT_TRUE(lector.alFinal());
}

TEST(LectorLibre, ARecordTakesWhatTheReadNeedsAndDropsTheRest) {
    std::istringstream entrada("1 2 3 4\n5 6\n");
    LectorLibre lector(entrada, "f");
    EXPECT_EQ(lector.leeReales(2), (std::vector<double>{1.0, 2.0}));
    EXPECT_EQ(lector.leeReales(2), (std::vector<double>{5.0, 6.0}));
    EXPECT_TRUE(lector.alFinal());
}

TEST(LectorLibre, AShortRecordContinuesOnTheNextOne) {
    std::istringstream entrada("1\n\n2 9\n");
    LectorLibre lector(entrada, "f");
    EXPECT_EQ(lector.leeReales(2), (std::vector<double>{1.0, 2.0}));
    EXPECT_TRUE(lector.alFinal());
}

TEST(LectorLibre, TheLastRecordNeedsNoLineEnd) {
    std::istringstream entrada("1 2");
    LectorLibre lector(entrada, "f");
    EXPECT_FALSE(lector.alFinal());
    EXPECT_EQ(lector.leeReales(2), (std::vector<double>{1.0, 2.0}));
    EXPECT_TRUE(lector.alFinal());
}

TEST(LectorLibre, WordsRunToABlankOrAComma) {
    std::istringstream entrada("Angstrom,eV\r\nUA   UA extra\r\n");
    LectorLibre lector(entrada, "f");
    EXPECT_EQ(lector.leePalabras(2), (std::vector<std::string>{"Angstrom", "eV"}));
    EXPECT_EQ(lector.leePalabras(2), (std::vector<std::string>{"UA", "UA"}));
}

TEST(LectorLibre, RecordsAsTextAreCutAndLoseTheirLineEnd) {
    std::istringstream entrada("abcdef\r\n\r\nxy\n");
    LectorLibre lector(entrada, "f");
    EXPECT_EQ(lector.leeRegistro(4), "abcd");
    EXPECT_EQ(lector.leeRegistro(4), "");
    EXPECT_EQ(lector.leeRegistro(4), "xy");
    EXPECT_EQ(salidaDe([&] { lector.leeRegistro(4); }), Salida::ErrorLectura);
}

TEST(LectorLibre, ErrorsNameTheChannelAndTheFile) {
    std::string mensaje;
    {
        std::istringstream entrada("1.0\n");
        LectorLibre lector(entrada, "datos/x.qvd");
        EXPECT_EQ(salidaDe([&] { lector.leeReales(2); }, &mensaje), Salida::ErrorLectura);
        EXPECT_EQ(mensaje, "end-of-file during read, unit 10, file datos/x.qvd");
    }
    {
        std::istringstream entrada("1.0 uno\n");
        LectorLibre lector(entrada, "datos/x.qvd");
        EXPECT_EQ(salidaDe([&] { lector.leeReales(2); }, &mensaje), Salida::ErrorLectura);
        EXPECT_EQ(mensaje, "list-directed I/O syntax error, unit 10, file datos/x.qvd");
    }
    {
        std::istringstream entrada("1.0 1E999\n");
        LectorLibre lector(entrada, "datos/x.qvd");
        EXPECT_EQ(salidaDe([&] { lector.leeReales(2); }, &mensaje), Salida::ErrorLectura);
        EXPECT_EQ(mensaje, "input conversion error, unit 10, file datos/x.qvd");
    }
}

TEST(LectorLibre, EmptyValuesAndSlashesAreSyntaxErrors) {
    for (const char* texto : {"1.0,,2.0\n", ",1.0 2.0\n", "1.0 / 2.0\n", "1.0 ; 2.0\n"}) {
        std::istringstream entrada(texto);
        LectorLibre lector(entrada, "f");
        std::string mensaje;
        EXPECT_EQ(salidaDe([&] { lector.leeReales(2); }, &mensaje), Salida::ErrorLectura) << texto;
        EXPECT_NE(mensaje.find("syntax error"), std::string::npos) << texto;
    }
}

TEST(LectorLibre, ARecordOverOneMebibyteIsARefusalNotACut) {
    const std::string justa(LectorLibre::LONGITUD_MAXIMA - 4, ' ');
    std::istringstream cabe("1 2" + justa + "9\n3 4\n");
    LectorLibre lector(cabe, "f");
    EXPECT_EQ(lector.leeReales(2), (std::vector<double>{1.0, 2.0}));
    EXPECT_EQ(lector.leeReales(2), (std::vector<double>{3.0, 4.0}));

    std::istringstream larga("1 2" + justa + "99\n3 4\n");
    LectorLibre otro(larga, "datos/x.qvd");
    std::string mensaje;
    EXPECT_EQ(salidaDe([&] { otro.leeReales(2); }, &mensaje), Salida::ErrorLectura);
    EXPECT_EQ(mensaje, "record too long, unit 10, file datos/x.qvd");
}

TEST(LectorLibre, CrAloneEndsARecordLikeCrLfAndLf) {
    std::istringstream entrada("titulo\r1 2 9\r\n3 4\n5 6\r");
    LectorLibre lector(entrada, "f");
    EXPECT_EQ(lector.leeRegistro(60), "titulo");
    EXPECT_EQ(lector.leeReales(2), (std::vector<double>{1.0, 2.0}));
    EXPECT_EQ(lector.leeReales(2), (std::vector<double>{3.0, 4.0}));
    EXPECT_EQ(lector.leeReales(2), (std::vector<double>{5.0, 6.0}));
    EXPECT_TRUE(lector.alFinal());
}

TEST(LectorLibre, OnlyBlankRecordsLeftCountsAsTheEnd) {
    std::istringstream entrada("1 2\r\n \t\r\n\r\n\n  3 4\r\n\r\n   ");
    LectorLibre lector(entrada, "f");
    EXPECT_FALSE(lector.soloQuedanBlancos());
    EXPECT_EQ(lector.leeReales(2), (std::vector<double>{1.0, 2.0}));
    EXPECT_FALSE(lector.soloQuedanBlancos());
    EXPECT_EQ(lector.leeReales(2), (std::vector<double>{3.0, 4.0}));
    EXPECT_TRUE(lector.soloQuedanBlancos());
}

} // namespace curvifit
