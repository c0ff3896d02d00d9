#include "malla_radial.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <memory>
#include <numbers>
#include <optional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>

extern "C" {
// LAPACK: a symmetric band matrix reduced to tridiagonal form, O(n^2 kd) without forming the
// rotation (that would cost O(n^3)).
void dsbtrd_(const char* vect, const char* uplo, const int* n, const int* kd, double* ab,
             const int* ldab, double* d, double* e, double* q, const int* ldq, double* work,
             int* info, std::size_t, std::size_t);
// All eigenvalues of a symmetric tridiagonal matrix by QR, O(n^2), ascending.
void dsterf_(const int* n, double* d, double* e, int* info);
// Band LU with partial pivoting and its solution: the eigenvectors by inverse iteration.
void dgbtrf_(const int* m, const int* n, const int* kl, const int* ku, double* ab, const int* ldab,
             int* ipiv, int* info);
void dgbtrs_(const char* trans, const int* n, const int* kl, const int* ku, const int* nrhs,
             const double* ab, const int* ldab, const int* ipiv, double* b, const int* ldb,
             int* info, std::size_t);
}

namespace curvifit {

namespace {

constexpr double PI = std::numbers::pi;
// Points per element minus one. Higher orders converge faster per point but widen the band.
constexpr int ORDEN_ELEMENTO = 14;
constexpr int MUESTRAS_ELEMENTO = 8;
constexpr int INTENTOS_ELEMENTO = 40;
// A level's vector is solved only up to where chi has decayed by exp(-DECAIMIENTO) beyond its
// outer turning point (as the grid ends inwards), plus one element: past there it is below
// double precision, and a wall there moves the energy by less still.
constexpr double DECAIMIENTO = 36.0;

// Gauss-Lobatto-Legendre nodes x_0 = -1 < ... < x_N = 1, their weights, and P_N at them.
struct Lobatto {
    std::vector<double> x, w, PN;
};

Lobatto nodosLobatto(int N) {
    Lobatto l;
    l.x.resize(static_cast<std::size_t>(N + 1));
    l.w.resize(l.x.size());
    l.PN.resize(l.x.size());
    for (int j = 0; j <= N; ++j) {
        // Newton on q = P_{N+1} - P_{N-1}, whose roots are the nodes; q' = (2N+1) P_N.
        double x = -std::cos(PI * j / N);
        double PNx = 0.0;
        for (int iteracion = 0; iteracion < 100; ++iteracion) {
            double anterior = 1.0, actual = x; // P_0, P_1
            for (int k = 2; k <= N + 1; ++k) {
                const double siguiente = ((2.0 * k - 1.0) * x * actual - (k - 1.0) * anterior) / k;
                anterior = actual;
                actual = siguiente;
                if (k == N) {
                    PNx = actual;
                }
            }
            const double PN1 = ((2.0 * N + 1.0) * x * PNx - (N + 1.0) * actual) / N;
            if (j == 0 || j == N) {
                break;
            }
            const double paso = (actual - PN1) / ((2.0 * N + 1.0) * PNx);
            x -= paso;
            if (std::fabs(paso) < 1e-16) {
                break;
            }
        }
        if (j == 0 || j == N) {
            PNx = (j == N || N % 2 == 0) ? 1.0 : -1.0;
        }
        const auto i = static_cast<std::size_t>(j);
        l.x[i] = x;
        l.PN[i] = PNx;
        l.w[i] = 2.0 / (N * (N + 1.0) * PNx * PNx);
    }
    return l;
}

// Kinetic integrals of one reference element [-1, 1]: sum over nodes k of w_k l_i'(x_k)
// l_j'(x_k), exact for these polynomials, end functions included (they bridge elements).
// D[k][i] = l_i'(x_k), the Lagrange polynomials' slopes at the nodes.
std::vector<std::vector<double>> derivadasReferencia(const Lobatto& l) {
    const int N = static_cast<int>(l.x.size()) - 1;
    const auto n = static_cast<std::size_t>(N + 1);
    std::vector<std::vector<double>> D(n, std::vector<double>(n, 0.0));
    for (std::size_t k = 0; k < n; ++k) {
        for (std::size_t i = 0; i < n; ++i) {
            if (k != i) {
                D[k][i] = l.PN[k] / (l.PN[i] * (l.x[k] - l.x[i]));
            }
        }
    }
    D[0][0] = -N * (N + 1.0) / 4.0;
    D[n - 1][n - 1] = N * (N + 1.0) / 4.0;
    return D;
}

std::vector<std::vector<double>> cineticaReferencia(const Lobatto& l) {
    const std::vector<std::vector<double>> D = derivadasReferencia(l);
    const std::size_t n = D.size();
    std::vector<std::vector<double>> K(n, std::vector<double>(n, 0.0));
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < n; ++j) {
            for (std::size_t k = 0; k < n; ++k) {
                K[i][j] += l.w[k] * D[k][i] * D[k][j];
            }
        }
    }
    return K;
}

