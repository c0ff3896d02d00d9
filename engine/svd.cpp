#include "svd.h"

#include <algorithm>
#include <cmath>
#include <iostream>

namespace curvifit {

namespace {

// |a| with the sign of b (b = 0 counts as positive).
double conSigno(double a, double b) {
    return b >= 0.0 ? std::fabs(a) : -std::fabs(a);
}

double hipotenusa(double a, double b) {
    return std::sqrt(a * a + b * b);
}

struct Bidiagonal {
    std::vector<double> superdiagonal; // rv1: element i couples columns i-1 and i
    double anorm = 0.0;
};

// Householder reduction of U to upper bidiagonal form; the diagonal goes to W.
Bidiagonal reduceABidiagonal(Matriz& a, std::vector<double>& w) {
    const int m = a.filas();
    const int n = a.columnas();
    Bidiagonal bd;
    bd.superdiagonal.assign(n, 0.0);
    std::vector<double>& rv1 = bd.superdiagonal;
    double g = 0.0;
    double scale = 0.0;
    for (int i = 0; i < n; ++i) {
        const int l = i + 1;
        rv1[i] = scale * g;
        g = 0.0;
        scale = 0.0;
        double s = 0.0;
        if (i < m) {
            for (int k = i; k < m; ++k) {
                scale += std::fabs(a(k, i));
            }
            if (scale != 0.0) {
                for (int k = i; k < m; ++k) {
                    a(k, i) /= scale;
                    s += a(k, i) * a(k, i);
                }
                const double f = a(i, i);
                g = -conSigno(std::sqrt(s), f);
                const double h = f * g - s;
                a(i, i) = f - g;
                for (int j = l; j < n; ++j) {
                    double suma = 0.0;
                    for (int k = i; k < m; ++k) {
                        suma += a(k, i) * a(k, j);
                    }
                    const double factor = suma / h;
                    for (int k = i; k < m; ++k) {
                        a(k, j) += factor * a(k, i);
                    }
                }
                for (int k = i; k < m; ++k) {
                    a(k, i) *= scale;
                }
            }
        }
        w[i] = scale * g;
        g = 0.0;
        scale = 0.0;
        s = 0.0;
        if (i < m && i != n - 1) {
            for (int k = l; k < n; ++k) {
                scale += std::fabs(a(i, k));
            }
            if (scale != 0.0) {
                for (int k = l; k < n; ++k) {
                    a(i, k) /= scale;
                    s += a(i, k) * a(i, k);
                }
                const double f = a(i, l);
                g = -conSigno(std::sqrt(s), f);
                const double h = f * g - s;
                a(i, l) = f - g;
                for (int k = l; k < n; ++k) {
                    rv1[k] = a(i, k) / h;
                }
                for (int j = l; j < m; ++j) {
                    double suma = 0.0;
                    for (int k = l; k < n; ++k) {
                        suma += a(j, k) * a(i, k);
                    }
                    for (int k = l; k < n; ++k) {
                        a(j, k) += suma * rv1[k];
                    }
                }
                for (int k = l; k < n; ++k) {
                    a(i, k) *= scale;
                }
            }
        }
        bd.anorm = std::max(bd.anorm, std::fabs(w[i]) + std::fabs(rv1[i]));
    }
    return bd;
}

// Accumulates the right-hand transformations (stored in the rows of U) into V.
void acumulaDerecha(const Matriz& a, const std::vector<double>& rv1, Matriz& v) {
    const int n = a.columnas();
    int l = n;
    double g = 0.0;
    for (int i = n - 1; i >= 0; --i) {
        if (i < n - 1) {
            if (g != 0.0) {
                // Double division avoids a possible underflow.
                for (int j = l; j < n; ++j) {
                    v(j, i) = (a(i, j) / a(i, l)) / g;
                }
                for (int j = l; j < n; ++j) {
                    double s = 0.0;
                    for (int k = l; k < n; ++k) {
                        s += a(i, k) * v(k, j);
                    }
                    for (int k = l; k < n; ++k) {
                        v(k, j) += s * v(k, i);
                    }
                }
            }
            for (int j = l; j < n; ++j) {
                v(i, j) = 0.0;
                v(j, i) = 0.0;
            }
        }
        v(i, i) = 1.0;
        g = rv1[i];
        l = i;
    }
}

// Accumulates the left-hand transformations in place, turning U into its left vectors.
void acumulaIzquierda(Matriz& a, const std::vector<double>& w) {
    const int m = a.filas();
    const int n = a.columnas();
    for (int i = std::min(m, n) - 1; i >= 0; --i) {
        const int l = i + 1;
        double g = w[i];
        for (int j = l; j < n; ++j) {
            a(i, j) = 0.0;
        }
        if (g != 0.0) {
            g = 1.0 / g;
            for (int j = l; j < n; ++j) {
                double s = 0.0;
                for (int k = l; k < m; ++k) {
                    s += a(k, i) * a(k, j);
                }
                const double f = (s / a(i, i)) * g;
                for (int k = i; k < m; ++k) {
                    a(k, j) += f * a(k, i);
                }
            }
            for (int j = i; j < m; ++j) {
                a(j, i) *= g;
            }
        } else {
            for (int j = i; j < m; ++j) {
                a(j, i) = 0.0;
            }
        }
        a(i, i) += 1.0;
    }
}

// Applies the plane rotation (c, s) to columns j and i of a matrix.
void rotaColumnas(Matriz& a, int j, int i, double c, double s) {
    for (int fila = 0; fila < a.filas(); ++fila) {
        const double y = a(fila, j);
        const double z = a(fila, i);
        a(fila, j) = y * c + z * s;
        a(fila, i) = z * c - y * s;
    }
}

bool despreciable(double valor, double anorm) {
    return std::fabs(valor) + anorm == anorm;
}

// Index l of the top of the unreduced block ending at k; sets cancela when rv1(l) must
// first be annihilated because W(l-1) is negligible. l = 0 always splits, also when anorm
// is not finite.
int buscaDivision(const std::vector<double>& w, const std::vector<double>& rv1, double anorm, int k,
                  bool& cancela) {
    for (int l = k; l >= 0; --l) {
        if (l == 0 || despreciable(rv1[l], anorm)) {
            cancela = false;
            return l;
        }
        if (despreciable(w[l - 1], anorm)) {
            cancela = true;
            return l;
        }
    }
    cancela = false;
    return 0;
}

// Annihilates rv1(l..k) with Givens rotations applied to U when W(l-1) is negligible.
void cancelaSuperdiagonal(Matriz& a, std::vector<double>& w, std::vector<double>& rv1, double anorm,
                          int l, int k) {
    const int nm = l - 1;
    double c = 0.0;
    double s = 1.0;
    for (int i = l; i <= k; ++i) {
        const double f = s * rv1[i];
        rv1[i] = c * rv1[i];
        if (despreciable(f, anorm)) {
            break;
        }
        const double g = w[i];
        double h = hipotenusa(f, g);
        w[i] = h;
        h = 1.0 / h;
        c = g * h;
        s = -f * h;
        rotaColumnas(a, nm, i, c, s);
    }
}

// One implicit QR sweep with the shift from the bottom 2 x 2 minor of the block l..k.
void barridoQR(Matriz& a, std::vector<double>& w, std::vector<double>& rv1, Matriz& v, int l,
               int k) {
    double x = w[l];
    const int nm = k - 1;
    double y = w[nm];
    double z = w[k];
    double g = rv1[nm];
    double h = rv1[k];
    double f = ((y - z) * (y + z) + (g - h) * (g + h)) / (2.0 * h * y);
    g = hipotenusa(f, 1.0);
    f = ((x - z) * (x + z) + h * ((y / (f + conSigno(g, f))) - h)) / x;
    double c = 1.0;
    double s = 1.0;
    for (int j = l; j <= nm; ++j) {
        const int i = j + 1;
        g = rv1[i];
        y = w[i];
        h = s * g;
        g = c * g;
        z = hipotenusa(f, h);
        rv1[j] = z;
        c = f / z;
        s = h / z;
        f = x * c + g * s;
        g = g * c - x * s;
        h = y * s;
        y *= c;
        rotaColumnas(v, j, i, c, s);
        z = hipotenusa(f, h);
        w[j] = z;
        if (z != 0.0) {
            z = 1.0 / z;
            c = f * z;
            s = h * z;
        }
        f = c * g + s * y;
        x = c * y - s * g;
        rotaColumnas(a, j, i, c, s);
    }
    rv1[l] = 0.0;
    rv1[k] = f;
    w[k] = x;
}

// Diagonalises the bidiagonal form; returns the number of unconverged values.
int diagonaliza(Matriz& a, std::vector<double>& w, std::vector<double>& rv1, Matriz& v,
                double anorm) {
    int sinConvergencia = 0;
    for (int k = a.columnas() - 1; k >= 0; --k) {
        for (int pasada = 1; pasada <= MAXIMO_ITERACIONES_SVD; ++pasada) {
            bool cancela = false;
            const int l = buscaDivision(w, rv1, anorm, k, cancela);
            if (cancela) {
                cancelaSuperdiagonal(a, w, rv1, anorm, l, k);
            }
            if (l == k) {
                if (w[k] < 0.0) {
                    w[k] = -w[k];
                    for (int j = 0; j < v.filas(); ++j) {
                        v(j, k) = -v(j, k);
                    }
                }
                break;
            }
            if (pasada == MAXIMO_ITERACIONES_SVD) {
                // Nobody can answer a prompt: report it and finish with this value.
                std::cerr << "No convergence in 30 iterations\n";
                ++sinConvergencia;
            }
            barridoQR(a, w, rv1, v, l, k);
        }
    }
    return sinConvergencia;
}

} // namespace

int SVDCMP(Matriz& U, std::vector<double>& W, Matriz& V) {
    const int n = U.columnas();
    W.assign(n, 0.0);
    V = Matriz(n, n);
    Bidiagonal bd = reduceABidiagonal(U, W);
    acumulaDerecha(U, bd.superdiagonal, V);
    acumulaIzquierda(U, W);
    return diagonaliza(U, W, bd.superdiagonal, V, bd.anorm);
}

std::vector<double> SVBKSB(const Matriz& U, const std::vector<double>& W, const Matriz& V,
                           const std::vector<double>& b) {
    const int n = U.filas();
    const int m = U.columnas();
    std::vector<double> t(m, 0.0);
    for (int j = 0; j < m; ++j) {
        if (W[j] != 0.0) {
            double s = 0.0;
            for (int i = 0; i < n; ++i) {
                s += U(i, j) * b[i];
            }
            t[j] = s / W[j];
        }
    }
    std::vector<double> a(m, 0.0);
    for (int j = 0; j < m; ++j) {
        double s = 0.0;
        for (int jj = 0; jj < m; ++jj) {
            s += V(j, jj) * t[jj];
        }
        a[j] = s;
    }
    return a;
}

} // namespace curvifit
