// The exact levels against closed forms (harmonic, Morse), against themselves on a finer
// grid and with moved walls, and on the shipped CO and HF examples against an independent
// brute-force solution: a three-point finite-difference Hamiltonian on a very fine grid,
// its eigenvalues by Sturm bisection, extrapolated to zero step.
#include "calcula.h"
#include "constantes_fisicas.h"
#include "derivapol.h"
#include "leedatos.h"
#include "niveles_exactos.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <numbers>
#include <sstream>

namespace curvifit {

namespace {

// H2-like Morse curve: depth, range (1/bohr), equilibrium distance (bohr), reduced mass.
constexpr double DE = 0.1745, A = 1.0282, RE = 1.4011, MU = 918.6;

Potencial morse() {
    return {[](double R) {
                const double e = 1.0 - std::exp(-A * (R - RE));
                return DE * e * e;
            },
            [](double R) {
                const double x = std::exp(-A * (R - RE));
                return 2.0 * DE * A * x * (1.0 - x);
            }};
}

double morseCm1(int v) {
    const double we = A * std::sqrt(2.0 * DE / MU), wexe = A * A / (2.0 * MU);
    const double x = v + 0.5;
    return (we * x - wexe * x * x) * HARTREE_A_CM1;
}

const NivelExacto* busca(const NivelesExactos& n, int J, int v) {
    for (const NivelExacto& nivel : n.niveles) {
        if (nivel.J == J && nivel.v == v) {
            return &nivel;
        }
    }
    return nullptr;
}

// k-th eigenvalue (from 0) of -1/(2 mu) d2/dR2 + V_J by three-point differences with n
// intervals, by bisection on the Sturm count.
double diferenciasFinitas(const std::function<double(double)>& V, double mu, int J, double a,
                          double b, int n, int k) {
    const double h = (b - a) / n;
    const double fuera = -1.0 / (2.0 * mu * h * h);
    std::vector<double> d(static_cast<std::size_t>(n - 1));
    double lo = 1e300, hi = -1e300;
    for (int i = 1; i < n; ++i) {
        const double R = a + i * h;
        d[static_cast<std::size_t>(i - 1)] = -2.0 * fuera + V(R) + J * (J + 1.0) / (2 * mu * R * R);
        lo = std::min(lo, d[static_cast<std::size_t>(i - 1)] + 2.0 * fuera);
        hi = std::max(hi, d[static_cast<std::size_t>(i - 1)] - 2.0 * fuera);
    }
    const auto debajo = [&](double x) {
        int cuenta = 0;
        double q = 1.0;
        for (std::size_t i = 0; i < d.size(); ++i) {
            q = d[i] - x - (i > 0 ? fuera * fuera / q : 0.0);
            if (q == 0.0) {
                q = -1e-300;
            }
            cuenta += q < 0.0;
        }
        return cuenta;
    };
    for (int i = 0; i < 200 && hi - lo > 1e-15 * std::fabs(hi); ++i) {
        const double medio = 0.5 * (lo + hi);
        (debajo(medio) > k ? hi : lo) = medio;
    }
    return 0.5 * (lo + hi);
}

// The error of three-point differences goes as h^2, h^4, ...: two steps remove the first.
double referencia(const std::function<double(double)>& V, double mu, int J, double a, double b,
                  int k) {
    const int n = 6000;
    return (4.0 * diferenciasFinitas(V, mu, J, a, b, 2 * n, k) -
            diferenciasFinitas(V, mu, J, a, b, n, k)) /
           3.0;
}

struct Ejemplo {
    DatosEntrada datos;
    Resultado resultado;
};

Ejemplo ejemplo(const std::string& nombre) {
    std::ifstream fichero(std::string(OSCILAB_SOURCE_DIR) + "/datos/" + nombre + ".qvd",
                          std::ios::binary);
    std::ostringstream curva;
    Ejemplo e;
    e.datos = LEEDATOS(fichero, nombre, curva);
    e.resultado = CALCULA(e.datos, curva);
    return e;
}

} // namespace

TEST(NivelesExactos, HarmonicLevelsAreOmegaTimesVPlusAHalf) {
    const double mu = 12500.0, omega = 0.00989, re = 2.13, k = mu * omega * omega;
    const Potencial armonico{[=](double R) { return 0.5 * k * (R - re) * (R - re); },
                             [=](double R) { return k * (R - re); }};
    // Walls far above the levels checked: V(wall) holds about 60 levels.
    const NivelesExactos n = resuelveNiveles(armonico, mu, re - 1.0, re + 1.0, 0.0, 0);
    int comprobados = 0;
    for (const NivelExacto& nivel : n.niveles) {
        if (nivel.v < 20) {
            EXPECT_NEAR(nivel.e_cm1, omega * (nivel.v + 0.5) * HARTREE_A_CM1, 1e-4) << nivel.v;
            const double retorno = std::sqrt(2.0 * nivel.e_hartree / k);
            EXPECT_NEAR(nivel.r_interior, re - retorno, 1e-9);
            EXPECT_NEAR(nivel.r_exterior, re + retorno, 1e-9);
            ++comprobados;
        }
    }
    EXPECT_EQ(comprobados, 20);
}

TEST(NivelesExactos, MorseLevelsAndConstantsWithFarWalls) {
    const NivelesExactos n = resuelveNiveles(morse(), MU, 0.3, 12.0, 0.0, 0);
    int comprobados = 0;
    for (const NivelExacto& nivel : n.niveles) {
        EXPECT_EQ(nivel.v, &nivel - n.niveles.data());
        // The topmost levels reach out to the far wall.
        if (nivel.sensibilidad_interior + nivel.sensibilidad_exterior < 1e-3) {
            EXPECT_NEAR(nivel.e_cm1, morseCm1(nivel.v), 1e-4) << nivel.v;
            ++comprobados;
        }
    }
    EXPECT_GE(comprobados, 14);
    ASSERT_TRUE(n.constantes);
    EXPECT_NEAR(n.constantes->we, A * std::sqrt(2.0 * DE / MU) * HARTREE_A_CM1, 1e-4);
    EXPECT_NEAR(n.constantes->wexe, A * A / (2.0 * MU) * HARTREE_A_CM1, 1e-5);
    EXPECT_NEAR(n.constantes->weye, 0.0, 1e-6);
}

TEST(NivelesExactos, ConvergedOnAGridTwiceAsFine) {
    for (int J : {0, 15}) {
        const NivelesExactos n = resuelveNiveles(morse(), MU, 0.9, 3.4, 0.0, J);
        const NivelesExactos fino = resuelveNiveles(morse(), MU, 0.9, 3.4, 0.0, J, {2.0});
        ASSERT_EQ(n.niveles.size(), fino.niveles.size());
        for (std::size_t i = 0; i < n.niveles.size(); ++i) {
            EXPECT_NEAR(n.niveles[i].e_cm1, fino.niveles[i].e_cm1, 1e-4) << i;
            EXPECT_NEAR(n.niveles[i].sensibilidad_exterior, fino.niveles[i].sensibilidad_exterior,
                        1e-3 * (1.0 + fino.niveles[i].sensibilidad_exterior));
        }
    }
}

TEST(NivelesExactos, MovingAWallShiftsANearWallLevelByItsSensitivity) {
    const double a = 0.8, b = 2.9, delta = 1e-4;
    const NivelesExactos n = resuelveNiveles(morse(), MU, a, b, 0.0, 3);
    const NivelesExactos fuera = resuelveNiveles(morse(), MU, a - delta, b + delta, 0.0, 3);
    const NivelesExactos dentro = resuelveNiveles(morse(), MU, a + delta, b - delta, 0.0, 3);
    const NivelesExactos soloExterior = resuelveNiveles(morse(), MU, a, b + delta, 0.0, 3);
    int cerca = 0;
    for (const NivelExacto& nivel : n.niveles) {
        if (!nivel.cerca_pared) {
            continue;
        }
        ++cerca;
        // Both walls out by delta, then in by delta: the sum of the sensitivities.
        const double pendiente =
            (busca(dentro, nivel.J, nivel.v)->e_cm1 - busca(fuera, nivel.J, nivel.v)->e_cm1) /
            (2.0 * delta);
        const double suma = nivel.sensibilidad_interior + nivel.sensibilidad_exterior;
        EXPECT_NEAR(pendiente, suma, 2e-3 * suma) << nivel.J << " " << nivel.v;
        const double exterior =
            (nivel.e_cm1 - busca(soloExterior, nivel.J, nivel.v)->e_cm1) / delta;
        EXPECT_NEAR(exterior, nivel.sensibilidad_exterior, 2e-3 * suma + 1e-3);
    }
    EXPECT_GE(cerca, 4);
}

TEST(NivelesExactos, DeepLevelsIgnoreTheWalls) {
    const NivelesExactos n = resuelveNiveles(morse(), MU, 0.4, 4.5, 0.0, 0);
    const NivelesExactos anchos = resuelveNiveles(morse(), MU, 0.3, 4.6, 0.0, 0);
    ASSERT_GE(n.niveles.size(), 3u);
    for (int v : {0, 1}) {
        EXPECT_FALSE(n.niveles[v].cerca_pared);
        EXPECT_LT(n.niveles[v].sensibilidad_interior + n.niveles[v].sensibilidad_exterior, 1e-3);
        EXPECT_NEAR(n.niveles[v].e_cm1, anchos.niveles[v].e_cm1, 1e-4);
        EXPECT_NEAR(n.niveles[v].e_cm1, morseCm1(v), 1e-4);
    }
    EXPECT_TRUE(n.niveles.back().cerca_pared);
}

TEST(NivelesExactos, ShippedExamplesAgreeWithABruteForceSolution) {
    for (const char* nombre : {"CO", "HF"}) {
        const Ejemplo e = ejemplo(nombre);
        // Between hard walls where the data end, as the brute force has them.
        const Derivada V(e.resultado.ajuste.COEFPOT, 0), dV(e.resultado.ajuste.COEFPOT, 1);
        const auto f = [&](double R) { return V.valor(R); };
        const NivelesExactos n =
            resuelveNiveles({f, [&](double R) { return dV.valor(R); }}, e.datos.MASARED,
                            e.datos.RMIN, e.datos.RMAX, e.resultado.constantes.EEQ, JMAX_DEFECTO);
        for (int J : {0, 1, 10, 20}) {
            int comprobados = 0;
            for (const NivelExacto& nivel : n.niveles) {
                if (nivel.J != J) {
                    continue;
                }
                const double E =
                    referencia(f, e.datos.MASARED, J, e.datos.RMIN, e.datos.RMAX, nivel.v);
                EXPECT_NEAR(nivel.e_hartree * HARTREE_A_CM1, E * HARTREE_A_CM1, 0.01)
                    << nombre << " J=" << J << " v=" << nivel.v;
                ++comprobados;
            }
            EXPECT_GE(comprobados, 5) << nombre << " J=" << J;
        }
    }
}

// A hard wall kept low on the inner side: its limit V_J(RMIN) rises with J faster than the
// levels do, so a J holds levels no lower J had, which following the J = 0 levels up the
// ladder cannot find; the count sends those J to the whole reduction.
TEST(NivelesExactos, LevelsThatAppearAtHigherJAreFound) {
    const double a = 0.8 * RE, b = 2.2 * RE;
    const auto V = [](double R) { return morse().V(R); };
    const NivelesExactos n = resuelveNiveles(morse(), MU, a, b, 0.0, 10);
    std::vector<int> porJ(11, 0);
    for (const NivelExacto& nivel : n.niveles) {
        ++porJ[static_cast<std::size_t>(nivel.J)];
    }
    ASSERT_GT(porJ[10], porJ[0]) << "the case must have levels appear";
    for (const int J : {0, 5, 10}) {
        ASSERT_GT(porJ[static_cast<std::size_t>(J)], 0);
        for (int v = 0; v < porJ[static_cast<std::size_t>(J)]; ++v) {
            const NivelExacto* nivel = busca(n, J, v);
            ASSERT_NE(nivel, nullptr) << "J=" << J << " v=" << v;
            EXPECT_NEAR(nivel->e_hartree * HARTREE_A_CM1,
                        referencia(V, MU, J, a, b, v) * HARTREE_A_CM1, 0.01)
                << "J=" << J << " v=" << v;
        }
    }
}

TEST(NivelesExactos, NarrowScanHoldsNoLevelAndSaysSo) {
    // Points only 0.02 bohr either side of the minimum: far below the zero-point energy.
    const NivelesExactos n = resuelveNiveles(morse(), MU, RE - 0.02, RE + 0.02, 0.0, 5);
    EXPECT_TRUE(n.niveles.empty());
    EXPECT_EQ(n.limite_cm1.size(), 6u);
    EXPECT_FALSE(n.constantes);
    const auto aviso = avisoSinNiveles(n);
    ASSERT_TRUE(aviso);
    EXPECT_NE(aviso->texto.find("Amplíe"), std::string::npos);
    EXPECT_FALSE(avisoSinNiveles(resuelveNiveles(morse(), MU, 0.8, 2.9, 0.0, 0)));
}

} // namespace curvifit