// The widest element from r (at most `tope` wide) that keeps the wanted points per wave.
double anchoElemento(double r, double tope, const std::function<double(double)>& k,
                     double puntosPorOnda) {
    double h = tope;
    for (int intento = 0; intento < INTENTOS_ELEMENTO; ++intento) {
        double kmax = 0.0;
        for (int s = 0; s <= MUESTRAS_ELEMENTO; ++s) {
            kmax = std::max(kmax, k(r + h * s / MUESTRAS_ELEMENTO));
        }
        const double permitido = 2.0 * PI * ORDEN_ELEMENTO / (puntosPorOnda * kmax);
        if (!(kmax > 0.0) || h <= permitido) {
            break;
        }
        h = std::max(0.9 * permitido, 0.5 * h);
    }
    return h;
}

// The band LU of (A - E), A given by its upper band; an exactly singular pivot (E exact to
// the last bit) is nudged, as inverse iteration wants.
struct FactorBanda {
    int n = 0, kd = 0;
    std::vector<double> lu;
    std::vector<int> pivotes;

    FactorBanda(const std::vector<double>& ab, int n_, int kd_, double E) : n(n_), kd(kd_) {
        const int ldlu = 3 * kd + 1;
        const auto nn = static_cast<std::size_t>(n);
        lu.assign(static_cast<std::size_t>(ldlu) * nn, 0.0);
        // General band storage: A(i, j) at row 2 kd + i - j of column j.
        for (int j = 0; j < n; ++j) {
            for (int i = std::max(0, j - kd); i <= j; ++i) {
                const double x =
                    ab[static_cast<std::size_t>(kd + i - j + j * (kd + 1))] - (i == j ? E : 0.0);
                lu[static_cast<std::size_t>(2 * kd + i - j + j * ldlu)] = x;
                lu[static_cast<std::size_t>(2 * kd + j - i + i * ldlu)] = x;
            }
        }
        pivotes.resize(nn);
        int info = 0;
        dgbtrf_(&n, &n, &kd, &kd, lu.data(), &ldlu, pivotes.data(), &info);
        for (int i = 0; i < n; ++i) {
            double& d = lu[static_cast<std::size_t>(2 * kd + i * ldlu)];
            if (d == 0.0) {
                d = std::numeric_limits<double>::epsilon() * (1.0 + std::fabs(E));
            }
        }
    }

    void resuelve(std::vector<double>& x) const {
        const int ldlu = 3 * kd + 1, uno = 1;
        int info = 0;
        dgbtrs_("N", &n, &kd, &kd, &uno, lu.data(), &ldlu, pivotes.data(), x.data(), &n, &info, 1);
    }
};

// The eigenvector of the band matrix (upper band `ab`) for its eigenvalue E: two steps of
// inverse iteration from a flat start, each a band LU solve of O(n kd^2).
void normaliza(std::vector<double>& x) {
    double norma = 0.0;
    for (const double v : x) {
        norma += v * v;
    }
    norma = std::sqrt(norma);
    for (double& v : x) {
        v /= norma;
    }
}

