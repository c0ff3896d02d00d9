#include "ajuste.h"
#include "svd.h"

#include <Eigen/Dense>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace curvifit {

namespace {

Matriz desdeEigen(const Eigen::MatrixXd& a) {
    Matriz m(static_cast<int>(a.rows()), static_cast<int>(a.cols()));
    for (int i = 0; i < m.filas(); ++i) {
        for (int j = 0; j < m.columnas(); ++j) {
            m(i, j) = a(i, j);
        }
    }
    return m;
}

Eigen::MatrixXd aEigen(const Matriz& m) {
    Eigen::MatrixXd a(m.filas(), m.columnas());
    for (int i = 0; i < m.filas(); ++i) {
        for (int j = 0; j < m.columnas(); ++j) {
            a(i, j) = m(i, j);
        }
    }
    return a;
}

// A random n x m matrix with singular values spread geometrically from 1 to 10^-decadas.
Eigen::MatrixXd matrizCondicionada(int n, int m, double decadas, std::mt19937& azar) {
    std::normal_distribution<double> normal;
    auto aleatoria = [&](int filas, int columnas) {
        Eigen::MatrixXd a(filas, columnas);
        for (int i = 0; i < filas; ++i) {
            for (int j = 0; j < columnas; ++j) {
                a(i, j) = normal(azar);
            }
        }
        return a;
    };
    const Eigen::MatrixXd q1 =
        aleatoria(n, m).householderQr().householderQ() * Eigen::MatrixXd::Identity(n, m);
    const Eigen::MatrixXd q2 = aleatoria(m, m).householderQr().householderQ();
    Eigen::VectorXd s(m);
    for (int j = 0; j < m; ++j) {
        s(j) = std::pow(10.0, -decadas * j / std::max(1, m - 1));
    }
    return q1 * s.asDiagonal() * q2.transpose();
}

struct Descomposicion {
    Matriz U;
    std::vector<double> W;
    Matriz V;
    int sinConvergencia = 0;
};

Descomposicion descompone(const Eigen::MatrixXd& a) {
    Descomposicion d;
    d.U = desdeEigen(a);
    d.sinConvergencia = SVDCMP(d.U, d.W, d.V);
    return d;
}

void compruebaDescomposicion(const Eigen::MatrixXd& a, const Descomposicion& d,
                             const std::string& caso) {
    const int m = static_cast<int>(a.cols());
    EXPECT_EQ(d.sinConvergencia, 0) << caso;
    ASSERT_EQ(static_cast<int>(d.W.size()), m);
    for (double w : d.W) {
        EXPECT_GE(w, 0.0) << caso;
    }
    // The singular values as a set against Eigen's.
    std::vector<double> propios(d.W);
    std::sort(propios.rbegin(), propios.rend());
    const Eigen::VectorXd referencia = Eigen::JacobiSVD<Eigen::MatrixXd>(a).singularValues();
    for (int j = 0; j < m; ++j) {
        EXPECT_NEAR(propios[j], referencia(j), 1e-13 * referencia(0)) << caso << " j=" << j;
    }
    // U diag(W) V^T gives the matrix back; U and V have orthonormal columns.
    const Eigen::MatrixXd U = aEigen(d.U);
    const Eigen::MatrixXd V = aEigen(d.V);
    Eigen::VectorXd w(m);
    for (int j = 0; j < m; ++j) {
        w(j) = d.W[j];
    }
    const Eigen::MatrixXd reconstruida = U * w.asDiagonal() * V.transpose();
    EXPECT_LE((reconstruida - a).norm(), 1e-12 * a.norm()) << caso;
    EXPECT_LE((V.transpose() * V - Eigen::MatrixXd::Identity(m, m)).norm(), 1e-12) << caso;
    EXPECT_LE((U.transpose() * U - Eigen::MatrixXd::Identity(m, m)).norm(), 1e-12) << caso;
}

} // namespace

TEST(Svdcmp, RandomTallMatricesAgreeWithEigen) {
    std::mt19937 azar(20240601);
    const std::pair<int, int> formas[] = {{5, 5},    {8, 3}, {20, 5}, {50, 30},
                                          {500, 30}, {7, 1}, {31, 30}};
    for (const auto& [n, m] : formas) {
        for (double decadas : {0.5, 3.0, 8.0, 14.0}) {
            const Eigen::MatrixXd a = matrizCondicionada(n, m, decadas, azar);
            compruebaDescomposicion(a, descompone(a),
                                    std::to_string(n) + "x" + std::to_string(m) + " 1e-" +
                                        std::to_string(decadas));
        }
    }
}