namespace curvifit {

// The harmonic oscillator's first excited state, normalised:
// chi_1 = (4 b^3 / pi)^(1/4) x exp(-b x^2 / 2), b = mu omega.
TEST(NivelesExactos, WaveFunctionOfAHarmonicLevelIsTheHermiteFunction) {
    const double mu = 12500.0, omega = 0.00989, re = 2.13, k = mu * omega * omega;
    const Potencial armonico{[=](double R) { return 0.5 * k * (R - re) * (R - re); },
                             [=](double R) { return k * (R - re); }};
    const FuncionOnda f = funcionOnda(armonico, mu, re - 1.0, re + 1.0, 1, 0);
    ASSERT_GT(f.R.size(), 20u);
    EXPECT_EQ(f.R.front(), re - 1.0);
    EXPECT_EQ(f.chi.back(), 0.0);
    const double b = mu * omega;
    const double norma = std::pow(4.0 * b * b * b / std::numbers::pi, 0.25);
    for (std::size_t i = 0; i < f.R.size(); ++i) {
        const double x = f.R[i] - re;
        EXPECT_NEAR(std::fabs(f.chi[i]), std::fabs(norma * x * std::exp(-0.5 * b * x * x)), 1e-6)
            << f.R[i];
    }
    EXPECT_TRUE(funcionOnda(armonico, mu, re - 1.0, re + 1.0, 100000, 0).R.empty());
}

} // namespace curvifit