std::vector<double> vectorPropio(const std::vector<double>& ab, int n, int kd, double E) {
    const FactorBanda factor(ab, n, kd, E);
    std::vector<double> x(static_cast<std::size_t>(n), 1.0);
    for (int paso = 0; paso < 2; ++paso) {
        factor.resuelve(x);
        normaliza(x);
    }
    return x;
}

// T + diag(V) in its leading `filas` columns (all of them by default), upper band.
std::vector<double> bandaCon(const MallaRadial& malla, const std::vector<double>& V,
                             std::size_t filas = std::numeric_limits<std::size_t>::max()) {
    const auto ancho = static_cast<std::size_t>(malla.orden + 1);
    filas = std::min(filas, V.size());
    std::vector<double> ab(malla.banda.begin(),
                           malla.banda.begin() + static_cast<std::ptrdiff_t>(filas * ancho));
    for (std::size_t j = 0; j < filas; ++j) {
        ab[static_cast<std::size_t>(malla.orden) + j * ancho] += V[j];
    }
    return ab;
}

// The leading rows the level of energy E needs: a deep level's vector then costs its own
// extent, not the whole grid out to the flat tail.
int filasNecesarias(const MallaRadial& malla, const std::vector<double>& V, double E) {
    const int n = static_cast<int>(V.size());
    int i = n;
    while (i > 0 && V[static_cast<std::size_t>(i - 1)] > E) {
        --i;
    }
    double decaido = 0.0;
    for (; i < n && decaido < DECAIMIENTO; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (k > 0) {
            decaido += std::sqrt(2.0 * malla.mu * (V[k] - E)) * (malla.R[k] - malla.R[k - 1]);
        }
    }
    return std::min(n, i + malla.orden);
}

// The first row the level of energy E needs: as filasNecesarias, inwards from the inner turning
// point. A wall there moves a deep level by less than rounding, and the grid's inner end,
// placed for the highest level, is far inside the wall for the deep ones.
int primeraFilaNecesaria(const MallaRadial& malla, const std::vector<double>& V, double E) {
    const int n = static_cast<int>(V.size());
    int i = 0;
    while (i < n && V[static_cast<std::size_t>(i)] > E) {
        ++i;
    }
    double decaido = 0.0;
    for (; i > 0 && decaido < DECAIMIENTO; --i) {
        const auto k = static_cast<std::size_t>(i);
        decaido +=
            std::sqrt(2.0 * malla.mu * std::max(0.0, V[k - 1] - E)) * (malla.R[k] - malla.R[k - 1]);
    }
    return std::max(0, i - malla.orden);
}

// How many eigenvalues of the tridiagonal matrix (d, e) lie below x: the negative pivots of
// its LDL^T factorisation (Sturm's count).
int debajoDe(const std::vector<double>& d, const std::vector<double>& e, double x) {
    const double diminuto = std::numeric_limits<double>::min();
    int cuenta = 0;
    double q = 1.0;
    for (std::size_t i = 0; i < d.size(); ++i) {
        q = d[i] - x - (i > 0 ? e[i - 1] * e[i - 1] / q : 0.0);
        if (q == 0.0) {
            q = -diminuto;
        }
        cuenta += q < 0.0;
    }
    return cuenta;
}

// Steps of bisection per eigenvalue, and QR's cost in the same units per row: bisection pays
// when few eigenvalues of many are wanted.
constexpr int PASOS_BISECCION = 55;
constexpr int COSTE_QR = 2;

