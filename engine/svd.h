// Singular value decomposition (Golub–Reinsch: Householder bidiagonalisation and implicit
// shifted QR) and the back-substitution that solves least-squares problems with it.
#pragma once

#include <cstddef>
#include <vector>

namespace curvifit {

// A dense matrix stored by rows.
class Matriz {
public:
    Matriz() = default;
    Matriz(int filas, int columnas)
        : filas_(filas), columnas_(columnas),
          valores_(static_cast<std::size_t>(filas) * static_cast<std::size_t>(columnas), 0.0) {}

    int filas() const { return filas_; }
    int columnas() const { return columnas_; }
    double& operator()(int i, int j) { return valores_[indice(i, j)]; }
    double operator()(int i, int j) const { return valores_[indice(i, j)]; }

private:
    std::size_t indice(int i, int j) const {
        return static_cast<std::size_t>(i) * static_cast<std::size_t>(columnas_) +
               static_cast<std::size_t>(j);
    }
    int filas_ = 0;
    int columnas_ = 0;
    std::vector<double> valores_;
};

constexpr int MAXIMO_ITERACIONES_SVD = 30;

// Replaces the n x m matrix U by its left singular vectors and fills W (m singular values,
// unsorted, non-negative) and V (m x m) so that U_in = U_out * diag(W) * V^T. A value that
// does not converge in 30 passes is reported on standard error and the work goes on.
// Returns how many values were left unconverged.
int SVDCMP(Matriz& U, std::vector<double>& W, Matriz& V);

// Least-squares solution of U * diag(W) * V^T * a = b; W(j) = 0 excludes direction j.
std::vector<double> SVBKSB(const Matriz& U, const std::vector<double>& W, const Matriz& V,
                           const std::vector<double>& b);

} // namespace curvifit
