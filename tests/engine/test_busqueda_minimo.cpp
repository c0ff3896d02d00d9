// The fast search for the minimum against the plain point-by-point scan: the same grid point
// (or the same absence of one) on many curves, at a fraction of the evaluations.
#include "ajuste.h"
#include "busqueda_minimo.h"
#include "leedatos.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace curvifit {

namespace {

// Power coefficients of a V whose slope V' is escala * (product of the factors (R - raiz))
// plus `desvio`, with a random constant term.
CoeficientesPotencia desdePendiente(const std::vector<double>& raices, double escala, double desvio,
                                    double constante) {
    std::vector<double> d{escala}; // V' by ascending powers
    for (double r : raices) {
        std::vector<double> nuevo(d.size() + 1, 0.0);
        for (std::size_t i = 0; i < d.size(); ++i) {
            nuevo[i + 1] += d[i];
            nuevo[i] -= r * d[i];
        }
        d = nuevo;
    }
    d[0] += desvio;
    CoeficientesPotencia c{};
    for (std::size_t i = 0; i < d.size(); ++i) {
        c[indicePotencia(static_cast<int>(i) + 1)] = d[i] / static_cast<double>(i + 1);
    }
    c[indicePotencia(0)] = constante;
    return c;
}

// An all-powers least-squares fit of a Lennard-Jones well of depth De at Re, sampled as an
// argon-dimer-like data set from 0.78 Re to 2.1 Re: the kind of curve a real run scans.
CoeficientesPotencia ajusteTreintaPotencias(double Re, double De, int puntos) {
    DatosEntrada datos;
    for (int p = POTENCIA_MIN; p <= POTENCIA_MAX; ++p) {
        datos.POTUSADA[indicePotencia(p)] = 1;
    }
    datos.NPOT = 30;
    for (int i = 0; i < puntos; ++i) {
        const double r = Re * (0.78 + 1.32 * i / (puntos - 1));
        const double s6 = std::pow(Re / r, 6);
        datos.RDAT.push_back(r);
        datos.EDAT.push_back(De * (s6 * s6 - 2.0 * s6));
        datos.SIGMA.push_back(1.0);
    }
    datos.VDAT = datos.EDAT;
    MINIMAX(datos.RDAT, datos.RMIN, datos.RMAX);
    MINIMAX(datos.EDAT, datos.EMIN, datos.EMAX);
    datos.RMALLA = mallaDistancias(datos.RMIN, datos.RMAX, puntos);
    return ajustaCurva(datos).COEFPOT;
}

struct Caso {
    CoeficientesPotencia c{};
    double limite = 0.0;
};

// One random curve of the given kind (0..7).
Caso curvaAleatoria(int tipo, std::mt19937& azar) {
    std::uniform_real_distribution<double> uniforme(0.0, 1.0);
    const double r1 = 0.3 + 1.5 * uniforme(azar);
    const double r2 = r1 + 0.05 + 0.5 * uniforme(azar);
    const double r3 = r2 + 0.05 + 0.5 * uniforme(azar);
    const double escala = std::pow(10.0, -3.0 + 4.0 * uniforme(azar));
    const double constante = -uniforme(azar);
    Caso caso;
    caso.limite = 3.0 + 1.5 * uniforme(azar);
    switch (tipo) {
    case 0: // a single minimum
        caso.c = desdePendiente({r1}, escala, 0.0, constante);
        break;
    case 1: // rising from the start: a maximum, the minimum, another maximum
        caso.c = desdePendiente({r1, r2, r3}, -escala, 0.0, constante);
        break;
    case 2: // an inflection where the slope touches zero, then the minimum
        caso.c = desdePendiente({r1, r1, r2}, escala, 0.0, constante);
        break;
    case 3: { // the slope nearly touches zero at r1 (or crosses it twice, very close)
        const double desvio = escala * 1e-8 * (2.0 * uniforme(azar) - 1.0);
        caso.c = desdePendiente({r1, r1, r2}, escala, desvio, constante);
        break;
    }
    case 4: { // Lennard-Jones-like with random extra terms
        const double sigma = 0.8 + 1.5 * uniforme(azar);
        caso.c[indicePotencia(-12)] = escala * std::pow(sigma, 12);
        caso.c[indicePotencia(-6)] = -2.0 * escala * std::pow(sigma, 6);
        caso.c[indicePotencia(-8)] = 0.1 * escala * (uniforme(azar) - 0.5) * std::pow(sigma, 8);
        caso.c[indicePotencia(1)] = 1e-6 * escala * uniforme(azar);
        break;
    }
    case 5: // purely repulsive: no minimum within the bound
        caso.c[indicePotencia(-6)] = escala;
        caso.c[indicePotencia(-1)] = escala * uniforme(azar);
        break;
    case 6: // all thirty powers with small random coefficients
        for (int p = POTENCIA_MIN; p <= POTENCIA_MAX; ++p) {
            caso.c[indicePotencia(p)] = (uniforme(azar) - 0.5) * std::pow(0.5, std::abs(p));
        }
        break;
    default: { // all thirty powers fitted to a rare-gas-dimer-like well
        const double Re = 1.0 + 2.5 * uniforme(azar);
        caso.c =
            ajusteTreintaPotencias(Re, escala * 1e-3, 30 + static_cast<int>(20 * uniforme(azar)));
        caso.limite = 2.0 * 2.1 * Re;
        break;
    }
    }
    return caso;
}

void esperaMismoPunto(const CoeficientesPotencia& c, double limite, const std::string& nombre) {
    const Minimo paso = buscaMinimoPasoAPaso(c, limite);
    const Minimo rapido = buscaMinimo(c, limite);
    EXPECT_EQ(rapido.x, paso.x) << nombre;
    EXPECT_LE(rapido.evaluaciones, paso.evaluaciones) << nombre;
}

CoeficientesPotencia lennardJones(double Re) {
    CoeficientesPotencia c{};
    c[indicePotencia(-12)] = std::pow(Re, 12);
    c[indicePotencia(-6)] = -2.0 * std::pow(Re, 6);
    return c;
}

} // namespace