// The eigenvalues in (desde, hasta]: by bisection on the Sturm count when only a few are
// wanted (O(n) each step), else all n by QR (O(n^2)) and those in the interval kept.
std::vector<double> autovaloresEntre(const std::vector<double>& d, const std::vector<double>& e,
                                     double desde, double hasta) {
    const int primero = debajoDe(d, e, desde), ultimo = debajoDe(d, e, hasta);
    std::vector<double> valores;
    if ((ultimo - primero) * PASOS_BISECCION > COSTE_QR * static_cast<int>(d.size())) {
        const int n = static_cast<int>(d.size());
        int info = 0;
        std::vector<double> todos = d, fuera = e;
        fuera.push_back(0.0);
        dsterf_(&n, todos.data(), fuera.data(), &info);
        for (const double E : todos) {
            if (info == 0 && E > desde && E <= hasta) {
                valores.push_back(E);
            }
        }
        if (info == 0) {
            return valores;
        }
    }
    // Every count narrows the brackets of all the eigenvalues at once, so the later ones start
    // from what the earlier bisections learnt.
    const auto m = static_cast<std::size_t>(ultimo - primero);
    std::vector<double> bajo(m, desde), alto(m, hasta);
    for (std::size_t k = 0; k < m; ++k) {
        double a = bajo[k], b = alto[k];
        while (b - a > 2.0 * std::numeric_limits<double>::epsilon() *
                           std::max(std::fabs(a), std::fabs(b))) {
            const double medio = 0.5 * (a + b);
            if (medio <= a || medio >= b) {
                break;
            }
            const auto debajo = static_cast<std::size_t>(
                std::clamp(debajoDe(d, e, medio) - primero, 0, static_cast<int>(m)));
            for (std::size_t j = k; j < debajo; ++j) {
                alto[j] = std::min(alto[j], medio);
            }
            for (std::size_t j = std::max(debajo, k); j < m; ++j) {
                bajo[j] = std::max(bajo[j], medio);
            }
            a = bajo[k];
            b = alto[k];
        }
        valores.push_back(0.5 * (a + b));
    }
    return valores;
}

const Lobatto& nodosElemento() {
    static const Lobatto nodos = nodosLobatto(ORDEN_ELEMENTO);
    return nodos;
}

// The first column of row g's nonzeros: row g couples only to the nodes of its own element
// (the first of them the bridge to the element before), and elimination in order fills no
// further, so the factors keep this profile: on average half the band.
int primeraColumna(int g, int orden) {
    return std::max(0, (g / orden) * orden - 1);
}

// LDL^T of the leading rows of T + diag(V) - sigma, without pivoting, within the profile: a
// tenth of the band LU's work, and its pivots' signs are the inertia. The instability
// pivoting would guard against only costs accuracy in the factors, which the residual of
// what they solve judges.
class FactorLDL {
public:
    // Rows desde .. desde + filas - 1 of the grid; unknowns outside them are zero.
    FactorLDL(const MallaRadial& malla, const std::vector<double>& V, int filas, double sigma,
              int desde = 0)
        : n(filas), kd(malla.orden), desde_(desde),
          // Left unset outside the profile, which nothing reads: clearing it cost as much as
          // the factorisation.
          L(new double[static_cast<std::size_t>(filas * malla.orden)]),
          D(static_cast<std::size_t>(filas)), inversaD(D.size()) {
        std::vector<double> w(D.size()); // L(i, j) D(j) along the row being factorised
        for (int i = 0; i < n; ++i) {
            const int i0 = primera(i);
            double* Li = fila(i);
            // Column desde + i of the upper band, by local row: Ai[j] = A(desde + j, desde + i).
            const double* Ai =
                malla.banda.data() + kd + static_cast<std::ptrdiff_t>(desde + i) * kd + desde;
            double d = Ai[i] + V[static_cast<std::size_t>(desde + i)] - sigma;
            for (int j = i0; j < i; ++j) {
                const double* Lj = fila(j);
                double s = Ai[j];
                for (int k = i0; k < j; ++k) { // row j's profile holds i0 (it starts no later)
                    s -= w[static_cast<std::size_t>(k)] * Lj[k];
                }
                w[static_cast<std::size_t>(j)] = s;
                Li[j] = s * inversaD[static_cast<std::size_t>(j)];
                d -= s * Li[j];
            }
            // An exact zero (sigma an eigenvalue of a leading block) is moved off by a hair: the
            // next pivot then takes the sign the count needs.
            if (d == 0.0) {
                d = -std::numeric_limits<double>::epsilon() * (1.0 + std::fabs(sigma));
            }
            D[static_cast<std::size_t>(i)] = d;
            inversaD[static_cast<std::size_t>(i)] = 1.0 / d;
        }
    }