TEST(Svdcmp, PowerBasisDesignMatricesAgreeWithEigen) {
    // The matrices the engine really builds: R^-15..R^14 over 50 distances.
    Eigen::MatrixXd a(50, 30);
    for (int i = 0; i < 50; ++i) {
        const double r = 5.5 + 9.5 * i / 49.0;
        for (int p = -15; p <= 14; ++p) {
            a(i, p + 15) = std::pow(r, p);
        }
    }
    const Descomposicion d = descompone(a);
    const Eigen::MatrixXd U = aEigen(d.U);
    const Eigen::MatrixXd V = aEigen(d.V);
    Eigen::VectorXd w = Eigen::Map<const Eigen::VectorXd>(d.W.data(), 30);
    EXPECT_LE((U * w.asDiagonal() * V.transpose() - a).norm(), 1e-12 * a.norm());
    std::vector<double> propios(d.W);
    std::sort(propios.rbegin(), propios.rend());
    EXPECT_NEAR(propios[0], Eigen::JacobiSVD<Eigen::MatrixXd>(a).singularValues()(0),
                1e-12 * propios[0]);
}

TEST(Svdcmp, WideAndEmptyMatricesDoNotBreakIt) {
    std::mt19937 azar(7);
    const Eigen::MatrixXd ancha = matrizCondicionada(6, 6, 1.0, azar).topRows(3);
    Descomposicion d = descompone(ancha);
    const Eigen::MatrixXd U = aEigen(d.U);
    const Eigen::MatrixXd V = aEigen(d.V);
    Eigen::VectorXd w = Eigen::Map<const Eigen::VectorXd>(d.W.data(), 6);
    EXPECT_LE((U * w.asDiagonal() * V.transpose() - ancha).norm(), 1e-12 * ancha.norm());
    EXPECT_EQ(std::count_if(d.W.begin(), d.W.end(), [](double w) { return w < 1e-12; }), 3);

    Matriz vacia(4, 0);
    std::vector<double> W;
    Matriz Vvacia;
    EXPECT_EQ(SVDCMP(vacia, W, Vvacia), 0);
    EXPECT_TRUE(W.empty());
}

TEST(Svdcmp, NotANumberEndsWithinTheIterationLimit) {
    Eigen::MatrixXd a = Eigen::MatrixXd::Ones(6, 3);
    a(2, 1) = std::numeric_limits<double>::quiet_NaN();
    a(4, 2) = std::numeric_limits<double>::infinity();
    Matriz U = desdeEigen(a);
    std::vector<double> W;
    Matriz V;
    testing::internal::CaptureStderr();
    const int sinConvergencia = SVDCMP(U, W, V);
    const std::string mensajes = testing::internal::GetCapturedStderr();
    EXPECT_EQ(W.size(), 3u);
    // Each value left unconverged is reported once, and the work goes on to the end.
    EXPECT_GT(sinConvergencia, 0);
    std::string esperado;
    for (int i = 0; i < sinConvergencia; ++i) {
        esperado += "No convergence in 30 iterations\n";
    }
    EXPECT_EQ(mensajes, esperado);
}

TEST(Svbksb, LeastSquaresSolutionMatchesEigenWhenWellPosed) {
    std::mt19937 azar(99);
    std::normal_distribution<double> normal;
    for (const auto& [n, m] : {std::pair{20, 5}, std::pair{50, 12}, std::pair{200, 30}}) {
        const Eigen::MatrixXd a = matrizCondicionada(n, m, 4.0, azar);
        Eigen::VectorXd b(n);
        std::vector<double> bv(n);
        for (int i = 0; i < n; ++i) {
            b(i) = normal(azar);
            bv[i] = b(i);
        }
        Descomposicion d = descompone(a);
        const std::vector<double> x = SVBKSB(d.U, d.W, d.V, bv);
        const Eigen::VectorXd referencia = a.colPivHouseholderQr().solve(b);
        for (int j = 0; j < m; ++j) {
            EXPECT_NEAR(x[j], referencia(j), 1e-9 * referencia.norm()) << n << "x" << m;
        }
    }
}

TEST(Svdfit, ExactParabolaThroughThreePoints) {
    TablaPotencias usada{};
    for (int p = 0; p <= 2; ++p) {
        usada[indicePotencia(p)] = 1;
    }
    const FuncionesBase base = [&](double x) { return FUNBAS(x, usada); };
    const std::vector<double> x{1.0, 2.0, 3.0};
    std::vector<double> y;
    for (double r : x) {
        y.push_back((r - 1.4) * (r - 1.4));
    }
    const SolucionSVD s = SVDFIT(x, y, {1.0, 1.0, 1.0}, 3, base);
    ASSERT_EQ(s.a.size(), 3u);
    EXPECT_NEAR(s.a[0], 1.96, 1e-12);
    EXPECT_NEAR(s.a[1], -2.8, 1e-12);
    EXPECT_NEAR(s.a[2], 1.0, 1e-12);
    EXPECT_NEAR(s.CHISQ, 0.0, 1e-25);
}

