#include "escriberes.h"

#include "formato.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

namespace curvifit {
namespace {

const double INF = std::numeric_limits<double>::infinity();
const double NaN = std::numeric_limits<double>::quiet_NaN();

// Four points near the parabola (R - 1.4)^2, fitted with the powers 0, 1, 2.
DatosEntrada datosEjemplo() {
    DatosEntrada d;
    for (int p : {0, 1, 2}) {
        d.POTUSADA[indicePotencia(p)] = 1;
    }
    d.NPOT = 3;
    d.UNIDIST = "UA      ";
    d.UNIENER = "UA";
    d.RDAT = {1.0, 1.5, 2.0, 2.5};
    d.VDAT = d.EDAT = {0.161, 0.0095, 0.359, 1.2115};
    d.SIGMA = {1.0, 1.0, 1.0, 1.0};
    d.RMALLA = {1.0, 1.5, 2.0, 2.5};
    return d;
}

Resultado resultadoEjemplo() {
    Resultado r;
    r.ajuste.ACOEF = {1.96, -2.8, 1.0};
    r.ajuste.MEDIACOEF = {1.9601, -2.7993, 1.0002};
    r.ajuste.ERRCOEF = {0.0011, 0.00123456789, 0.0004};
    Constantes& c = r.constantes;
    c.XEQ = c.RE = 1.40001;
    c.EEQ = -1.1336;
    c.ERRPROBE = 1.2e-4;
    c.K2 = 0.37;
    c.K3 = -1.5;
    c.K4 = 4.25;
    c.NU = 4401.2345;
    c.XNU = 121.336;
    c.WE = c.NU * c.FACFREC;
    c.WEXE = c.XNU * c.FACFREC;
    c.BE = 60.85 * c.FACFREC;
    c.ALFA = 3.06 * c.FACFREC;
    c.DE = 0.0471 * c.FACFREC;
    c.Y00 = 8.5 * c.FACFREC;
    c.DR = 0.0123;
    c.DK = 0.0456;
    r.niveles.NNIVELES = 14;
    r.niveles.ENIVEL = -1.0234;
    return r;
}

std::string escribe(const DatosEntrada& d, const Resultado& r) {
    std::ostringstream s;
    ESCRIBERES(s, d, r);
    return s.str();
}

// Line k (1-based) of the report.
std::string linea(const DatosEntrada& d, const Resultado& r, std::size_t k) {
    return lineasInforme(d, r).at(k - 1);
}

TEST(Escriberes, HeaderAndConstants) {
    const auto l = lineasInforme(datosEjemplo(), resultadoEjemplo());
    EXPECT_EQ(l[0], "");
    EXPECT_EQ(l[1], "PARAMETROS MOLECULARES CALCULADOS:");
    EXPECT_EQ(l[2], std::string(34, '-'));
    EXPECT_EQ(l[3], "");
    EXPECT_EQ(l[4], "DISTANCIA DE EQUILIBRIO =   0.74085 (ANGSTROMS)   1.40001 (BOHR)");
    EXPECT_EQ(l[5], "CTE CUADRATICA = 3.700000E-01 (U.A.)  5.760504E+00 (milidinas/angstrom)");
    EXPECT_EQ(l[6], "CTE CUBICA         =  -1.5000000E+00 (U.A.)");
    EXPECT_EQ(l[7], "CTE CUARTICA       =   4.2500000E+00 (U.A.)");
    EXPECT_EQ(l[8], "NU Y XNU =   4401.23 (1/cm)     121.34 (1/cm)");
    EXPECT_EQ(l[9], "ENERGIA EN EL EQUILIBRIO = -1.1336000    (U.A.)  ERROR PROB.= 0.12E-03");
    EXPECT_EQ(l[10], "");
    EXPECT_EQ(l[11], "");
    EXPECT_EQ(l[12], "NIVELES VIBRACIONALES INCLUIDOS = 14");
    EXPECT_EQ(l[13], "ENERGIA DEL ULTIMO NIVEL = -1.0234000    (U.A.)");
    EXPECT_EQ(l[16], "EFECTOS DE LA ROTACION (CALCULADOS PARA J=1):");
    EXPECT_EQ(l[17], "ALARGAMIENTO DE LA DISTANCIA DE ENLACE =  0.00651 Angstrom");
    EXPECT_EQ(l[18], "INCREMENTO  DE LA  CONSTANTE DE FUERZA =  0.70994 milidinas/Angstrom");
    EXPECT_EQ(l[21], ".../...");
    EXPECT_EQ(l[23], "AJUSTE MINIMOCUADR\xC1TICO:");
    EXPECT_EQ(l[24], std::string(24, '-'));
    EXPECT_EQ(l[26], "COEFICIENTES OBTENIDOS:");
}

TEST(Escriberes, DistanceInBohrOrAngstrom) {
    DatosEntrada d = datosEjemplo();
    Resultado r = resultadoEjemplo();
    // In bohr: RE in Angstrom first, RE second.
    EXPECT_EQ(linea(d, r, 5), "DISTANCIA DE EQUILIBRIO =   0.74085 (ANGSTROMS)   1.40001 (BOHR)");
    d.UNIDIST = "ANGSTROM";
    r.constantes.RE = 0.74085;
    EXPECT_EQ(linea(d, r, 5), "DISTANCIA DE EQUILIBRIO =   0.74085 (ANGSTROMS)   1.40000 (BOHR)");
    // The bohr of this line is the one the data are read with, 0.529177210903 Angstrom.
    d.UNIDIST = "UA      ";
    r.constantes.RE = 1000.0;
    EXPECT_EQ(linea(d, r, 5), "DISTANCIA DE EQUILIBRIO = 529.17721 (ANGSTROMS)1000.00000 (BOHR)");
    d.UNIDIST = "ANGSTROM";
    r.constantes.RE = 529.177210903;
    EXPECT_EQ(linea(d, r, 5), "DISTANCIA DE EQUILIBRIO = 529.17721 (ANGSTROMS)1000.00000 (BOHR)");
}

// One bohr is 0.529177210903 Angstrom, and one hartree/bohr^2 is Eh / a0^2 =
// 15.568931028... mdyn/Angstrom with Eh = 4.3597447222071e-18 J.
TEST(Escriberes, FullPrecisionConversionConstants) {
    DatosEntrada d = datosEjemplo();
    Resultado r = resultadoEjemplo();
    r.constantes.DR = 1000.0;
    r.constantes.DK = 60.0;
    r.constantes.K2 = 64.0;
    EXPECT_EQ(linea(d, r, 18), "ALARGAMIENTO DE LA DISTANCIA DE ENLACE =529.17721 Angstrom");
    EXPECT_EQ(linea(d, r, 19),
              "INCREMENTO  DE LA  CONSTANTE DE FUERZA =934.13586 milidinas/Angstrom");
    EXPECT_EQ(linea(d, r, 6).substr(37, 13), " 9.964116E+02");
}

TEST(Escriberes, FirstOrLastLevel) {
    const DatosEntrada d = datosEjemplo();
    Resultado r = resultadoEjemplo();
    r.niveles.NNIVELES = 0;
    EXPECT_EQ(linea(d, r, 13), "NIVELES VIBRACIONALES INCLUIDOS =  0");
    EXPECT_EQ(linea(d, r, 14), "ENERGIA DEL PRIMER NIVEL = -1.0234000    (U.A.)");
    r.niveles.NNIVELES = -1;
    r.niveles.ENIVEL = 0.0099;
    EXPECT_EQ(linea(d, r, 13), "NIVELES VIBRACIONALES INCLUIDOS = -1");
    EXPECT_EQ(linea(d, r, 14), "ENERGIA DEL ULTIMO NIVEL = 0.99000000E-02(U.A.)");
    r.niveles.NNIVELES = 1;
    EXPECT_EQ(linea(d, r, 14).substr(0, 26), "ENERGIA DEL ULTIMO NIVEL =");
    r.niveles.NNIVELES = 1000;
    EXPECT_EQ(linea(d, r, 13), "NIVELES VIBRACIONALES INCLUIDOS =***");
}

TEST(Escriberes, CoefficientLines) {
    const auto l = lineasInforme(datosEjemplo(), resultadoEjemplo());
    EXPECT_EQ(l[27], "");
    EXPECT_EQ(l[29], "X**  1   -2.80000     ( MEDIA: -2.799300     ERROR PROB.:0.12345679E-02)");
    for (std::size_t k = 28; k < 31; ++k) {
        ASSERT_EQ(l[k].size(), 72u) << l[k];
        EXPECT_EQ(l[k].substr(0, 3), "X**");
        EXPECT_EQ(l[k].substr(21, 9), " ( MEDIA:");
        EXPECT_EQ(l[k].substr(44, 13), " ERROR PROB.:");
        EXPECT_EQ(l[k].back(), ')');
    }
    EXPECT_EQ(l[28].substr(3, 3), "  0");
    EXPECT_EQ(l[30].substr(3, 3), "  2");
}

TEST(Escriberes, NegativePowersAreListedInAscendingOrder) {
    DatosEntrada d = datosEjemplo();
    d.POTUSADA = {};
    for (int p : {-15, -6, 14}) {
        d.POTUSADA[indicePotencia(p)] = 1;
    }
    const auto l = lineasInforme(d, resultadoEjemplo());
    EXPECT_EQ(l[28].substr(0, 6), "X**-15");
    EXPECT_EQ(l[29].substr(0, 6), "X** -6");
    EXPECT_EQ(l[30].substr(0, 6), "X** 14");
}

TEST(Escriberes, PointTableAtThePointsOwnDistances) {
    const DatosEntrada d = datosEjemplo();
    Resultado r = resultadoEjemplo();
    // A grid different from the points must not change the table.
    DatosEntrada otraMalla = d;
    otraMalla.RMALLA = {1.0, 1.1, 1.2, 1.3};
    const auto l = lineasInforme(otraMalla, r);
    const std::size_t m = 3;
    EXPECT_EQ(l[28 + m], "");
    EXPECT_EQ(l[29 + m], "");
    const std::string cabecera = l[30 + m];
    EXPECT_EQ(cabecera, " I      R          S           E             ECAL          DESV");
    EXPECT_EQ(cabecera[1], 'I');
    EXPECT_EQ(cabecera[8], 'R');
    EXPECT_EQ(cabecera[19], 'S');
    EXPECT_EQ(cabecera[31], 'E');
    EXPECT_EQ(cabecera.substr(45, 4), "ECAL");
    EXPECT_EQ(cabecera.substr(59, 4), "DESV");
    EXPECT_EQ(l[31 + m], std::string(68, '-'));
    EXPECT_EQ(l[32 + m], " 1   1.00000     1.00      0.161000       0.160000     -.100000E-02");
    EXPECT_EQ(l[33 + m], " 2   1.50000     1.00      0.950000E-02   0.100000E-01 0.500000E-03");
    EXPECT_EQ(l[34 + m], " 3   2.00000     1.00      0.359000       0.360000     0.100000E-02");
    EXPECT_EQ(l[35 + m], " 4   2.50000     1.00       1.21150        1.21000     -.150000E-02");
    for (std::size_t k = 32 + m; k < 36 + m; ++k) {
        EXPECT_EQ(l[k].size(), 67u);
        EXPECT_EQ(l[k].substr(17, 8), "1.00    "); // S column, G8.3 of 1.0
    }
    // S2 = sum(DESV^2) / ((N - NPOT) * N) = 4.5e-6 / 4.
    EXPECT_EQ(l[38 + m], "CUASIVARIANZA MUESTRAL:   0.112500E-05");
    EXPECT_EQ(l[40 + m], "ERROR PROBABLE:  0.742462E-03");
}

TEST(Escriberes, QuasiVarianceIsZeroWhenPointsEqualCoefficients) {
    DatosEntrada d = datosEjemplo();
    d.NPOT = 4;
    d.POTUSADA[indicePotencia(3)] = 1;
    Resultado r = resultadoEjemplo();
    r.ajuste.ACOEF.push_back(0.0);
    r.ajuste.MEDIACOEF.push_back(0.0);
    r.ajuste.ERRCOEF.push_back(0.0);
    const auto l = lineasInforme(d, r);
    const std::size_t m = 4, n = 4;
    EXPECT_EQ(l[32 + m + n + 2], "CUASIVARIANZA MUESTRAL:    0.00000    ");
    EXPECT_EQ(l[32 + m + n + 4], "ERROR PROBABLE:   0.00000    ");
}

TEST(Escriberes, LevelExpansionBlock) {
    const Resultado r = resultadoEjemplo();
    const auto l = lineasInforme(datosEjemplo(), r);
    const std::size_t inicio = 32 + 3 + 4 + 7; // first line of the block, 0-based
    EXPECT_EQ(l[inicio], " NIVELES DE VIBRACION-ROTACION EN 1/CM (respecto a E(Re) como origen):");
    EXPECT_EQ(l[inicio + 1], std::string(71, '-'));
    EXPECT_EQ(l[inicio + 2], "");
    EXPECT_EQ(l[inicio + 3], "");
    const std::string margen(25, ' ');
    EXPECT_EQ(l[inicio + 4], margen + " 8.50000    " + "     +");
    EXPECT_EQ(l[inicio + 5], "");
    EXPECT_EQ(l[inicio + 6], margen + " 4401.23    " + "  \xB7(V+1/2)  +");
    EXPECT_EQ(l[inicio + 8], margen + " 60.8500    " + "  \xB7J\xB7(J+1)  +");
    EXPECT_EQ(l[inicio + 10], margen + "-121.336    " + "  \xB7(V+1/2)^2  +");
    EXPECT_EQ(l[inicio + 12], margen + "-3.06000    " + "  \xB7(V+1/2)\xB7J\xB7(J+1)  +");
    EXPECT_EQ(l[inicio + 14], margen + "-.471000E-01" + "  \xB7J^2\xB7(J+1)^2");
    EXPECT_EQ(l.size(), inicio + 15);
    // The fourth number is the anharmonicity of line 9 with its sign changed.
    EXPECT_EQ(l[inicio + 10].substr(25, 12), formatoG(-r.constantes.XNU, 12, 6));
}

TEST(Escriberes, LineCountIsFiftyFourPlusCoefficientsPlusPoints) {
    for (int n : {0, 1, 4, 50}) {
        DatosEntrada d = datosEjemplo();
        d.RDAT.assign(static_cast<std::size_t>(n), 1.7);
        d.EDAT.assign(static_cast<std::size_t>(n), -0.5);
        d.SIGMA.assign(static_cast<std::size_t>(n), 1.0);
        const std::string texto = escribe(d, resultadoEjemplo());
        std::size_t finales = 0;
        for (std::size_t i = texto.find("\r\n"); i != std::string::npos;
             i = texto.find("\r\n", i + 2)) {
            ++finales;
        }
        EXPECT_EQ(finales, static_cast<std::size_t>(54 + 3 + n)) << n;
        EXPECT_EQ(lineasInforme(d, resultadoEjemplo()).size(), static_cast<std::size_t>(57 + n));
    }
}

TEST(Escriberes, Latin1BytesAndCrLfLineEnds) {
    const std::string texto = escribe(datosEjemplo(), resultadoEjemplo());
    EXPECT_NE(texto.find("AJUSTE MINIMOCUADR\xC1TICO:\r\n"), std::string::npos);
    EXPECT_EQ(texto.find("\xC3"), std::string::npos); // no UTF-8 lead byte
    EXPECT_EQ(texto.find("\xC2"), std::string::npos);
    std::size_t puntos = 0;
    for (char c : texto) {
        puntos += static_cast<unsigned char>(c) == 0xB7 ? 1 : 0;
    }
    EXPECT_EQ(puntos, 9u);
    EXPECT_EQ(texto.substr(0, 2), "\r\n");
    EXPECT_EQ(texto.substr(texto.size() - 14), "\xB7J^2\xB7(J+1)^2\r\n");
    for (std::size_t i = 0; i < texto.size(); ++i) {
        if (texto[i] == '\n') {
            ASSERT_GT(i, 0u);
            EXPECT_EQ(texto[i - 1], '\r') << i;
        }
    }
}

TEST(Escriberes, UndefinedAndInfiniteValuesNeverCrash) {
    DatosEntrada d = datosEjemplo();
    Resultado r = resultadoEjemplo();
    Constantes& c = r.constantes;
    c.RE = c.K2 = c.K3 = c.NU = c.EEQ = c.DR = NaN;
    c.XNU = INF;
    c.K4 = -INF;
    c.ERRPROBE = INF;
    c.DK = INF;
    c.WE = c.WEXE = c.BE = c.ALFA = c.DE = c.Y00 = NaN;
    r.niveles.ENIVEL = -INF;
    r.ajuste.ACOEF = {NaN, INF, 1.0};
    const auto l = lineasInforme(d, r);
    ASSERT_EQ(l.size(), 61u);
    EXPECT_EQ(l[4], "DISTANCIA DE EQUILIBRIO =       NaN (ANGSTROMS)       NaN (BOHR)");
    EXPECT_EQ(l[5], "CTE CUADRATICA =          NaN (U.A.)           NaN (milidinas/angstrom)");
    EXPECT_EQ(l[7], "CTE CUARTICA       =       -Infinity (U.A.)");
    EXPECT_EQ(l[8], "NU Y XNU =       NaN (1/cm)   Infinity (1/cm)");
    EXPECT_EQ(l[9], "ENERGIA EN EL EQUILIBRIO =            NaN(U.A.)  ERROR PROB.= Infinity");
    EXPECT_EQ(l[13], "ENERGIA DEL ULTIMO NIVEL =      -Infinity(U.A.)");
    EXPECT_EQ(l[18], "INCREMENTO  DE LA  CONSTANTE DE FUERZA = Infinity milidinas/Angstrom");
    // G8.3-wide and narrower fields cannot hold the word: asterisks.
    c.XNU = -INF;
    EXPECT_EQ(linea(d, r, 9), "NU Y XNU =       NaN (1/cm)   ******** (1/cm)");
    // A fit value that is undefined spreads to the whole point table, which still prints.
    EXPECT_EQ(l[35].substr(40, 14), "           NaN");
    // No point at all: the quasi-variance is undefined, not a crash.
    d.RDAT.clear();
    d.EDAT.clear();
    d.SIGMA.clear();
    const auto vacio = lineasInforme(d, resultadoEjemplo());
    EXPECT_EQ(vacio.size(), 57u);
    EXPECT_EQ(vacio[37], "CUASIVARIANZA MUESTRAL:            NaN");
}

} // namespace
} // namespace curvifit