    int negativos() const {
        return static_cast<int>(
            std::count_if(D.begin(), D.end(), [](double d) { return d < 0.0; }));
    }

    void resuelve(std::vector<double>& vector) const {
        double* x = vector.data();
        for (int i = 0; i < n; ++i) {
            const double* Li = fila(i);
            double s = x[i];
            for (int j = primera(i); j < i; ++j) {
                s -= Li[j] * x[j];
            }
            x[i] = s;
        }
        for (int i = 0; i < n; ++i) {
            x[i] *= inversaD[static_cast<std::size_t>(i)];
        }
        // L^T by rows of L: each x[k], once final, is taken from the unknowns it couples to.
        for (int k = n - 1; k > 0; --k) {
            const double* Lk = fila(k);
            const double xk = x[k];
            for (int j = primera(k); j < k; ++j) {
                x[j] -= Lk[j] * xk;
            }
        }
    }

private:
    // Row i holds L(i, i - kd .. i - 1), addressed by the column: fila(i)[j] = L(i, j).
    double* fila(int i) { return L.get() + static_cast<std::ptrdiff_t>(i) * (kd - 1) + kd; }
    const double* fila(int i) const {
        return L.get() + static_cast<std::ptrdiff_t>(i) * (kd - 1) + kd;
    }

    // The first column of local row i's profile.
    int primera(int i) const { return std::max(0, primeraColumna(desde_ + i, kd) - desde_); }

    int n, kd, desde_;
    std::unique_ptr<double[]> L;
    std::vector<double> D, inversaD;
};

// The Rayleigh quotient of a normalised x (leading rows only) and its residual's norm.
// x holds rows desde .. desde + x.size() - 1.
std::pair<double, double> cocienteRayleigh(const MallaRadial& malla, const std::vector<double>& V,
                                           const std::vector<double>& x, int desde) {
    const int n = static_cast<int>(x.size()), kd = malla.orden, ancho = kd + 1;
    std::vector<double> y(x.size(), 0.0);
    for (int j = 0; j < n; ++j) {
        const auto jj = static_cast<std::size_t>(j);
        const int g = desde + j;
        for (int i = std::max(0, primeraColumna(g, kd) - desde); i < j; ++i) {
            const auto ii = static_cast<std::size_t>(i);
            const double a =
                malla.banda[static_cast<std::size_t>(kd + (desde + i) - g + g * ancho)];
            y[ii] += a * x[jj];
            y[jj] += a * x[ii];
        }
        y[jj] += (malla.banda[static_cast<std::size_t>(kd + g * ancho)] +
                  V[static_cast<std::size_t>(g)]) *
                 x[jj];
    }
    double q = 0.0, r = 0.0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        q += x[i] * y[i];
    }
    for (std::size_t i = 0; i < x.size(); ++i) {
        r += (y[i] - q * x[i]) * (y[i] - q * x[i]);
    }
    return {q, std::sqrt(r)};
}

// Inverse iteration twice with the guess as shift, then Rayleigh-quotient steps.
constexpr int PASOS_REFINO = 5;
constexpr int PASOS_FIJOS = 2;

} // namespace

