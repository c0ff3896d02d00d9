#include "ajuste.h"
#include "busqueda_minimo.h"
#include "calcula.h"
#include "derivapol.h"
#include "errores.h"
#include "formato.h"
#include "leedatos.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <sstream>

namespace curvifit {

namespace {

constexpr double PI = std::numbers::pi;

// Data as LEEDATOS would leave them, in bohr and hartree.
DatosEntrada datosDe(const std::vector<double>& R, const std::function<double(double)>& V,
                     std::initializer_list<int> potencias, double MASARED = 918.64) {
    DatosEntrada datos;
    for (int p : potencias) {
        datos.POTUSADA[indicePotencia(p)] = 1;
        ++datos.NPOT;
    }
    datos.MASARED = MASARED;
    datos.UNIDIST = "UA      ";
    datos.UNIENER = "UA";
    for (double r : R) {
        datos.RDAT.push_back(r);
        datos.VDAT.push_back(V(r));
        datos.EDAT.push_back(V(r));
        datos.SIGMA.push_back(1.0);
    }
    MINIMAX(datos.EDAT, datos.EMIN, datos.EMAX);
    MINIMAX(datos.RDAT, datos.RMIN, datos.RMAX);
    datos.RMALLA = mallaDistancias(datos.RMIN, datos.RMAX, datos.NPUNTOS());
    return datos;
}

std::vector<double> equiespaciados(double desde, double hasta, int n) {
    std::vector<double> r;
    for (int i = 0; i < n; ++i) {
        r.push_back(desde + (hasta - desde) * i / (n - 1));
    }
    return r;
}

int cuentaRegistros(const std::string& texto) {
    int lineas = 0;
    for (std::size_t i = 0; i + 1 < texto.size(); ++i) {
        lineas += texto[i] == '\r' && texto[i + 1] == '\n';
    }
    return lineas;
}

} // namespace

TEST(Derivapol, DerivativesOfAPowerPolynomial) {
    CoeficientesPotencia c{};
    c[indicePotencia(-2)] = 3.0;
    c[indicePotencia(0)] = 5.0;
    c[indicePotencia(3)] = 2.0;
    const double x = 1.7;
    EXPECT_NEAR(DERIVAPOL(c, x, 0), 3 / (x * x) + 5 + 2 * x * x * x, 1e-13);
    EXPECT_NEAR(DERIVAPOL(c, x, 1), -6 / (x * x * x) + 6 * x * x, 1e-13);
    EXPECT_NEAR(DERIVAPOL(c, x, 2), 18 / std::pow(x, 4) + 12 * x, 1e-13);
    EXPECT_NEAR(DERIVAPOL(c, x, 3), -72 / std::pow(x, 5) + 12, 1e-13);
    EXPECT_NEAR(DERIVAPOL(c, x, 4), 360 / std::pow(x, 6), 1e-13);
    EXPECT_EQ(factorDerivada(3, 4), 0.0);
    EXPECT_EQ(factorDerivada(-2, 3), -24.0);
}

TEST(Calcula, ExactParabola) {
    const auto datos = datosDe(equiespaciados(1.0, 2.0, 6),
                               [](double r) { return (r - 1.4) * (r - 1.4); }, {0, 1, 2});
    std::ostringstream curva;
    const Resultado res = CALCULA(datos, curva);
    const Constantes& k = res.constantes;
    EXPECT_GE(k.XEQ, 1.4);
    EXPECT_LT(k.XEQ, 1.4 + 1e-05);
    EXPECT_EQ(k.RE, k.XEQ);
    EXPECT_NEAR(k.K2, 2.0, 1e-9);
    EXPECT_EQ(k.K3, 0.0);
    EXPECT_EQ(k.K4, 0.0);
    EXPECT_EQ(k.WEXE, 0.0);
    EXPECT_EQ(k.XNU, 0.0);
    EXPECT_DOUBLE_EQ(k.ALFA, -6.0 * k.BE * k.BE / k.WE);
    EXPECT_DOUBLE_EQ(k.BE, 1.0 / (4 * PI * 918.64 * k.XEQ * k.XEQ));
    EXPECT_DOUBLE_EQ(k.WE, std::sqrt(k.K2 / 918.64) / (2 * PI));
    EXPECT_DOUBLE_EQ(k.NU, k.WE / 7.25156e-07);
    EXPECT_DOUBLE_EQ(k.DE, 4 * std::pow(k.BE, 3) / (k.WE * k.WE));
    EXPECT_NEAR(k.EEQ, 0.0, 1e-10);
    EXPECT_NEAR(res.ajuste.COEFPOT[indicePotencia(0)], 1.96, 1e-10);
    EXPECT_NEAR(res.ajuste.COEFPOT[indicePotencia(1)], -2.8, 1e-10);
    EXPECT_NEAR(res.ajuste.COEFPOT[indicePotencia(2)], 1.0, 1e-10);
    // Harmonic fit: no level; 30 coefficients, the energy error and the width.
    EXPECT_EQ(res.niveles.energias.size(), 0u);
    EXPECT_EQ(cuentaRegistros(curva.str()), 32);
}

TEST(Calcula, RotationEffectsAtJEqualsOne) {
    const auto datos = datosDe(equiespaciados(1.0, 2.0, 6),
                               [](double r) { return (r - 1.4) * (r - 1.4); }, {0, 1, 2});
    std::ostringstream curva;
    const Constantes k = CALCULA(datos, curva).constantes;
    const double x = k.XEQ;
    const double C = 1.0 / (918.64 * x * x);
    EXPECT_NEAR(k.DK, 6 * C / (x * x), 1e-12 * k.DK);
    EXPECT_DOUBLE_EQ(k.DR, (2 * C / x) / (6 * C / (x * x) + k.K2));
}

TEST(Calcula, AngstromDataGiveREInAngstrom) {
    auto datos = datosDe(equiespaciados(1.0, 2.0, 6),
                         [](double r) { return (r - 1.4) * (r - 1.4); }, {0, 1, 2});
    datos.FACDIST = FACDIST_ANGSTROM;
    std::ostringstream curva;
    const Constantes k = CALCULA(datos, curva).constantes;
    EXPECT_EQ(k.RE, k.XEQ * 0.529177249);
}

TEST(Calcula, EnergyErrorIsExactlyZeroWithAsManyPointsAsPowers) {
    // Points off any quadratic: with N = NPOT the rule, not the residuals, gives 0.
    const auto datos =
        datosDe({1.0, 1.5, 2.5}, [](double r) { return std::sin(3 * r) + r * r; }, {0, 1, 2});
    std::ostringstream curva;
    EXPECT_EQ(errorProbableEnergias(datos, ajustaCurva(datos)), 0.0);
}

TEST(Calcula, EnergyErrorUsesTheGridDistances) {
    // Unevenly spaced points: the fit is compared at RMALLA(i) with EDAT(i).
    const auto datos =
        datosDe({1.0, 1.2, 1.3, 2.0}, [](double r) { return (r - 1.4) * (r - 1.4); }, {0, 1, 2});
    const Ajuste ajuste = ajustaCurva(datos);
    double S = 0.0;
    for (int i = 0; i < 4; ++i) {
        const double r = datos.RMALLA[i];
        S += std::pow((r - 1.4) * (r - 1.4) - datos.EDAT[i], 2);
    }
    EXPECT_NEAR(errorProbableEnergias(datos, ajuste), 0.7 * std::sqrt(S / 4.0), 1e-9);
}

TEST(Calcula, FewerPointsThanPowersGiveNotANumberWithoutFailing) {
    // The minimum-norm fit through (1, -2) and (2, 0) is -2 - R + R^2.
    const auto datos =
        datosDe({1.0, 2.0}, [](double r) { return r == 1.0 ? -2.0 : 0.0; }, {0, 1, 2});
    std::ostringstream curva;
    const Resultado res = CALCULA(datos, curva);
    EXPECT_NEAR(res.constantes.XEQ, 0.5, 2e-5);
    EXPECT_TRUE(std::isnan(res.constantes.ERRPROBE));
}

TEST(Calcula, MorsePotentialGivesTheClosedFormConstants) {
    const double De = 0.1745;
    const double a = 1.0282;
    const double Re = 1.4011;
    const double mu = 918.64;
    const auto morse = [&](double r) {
        const double e = 1.0 - std::exp(-a * (r - Re));
        return De * e * e - De;
    };
    const auto datos =
        datosDe(equiespaciados(1.1, 1.8, 60), morse, {0, 1, 2, 3, 4, 5, 6, 7, 8}, mu);
    std::ostringstream curva;
    const Resultado res = CALCULA(datos, curva);
    const Constantes& k = res.constantes;
    const double FACFREC = 7.25156e-07;
    const double nuMorse = a * std::sqrt(2.0 * De / mu) / (2 * PI) / FACFREC;
    const double xnuMorse = a * a / (2.0 * mu) / (2 * PI) / FACFREC;
    const double beMorse = 1.0 / (4 * PI * mu * Re * Re);
    EXPECT_NEAR(k.XEQ, Re, 2e-5);
    EXPECT_NEAR(k.EEQ, -De, 1e-7);
    EXPECT_NEAR(k.K2, 2 * De * a * a, 1e-4 * 2 * De * a * a);
    EXPECT_NEAR(k.K3, -6 * De * a * a * a, 1e-3 * 6 * De * a * a * a);
    EXPECT_NEAR(k.NU, nuMorse, 1e-4 * nuMorse);
    EXPECT_NEAR(k.XNU, xnuMorse, 1e-2 * xnuMorse);
    EXPECT_NEAR(k.BE, beMorse, 1e-4 * beMorse);
    // An ordinary bound curve: positive anharmonicity, vibration-rotation coupling and
    // centrifugal distortion, and levels below the highest data energy.
    EXPECT_GT(k.WEXE, 0.0);
    EXPECT_GT(k.ALFA, 0.0);
    EXPECT_GT(k.DE, 0.0);
    EXPECT_GT(res.niveles.energias.size(), 0u);
    EXPECT_EQ(cuentaRegistros(curva.str()), 32 + static_cast<int>(res.niveles.energias.size()));
}

TEST(Calcula, ARepulsiveCurveHasNoMinimum) {
    const auto datos = datosDe(equiespaciados(1.0, 3.0, 10),
                               [](double r) { return 1.0 / std::pow(r, 6) + 0.5 / r; }, {-6, -1});
    std::ostringstream curva;
    try {
        CALCULA(datos, curva);
        FAIL() << "a repulsive curve has no minimum";
    } catch (const ErrorMotor& error) {
        EXPECT_EQ(error.salida(), Salida::SinMinimo);
        EXPECT_EQ(
            std::string(error.what()).rfind("No se encuentra un mínimo en la curva ajustada", 0),
            0u);
    }
    EXPECT_EQ(curva.str(), "");
}

TEST(Calcula, AConstantCurveHasNoMinimum) {
    const auto datos = datosDe(equiespaciados(1.0, 3.0, 5), [](double) { return -1.0; }, {0});
    std::ostringstream curva;
    EXPECT_THROW(CALCULA(datos, curva), ErrorMotor);
}

TEST(BusquedaMinimo, TheBoundIsTwiceTheDataRangeAndAtMostFiftyBohr) {
    EXPECT_EQ(limiteBusqueda(3.0), 6.0);
    EXPECT_EQ(limiteBusqueda(40.0), 50.0);
    EXPECT_EQ(limiteBusqueda(-1.0), -2.0);
    CoeficientesPotencia parabola{};
    parabola[indicePotencia(0)] = 1.96;
    parabola[indicePotencia(1)] = -2.8;
    parabola[indicePotencia(2)] = 1.0;
    EXPECT_FALSE(buscaMinimo(parabola, 1.3).encontrado);
    EXPECT_TRUE(buscaMinimo(parabola, 1.5).encontrado);
    EXPECT_FALSE(buscaMinimo(parabola, -2.0).encontrado);
}

TEST(BusquedaMinimo, SameGridPointAsThePlainScanOnRandomCurves) {
    std::mt19937 azar(12345);
    std::uniform_real_distribution<double> uniforme(0.0, 1.0);
    int encontrados = 0;
    int sinMinimo = 0;
    for (int caso = 0; caso < 180; ++caso) {
        CoeficientesPotencia c{};
        const int tipo = caso % 6;
        const double r1 = 0.3 + 1.5 * uniforme(azar);
        const double r2 = r1 + 0.05 + 0.5 * uniforme(azar);
        const double r3 = r2 + 0.05 + 0.5 * uniforme(azar);
        const double escala = std::pow(10.0, -3.0 + 4.0 * uniforme(azar));
        // V' as a product of factors, integrated into power coefficients.
        auto desdeDerivada = [&](std::vector<double> raices, double signo) {
            std::vector<double> d{signo * escala}; // coefficients of V' by ascending power
            for (double r : raices) {
                std::vector<double> nuevo(d.size() + 1, 0.0);
                for (std::size_t i = 0; i < d.size(); ++i) {
                    nuevo[i + 1] += d[i];
                    nuevo[i] -= r * d[i];
                }
                d = nuevo;
            }
            for (std::size_t i = 0; i < d.size(); ++i) {
                c[indicePotencia(static_cast<int>(i) + 1)] = d[i] / static_cast<double>(i + 1);
            }
            c[indicePotencia(0)] = -uniforme(azar);
        };
        switch (tipo) {
        case 0: // a single minimum
            desdeDerivada({r1}, 1.0);
            break;
        case 1: // a maximum before the minimum
            desdeDerivada({r1, r2, r3}, -1.0);
            break;
        case 2: // an inflection (double root) before the minimum
            desdeDerivada({r1, r1, r2}, 1.0);
            break;
        case 3: { // Lennard-Jones-like with random extra terms
            const double sigma = 0.8 + 1.5 * uniforme(azar);
            c[indicePotencia(-12)] = escala * std::pow(sigma, 12);
            c[indicePotencia(-6)] = -2.0 * escala * std::pow(sigma, 6);
            c[indicePotencia(-8)] = 0.1 * escala * (uniforme(azar) - 0.5) * std::pow(sigma, 8);
            c[indicePotencia(1)] = 1e-6 * escala * uniforme(azar);
            break;
        }
        case 4: // purely repulsive: no minimum within the bound
            c[indicePotencia(-6)] = escala;
            c[indicePotencia(-1)] = escala * uniforme(azar);
            break;
        default: // all thirty powers with small random coefficients
            for (int p = POTENCIA_MIN; p <= POTENCIA_MAX; ++p) {
                c[indicePotencia(p)] = (uniforme(azar) - 0.5) * std::pow(0.5, std::abs(p));
            }
            break;
        }
        const double limite = 3.0 + 1.5 * uniforme(azar);
        const Minimo paso = buscaMinimoPasoAPaso(c, limite);
        const Minimo rapido = buscaMinimo(c, limite);
        ASSERT_EQ(rapido.encontrado, paso.encontrado) << "caso " << caso;
        if (paso.encontrado) {
            ASSERT_EQ(rapido.x, paso.x) << "caso " << caso;
            ++encontrados;
        } else {
            ++sinMinimo;
        }
        EXPECT_LE(rapido.evaluaciones, paso.evaluaciones) << "caso " << caso;
    }
    EXPECT_GT(encontrados, 110);
    EXPECT_GT(sinMinimo, 25);
}

TEST(BusquedaMinimo, EvaluatesThePolynomialAtFewGridPoints) {
    CoeficientesPotencia c{};
    c[indicePotencia(-12)] = std::pow(7.0, 12);
    c[indicePotencia(-6)] = -2.0 * std::pow(7.0, 6);
    const Minimo paso = buscaMinimoPasoAPaso(c, 30.0);
    const Minimo rapido = buscaMinimo(c, 30.0);
    ASSERT_TRUE(rapido.encontrado);
    EXPECT_EQ(rapido.x, paso.x);
    EXPECT_NEAR(rapido.x, 7.0, 2e-5);
    EXPECT_LT(rapido.evaluaciones * 100, paso.evaluaciones);
}

} // namespace curvifit

namespace curvifit {

TEST(BusquedaMinimo, BulkAdditionsMatchOneAtATime) {
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

} // namespace curvifit