TEST(Svdfit, TwoIdenticalColumnsLeaveOneSingularValueAtZero) {
    const FuncionesBase base = [](double x) { return std::vector<double>{1.0, x, x}; };
    const std::vector<double> x{1.0, 2.0, 3.0, 4.0};
    const std::vector<double> y{3.0, 5.0, 7.0, 9.0}; // 1 + 2x
    Matriz U(4, 3);
    for (int i = 0; i < 4; ++i) {
        const auto f = base(x[i]);
        for (int j = 0; j < 3; ++j) {
            U(i, j) = f[j];
        }
    }
    std::vector<double> W;
    Matriz V;
    SVDCMP(U, W, V);
    const double wmax = *std::max_element(W.begin(), W.end());
    EXPECT_EQ(std::count_if(W.begin(), W.end(), [&](double w) { return w < 1e-9 * wmax; }), 1);

    const SolucionSVD s = SVDFIT(x, y, std::vector<double>(4, 1.0), 3, base);
    ASSERT_EQ(s.a.size(), 3u);
    for (double a : s.a) {
        EXPECT_TRUE(std::isfinite(a));
    }
    // The minimum-norm solution splits the slope evenly between the two equal columns.
    EXPECT_NEAR(s.a[0], 1.0, 1e-12);
    EXPECT_NEAR(s.a[1], 1.0, 1e-12);
    EXPECT_NEAR(s.a[2], 1.0, 1e-12);
    EXPECT_NEAR(s.CHISQ, 0.0, 1e-24);
}

TEST(Svdfit, WeightsDivideRowsAndRightHandSide) {
    const FuncionesBase base = [](double x) { return std::vector<double>{1.0, x}; };
    const std::vector<double> x{0.0, 1.0, 2.0};
    const std::vector<double> y{0.0, 1.0, 5.0};
    // A tiny sigma on the first two points forces the line through them.
    const SolucionSVD s = SVDFIT(x, y, {1e-6, 1e-6, 1.0}, 2, base);
    EXPECT_NEAR(s.a[0], 0.0, 1e-9);
    EXPECT_NEAR(s.a[1], 1.0, 1e-9);
    EXPECT_NEAR(s.CHISQ, 9.0, 1e-6);
}

TEST(Ercoef, PointEstimatesUseThePositionAsExponent) {
    const std::vector<double> x{1.0, 2.0, 4.0};
    const std::vector<double> y{1.0, 3.0, 4.0};
    const std::vector<double> a{0.5, 1.0};
    const FuncionesBase base = [](double r) { return std::vector<double>{1.0, r}; };
    const ErroresCoeficientes e = ERCOEF(x, y, a, base);
    // Residuals fit - y: 0.5, -0.5, 0.5.
    const double r[] = {0.5, -0.5, 0.5};
    for (int j = 1; j <= 2; ++j) {
        double suma = 0.0;
        for (int i = 0; i < 3; ++i) {
            suma += r[i] / std::pow(x[i], j);
        }
        const double media = a[j - 1] + suma / 3.0;
        double var = 0.0;
        for (int i = 0; i < 3; ++i) {
            var += std::pow(a[j - 1] + r[i] / std::pow(x[i], j) - media, 2);
        }
        EXPECT_NEAR(e.MEDIACOEF[j - 1], media, 1e-15);
        EXPECT_NEAR(e.ERRCOEF[j - 1], 0.7 * std::sqrt(var / 2.0), 1e-15);
    }
}

TEST(Ercoef, NskipAccumulatesAndBothPassesStopAtTheFirstPointAtZero) {
    // Residuals that do not vanish, and points after the one at R = 0 that would change
    // every sum if a pass skipped that point instead of ending there.
    const std::vector<double> x{1.0, 2.0, 1e-11, 4.0, 5.0};
    const std::vector<double> y{1.0, 0.5, 3.0, -7.0, 11.0};
    const std::vector<double> a{0.5, 0.25};
    const FuncionesBase base = [](double r) { return std::vector<double>{1.0, r}; };
    const ErroresCoeficientes e = ERCOEF(x, y, a, base);
    // fit - y at the two points before R = 0: 0.5 + 0.25 - 1 and 0.5 + 0.5 - 0.5.
    const double r1 = -0.25;
    const double r2 = 0.5;
    // First coefficient: NSKIP = 1, estimates a + r / x.
    const double media1 = 0.5 + (r1 / 1.0 + r2 / 2.0) / 4.0;
    const double var1 = std::pow(0.5 + r1 - media1, 2) + std::pow(0.5 + r2 / 2.0 - media1, 2);
    // Second coefficient: NSKIP is already 2, estimates a + r / x^2.
    const double media2 = 0.25 + (r1 / 1.0 + r2 / 4.0) / 3.0;
    const double var2 = std::pow(0.25 + r1 - media2, 2) + std::pow(0.25 + r2 / 4.0 - media2, 2);
    EXPECT_DOUBLE_EQ(e.MEDIACOEF[0], media1);
    EXPECT_DOUBLE_EQ(e.ERRCOEF[0], 0.7 * std::sqrt(var1 / 3.0));
    EXPECT_DOUBLE_EQ(e.MEDIACOEF[1], media2);
    EXPECT_DOUBLE_EQ(e.ERRCOEF[1], 0.7 * std::sqrt(var2 / 2.0));
}

