#include "document/textos_numero.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <cmath>

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
    for (double x : {1.889726, -27.211395, 3.14159265358979, 6.02e23, -4.2e-7, 0.529177249}) {
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

TEST(FormatoDecimales, PatternKeepsThePointAndDropsTrailingZeros) {
    EXPECT_EQ(formatoDecimales(2.0, 5), QStringLiteral("2."));
    EXPECT_EQ(formatoDecimales(0.0, 5), QStringLiteral("0."));
    EXPECT_EQ(formatoDecimales(1.889726, 5), QStringLiteral("1.88973"));
    EXPECT_EQ(formatoDecimales(0.25, 5), QStringLiteral("0.25"));
    EXPECT_EQ(formatoDecimales(-0.000001, 5), QStringLiteral("0."));
    EXPECT_EQ(formatoDecimales(1234567.5, 5), QStringLiteral("1234567.5"));
    EXPECT_EQ(formatoDecimales(-3.14159265358979, 10), QStringLiteral("-3.1415926536"));
}

TEST(ConvierteCelda, SinglePrecisionProductThenPattern) {
    EXPECT_EQ(convierteCelda(QStringLiteral("1"), Conversion::AngstromABohr),
              QStringLiteral("1.88973"));
    EXPECT_EQ(convierteCelda(QStringLiteral("1"), Conversion::BohrAAngstrom),
              QStringLiteral("0.52918"));
    // 2 hartree in eV: the single product printed to ten decimals.
    const float producto = 2.0f * 27.211395f;
    EXPECT_EQ(convierteCelda(QStringLiteral("2"), Conversion::HartreeAEv),
              formatoDecimales(static_cast<double>(producto), 10));
    EXPECT_EQ(convierteCelda(QStringLiteral("10"), Conversion::BohrAAngstrom),
              QStringLiteral("5.29177"));
    // A whole result keeps its point.
    EXPECT_EQ(convierteCelda(QStringLiteral("0"), Conversion::EvAHartree), QStringLiteral("0."));
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
    EXPECT_EQ(formatoDecimales(0.5, 5), QStringLiteral("0.5"));
    EXPECT_EQ(convierteCelda(QStringLiteral("1"), Conversion::AngstromABohr),
              QStringLiteral("1.88973"));
    QLocale::setDefault(antes);
}

} // namespace oscilab