std::vector<double> fronterasElementos(double a, double b, const std::function<double(double)>& k,
                                       double puntosPorOnda, double fraccionR,
                                       const std::vector<double>& fijas) {
    std::vector<double> tramos;
    for (const double f : fijas) {
        if (f > a && f < b) {
            tramos.push_back(f);
        }
    }
    std::sort(tramos.begin(), tramos.end());
    tramos.push_back(b);
    std::vector<double> fronteras{a};
    double r = a;
    for (const double fin : tramos) {
        while (r < fin) {
            double h = anchoElemento(r, std::min(fraccionR * r, fin - r), k, puntosPorOnda);
            // No sliver before a fixed end: the rest is split evenly instead.
            if (fin - r < 1.5 * h) {
                h = fin - r <= h ? fin - r : 0.5 * (fin - r);
            }
            r = (fin - (r + h) < 1e-12 * fin) ? fin : r + h;
            fronteras.push_back(r);
        }
    }
    return fronteras;
}

MallaRadial mallaRadial(const std::vector<double>& fronteras, double mu) {
    const Lobatto& nodos = nodosElemento();
    static const std::vector<std::vector<double>> Kref = cineticaReferencia(nodos);
    const int p = ORDEN_ELEMENTO;
    const int elementos = static_cast<int>(fronteras.size()) - 1;
    const int n = elementos * p - 1;
    MallaRadial m;
    m.a = fronteras.front();
    m.b = fronteras.back();
    m.orden = p;
    m.mu = mu;
    m.anchoPrimero = fronteras[1] - fronteras[0];
    m.anchoUltimo = fronteras.back() - fronteras[fronteras.size() - 2];
    m.R.assign(static_cast<std::size_t>(n), 0.0);
    m.peso.assign(m.R.size(), 0.0);
    m.banda.assign(static_cast<std::size_t>(p + 1) * m.R.size(), 0.0);
    const auto indice = [&](int e, int i) { return e * p + i - 1; }; // -1 and n: the walls
    for (int e = 0; e < elementos; ++e) {
        const double r0 = fronteras[static_cast<std::size_t>(e)];
        const double h = fronteras[static_cast<std::size_t>(e + 1)] - r0;
        for (int i = 0; i <= p; ++i) {
            const int g = indice(e, i);
            if (g < 0 || g >= n) {
                continue;
            }
            const auto ii = static_cast<std::size_t>(i);
            m.R[static_cast<std::size_t>(g)] = r0 + 0.5 * h * (nodos.x[ii] + 1.0);
            m.peso[static_cast<std::size_t>(g)] += 0.5 * h * nodos.w[ii];
            for (int j = i; j <= p; ++j) {
                const int gj = indice(e, j);
                if (gj < n) {
                    // 1/(2 mu) times (2/h) from dR = h/2 dx and d/dR = 2/h d/dx.
                    m.banda[static_cast<std::size_t>(p + g - gj + gj * (p + 1))] +=
                        Kref[ii][static_cast<std::size_t>(j)] / (mu * h);
                }
            }
        }
    }
    // Symmetric form: the mass matrix is diagonal, so chi_i = c_i / sqrt(peso_i).
    for (int j = 0; j < n; ++j) {
        for (int i = std::max(0, j - p); i <= j; ++i) {
            m.banda[static_cast<std::size_t>(p + i - j + j * (p + 1))] /= std::sqrt(
                m.peso[static_cast<std::size_t>(i)] * m.peso[static_cast<std::size_t>(j)]);
        }
    }
    return m;
}

std::pair<double, double> pendientesExtremos(const MallaRadial& malla,
                                             const std::vector<double>& c) {
    static const std::vector<std::vector<double>> D = derivadasReferencia(nodosElemento());
    const int p = malla.orden, n = static_cast<int>(c.size());
    const auto chi = [&](int g) {
        const auto i = static_cast<std::size_t>(g);
        return c[i] / std::sqrt(malla.peso[i]);
    };
    double inicio = 0.0, fin = 0.0;
    for (int i = 1; i <= p && i - 1 < n; ++i) {
        inicio += D[0][static_cast<std::size_t>(i)] * chi(i - 1);
    }
    for (int i = 0; i < p && n - p + i >= 0; ++i) {
        fin += D[static_cast<std::size_t>(p)][static_cast<std::size_t>(i)] * chi(n - p + i);
    }
    return {2.0 * inicio / malla.anchoPrimero, 2.0 * fin / malla.anchoUltimo};
}