TEST(BusquedaMinimoRapida, SameGridPointAsThePlainScanOnRandomCurves) {
    std::mt19937 azar(12345);
    int encontrados = 0;
    int sinMinimo = 0;
    for (int i = 0; i < 320; ++i) {
        const int tipo = i % 8;
        const Caso caso = curvaAleatoria(tipo, azar);
        const Minimo paso = buscaMinimoPasoAPaso(caso.c, caso.limite);
        const Minimo rapido = buscaMinimo(caso.c, caso.limite);
        ASSERT_EQ(rapido.x, paso.x) << "caso " << i << ", tipo " << tipo;
        EXPECT_LE(rapido.evaluaciones, paso.evaluaciones) << "caso " << i;
        (paso.x ? encontrados : sinMinimo) += 1;
    }
    // Both outcomes are well represented.
    EXPECT_GT(encontrados, 200);
    EXPECT_GT(sinMinimo, 35);
}

TEST(BusquedaMinimoRapida, SlopeLostInRoundingNoise) {
    // Around a zero of high order the computed slope is rounding noise whose sign flips
    // from point to point, and the plain scan may stop at any such flip: the fast search
    // must stop at the very same one.
    std::mt19937 azar(5);
    std::uniform_real_distribution<double> uniforme(0.0, 1.0);
    int enElRuido = 0;
    for (int i = 0; i < 60; ++i) {
        const double r1 = 0.5 + uniforme(azar);
        const double r2 = r1 + 0.2 + uniforme(azar);
        const int orden = 3 + i % 6;
        std::vector<double> raices(static_cast<std::size_t>(orden), r1);
        raices.push_back(r2);
        // Falling before r1 when the order is odd, then either rising or falling on to r2.
        const double signo = (i % 2 != 0 ? 1.0 : -1.0) * (orden % 2 != 0 ? 1.0 : -1.0);
        const CoeficientesPotencia c = desdePendiente(raices, signo, 0.0, -0.5);
        const Minimo paso = buscaMinimoPasoAPaso(c, 4.0);
        const Minimo rapido = buscaMinimo(c, 4.0);
        ASSERT_EQ(rapido.x, paso.x) << "caso " << i;
        enElRuido += paso.x && *paso.x < r1 + 0.1;
    }
    EXPECT_GT(enElRuido, 40);
}

