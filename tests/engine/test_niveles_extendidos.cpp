// The exact levels on a curve continued past its data: the extensions' matching, the walls
// kept where they cannot be built, Morse levels and dissociation against the closed form from
// scans cut at several windows, and quasibound levels against a brute-force scattering scan.
#include "constantes_fisicas.h"
#include "niveles_exactos.h"

#include <Eigen/Dense>
#include <gtest/gtest.h>

#include <cmath>

namespace curvifit {

namespace {

// A Morse curve from its constants: depth, range (1/bohr), re (bohr), reduced mass.
struct Morse {
    double De, a, re, mu;

    static Morse desdeEspectro(double we, double wexe, double re, double mu) {
        const double w = we / HARTREE_A_CM1, wx = wexe / HARTREE_A_CM1;
        return {w * w / (4.0 * wx), std::sqrt(2.0 * mu * wx), re, mu};
    }
    double V(double R) const {
        const double e = 1.0 - std::exp(-a * (R - re));
        return De * e * e;
    }
    double dV(double R) const {
        const double x = std::exp(-a * (R - re));
        return 2.0 * De * a * x * (1.0 - x);
    }
    double d2V(double R) const {
        const double x = std::exp(-a * (R - re));
        return 2.0 * De * a * a * (2.0 * x * x - x);
    }
    ExtremoCurva extremo(double R) const { return {R, V(R), dV(R), d2V(R)}; }
    Potencial potencial() const {
        return {[m = *this](double R) { return m.V(R); },
                [m = *this](double R) { return m.dV(R); }};
    }
    double nivelCm1(int v) const {
        const double we = a * std::sqrt(2.0 * De / mu), wexe = a * a / (2.0 * mu);
        const double x = v + 0.5;
        return (we * x - wexe * x * x) * HARTREE_A_CM1;
    }
    // The curve known only between f0 re and f1 re, continued with a tail of exponent n.
    NivelesExactos niveles(double f0, double f1, int JMAX, int n = COLA_DEFECTO) const {
        const ExtremoCurva i = extremo(f0 * re), o = extremo(f1 * re);
        return resuelveNiveles(potencial(), i, o, extensiones(i, o, n), mu, 0.0, JMAX);
    }
};

const Morse CO = Morse::desdeEspectro(2169.8, 13.29, 2.132, 12498.0);
const Morse H2 = {0.1745, 1.0282, 1.4011, 918.6};

// Brute-force scattering at energy E: Numerov from deep inside the inner wall out to `lejos`;
// the squared amplitude inside the well (R < dentro) over the outgoing wave's (chi^2 +
// (chi'/k)^2 far out). Across a resonance it is a Lorentzian of full width Gamma.
double atrapamiento(const Potencial& p, double mu, int J, double E, double desde, double dentro,
                    double lejos) {
    const double h = 1e-3;
    const auto f = [&](double R) {
        return 2.0 * mu * (p.V(R) + J * (J + 1.0) / (2.0 * mu * R * R) - E);
    };
    double R = desde, anterior = 0.0, actual = 1e-30, fa = f(R), fb = f(R + h), pico = 0.0;
    R += h;
    while (R < lejos) {
        const double fc = f(R + h);
        const double siguiente = (2.0 * (1.0 + 5.0 * h * h * fb / 12.0) * actual -
                                  (1.0 - h * h * fa / 12.0) * anterior) /
                                 (1.0 - h * h * fc / 12.0);
        anterior = actual;
        actual = siguiente;
        fa = fb;
        fb = fc;
        R += h;
        if (R < dentro) {
            pico = std::max(pico, actual * actual);
        }
    }
    const double k = std::sqrt(-fb);
    // Numerov's chi at R - h and R: the slope between them stands at R - h/2.
    const double medio = 0.5 * (actual + anterior), pendiente = (actual - anterior) / h;
    return pico / (medio * medio + pendiente * pendiente / (k * k));
}

} // namespace

TEST(NivelesExtendidos, ExtensionsMatchTheCurveAtTheEnds) {
    const ExtremoCurva i = CO.extremo(1.8), o = CO.extremo(3.4);
    const Extensiones e = extensiones(i, o, 6);
    ASSERT_TRUE(e.interior && e.exterior);
    const double h = 1e-5;
    const auto& x = *e.interior;
    EXPECT_NEAR(x.valor(i.R), i.V, 1e-12);
    EXPECT_NEAR(x.derivada(i.R), i.dV, 1e-10);
    EXPECT_NEAR((x.derivada(i.R + h) - x.derivada(i.R - h)) / (2 * h), i.d2V, 1e-5 * i.d2V);
    EXPECT_NEAR(e.exterior->valor(o.R), o.V, 1e-12);
    EXPECT_NEAR(e.exterior->derivada(o.R), o.dV, 1e-12);
    EXPECT_NEAR(e.exterior->valor(1e6), e.exterior->Vinf, 1e-12);
    // The extended curve: continuous across both ends, the fit inside.
    const Potencial p = potencialExtendido(CO.potencial(), i.R, o.R, e);
    for (const double R : {i.R, o.R}) {
        EXPECT_NEAR(p.V(R - 1e-9), p.V(R + 1e-9), 1e-8);
        EXPECT_NEAR(p.dV(R - 1e-9), p.dV(R + 1e-9), 1e-7);
    }
    EXPECT_EQ(p.V(2.5), CO.V(2.5));
    // The alternatives change nothing inside the data.
    for (const auto& cambio : cambiosAlternativos(i, o, e)) {
        EXPECT_EQ(cambio(2.5), 0.0);
        EXPECT_NE(cambio(1.5) + cambio(5.0), 0.0);
    }
}

TEST(NivelesExtendidos, WallsKeptWhenTheEndsDoNotQualify) {
    EXPECT_FALSE(extensionInterior({2.2, 0.0, 0.01, 0.3}));  // rising: no repulsive wall
    EXPECT_FALSE(extensionInterior({1.8, 0.0, -0.1, -0.3})); // bending over
    EXPECT_FALSE(extensionExterior({3.0, 0.0, -0.01, 0.1}, 6));
    EXPECT_FALSE(extensionExterior({3.0, 0.0, 0.0, 0.1}, 6));

    // A scan that ends before the curve turns over keeps its outer wall.
    const ExtremoCurva i = H2.extremo(0.9 * H2.re), o = H2.extremo(1.3 * H2.re);
    Extensiones e = extensiones(i, o, 6);
    ASSERT_TRUE(e.exterior);
    e.exterior.reset();
    const NivelesExactos n = resuelveNiveles(H2.potencial(), i, o, e, H2.mu, 0.0, 3);
    ASSERT_FALSE(n.niveles.empty());
    EXPECT_FALSE(n.disociacion);
    for (int J = 0; J <= 3; ++J) {
        const double VJ = H2.V(o.R) + J * (J + 1.0) / (2.0 * H2.mu * o.R * o.R);
        EXPECT_NEAR(n.limite_cm1[static_cast<std::size_t>(J)], VJ * HARTREE_A_CM1, 1e-6);
    }
    EXPECT_TRUE(n.niveles.back().cerca_pared);
    for (const NivelExacto& nivel : n.niveles) {
        EXPECT_LT(nivel.r_exterior, o.R + 1e-9);
        // Only the kept wall counts for near_wall; the inner side is extended.
        EXPECT_EQ(nivel.cerca_pared,
                  nivel.sensibilidad_exterior * DESPLAZAMIENTO_PARED > CAMBIO_PARED_CM1);
        EXPECT_GE(nivel.incertidumbre_cm1,
                  nivel.sensibilidad_exterior * DESPLAZAMIENTO_PARED - 1e-12);
    }
    const std::vector<Aviso> avisos = avisosNiveles(n);
    ASSERT_EQ(avisos.size(), 1u);
    EXPECT_EQ(avisos[0].codigo, "outer_wall_kept");
}

TEST(NivelesExtendidos, MorseLevelsWithinTheirUncertaintyOnScansCutAtSeveralWindows) {
    int cubiertos = 0, total = 0;
    for (const auto& [f0, f1] :
         // The short ones end before the inflection or just past it, where only a tail that
         // reaches its asymptote exponentially brackets the truth.
         {std::pair{0.85, 1.6},
          {0.85, 1.5},
          {0.9, 2.0},
          {0.75, 1.8},
          {0.8, 1.7},
          {0.85, 1.3},
          {0.8, 1.4},
          {0.9, 1.4}}) {
        const NivelesExactos n = CO.niveles(f0, f1, 0);
        ASSERT_TRUE(n.extensiones.interior && n.extensiones.exterior) << f0 << " " << f1;
        for (const NivelExacto& nivel : n.niveles) {
            if (nivel.e_cm1 > 0.6 * CO.De * HARTREE_A_CM1) {
                break;
            }
            const double error = std::fabs(nivel.e_cm1 - CO.nivelCm1(nivel.v));
            cubiertos += error <= std::max(nivel.incertidumbre_cm1, 0.05);
            ++total;
            if (f0 == 0.85 && nivel.v < 4) {
                EXPECT_LT(error, 0.5) << nivel.v;
            }
            // Extrapolated exactly when a turning point leaves the data.
            EXPECT_EQ(nivel.extrapolado,
                      nivel.r_interior < f0 * CO.re || nivel.r_exterior > f1 * CO.re);
        }
    }
    EXPECT_GT(total, 120);
    EXPECT_GE(cubiertos, 0.9 * total) << cubiertos << " of " << total;
}

TEST(NivelesExtendidos, MorseScannedToDissociationGivesDeAndD0FromTheData) {
    const NivelesExactos n = CO.niveles(0.85, 6.5, 0);
    ASSERT_TRUE(n.disociacion);
    const double De = CO.De * HARTREE_A_CM1, D0 = De - CO.nivelCm1(0);
    EXPECT_NEAR(n.disociacion->de_cm1, De, 5e-4 * De);
    EXPECT_NEAR(n.disociacion->d0_cm1, D0, 5e-4 * D0);
    EXPECT_TRUE(n.disociacion->desde_datos);
    // A scan that stops near the minimum extrapolates the well depth, and says so.
    const NivelesExactos corto = CO.niveles(0.85, 1.3, 0);
    ASSERT_TRUE(corto.disociacion);
    EXPECT_FALSE(corto.disociacion->desde_datos);
    EXPECT_GT(corto.disociacion->incertidumbre_cm1,
              std::fabs(corto.disociacion->de_cm1 - De) * 0.1);
}

TEST(NivelesExtendidos, ConstantsFromTheWellKnownLowestLevels) {
    const NivelesExactos n = CO.niveles(0.85, 1.6, 0);
    ASSERT_TRUE(n.constantes);
    ASSERT_GE(n.constantes->v_usados.size(), 3u);
    for (std::size_t k = 0; k < n.constantes->v_usados.size(); ++k) {
        const NivelExacto& nivel = n.niveles[static_cast<std::size_t>(n.constantes->v_usados[k])];
        EXPECT_LT(nivel.incertidumbre_cm1, INCERTIDUMBRE_CONSTANTES_CM1);
    }
    EXPECT_NEAR(n.constantes->we, 2169.8, 0.01);
    EXPECT_NEAR(n.constantes->wexe, 13.29, 0.01);
}

TEST(NivelesExtendidos, QuasiboundLevelsAgreeWithAScatteringScan) {
    const int J = 20;
    const ExtremoCurva i = H2.extremo(0.7 * H2.re), o = H2.extremo(2.5 * H2.re);
    const Extensiones e = extensiones(i, o, 6);
    const NivelesExactos n = resuelveNiveles(H2.potencial(), i, o, e, H2.mu, 0.0, J);
    const Potencial p = potencialExtendido(H2.potencial(), i.R, o.R, e);
    int comprobados = 0;
    for (const NivelExacto& nivel : n.niveles) {
        if (!nivel.cuasiligado) {
            ASSERT_LT(nivel.e_hartree, e.exterior->Vinf);
            continue;
        }
        ASSERT_TRUE(nivel.anchura_cm1);
        EXPECT_GT(nivel.e_hartree, e.exterior->Vinf);
        if (nivel.J != J) { // the scan is slow: the highest barrier only
            continue;
        }
        // The peak, by golden section on a window of a few widths, and its half-maximum.
        const double G = *nivel.anchura_cm1 / HARTREE_A_CM1;
        const auto a = [&](double E) {
            return atrapamiento(p, H2.mu, J, E, 0.5 * i.R, nivel.r_exterior + 0.5, 60.0);
        };
        double lo = nivel.e_hartree - 0.5 / HARTREE_A_CM1,
               hi = nivel.e_hartree + 0.5 / HARTREE_A_CM1;
        double mejor = nivel.e_hartree;
        for (int k = 0; k <= 100; ++k) { // a grid fine enough to land inside the peak
            const double E = lo + (hi - lo) * k / 100.0;
            mejor = a(E) > a(mejor) ? E : mejor;
        }
        lo = mejor - 0.01 / HARTREE_A_CM1;
        hi = mejor + 0.01 / HARTREE_A_CM1;
        const double g = 0.5 * (std::sqrt(5.0) - 1.0);
        for (int k = 0; k < 40; ++k) {
            const double x1 = hi - g * (hi - lo), x2 = lo + g * (hi - lo);
            (a(x1) > a(x2) ? hi : lo) = a(x1) > a(x2) ? x2 : x1;
        }
        const double Eres = 0.5 * (lo + hi), maximo = a(Eres);
        double d0 = 0.0, d1 = 20.0 * G; // half width by bisection on the upper side
        for (int k = 0; k < 40; ++k) {
            const double d = 0.5 * (d0 + d1);
            (a(Eres + d) > 0.5 * maximo ? d0 : d1) = d;
        }
        EXPECT_NEAR(nivel.e_cm1, Eres * HARTREE_A_CM1, 0.1);
        EXPECT_NEAR(*nivel.anchura_cm1, 2.0 * d0 * HARTREE_A_CM1, 0.3 * *nivel.anchura_cm1);
        ++comprobados;
    }
    EXPECT_GE(comprobados, 1);
}

TEST(NivelesExtendidos, DistortionConstantsAgreeWithAFitOfTheJLadder) {
    const NivelesExactos n = CO.niveles(0.85, 1.6, 10);
    for (int v = 0; v < 5; ++v) {
        // Brute force: E(v, J) for J = 0..10 fitted by a quartic in x = J(J+1).
        Eigen::MatrixXd A(11, 5);
        Eigen::VectorXd E(11);
        const NivelExacto* base = nullptr;
        for (const NivelExacto& nivel : n.niveles) {
            if (nivel.v == v && !nivel.cuasiligado) {
                const double x = nivel.J * (nivel.J + 1.0);
                A.row(nivel.J) << 1.0, x, x * x, x * x * x, x * x * x * x;
                E[nivel.J] = nivel.e_cm1;
                base = nivel.J == 0 ? &nivel : base;
            }
        }
        ASSERT_TRUE(base && base->dv_cm1 && base->hv_cm1 && base->lv_cm1);
        const Eigen::VectorXd c = A.colPivHouseholderQr().solve(E);
        EXPECT_NEAR(c[1], *base->bv_cm1, 1e-7 * *base->bv_cm1) << v;
        EXPECT_NEAR(-c[2], *base->dv_cm1, 1e-3 * *base->dv_cm1) << v;
        // Morse's closed form: De = 4 Be^3 / we^2 at the bottom, Hv far smaller.
        EXPECT_LT(std::fabs(*base->hv_cm1), 1e-4 * *base->dv_cm1) << v;
    }
    const double Be = 1.0 / (2.0 * CO.mu * CO.re * CO.re) * HARTREE_A_CM1;
    ASSERT_TRUE(n.constantes);
    EXPECT_NEAR(n.constantes->de, 4.0 * Be * Be * Be / (2169.8 * 2169.8), 1e-3 * n.constantes->de);
}

TEST(NivelesExtendidos, WaveFunctionOnTheExtendedCurveReachesPastTheData) {
    const ExtremoCurva i = CO.extremo(0.95 * CO.re), o = CO.extremo(1.1 * CO.re);
    const Extensiones e = extensiones(i, o, 6);
    const FuncionOnda f = funcionOnda(CO.potencial(), e, CO.mu, i.R, o.R, 3, 0);
    ASSERT_FALSE(f.R.empty());
    EXPECT_LT(f.R.front(), i.R);
    EXPECT_GT(f.R.back(), o.R);
    int nodos = 0;
    double norma = 0.0;
    for (std::size_t k = 1; k < f.R.size(); ++k) {
        nodos += f.chi[k] * f.chi[k - 1] < 0.0 && std::fabs(f.chi[k]) > 1e-6;
        norma += 0.5 * (f.chi[k] * f.chi[k] + f.chi[k - 1] * f.chi[k - 1]) * (f.R[k] - f.R[k - 1]);
    }
    EXPECT_EQ(nodos, 3);
    EXPECT_NEAR(norma, 1.0, 1e-2);
    // Past the last bound level there is nothing to draw.
    EXPECT_TRUE(funcionOnda(CO.potencial(), e, CO.mu, i.R, o.R, 100000, 0).R.empty());
}

TEST(NivelesExtendidos, DunhamCoefficientsOfAMorseCurve) {
    const NivelesExactos n = CO.niveles(0.85, 1.6, 10);
    ASSERT_TRUE(n.dunham);
    const double Be = 1.0 / (2.0 * CO.mu * CO.re * CO.re) * HARTREE_A_CM1;
    EXPECT_NEAR(n.dunham->Y[1][0], 2169.8, 1e-4 * 2169.8);
    EXPECT_NEAR(n.dunham->Y[2][0], -13.29, 1e-4 * 13.29);
    EXPECT_NEAR(n.dunham->Y[0][1], Be, 1e-4 * Be);
    // Without J = 2 the rotational terms are not determined.
    EXPECT_FALSE(dunhamDeNiveles(CO.niveles(0.85, 1.6, 1).niveles, n.constantes->v_usados));
}

} // namespace curvifit
