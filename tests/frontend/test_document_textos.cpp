#include "compartido/textos_numero.h"
#include "leedatos.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>

namespace oscilab {

TEST(Validanumfloat, AcceptsDigitsPointAndControlKeys) {
    for (int tecla : {48, 57, 8, 46, 13, 25, 26, 27, 28}) {
        int t = tecla;
        EXPECT_TRUE(validanumfloat(t, QStringLiteral("12"))) << tecla;
        EXPECT_EQ(t, tecla);
    }
}

TEST(Validanumfloat, RefusesLettersExponentAndSecondPoint) {
    for (int tecla : {69, 101, 97, 32, 43, 29, 47, 58}) {
        int t = tecla;
        EXPECT_FALSE(validanumfloat(t, QStringLiteral("1"))) << tecla;
        EXPECT_EQ(t, 0);
    }
    int punto = 46;
    EXPECT_FALSE(validanumfloat(punto, QStringLiteral("1.5")));
    EXPECT_EQ(punto, 0);
    // A text already holding two points refuses even a digit, but can still be mended.
    int cifra = '3';
    EXPECT_FALSE(validanumfloat(cifra, QStringLiteral("1.2.")));
    int retroceso = 8;
    EXPECT_TRUE(validanumfloat(retroceso, QStringLiteral("1.2.")));
}

TEST(Validanumfloat, CommaIsTypedAsAPointAndCountsAsOne) {
    int coma = 44;
    EXPECT_TRUE(validanumfloat(coma, QStringLiteral("1")));
    EXPECT_EQ(coma, 46);
    for (const char* texto : {"1.5", "1,5"}) {
        for (int tecla : {44, 46}) {
            int t = tecla;
            EXPECT_FALSE(validanumfloat(t, QString::fromLatin1(texto))) << texto << tecla;
            EXPECT_EQ(t, 0);
        }
    }
    // Over a selected "2.5" the point replaces the old one.
    coma = 44;
    EXPECT_TRUE(validanumfloat(coma, QStringLiteral("2.5"), 0, 3));
}

TEST(Validanumfloat, MinusOnlyAsTheFirstCharacter) {
    const struct {
        int tecla;
        const char* texto;
        qsizetype inicio, fin;
        bool pasa;
    } casos[] = {
        {45, "", 0, 0, true},     {45, "1.5", 3, 3, false},  {45, "1.5", 0, 0, true},
        {45, "1.5", 1, 1, false}, {45, "-1.5", 0, 0, false}, {45, "-1.5", 0, 1, true},
        {45, "-2.5", 0, 4, true}, {'3', "-1", 0, 0, false},  {46, "-1", 0, 0, false},
        {'3', "-1", 1, 1, true},  {'3', "-1", 0, 1, true},   {8, "-1", 0, 0, true},
    };
    for (const auto& c : casos) {
        int t = c.tecla;
        EXPECT_EQ(validanumfloat(t, QString::fromLatin1(c.texto), c.inicio, c.fin), c.pasa)
            << c.tecla << " " << c.texto << " " << c.inicio;
        EXPECT_EQ(t, c.pasa ? c.tecla : 0);
    }
    int menos = 45;
    EXPECT_FALSE(validanumfloat(menos, QStringLiteral("1.715")));
}

TEST(Convsng, ReadsDecimalTextsInSinglePrecision) {
    EXPECT_EQ(Convsng(QStringLiteral("1.0079")), 1.0079f);
    EXPECT_EQ(Convsng(QStringLiteral("-1.1290315042")), -1.1290315042f);
    EXPECT_EQ(Convsng(QStringLiteral(".5")), 0.5f);
    EXPECT_EQ(Convsng(QStringLiteral("2.")), 2.0f);
    EXPECT_EQ(Convsng(QStringLiteral("")), 0.0f);
    EXPECT_EQ(Convsng(QStringLiteral("-")), 0.0f);
    // A minus sign anywhere negates.
    EXPECT_EQ(Convsng(QStringLiteral("5-")), -5.0f);
    // Exponent forms come back from the table's write-back and from imports.
    EXPECT_EQ(Convsng(QStringLiteral("1.5E-05")), 1.5e-5f);
    EXPECT_EQ(Convsng(QStringLiteral("-2E+15")), -2e15f);
}

TEST(Convsng, ACommaIsTheDecimalPoint) {
    EXPECT_EQ(Convsng(QStringLiteral("1,5")), 1.5f);
    EXPECT_EQ(Convsng(QStringLiteral("-0,25")), -0.25f);
    EXPECT_EQ(Convsng(QStringLiteral("1,5E-02")), 0.015f);
    // One decimal sign: the reading stops at the second.
    EXPECT_EQ(Convsng(QStringLiteral("1,500.25")), 1.5f);
}

TEST(Cambiapuntocoma, BothDirectionsAndTheEmptyingOne) {
    QString t = QStringLiteral("1.5.2");
    cambiapuntocoma(1, t);
    EXPECT_EQ(t, QStringLiteral("1,5,2"));
    cambiapuntocoma(-1, t);
    EXPECT_EQ(t, QStringLiteral("1.5.2"));
    cambiapuntocoma(0, t);
    EXPECT_TRUE(t.isEmpty());
}

TEST(ValorInicial, ReadsTheLeadingNumberLikeTheTableCheck) {
    EXPECT_DOUBLE_EQ(valorInicial(QStringLiteral("  1.25")), 1.25);
    EXPECT_DOUBLE_EQ(valorInicial(QStringLiteral("-1.5abc")), -1.5);
    EXPECT_DOUBLE_EQ(valorInicial(QStringLiteral("2.5E-3")), 0.0025);
    EXPECT_DOUBLE_EQ(valorInicial(QStringLiteral("3e")), 3.0);
    EXPECT_DOUBLE_EQ(valorInicial(QStringLiteral("1.2.3")), 1.2);
    EXPECT_DOUBLE_EQ(valorInicial(QStringLiteral("+4")), 4.0);
    EXPECT_EQ(valorInicial(QStringLiteral("")), 0.0);
    EXPECT_EQ(valorInicial(QStringLiteral("abc")), 0.0);
    EXPECT_EQ(valorInicial(QStringLiteral("-")), 0.0);
    EXPECT_EQ(valorInicial(QStringLiteral("1,5")), 1.5);
}

TEST(ValorCompleto, OnlyTextsThatAreOneWholeNumber) {
    EXPECT_EQ(valorCompleto(QStringLiteral(" -1.75 ")), -1.75);
    EXPECT_EQ(valorCompleto(QStringLiteral("1,75")), 1.75);
    EXPECT_EQ(valorCompleto(QStringLiteral("+2.5D-1")), 0.25);
    EXPECT_EQ(valorCompleto(QStringLiteral("1.5E-05")), 1.5e-5);
    EXPECT_EQ(valorCompleto(QStringLiteral(".5")), 0.5);
    for (const char* malo :
         {"1.715-317", "-", ".", "1,5,2", "1.2.3", "abc", "3e", "1 2", "--1", "1e999", ""}) {
        EXPECT_FALSE(valorCompleto(QString::fromLatin1(malo))) << malo;
    }
}

TEST(TextoGeneral, FifteenDigitsNoTrailingZerosExponentOutsideRange) {
    EXPECT_EQ(textoGeneral(1.0), QStringLiteral("1"));
    EXPECT_EQ(textoGeneral(-1.1290315042), QStringLiteral("-1.1290315042"));
    EXPECT_EQ(textoGeneral(0.5), QStringLiteral("0.5"));
    EXPECT_EQ(textoGeneral(0.0001), QStringLiteral("0.0001"));
    EXPECT_EQ(textoGeneral(0.00001), QStringLiteral("1E-05"));
    EXPECT_EQ(textoGeneral(-0.000015), QStringLiteral("-1.5E-05"));
    EXPECT_EQ(textoGeneral(1.0 / 3.0), QStringLiteral("0.333333333333333"));
    EXPECT_EQ(textoGeneral(2.0 / 3.0), QStringLiteral("0.666666666666667"));
    EXPECT_EQ(textoGeneral(123456789012345.0), QStringLiteral("123456789012345"));
    EXPECT_EQ(textoGeneral(1e15), QStringLiteral("1E+15"));
    EXPECT_EQ(textoGeneral(1.5e-120), QStringLiteral("1.5E-120"));
    EXPECT_EQ(textoGeneral(0.0), QStringLiteral("0"));
    EXPECT_EQ(textoGeneral(100.0), QStringLiteral("100"));
    // Single-precision values written back keep their binary noise at 15 digits.
    EXPECT_EQ(textoGeneral(static_cast<double>(0.1f)), QStringLiteral("0.100000001490116"));
}

TEST(TextoGeneral, ReadsBackToTheSameFifteenDigitValue) {
    for (double x : {1.889726, -27.211395, 3.14159265358979, 6.02e23, -4.2e-7, 0.529177210903}) {
        const double y = valorInicial(textoGeneral(x));
        EXPECT_NEAR(y, x, std::fabs(x) * 1e-14) << x;
    }
}

TEST(TextoGeneralSimple, SevenDigitsOfTheSingle) {
    EXPECT_EQ(textoGeneralSimple(15.999f), QStringLiteral("15.999"));
    EXPECT_EQ(textoGeneralSimple(1.0079f), QStringLiteral("1.0079"));
    EXPECT_EQ(textoGeneralSimple(210.0f), QStringLiteral("210"));
    EXPECT_EQ(textoGeneralSimple(47.9f), QStringLiteral("47.9"));
}

TEST(ConvierteCelda, DoublePrecisionWithExactlyInverseFactors) {
    EXPECT_EQ(convierteValor(1.0, Conversion::BohrAAngstrom), 0.529177210903);
    EXPECT_EQ(convierteValor(1.0, Conversion::HartreeAEv), 27.211386245988);
    EXPECT_EQ(convierteValor(0.529177210903, Conversion::AngstromABohr), 1.0);
    EXPECT_EQ(convierteValor(27.211386245988, Conversion::EvAHartree), 1.0);
    // 0.529177211 is shorter than 0.5291772109 and still converts back to 1.
    EXPECT_EQ(convierteCelda(QStringLiteral("1"), Conversion::BohrAAngstrom),
              QStringLiteral("0.529177211"));
    EXPECT_EQ(convierteCelda(QStringLiteral("-2"), Conversion::HartreeAEv),
              QStringLiteral("-54.4227725"));
    EXPECT_EQ(convierteCelda(QStringLiteral("2"), Conversion::BohrAAngstrom),
              QStringLiteral("1.058354422"));
    EXPECT_EQ(convierteCelda(QStringLiteral("0"), Conversion::EvAHartree), QStringLiteral("0"));
    EXPECT_EQ(convierteCelda(QStringLiteral("1,5"), Conversion::BohrAAngstrom),
              convierteCelda(QStringLiteral("1.5"), Conversion::BohrAAngstrom));
    // Texts that are no number stay for the save to name them.
    EXPECT_EQ(convierteCelda(QStringLiteral("1.7-3"), Conversion::AngstromABohr),
              QStringLiteral("1.7-3"));
}

// The table converts with the engine's own factors: a table converted to Angstrom and eV is
// read by the engine back to the bohr and hartree it held, to rounding (to the ten digits a
// cell shows when the text is what travels).
TEST(ConvierteCelda, TableConvertedToAngstromAndEvReadsBackInTheEngine) {
    curvifit::DatosEntrada unidades;
    curvifit::fijaUnidades(unidades, "ANGSTROM", "eV");
    for (double x : {1.4011, 0.5, 7.25, -1.1723012291375, -0.0001234, 250.0}) {
        EXPECT_DOUBLE_EQ(convierteValor(x, Conversion::BohrAAngstrom) / unidades.FACDIST, x);
        EXPECT_DOUBLE_EQ(convierteValor(x, Conversion::HartreeAEv) / unidades.FACENER, x);
        const double leido = valorInicial(convierteCelda(textoGeneral(x), Conversion::HartreeAEv)) /
                             unidades.FACENER;
        EXPECT_NEAR(leido, x, 5e-10 * std::fabs(x));
    }
}

// A converted text has at most 10 significant digits and is within one part in 10^9 of the
// exact value (half of that for texts of 10 digits or fewer).
TEST(ConvierteCelda, ShowsTheConvertedValueToTenDigits) {
    std::mt19937_64 azar(11);
    std::uniform_real_distribution<double> exponente(-3.0, 5.0);
    for (int i = 0; i < 2000; ++i) {
        const double x = std::pow(10.0, exponente(azar)) * (i % 2 == 0 ? 1 : -1);
        for (Conversion c : {Conversion::AngstromABohr, Conversion::HartreeAEv}) {
            const QString texto = convierteCelda(textoGeneral(x), c);
            const double exacto = static_cast<double>(
                static_cast<long double>(valorInicial(textoGeneral(x))) *
                (c == Conversion::HartreeAEv ? 27.211386245988L : 1.0L / 0.529177210903L));
            int cifras = 0;
            for (QChar ch : texto) {
                cifras += ch.isDigit() && (cifras > 0 || ch != QLatin1Char('0')) ? 1 : 0;
            }
            EXPECT_LE(cifras, 10) << texto.toStdString();
            EXPECT_NEAR(valorInicial(texto), exacto, std::fabs(exacto) * 1.001e-9) << x;
        }
    }
}

// The typed text of a value of 1 to 8 significant digits, built from its digits alone.
QString textoTecleado(std::uint64_t cifras, int decimales, bool negativo) {
    std::string t = std::to_string(cifras);
    if (decimales > 0) {
        if (static_cast<int>(t.size()) <= decimales) {
            t.insert(0, static_cast<std::size_t>(decimales) - t.size() + 1, '0');
        }
        t.insert(t.size() - static_cast<std::size_t>(decimales), ".");
    }
    return QString::fromLatin1((negativo ? "-" : "") + t);
}

TEST(ConvierteCelda, ThereAndBackGivesTheTypedTextAgain) {
    std::mt19937_64 azar(2018);
    std::uniform_int_distribution<int> numeroCifras(1, 8);
    std::uniform_int_distribution<int> decimales(0, 9);
    const std::pair<Conversion, Conversion> idas[] = {
        {Conversion::AngstromABohr, Conversion::BohrAAngstrom},
        {Conversion::BohrAAngstrom, Conversion::AngstromABohr},
        {Conversion::EvAHartree, Conversion::HartreeAEv},
        {Conversion::HartreeAEv, Conversion::EvAHartree},
    };
    for (int i = 0; i < 20000; ++i) {
        const int n = numeroCifras(azar);
        std::uint64_t minimo = 1;
        for (int k = 1; k < n; ++k) {
            minimo *= 10;
        }
        std::uint64_t cifras =
            std::uniform_int_distribution<std::uint64_t>(minimo, minimo * 10 - 1)(azar);
        const int d = decimales(azar);
        if (d > 0 && cifras % 10 == 0) {
            ++cifras; // no trailing zero after the point: the text as typed is the shortest
        }
        const QString tecleado = textoTecleado(cifras, d, i % 3 == 0);
        for (const auto& [ida, vuelta] : idas) {
            const QString convertido = convierteCelda(tecleado, ida);
            ASSERT_EQ(convierteCelda(convertido, vuelta), tecleado)
                << tecleado.toStdString() << " -> " << convertido.toStdString();
        }
    }
}

// Under a locale with a decimal comma the program's numbers keep the point.
TEST(NumerosSinLocale, DecimalCommaDefaultLocaleChangesNothing) {
    const QLocale antes;
    QLocale::setDefault(QLocale(QLocale::German));
    EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
    EXPECT_EQ(Convsng(QStringLiteral("1.5")), 1.5f);
    EXPECT_DOUBLE_EQ(valorInicial(QStringLiteral("1.5")), 1.5);
    EXPECT_EQ(textoGeneral(1.5), QStringLiteral("1.5"));
    EXPECT_EQ(textoGeneralSimple(15.999f), QStringLiteral("15.999"));
    EXPECT_EQ(convierteCelda(QStringLiteral("1"), Conversion::AngstromABohr),
              QStringLiteral("1.889726125"));
    QLocale::setDefault(antes);
}

} // namespace oscilab