TEST(BusquedaMinimoRapida, MinimaAtTheEdgesOfBinades) {
    // Where the grid crosses a power of two the spacing of its points changes: minima just
    // before, at and after such crossings, and a bound right there.
    for (double centro : {0.25, 0.5, 1.0, 2.0, 4.0}) {
        for (double desvio : {-2e-5, -1e-5, -3e-6, 0.0, 3e-6, 1e-5, 2e-5}) {
            const double r = centro + desvio;
            const std::string nombre = std::to_string(r);
            esperaMismoPunto(desdePendiente({r}, 1.0, 0.0, -0.5), 6.0, nombre);
            esperaMismoPunto(desdePendiente({r}, 1.0, 0.0, -0.5), centro, nombre + " limite");
        }
    }
}

TEST(BusquedaMinimoRapida, AStopBelowTheDataCountsOnlyWithoutOneInThem) {
    // A maximum at 0.5 and a minimum at 0.8: with the data from 1.0 on, the scan passes the
    // minimum, finds none in the data and falls back to it. Minima at 0.5 and 1.5: it takes
    // the one in the data.
    const CoeficientesPotencia solo = desdePendiente({0.5, 0.8}, 1.0, 0.0, -0.5);
    const CoeficientesPotencia dos = desdePendiente({0.5, 0.8, 1.5}, 1.0, 0.0, -0.5);
    const Minimo sinDatos = buscaMinimoPasoAPaso(solo, 3.0, 0.0);
    ASSERT_TRUE(sinDatos.x);
    EXPECT_EQ(buscaMinimoPasoAPaso(solo, 3.0, 1.0).x, sinDatos.x);
    EXPECT_EQ(buscaMinimo(solo, 3.0, 1.0).x, sinDatos.x);
    const Minimo enDatos = buscaMinimoPasoAPaso(dos, 3.0, 1.0);
    ASSERT_TRUE(enDatos.x);
    EXPECT_NEAR(*enDatos.x, 1.5, 1e-4);
    EXPECT_EQ(buscaMinimo(dos, 3.0, 1.0).x, enDatos.x);
}

TEST(BusquedaMinimoRapida, ArgonLikeFitsWithAllThirtyPowers) {
    for (double Re : {5.5, 7.1, 8.0}) {
        const CoeficientesPotencia c = ajusteTreintaPotencias(Re, 4.5e-4, 50);
        // These fits also turn up and down far below the data: from 0 both scans stop
        // there, from the smallest data distance on both pass over it to the well.
        const Minimo debajo = buscaMinimoPasoAPaso(c, 2.0 * 2.1 * Re);
        ASSERT_TRUE(debajo.x) << Re;
        EXPECT_LT(*debajo.x, 0.78 * Re) << Re;
        EXPECT_EQ(buscaMinimo(c, 2.0 * 2.1 * Re).x, debajo.x) << Re;
        const Minimo paso = buscaMinimoPasoAPaso(c, 2.0 * 2.1 * Re, 0.78 * Re);
        const Minimo rapido = buscaMinimo(c, 2.0 * 2.1 * Re, 0.78 * Re);
        ASSERT_TRUE(paso.x) << Re;
        EXPECT_NEAR(*paso.x, Re, 0.01) << Re;
        EXPECT_EQ(rapido.x, paso.x) << Re;
        EXPECT_LT(rapido.evaluaciones * 100, paso.evaluaciones) << Re;
    }
}

TEST(BusquedaMinimoRapida, EvaluationsGrowSlowlyWithTheEquilibriumDistance) {
    // The plain scan evaluates V' once per 1e-05 bohr; the fast one far less, and its count
    // grows no faster than the distance.
    const long long base = buscaMinimo(lennardJones(2.0), 50.0).evaluaciones;
    for (double Re : {2.0, 4.0, 8.0, 16.0, 32.0}) {
        const Minimo paso = buscaMinimoPasoAPaso(lennardJones(Re), 50.0);
        const Minimo rapido = buscaMinimo(lennardJones(Re), 50.0);
        ASSERT_TRUE(rapido.x) << Re;
        EXPECT_EQ(rapido.x, paso.x) << Re;
        EXPECT_NEAR(*rapido.x, Re, 2e-5) << Re;
        EXPECT_LT(rapido.evaluaciones * 100, paso.evaluaciones) << Re;
        EXPECT_LE(rapido.evaluaciones, base * static_cast<long long>(Re / 2.0)) << Re;
    }
}