Distorsion distorsionCentrifuga(const MallaRadial& malla, const std::vector<double>& V, double E,
                                const std::vector<double>& cCompleto,
                                const std::vector<double>& WCompleto) {
    // On the leading rows the level needs, as its vector was solved.
    const int filas = filasNecesarias(malla, V, E);
    const std::vector<double> c(cCompleto.begin(), cCompleto.begin() + filas);
    const std::vector<double> W(WCompleto.begin(), WCompleto.begin() + filas);
    const FactorLDL factor(malla, V, filas, E);
    const auto producto = [](const std::vector<double>& x, const std::vector<double>& y) {
        double s = 0.0;
        for (std::size_t i = 0; i < x.size(); ++i) {
            s += x[i] * y[i];
        }
        return s;
    };
    // Q (E - H)^-1 Q b: the solve's large component along c (E is an eigenvalue) is
    // projected out, which leaves the reduced resolvent's answer.
    const auto resolvente = [&](std::vector<double> b) {
        const double antes = producto(c, b); // b must have no part along c, or it swamps the rest
        for (std::size_t i = 0; i < b.size(); ++i) {
            b[i] -= antes * c[i];
        }
        factor.resuelve(b);
        const double a = producto(c, b);
        for (std::size_t i = 0; i < b.size(); ++i) {
            b[i] = -(b[i] - a * c[i]);
        }
        return b;
    };
    std::vector<double> Wc(c.size()), W1(c.size());
    double E1 = 0.0;
    for (std::size_t i = 0; i < c.size(); ++i) {
        E1 += W[i] * c[i] * c[i];
    }
    for (std::size_t i = 0; i < c.size(); ++i) {
        Wc[i] = (W[i] - E1) * c[i];
    }
    const std::vector<double> psi1 = resolvente(Wc);
    for (std::size_t i = 0; i < c.size(); ++i) {
        W1[i] = (W[i] - E1) * psi1[i];
    }
    const double E2 = producto(Wc, psi1);
    const double E3 = producto(psi1, W1);
    const std::vector<double> psi2 = resolvente(W1);
    const double E4 = producto(W1, psi2) - E2 * producto(psi1, psi1);
    return {E1, -E2, E3, E4};
}

std::vector<double> autovalores(const MallaRadial& malla, const std::vector<double>& V,
                                double desde, double hasta) {
    const int n = static_cast<int>(malla.R.size());
    if (n == 0 || !(hasta > desde)) {
        return {};
    }
    const int kd = malla.orden, ldab = kd + 1;
    const auto nn = static_cast<std::size_t>(n);
    std::vector<double> banda = bandaCon(malla, V), d(nn), e(nn), work(nn);
    int info = 0, uno = 1;
    dsbtrd_("N", "U", &n, &kd, banda.data(), &ldab, d.data(), e.data(), nullptr, &uno, work.data(),
            &info, 1, 1);
    if (info != 0) {
        throw std::runtime_error("Los niveles exactos no convergen (LAPACK info " +
                                 std::to_string(info) + ")");
    }
    e.pop_back();
    // Every eigenvalue lies within Gershgorin's bounds: the bisection's brackets.
    double suelo = std::numeric_limits<double>::infinity(), techo = -suelo;
    for (std::size_t i = 0; i < d.size(); ++i) {
        const double radio =
            (i > 0 ? std::fabs(e[i - 1]) : 0.0) + (i < e.size() ? std::fabs(e[i]) : 0.0);
        suelo = std::min(suelo, d[i] - radio);
        techo = std::max(techo, d[i] + radio);
    }
    const double vl = std::max(desde, suelo - 1.0), vu = std::min(hasta, techo + 1.0);
    return autovaloresEntre(d, e, vl, vu);
}