// A Br2-like curve fitted with the powers -12..-1: coefficients up to some 1e8 against point
// estimates r_i / x^j far below their last digit. Added to a_j first, the deviations vanished
// and every probable error came out as 0; taken from r_i / x^j alone they keep their digits.
TEST(Ercoef, HugeCoefficientsKeepTheirProbableErrors) {
    std::vector<double> x;
    std::vector<double> y;
    for (int i = 0; i < 30; ++i) {
        const double r = 3.7 + 0.2 * i;
        const double e = 1.0 - std::exp(-1.05 * (r - 4.31));
        x.push_back(r);
        y.push_back(0.0724 * e * e - 0.0724);
    }
    const FuncionesBase base = [](double r) {
        std::vector<double> f;
        for (int p = -12; p <= -1; ++p) {
            f.push_back(std::pow(r, p));
        }
        return f;
    };
    // The points moved onto the fitted curve, give or take 1e-12 hartree: a fit as close as
    // one of few points, whose residuals lie far below the last digit of every a_j.
    const std::vector<double> sigma(x.size(), 1.0);
    const SolucionSVD morse = SVDFIT(x, y, sigma, 12, base);
    for (std::size_t i = 0; i < x.size(); ++i) {
        const std::vector<double> f = base(x[i]);
        double suma = 0.0;
        for (std::size_t k = 0; k < f.size(); ++k) {
            suma += morse.a[k] * f[k];
        }
        y[i] = suma + 1e-12 * std::sin(7.0 * static_cast<double>(i));
    }
    const SolucionSVD s = SVDFIT(x, y, sigma, 12, base);
    const ErroresCoeficientes e = ERCOEF(x, y, s.a, base);
    std::vector<double> residuo;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const std::vector<double> f = base(x[i]);
        double suma = 0.0;
        for (std::size_t k = 0; k < f.size(); ++k) {
            suma += s.a[k] * f[k];
        }
        residuo.push_back(suma - y[i]);
    }
    int canceladas = 0;
    for (int j = 1; j <= 12; ++j) {
        long double media = 0.0L;
        for (std::size_t i = 0; i < x.size(); ++i) {
            media += residuo[i] / std::pow(static_cast<long double>(x[i]), j);
        }
        media /= static_cast<long double>(x.size());
        long double var = 0.0L;
        double varAntigua = 0.0;
        for (std::size_t i = 0; i < x.size(); ++i) {
            const long double d = residuo[i] / std::pow(static_cast<long double>(x[i]), j) - media;
            var += d * d;
            const double estimacion = s.a[j - 1] + residuo[i] / std::pow(x[i], j);
            varAntigua += std::pow(estimacion - (s.a[j - 1] + static_cast<double>(media)), 2);
        }
        canceladas += varAntigua == 0.0 ? 1 : 0;
        const double esperado = 0.7 * std::sqrt(static_cast<double>(var / 29.0L));
        EXPECT_GT(e.ERRCOEF[j - 1], 0.0) << j;
        EXPECT_NEAR(e.ERRCOEF[j - 1], esperado, 1e-9 * esperado) << j;
    }
    // The case is one where the old order of operations lost everything.
    EXPECT_EQ(canceladas, 12);
    EXPECT_GT(std::fabs(s.a[0]), 1e5);
}

TEST(Coefpot, CoefficientsGoToTheirPowers) {
    TablaPotencias usada{};
    usada[indicePotencia(-15)] = 1;
    usada[indicePotencia(0)] = 1;
    usada[indicePotencia(14)] = 1;
    const CoeficientesPotencia c = llenaCOEFPOT({1.0, 2.0, 3.0}, usada);
    for (int p = POTENCIA_MIN; p <= POTENCIA_MAX; ++p) {
        const double esperado = p == -15 ? 1.0 : p == 0 ? 2.0 : p == 14 ? 3.0 : 0.0;
        EXPECT_EQ(c[indicePotencia(p)], esperado) << p;
    }
}

} // namespace curvifit
