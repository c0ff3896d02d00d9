// The spectrum against closed forms and an independent finite-difference solver, the dipole
// file's rules, and the ExoMol files read back.
#include "argumentos.h"
#include "constantes_fisicas.h"
#include "dipolo.h"
#include "espectro.h"
#include "errores.h"
#include "espectro_exomol.h"

#include <Eigen/Dense>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>

namespace curvifit {

namespace {

constexpr double RE = 2.0;

// A straight dipole mu1 (R - re), debye per bohr, sampled over [a, b] and fitted.
CurvaDipolo dipoloLineal(double mu1, double a, double b) {
    PuntosDipolo p;
    for (int i = 0; i <= 10; ++i) {
        p.R_bohr.push_back(a + (b - a) * i / 10.0);
        p.mu_debye.push_back(mu1 * (p.R_bohr.back() - RE));
    }
    return ajustaDipolo(p, RE);
}

// V = 0.6 x^2 - 0.7 x^3 + 0.5 x^4 hartree, x = R - re: one anharmonic well, exactly the
// polynomial a fit over powers 0..4 of R reproduces.
double anarmonico(double R) {
    const double x = R - RE;
    return x * x * (0.6 + x * (-0.7 + 0.5 * x));
}
double dAnarmonico(double R) {
    const double x = R - RE;
    return x * (1.2 + x * (-2.1 + 2.0 * x));
}
constexpr double MU_CO = 12500.0;

NivelesExactos nivelesAnarmonicos(int JMAX) {
    return resuelveNiveles({anarmonico, dAnarmonico}, MU_CO, RE - 0.5, RE + 0.5, 0.0, JMAX);
}

const LineaEspectral& linea(const Espectro& e, int vs, int js, int vi, int ji) {
    for (const LineaEspectral& l : e.lineas) {
        if (l.v_sup == vs && l.j_sup == js && l.v_inf == vi && l.j_inf == ji) {
            return l;
        }
    }
    throw std::runtime_error("línea ausente");
}

// The brute-force reference: three-point finite differences on a uniform grid between hard
// walls, the lowest two states of one J (normalised vectors, energies in hartree).
struct Estados {
    Eigen::VectorXd E;
    Eigen::MatrixXd c;
    std::vector<double> R;
};
Estados diferenciasFinitas(int J, int n) {
    const double a = RE - 0.5, b = RE + 0.5, h = (b - a) / (n + 1);
    Eigen::VectorXd diagonal(n), fuera(n - 1);
    Estados s;
    for (int i = 0; i < n; ++i) {
        const double R = a + (i + 1) * h;
        s.R.push_back(R);
        diagonal[i] = 1.0 / (MU_CO * h * h) + anarmonico(R) + J * (J + 1.0) / (2 * MU_CO * R * R);
        if (i + 1 < n) {
            fuera[i] = -1.0 / (2.0 * MU_CO * h * h);
        }
    }
    Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> solver;
    solver.computeFromTridiagonal(diagonal, fuera);
    s.E = solver.eigenvalues().head(2);
    s.c = solver.eigenvectors().leftCols(2);
    return s;
}

double aFuerzaBruta(const Estados& sup, const Estados& inf, const CurvaDipolo& mu, int js, int ji) {
    double M = 0.0;
    for (std::size_t i = 0; i < sup.R.size(); ++i) {
        M += sup.c(static_cast<Eigen::Index>(i), 1) * mu.valor(sup.R[i]) *
             inf.c(static_cast<Eigen::Index>(i), 0);
    }
    const double nu = (sup.E[1] - inf.E[0]) * HARTREE_A_CM1;
    return coeficienteEinsteinA(nu, M, js, ji);
}

} // namespace

TEST(Espectro, HarmonicMomentIsTheClosedFormWithTheInnerLobePositive) {
    // k = 0.5 hartree/bohr^2 and mu = 1e7 me: B/omega = 6e-5, so rotation barely mixes in.
    const double k = 0.5, mu = 1e7, omega = std::sqrt(k / mu);
    ASSERT_LT(1.0 / (2.0 * mu * RE * RE) / omega, 1e-4);
    const Potencial V{[&](double R) { return 0.5 * k * (R - RE) * (R - RE); },
                      [&](double R) { return k * (R - RE); }};
    const NivelesExactos n = resuelveNiveles(V, mu, RE - 0.2, RE + 0.2, 0.0, 1);
    const Espectro e = calculaEspectro(n, dipoloLineal(1.3, RE - 0.3, RE + 0.3));
    // v = 1 is positive at its inner turning point, so negative where mu is positive.
    const double esperado = -1.3 * std::sqrt(1.0 / (2.0 * mu * omega));
    EXPECT_NEAR(linea(e, 1, 1, 0, 0).momento_debye / esperado, 1.0, 1e-3);
    EXPECT_NEAR(linea(e, 1, 0, 0, 1).momento_debye / esperado, 1.0, 1e-3);
}

TEST(Espectro, HonlLondonFactorsSumToTheDegeneracy) {
    for (int J = 0; J <= 40; ++J) {
        EXPECT_EQ(factorHonlLondon(J, J + 1) + factorHonlLondon(J, J - 1), 2.0 * J + 1.0);
        EXPECT_EQ(factorHonlLondon(J, J), 0.0);
        EXPECT_EQ(factorHonlLondon(J, J + 2), 0.0);
    }
    EXPECT_DOUBLE_EQ(coeficienteEinsteinA(2000.0, 0.1, 3, 4), 3.136189e-7 * 8e9 * 0.01 * 4 / 7);
}

TEST(Espectro, IntensityOfOneLineByHand) {
    // 11 * 10 exp(-c2 300/296) (1 - exp(-c2 2000/296)) / (8 pi c 2000^2 100), by hand.
    EXPECT_NEAR(intensidadLinea(10.0, 2000.0, 5, 300.0, 296.0, 100.0) / 8.490812576924982e-20, 1.0,
                1e-12);
}

TEST(Espectro, AnExactlyFittedCurveAgreesWithFiniteDifferences) {
    const NivelesExactos n = nivelesAnarmonicos(2);
    const CurvaDipolo mu = dipoloLineal(2.0, RE - 0.6, RE + 0.6);
    const Espectro e = calculaEspectro(n, mu);
    const int puntos = 400;
    const Estados j0 = diferenciasFinitas(0, puntos), j1 = diferenciasFinitas(1, puntos),
                  j2 = diferenciasFinitas(2, puntos);
    EXPECT_NEAR(linea(e, 1, 1, 0, 0).einstein_a_s1 / aFuerzaBruta(j1, j0, mu, 1, 0), 1.0, 5e-3);
    EXPECT_NEAR(linea(e, 1, 1, 0, 2).einstein_a_s1 / aFuerzaBruta(j1, j2, mu, 1, 2), 1.0, 5e-3);
    // Each line sits at the difference of the levels it joins, as the solver lists them.
    std::map<std::pair<int, int>, double> E;
    for (const NivelExacto& x : n.niveles) {
        E[{x.v, x.J}] = x.e_cm1;
    }
    ASSERT_FALSE(e.lineas.empty());
    for (const LineaEspectral& l : e.lineas) {
        const double diferencia = E[std::pair(l.v_sup, l.j_sup)] - E[std::pair(l.v_inf, l.j_inf)];
        EXPECT_NEAR(l.numero_onda_cm1, diferencia, 1e-6);
        EXPECT_EQ(std::abs(l.j_sup - l.j_inf), 1);
        EXPECT_EQ(l.rama, l.j_sup > l.j_inf ? 'R' : 'P');
    }
    // Q sums the levels; at 296 K J = 0..2 leave most of it out, at 0.1 K nothing.
    EXPECT_TRUE(e.q_truncada);
    Espectro frio = e;
    aplicaTemperatura(frio, 0.1);
    EXPECT_FALSE(frio.q_truncada);
    EXPECT_NEAR(frio.funcion_particion, 1.0, 1e-12);
}

TEST(Espectro, ListedLinesAreTheStrongOnesByWavenumber) {
    const Espectro e = calculaEspectro(nivelesAnarmonicos(3), dipoloLineal(2.0, 1.4, 2.6), 3000.0);
    const std::vector<LineaEspectral> l = lineasListadas(e);
    ASSERT_FALSE(l.empty());
    double mayor = 0.0;
    for (const LineaEspectral& x : e.lineas) {
        mayor = std::max(mayor, x.v_sup - x.v_inf <= 3 ? x.intensidad : 0.0);
    }
    for (std::size_t i = 0; i < l.size(); ++i) {
        EXPECT_LE(l[i].v_sup - l[i].v_inf, 3);
        EXPECT_GE(l[i].intensidad, 1e-6 * mayor);
        EXPECT_TRUE(i == 0 || l[i - 1].numero_onda_cm1 <= l[i].numero_onda_cm1);
    }
    EXPECT_LT(l.size(), e.lineas.size());
}

TEST(Espectro, ExomolFilesReadBack) {
    const Espectro e = calculaEspectro(nivelesAnarmonicos(2), dipoloLineal(2.0, 1.4, 2.6));
    std::stringstream estados, transiciones;
    escribeEstadosExomol(estados, e);
    escribeTransicionesExomol(transiciones, e);
    const auto s = leeEstadosExomol(estados);
    const auto t = leeTransicionesExomol(transiciones);
    ASSERT_EQ(s.size(), e.niveles.size());
    ASSERT_EQ(t.size(), e.lineas.size());
    for (std::size_t k = 0; k < s.size(); ++k) {
        EXPECT_EQ(s[k].id, static_cast<long long>(k + 1));
        EXPECT_NEAR(s[k].e_cm1, e.niveles[k].e_cm1, 1e-6);
        EXPECT_EQ(s[k].J, e.niveles[k].J);
        EXPECT_EQ(s[k].v, e.niveles[k].v);
        EXPECT_EQ(s[k].g, 2 * s[k].J + 1);
    }
    for (std::size_t k = 0; k < t.size(); ++k) {
        const auto& sup = s[static_cast<std::size_t>(t[k].superior - 1)];
        const auto& inf = s[static_cast<std::size_t>(t[k].inferior - 1)];
        EXPECT_NEAR(sup.e_cm1 - inf.e_cm1, e.lineas[k].numero_onda_cm1, 2e-6);
        EXPECT_NEAR(t[k].einstein_a_s1 / e.lineas[k].einstein_a_s1, 1.0, 1e-4);
    }
}

TEST(Dipolo, FileRulesAndUnits) {
    std::istringstream bueno("UA ua\r\n1.0 0.5\n2.0, 1.0\r3.0 1.5\r\n\r\n   \n");
    const PuntosDipolo p = leeDipolo(bueno, "x.dip");
    ASSERT_EQ(p.R_bohr.size(), 3u);
    EXPECT_DOUBLE_EQ(p.mu_debye[2], 1.5 * DEBYE_POR_UA);
    std::istringstream angstrom("Angstrom Debye\n0.529177210903 1\n1.0 2\n");
    EXPECT_DOUBLE_EQ(leeDipolo(angstrom, "x.dip").R_bohr[0], 1.0);
    const auto refusa = [](const std::string& texto, const std::string& motivo) {
        std::istringstream entrada(texto);
        try {
            leeDipolo(entrada, "x.dip");
            ADD_FAILURE() << texto;
        } catch (const std::exception& e) {
            EXPECT_NE(std::string(e.what()).find(motivo), std::string::npos) << e.what();
        }
    };
    refusa("", "vacío");
    refusa("Angstrom\n1 2\n", "línea 1");
    refusa("UA Hartree\n1 2\n", "línea 1");
    refusa("UA UA\n1 2\n2,5 3\n", "línea 3");
    refusa("UA UA\n1 2 3\n", "línea 2");
    refusa("UA UA\n1 2\n\n2 3\n", "línea 3");
    refusa("UA UA\n-1 2\n2 3\n", "positiva");
    refusa("UA UA\n1 2\n1 3\n", "dos puntos");
    std::string muchos = "UA UA\n";
    for (int i = 1; i <= 501; ++i) {
        muchos += std::to_string(i) + " 0\n";
    }
    refusa(muchos, "500");
}

TEST(Dipolo, LowestDegreeThatFitsHeldAtItsEnds) {
    PuntosDipolo p;
    for (int i = 0; i < 8; ++i) {
        const double x = 0.2 * i - 0.6;
        p.R_bohr.push_back(RE + x);
        p.mu_debye.push_back(0.1 + 1.5 * x - 0.4 * x * x);
    }
    const CurvaDipolo c = ajustaDipolo(p, RE);
    ASSERT_EQ(c.potencias, (std::vector<int>{0, 1, 2}));
    EXPECT_NEAR(c.coeficientes[1], 1.5, 1e-10);
    EXPECT_LT(c.rms_debye, 1e-4);
    EXPECT_DOUBLE_EQ(c.valor(RE + 5.0), c.valor(c.r_max_bohr));
    EXPECT_DOUBLE_EQ(c.valor(0.1), c.valor(c.r_min_bohr));
    // Two points allow a constant only.
    const CurvaDipolo dos = ajustaDipolo({{1.0, 3.0}, {1.0, 2.0}}, RE);
    EXPECT_EQ(dos.potencias, (std::vector<int>{0}));
    EXPECT_NEAR(dos.valor(RE), 1.5, 1e-12);
}

} // namespace curvifit

