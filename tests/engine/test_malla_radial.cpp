// The band solver's shortcuts against a dense eigensolver (Eigen) on the same matrix: the
// inertia count, the eigenpairs found by counting, and a level followed from one J to the next.
#include "malla_radial.h"

#include <Eigen/Dense>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using namespace curvifit;

// A Morse well, hartree and bohr, on a grid from 0.9 to 6 bohr resolved up to its top.
struct Caso {
    MallaRadial malla;
    std::vector<double> V0;
    Eigen::MatrixXd T; // the kinetic band as a dense matrix

    std::vector<double> VJ(int J) const {
        std::vector<double> V = V0;
        for (std::size_t i = 0; i < V.size(); ++i) {
            V[i] += J * (J + 1.0) / (2.0 * malla.mu * malla.R[i] * malla.R[i]);
        }
        return V;
    }

    Eigen::VectorXd autovalores(const std::vector<double>& V) const {
        Eigen::MatrixXd H = T;
        for (std::size_t i = 0; i < V.size(); ++i) {
            H(static_cast<Eigen::Index>(i), static_cast<Eigen::Index>(i)) += V[i];
        }
        return Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd>(H, Eigen::EigenvaluesOnly)
            .eigenvalues();
    }
};

double morse(double R) {
    const double e = 1.0 - std::exp(-1.1 * (R - 1.7));
    return 0.17 * e * e;
}

Caso caso() {
    const double mu = 900.0;
    const auto k = [&](double R) { return std::sqrt(2.0 * mu * std::fabs(0.17 - morse(R))); };
    Caso c{mallaRadial(fronterasElementos(0.9, 6.0, k, 6.0, 0.5, {}), mu), {}, {}};
    const auto n = static_cast<Eigen::Index>(c.malla.R.size());
    const int kd = c.malla.orden;
    c.T = Eigen::MatrixXd::Zero(n, n);
    for (Eigen::Index j = 0; j < n; ++j) {
        for (Eigen::Index i = std::max<Eigen::Index>(0, j - kd); i <= j; ++i) {
            c.T(i, j) = c.T(j, i) =
                c.malla.banda[static_cast<std::size_t>(kd + i - j + j * (kd + 1))];
        }
    }
    for (const double R : c.malla.R) {
        c.V0.push_back(morse(R));
    }
    return c;
}

int debajoDense(const Eigen::VectorXd& E, double x) {
    return static_cast<int>((E.array() < x).count());
}

TEST(MallaRadial, CuentaYVentanaComoElSolverDenso) {
    const Caso c = caso();
    for (const int J : {0, 30}) {
        const std::vector<double> V = c.VJ(J);
        const Eigen::VectorXd E = c.autovalores(V);
        // Between eigenvalues, a hair from one, and across the whole well.
        for (const double x : {0.0, 0.5 * (E[3] + E[4]), E[7] + 1e-9, E[7] - 1e-9, 0.1, 0.169}) {
            EXPECT_EQ(autovaloresDebajo(c.malla, V, x), debajoDense(E, x))
                << "J " << J << " x " << x;
        }
        const std::vector<Autoestado> ventana = autoestadosContando(c.malla, V, 0.1, 0.16, 1e-11);
        ASSERT_EQ(static_cast<int>(ventana.size()), debajoDense(E, 0.16) - debajoDense(E, 0.1));
        for (std::size_t k = 0; k < ventana.size(); ++k) {
            EXPECT_NEAR(ventana[k].E, E[debajoDense(E, 0.1) + static_cast<Eigen::Index>(k)], 1e-11);
        }
    }
}

TEST(MallaRadial, UnNivelSeguidoDeUnaJALaSiguiente) {
    const Caso c = caso();
    const std::vector<double> V0 = c.VJ(0), V1 = c.VJ(12);
    const Eigen::VectorXd E0 = c.autovalores(V0), E1 = c.autovalores(V1);
    for (const int v : {0, 5, 20}) {
        const auto base = refinaAutoestado(c.malla, V0, E0[v], {}, 1e-11);
        ASSERT_TRUE(base);
        EXPECT_NEAR(base->E, E0[v], 1e-11);
        // A guess a tenth of the spacing off, started from the J = 0 vector.
        const double guia = E1[v] + 0.1 * (E1[v + 1] - E1[v]);
        const auto siguiente = refinaAutoestado(c.malla, V1, guia, base->c, 1e-11);
        ASSERT_TRUE(siguiente) << "v " << v;
        EXPECT_NEAR(siguiente->E, E1[v], 1e-11) << "v " << v;
        double norma = 0.0;
        for (const double x : siguiente->c) {
            norma += x * x;
        }
        EXPECT_NEAR(norma, 1.0, 1e-12);
    }
}

} // namespace