std::vector<double> vectorPropio(const MallaRadial& malla, const std::vector<double>& V, double E) {
    const int filas = filasNecesarias(malla, V, E);
    std::vector<double> c =
        vectorPropio(bandaCon(malla, V, static_cast<std::size_t>(filas)), filas, malla.orden, E);
    c.resize(malla.R.size(), 0.0);
    return c;
}

int autovaloresDebajo(const MallaRadial& malla, const std::vector<double>& V, double x) {
    return FactorLDL(malla, V, static_cast<int>(V.size()), x).negativos();
}

std::optional<Autoestado> refinaAutoestado(const MallaRadial& malla, const std::vector<double>& V,
                                           double E, const std::vector<double>& c, double residuo) {
    const int hasta = filasNecesarias(malla, V, E);
    const int desde = std::min(primeraFilaNecesaria(malla, V, E), hasta - 1);
    std::vector<double> x(static_cast<std::size_t>(hasta - desde), 0.0);
    for (std::size_t i = 0; i < x.size() && desde + i < c.size(); ++i) {
        x[i] = c[desde + i];
    }
    if (std::all_of(x.begin(), x.end(), [](double v) { return v == 0.0; })) {
        std::fill(x.begin(), x.end(), 1.0);
    }
    std::optional<FactorLDL> factor;
    double sigma = E;
    for (int paso = 0; paso < PASOS_REFINO; ++paso) {
        if (paso == 0 || paso >= PASOS_FIJOS) {
            factor.emplace(malla, V, hasta - desde, sigma, desde);
        }
        factor->resuelve(x);
        normaliza(x);
        if (!std::all_of(x.begin(), x.end(), [](double v) { return std::isfinite(v); })) {
            return std::nullopt;
        }
        const auto [q, r] = cocienteRayleigh(malla, V, x, desde);
        if (r <= residuo) {
            std::vector<double> completo(malla.R.size(), 0.0);
            std::copy(x.begin(), x.end(), completo.begin() + desde);
            return Autoestado{q, std::move(completo)};
        }
        sigma = q;
    }
    return std::nullopt;
}

std::vector<Autoestado> autoestadosContando(const MallaRadial& malla, const std::vector<double>& V,
                                            double desde, double hasta, double residuo) {
    struct Tramo {
        double a, b;
        int debajoA, debajoB;
    };
    const auto debajo = [&](double x) { return autovaloresDebajo(malla, V, x); };
    std::vector<Autoestado> encontrados;
    std::vector<Tramo> pendientes{{desde, hasta, debajo(desde), debajo(hasta)}};
    while (!pendientes.empty()) {
        const Tramo t = pendientes.back();
        pendientes.pop_back();
        if (t.debajoB <= t.debajoA) {
            continue;
        }
        const double medio = 0.5 * (t.a + t.b);
        const bool indivisible = !(medio > t.a && medio < t.b);
        if (t.debajoB - t.debajoA == 1 || indivisible) {
            std::optional<Autoestado> x = refinaAutoestado(malla, V, medio, {}, residuo);
            if (x && x->E > t.a && x->E <= t.b) {
                encontrados.push_back(std::move(*x));
                continue;
            }
            if (indivisible) { // the count has pinned it to the last bit
                encontrados.push_back({medio, vectorPropio(malla, V, medio)});
                continue;
            }
        }
        const int debajoMedio = debajo(medio);
        pendientes.push_back({t.a, medio, t.debajoA, debajoMedio});
        pendientes.push_back({medio, t.b, debajoMedio, t.debajoB});
    }
    std::sort(encontrados.begin(), encontrados.end(),
              [](const Autoestado& x, const Autoestado& y) { return x.E < y.E; });
    return encontrados;
}

Autoestados autoestados(const MallaRadial& malla, const std::vector<double>& V, double desde,
                        double hasta) {
    Autoestados a;
    a.E = autovalores(malla, V, desde, hasta);
    for (const double E : a.E) {
        a.c.push_back(vectorPropio(malla, V, E));
    }
    return a;
}

} // namespace curvifit