TEST(BusquedaMinimoRapida, NonFiniteSlopesStopAtOnce) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double raro : {nan, inf, -inf}) {
        CoeficientesPotencia c = desdePendiente({1.4}, 2.0, 0.0, 1.96);
        c[indicePotencia(-3)] = raro;
        const Minimo paso = buscaMinimoPasoAPaso(c, 3.0);
        const Minimo rapido = buscaMinimo(c, 3.0);
        EXPECT_FALSE(paso.x) << raro;
        EXPECT_FALSE(rapido.x) << raro;
        EXPECT_EQ(rapido.evaluaciones, 1) << raro;
    }
    // Finite coefficients whose slope overflows near R = 0: no stretch can be skipped
    // there, and the result is still the plain scan's.
    CoeficientesPotencia c = desdePendiente({1.4}, 2.0, 0.0, 1.96);
    c[indicePotencia(-15)] = 1e300;
    esperaMismoPunto(c, 3.0, "desbordamiento");
}

TEST(BusquedaMinimoRapida, BulkAdditionsMatchOneAtATime) {
    std::mt19937 azar(777);
    std::uniform_real_distribution<double> uniforme(0.0, 1.0);
    std::vector<double> inicios{PASO_BUSQUEDA, 0.5 - 3e-5,  1.0 - 1e-5, 2.0 - 2.5e-5,
                                4.0 - 1e-6,    32.0 - 7e-5, 0.125};
    for (int i = 0; i < 40; ++i) {
        inicios.push_back(std::pow(10.0, -5.0 + 6.7 * uniforme(azar)));
    }
    for (double inicio : inicios) {
        for (long long pasos : {0LL, 1LL, 2LL, 3LL, 17LL, 1000LL, 123457LL, 1LL << 20}) {
            double uno = inicio;
            for (long long k = 0; k < pasos; ++k) {
                uno += PASO_BUSQUEDA;
            }
            ASSERT_EQ(sumaRepetida(inicio, pasos), uno) << inicio << " + " << pasos;
        }
    }
}

// The polished minimum against closed forms: the root a of V' = s (R - a)(R - a - 2)(R - a - 3)
// for random a and s, and the minimum of a Lennard-Jones well at its sigma. The scan's grid
// point lies up to 1e-05 bohr past each; polished, they agree to rounding.
TEST(MinimoPulido, TheRootOfTheSlopeBetweenTheLastTwoGridPoints) {
    std::mt19937_64 azar(20);
    std::uniform_real_distribution<double> posicion(0.5, 9.0);
    std::uniform_real_distribution<double> exponente(-6.0, 2.0);
    for (int caso = 0; caso < 300; ++caso) {
        const double a = posicion(azar);
        const CoeficientesPotencia c =
            desdePendiente({a, a + 2.0, a + 3.0}, std::pow(10.0, exponente(azar)), 0.0, -1.0);
        const Minimo m = buscaMinimo(c, 50.0);
        ASSERT_TRUE(m.x) << a;
        EXPECT_LT(m.anterior, *m.x);
        const double x = puleMinimo(c, m.anterior, *m.x);
        EXPECT_GE(x, m.anterior);
        EXPECT_LE(x, *m.x);
        EXPECT_NEAR(x, a, 1e-13 * a) << caso;
        EXPECT_EQ(minimoPulido(c, 50.0), x);
    }
    for (double sigma : {1.400003, 2.146217, 7.100007, 10.300004}) {
        CoeficientesPotencia lj{};
        lj[indicePotencia(-12)] = 1e-4 * std::pow(sigma, 12);
        lj[indicePotencia(-6)] = -2e-4 * std::pow(sigma, 6);
        const double x = minimoPulido(lj, 50.0).value_or(0.0);
        EXPECT_NEAR(x, sigma, 4e-15 * sigma);
        EXPECT_GT(std::fabs(*buscaMinimo(lj, 50.0).x - sigma), 1e-7);
    }
}

} // namespace curvifit