namespace curvifit {

TEST(Espectro, TemperatureAndExomolOptions) {
    EXPECT_EQ(leeArgumentos({"CO"}).temperatura, 296.0);
    EXPECT_FALSE(leeArgumentos({"CO"}).exomol);
    const Argumentos a = leeArgumentos({"CO", "--temperatura", "1500.5", "--exomol"});
    EXPECT_EQ(a.temperatura, 1500.5);
    EXPECT_TRUE(a.exomol);
    for (const char* mala : {"0", "-3", "1500,5", "abc", "2e5"}) {
        EXPECT_THROW(leeArgumentos({"CO", "--temperatura", mala}), ErrorMotor) << mala;
    }
    EXPECT_THROW(leeArgumentos({"CO", "--temperatura"}), ErrorMotor);
}

} // namespace curvifit

#include "espectro_json.h"
#include "niveles_exactos_json.h"

namespace curvifit {

TEST(Espectro, TheJsonMemberReadsBackAndTakesAnotherTemperature) {
    const NivelesExactos n = nivelesAnarmonicos(3);
    Espectro e = calculaEspectro(n, dipoloLineal(2.0, 1.4, 2.6), 2000.0);
    EXPECT_TRUE(espectroJson(std::nullopt).is_null());
    EXPECT_FALSE(espectroDesdeJson(nullptr, n));
    const nlohmann::json texto = nlohmann::json::parse(espectroJson(e).dump());
    const auto leido = espectroDesdeJson(
        texto, nivelesExactosDesdeJson(nlohmann::json::parse(nivelesExactosJson(n).dump())));
    ASSERT_TRUE(leido);
    const std::vector<LineaEspectral> listadas = lineasListadas(e);
    ASSERT_EQ(leido->lineas.size(), listadas.size());
    EXPECT_NEAR(leido->funcion_particion, e.funcion_particion, 1e-9 * e.funcion_particion);
    Espectro otra = *leido;
    aplicaTemperatura(otra, 500.0);
    aplicaTemperatura(e, 500.0);
    EXPECT_NEAR(otra.funcion_particion, e.funcion_particion, 1e-9 * e.funcion_particion);
    const LineaEspectral& l = otra.lineas.front();
    EXPECT_NEAR(l.intensidad / linea(e, l.v_sup, l.j_sup, l.v_inf, l.j_inf).intensidad, 1.0, 1e-9);
}

} // namespace curvifit
