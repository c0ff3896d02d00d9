#include "ajuste.h"
#include "calcula.h"
#include "escriberes.h"
#include "derivapol.h"
#include "incertidumbres.h"
#include "leedatos.h"

#include <Eigen/Dense>
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <fstream>
#include <random>
#include <sstream>

namespace curvifit {

namespace {

TablaPotencias potencias(int desde, int hasta) {
    TablaPotencias t{};
    for (int p = desde; p <= hasta; ++p) {
        t[indicePotencia(p)] = 1;
    }
    return t;
}

std::vector<double> equiespaciados(double desde, double hasta, int n) {
    std::vector<double> r;
    for (int i = 0; i < n; ++i) {
        r.push_back(desde + (hasta - desde) * i / (n - 1));
    }
    return r;
}

double ljArgon(double r) {
    const double s6 = std::pow(7.1 / r, 6);
    return 99.5 / 219474.6313632 * (s6 * s6 - 2.0 * s6);
}

double morseH2(double r) {
    const double e = 1.0 - std::exp(-1.0282 * (r - 1.4011));
    return 0.1745 * e * e - 0.1745;
}

DatosEntrada datosDe(const std::vector<double>& r, double (*V)(double), const TablaPotencias& t,
                     double MASARED = 918.64) {
    std::vector<double> e;
    for (double x : r) {
        e.push_back(V(x));
    }
    return datosDePuntos(r, e, t, MASARED);
}

// The design matrix with its columns scaled to unit norm, and the norms.
struct Escalada {
    Eigen::MatrixXd A;
    Eigen::VectorXd d;
};

Escalada escalada(const DatosEntrada& datos) {
    Eigen::MatrixXd A(datos.NPUNTOS(), datos.NPOT);
    for (int i = 0; i < datos.NPUNTOS(); ++i) {
        int j = 0;
        for (int p = POTENCIA_MIN; p <= POTENCIA_MAX; ++p) {
            if (datos.POTUSADA[indicePotencia(p)] == 1) {
                A(i, j++) = std::pow(datos.RDAT[i], p);
            }
        }
    }
    const Eigen::VectorXd d = A.colwise().norm();
    return {A * d.cwiseInverse().asDiagonal(), d};
}

Eigen::VectorXd energias(const DatosEntrada& datos) {
    return Eigen::Map<const Eigen::VectorXd>(datos.EDAT.data(), datos.NPUNTOS());
}

double fitEn(const Ajuste& a, const DatosEntrada& datos, double r) {
    return energiaAjustada(a.ACOEF, datos.POTUSADA, r);
}

} // namespace

TEST(AjusteEscalado, RankDeficientPowersMatchATruncatedJacobiSvd) {
    // All 30 powers on an argon-like well: the scaled matrix keeps 15 directions, and an
    // independent decomposition with the same cut gives the same minimum-norm fit.
    const DatosEntrada datos = datosDe(equiespaciados(5.5, 15.0, 50), ljArgon, potencias(-15, 14));
    const Ajuste ajuste = ajustaCurva(datos);
    EXPECT_EQ(ajuste.svd.descartados, 15);
    const auto [A, d] = escalada(datos);
    Eigen::JacobiSVD<Eigen::MatrixXd> svd(A, Eigen::ComputeThinU | Eigen::ComputeThinV);
    const Eigen::VectorXd w = svd.singularValues();
    Eigen::VectorXd t = svd.matrixU().transpose() * energias(datos);
    for (int k = 0; k < w.size(); ++k) {
        t(k) = w(k) >= 1e-9 * w(0) ? t(k) / w(k) : 0.0;
    }
    const Eigen::VectorXd c = (svd.matrixV() * t).cwiseQuotient(d);
    for (int j = 0; j < 30; ++j) {
        EXPECT_NEAR(ajuste.ACOEF[j], c(j), 1e-6 * std::fabs(c(j))) << "potencia " << j - 15;
    }
    // The fit follows the data to far below their 0.00045 hartree depth.
    for (int i = 0; i < datos.NPUNTOS(); ++i) {
        EXPECT_NEAR(fitEn(ajuste, datos, datos.RDAT[i]), datos.EDAT[i], 1e-8);
    }
}

TEST(AjusteEscalado, FullRankWidePowersMatchAnOrthogonalSolve) {
    // Columns many decades apart that keep full rank once scaled: the least-squares
    // solution is unique, and an orthogonal solve finds the same one.
    struct Caso {
        double desde, hasta;
        int pmin, pmax;
        double (*V)(double);
    };
    for (const Caso& caso : {Caso{1.0, 3.0, -4, 6, morseH2}, Caso{5.5, 15.0, 0, 8, ljArgon}}) {
        const DatosEntrada datos = datosDe(equiespaciados(caso.desde, caso.hasta, 40), caso.V,
                                           potencias(caso.pmin, caso.pmax));
        const Ajuste ajuste = ajustaCurva(datos);
        EXPECT_EQ(ajuste.svd.descartados, 0);
        const auto [A, d] = escalada(datos);
        const Eigen::VectorXd c =
            A.completeOrthogonalDecomposition().solve(energias(datos)).cwiseQuotient(d);
        for (int j = 0; j < c.size(); ++j) {
            EXPECT_NEAR(ajuste.ACOEF[j], c(j), 1e-5 * std::fabs(c(j))) << caso.pmin + j;
        }
    }
}

TEST(AjusteEscalado, MorseInAngstromAndEvGivesItsHarmonicFrequency) {
    // OH as a Morse curve typed in Angstrom and eV, powers 0..14.
    const double De = 4.621, a = 2.294, Re = 0.9697; // eV, 1/Angstrom, Angstrom
    std::string texto = "OH\r\n0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 \r\n15.995 1.008\r\nA eV\r\n";
    for (double r : equiespaciados(0.75, 1.6, 40)) {
        const double e = 1.0 - std::exp(-a * (r - Re));
        char numero[64];
        const auto fin = std::to_chars(numero, numero + 64, De * e * e - De);
        texto += std::to_string(r) + "   " + std::string(numero, fin.ptr) + "\r\n";
    }
    std::istringstream entrada(texto);
    std::ostringstream curva;
    const DatosEntrada datos = LEEDATOS(entrada, "OH", curva);
    const Constantes k = CALCULA(datos, curva).constantes;
    // we = a sqrt(2 De / mu), in atomic units, over 2 pi c.
    const double aUA = a * FACDIST_ANGSTROM;
    const double we = aUA * std::sqrt(2.0 * De / FACENER_EV / datos.MASARED) / (2.0 * M_PI);
    EXPECT_NEAR(k.NU, we * 2.0 * M_PI * 219474.6313632, 0.005 * we * 2.0 * M_PI * 219474.6313632);
    EXPECT_NEAR(k.RE, Re, 2e-5);
}

TEST(AjusteEscalado, ExampleReportsPrintTheFitOfAnOrthogonalSolve) {
    // Each coefficient line, the probable error of both parts and the equilibrium distance
    // of the shipped examples, against Eigen's solution and a Newton root of its slope.
    for (const char* nombre : {"H2", "HF", "CO"}) {
        std::ifstream fichero(std::string(OSCILAB_SOURCE_DIR) + "/datos/" + nombre + ".qvd",
                              std::ios::binary);
        std::ostringstream curva;
        const DatosEntrada datos = LEEDATOS(fichero, nombre, curva);
        const std::vector<std::string> l = lineasInforme(datos, CALCULA(datos, curva));
        const auto [A, d] = escalada(datos);
        const Eigen::VectorXd c =
            A.completeOrthogonalDecomposition().solve(energias(datos)).cwiseQuotient(d);
        const Eigen::VectorXd residuos = A * d.asDiagonal() * c - energias(datos);
        const int N = datos.NPUNTOS(), m = datos.NPOT;
        const double ep = 0.7 * std::sqrt(residuos.squaredNorm() / ((N - m) * N));
        const auto impreso = [](const std::string& linea, std::size_t desde) {
            return std::stod(linea.substr(desde, linea.find_first_of("(", desde) - desde));
        };
        for (int j = 0; j < m; ++j) {
            const double v = impreso(l[28 + j], 7);
            EXPECT_NEAR(c(j), v, 5e-6 * std::fabs(v)) << nombre << " " << l[28 + j];
        }
        EXPECT_NEAR(ep, impreso(l[36 + m + N], 15), 5e-6 * ep) << nombre;
        EXPECT_NEAR(ep, std::stod(l[9].substr(l[9].find("PROB.=") + 6)), 0.05 * ep) << nombre;
        CoeficientesPotencia cp{};
        for (int j = 0; j < m; ++j) {
            cp[indicePotencia(j)] = c(j); // the examples fit powers 0..4
        }
        double x = impreso(l[4], l[4].find("(ANGSTROMS)") + 11);
        for (int i = 0; i < 30; ++i) {
            x -= DERIVAPOL(cp, x, 1) / DERIVAPOL(cp, x, 2);
        }
        EXPECT_NEAR(impreso(l[4], l[4].find("(ANGSTROMS)") + 11), x, 1.6e-5) << nombre;
    }
}

TEST(Incertidumbres, CovarianceAndLeveragesMatchTheNormalEquations) {
    std::vector<double> e;
    std::mt19937 azar(3);
    std::normal_distribution<double> ruido(0.0, 1e-4);
    const std::vector<double> r = equiespaciados(1.0, 3.0, 25);
    for (double x : r) {
        e.push_back(morseH2(x) + ruido(azar));
    }
    const DatosEntrada datos = datosDePuntos(r, e, potencias(0, 5), 918.64);
    const Ajuste ajuste = ajustaCurva(datos);
    const std::optional<Matriz> C = covarianzaCoeficientes(ajuste, datos.NPUNTOS());
    ASSERT_TRUE(C);
    // Through a QR decomposition of the scaled matrix: (A^T A)^-1 = D^-1 R^-1 R^-T D^-1 and
    // H = Q Q^T, without squaring the condition number.
    const auto [As, d] = escalada(datos);
    const Eigen::MatrixXd A = As * d.asDiagonal();
    const Eigen::VectorXd res =
        A * Eigen::Map<const Eigen::VectorXd>(ajuste.ACOEF.data(), 6) - energias(datos);
    const double s2 = res.squaredNorm() / (25 - 6);
    const Eigen::HouseholderQR<Eigen::MatrixXd> qr(As);
    const Eigen::MatrixXd R = qr.matrixQR().topRows(6).triangularView<Eigen::Upper>();
    const Eigen::MatrixXd Rinv = R.inverse();
    const Eigen::MatrixXd inversa =
        d.cwiseInverse().asDiagonal() * Rinv * Rinv.transpose() * d.cwiseInverse().asDiagonal();
    for (int j = 0; j < 6; ++j) {
        for (int l = 0; l < 6; ++l) {
            EXPECT_NEAR((*C)(j, l), s2 * inversa(j, l), 1e-8 * s2 * std::fabs(inversa(j, l)));
        }
    }
    const Eigen::MatrixXd Q = qr.householderQ() * Eigen::MatrixXd::Identity(25, 6);
    const std::vector<double> h = apalancamientos(ajuste);
    for (int i = 0; i < 25; ++i) {
        EXPECT_NEAR(h[i], Q.row(i).squaredNorm(), 1e-12);
    }
}

TEST(Incertidumbres, NoDegreeOfFreedomGivesNoErrors) {
    const DatosEntrada datos = datosDe({1.0, 1.3, 1.6, 2.0, 2.5}, morseH2, potencias(0, 4));
    const Ajuste ajuste = ajustaCurva(datos);
    EXPECT_FALSE(covarianzaCoeficientes(ajuste, 5));
    const ConstantesConError k =
        constantesConError(datos, ajuste, *constantesDelAjuste(datos, ajuste));
    for (const ValorConError& v : k.valores) {
        EXPECT_FALSE(v.error);
    }
    EXPECT_NEAR(k[Constante::ReBohr].valor, 1.4011, 1e-2);
}

TEST(Incertidumbres, GradientsMatchCentralDifferences) {
    // Every constant as a function of the coefficients, with re the exact root of V'
    // (Newton) rather than a grid point, against the analytic gradient at that root.
    const DatosEntrada datos = datosDe(equiespaciados(1.0, 3.0, 30), morseH2, potencias(-2, 5));
    const Ajuste ajuste = ajustaCurva(datos);
    const auto constantesEn = [&](const std::vector<double>& c) {
        Ajuste a = ajuste;
        a.ACOEF = c;
        a.COEFPOT = llenaCOEFPOT(c, datos.POTUSADA);
        double x = 1.4;
        for (int i = 0; i < 50; ++i) {
            x -= DERIVAPOL(a.COEFPOT, x, 1) / DERIVAPOL(a.COEFPOT, x, 2);
        }
        Constantes k = constantesEquilibrio(datos, a, x);
        constantesRotacion(k, datos.MASARED);
        return std::pair{constantesConError(datos, a, k), k};
    };
    const auto [central, k] = constantesEn(ajuste.ACOEF);
    const auto g = gradientesConstantes(datos, ajuste, k);
    for (std::size_t j = 0; j < ajuste.ACOEF.size(); ++j) {
        const double h = 1e-5 * std::fabs(ajuste.ACOEF[j]);
        std::vector<double> mas = ajuste.ACOEF, menos = ajuste.ACOEF;
        mas[j] += h;
        menos[j] -= h;
        const ConstantesConError fm = constantesEn(mas).first, fn = constantesEn(menos).first;
        for (int c = 0; c < NUM_CONSTANTES; ++c) {
            const double numerica = (fm.valores[c].valor - fn.valores[c].valor) / (2.0 * h);
            const double escala = std::fabs(central.valores[c].valor) / std::fabs(ajuste.ACOEF[j]);
            EXPECT_NEAR(g[c][j], numerica, 1e-6 * escala + 1e-6 * std::fabs(numerica))
                << NOMBRES_CONSTANTES[c] << " coeficiente " << j;
        }
    }
}

TEST(Incertidumbres, MonteCarloSpreadMatchesTheStandardErrors) {
    // Known noise on a Morse curve: the spread of the constants over many noisy fits is
    // what one fit's standard errors say, and s^2 averages to the noise's variance.
    const double sigma = 2e-4;
    const std::vector<double> r = equiespaciados(1.0, 3.0, 30);
    std::mt19937 azar(11);
    std::normal_distribution<double> ruido(0.0, sigma);
    const Constante vigiladas[] = {Constante::ReBohr, Constante::WeCm1, Constante::K3HartreeBohr3,
                                   Constante::AlphaECm1};
    std::vector<std::vector<double>> muestras(4);
    std::vector<double> errores(4, 0.0);
    double s2Medio = 0.0;
    const int repeticiones = 400;
    for (int n = 0; n < repeticiones; ++n) {
        std::vector<double> e;
        for (double x : r) {
            e.push_back(morseH2(x) + ruido(azar));
        }
        const DatosEntrada datos = datosDePuntos(r, e, potencias(0, 6), 918.64);
        const Ajuste ajuste = ajustaCurva(datos);
        const ConstantesConError k =
            constantesConError(datos, ajuste, *constantesDelAjuste(datos, ajuste));
        for (int c = 0; c < 4; ++c) {
            muestras[c].push_back(k[vigiladas[c]].valor);
            errores[c] += *k[vigiladas[c]].error / repeticiones;
        }
        s2Medio += *varianzaResidual(ajuste, 30) / repeticiones;
    }
    EXPECT_NEAR(s2Medio, sigma * sigma, 0.05 * sigma * sigma);
    for (int c = 0; c < 4; ++c) {
        double media = 0.0, var = 0.0;
        for (double v : muestras[c]) {
            media += v / repeticiones;
        }
        for (double v : muestras[c]) {
            var += (v - media) * (v - media) / (repeticiones - 1);
        }
        EXPECT_NEAR(std::sqrt(var), errores[c], 0.1 * errores[c])
            << NOMBRES_CONSTANTES[static_cast<int>(vigiladas[c])];
    }
}

} // namespace curvifit
