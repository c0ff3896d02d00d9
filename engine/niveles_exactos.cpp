#include "niveles_exactos.h"

#include "constantes_fisicas.h"
#include "derivapol.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace curvifit {

namespace {

constexpr double PI = std::numbers::pi;

// Polynomials of degree N resolve a wave of k L / 2 = pi * (wavelengths in [a, b]) when N
// exceeds it; with this many nodes per shortest wavelength, plus a few for the walls, the
// eigenvalues are converged to about 1e-6 1/cm (tests check it on a grid twice as fine).
constexpr double PUNTOS_POR_ONDA = 6.0;
constexpr int PUNTOS_EXTRA = 12;
constexpr int INTERVALOS_MINIMOS = 24;
// A dense eigenproblem of this size takes about 0.1 s per J. Only a curve far from a
// molecule's (a spurious deep hole in the fit, energies typed in the wrong unit) asks for
// more; its highest levels are then less exact.
constexpr int INTERVALOS_MAXIMOS = 600;
// Samples of V_J that find its lowest value when choosing the grid.
constexpr int MUESTRAS_MALLA = 600;
constexpr int ITERACIONES_RAIZ = 100;
constexpr int NIVELES_AJUSTE = 6;
constexpr int NIVELES_AJUSTE_MINIMOS = 3;

double centrifugo(int J, double mu, double R) {
    return static_cast<double>(J) * (J + 1) / (2.0 * mu * R * R);
}

double potencialJ(const Potencial& p, int J, double mu, double R) {
    return p.V(R) + centrifugo(J, mu, R);
}

double limiteJ(const Potencial& p, int J, double mu, double a, double b) {
    return std::min(potencialJ(p, J, mu, a), potencialJ(p, J, mu, b));
}

// Nodes of the grid from the shortest local de Broglie wavelength 2 pi / k_max,
// k_max^2 = 2 mu max over J of (E_lim(J) - min V_J); 0 when no J can hold a level.
int intervalosMalla(const Potencial& p, double mu, double a, double b, int JMAX, double finura) {
    std::vector<double> R(MUESTRAS_MALLA + 1), V(MUESTRAS_MALLA + 1);
    for (int i = 0; i <= MUESTRAS_MALLA; ++i) {
        R[i] = a + (b - a) * i / MUESTRAS_MALLA;
        V[i] = p.V(R[i]);
    }
    double k2 = 0.0;
    for (int J = 0; J <= JMAX; ++J) {
        const double limite =
            std::min(V.front() + centrifugo(J, mu, a), V.back() + centrifugo(J, mu, b));
        double minimo = limite;
        for (int i = 1; i < MUESTRAS_MALLA; ++i) {
            minimo = std::min(minimo, V[i] + centrifugo(J, mu, R[i]));
        }
        k2 = std::max(k2, 2.0 * mu * (limite - minimo));
    }
    if (!(k2 > 0.0) || !std::isfinite(k2)) {
        return 0;
    }
    const double ondas = (b - a) * std::sqrt(k2) / (2.0 * PI);
    const double intervalos = std::ceil(finura * (PUNTOS_POR_ONDA * ondas + PUNTOS_EXTRA));
    return static_cast<int>(
        std::clamp(intervalos, double(INTERVALOS_MINIMOS), double(INTERVALOS_MAXIMOS)));
}

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
            // Now actual = P_{N+1}; P_{N-1} from the recurrence backwards.
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
        l.x[static_cast<std::size_t>(j)] = x;
        l.PN[static_cast<std::size_t>(j)] = PNx;
        l.w[static_cast<std::size_t>(j)] = 2.0 / (N * (N + 1.0) * PNx * PNx);
    }
    return l;
}

// Kinetic energy in the Lobatto discrete-variable representation of [a, a + L] (N + 1
// nodes): chi = 0 at both walls by leaving out the two end functions. The quadrature is
// exact for the kinetic integrals, so the matrix is the Galerkin one of polynomials of
// degree N, and the eigenvalues converge exponentially also for levels that touch a wall.
Eigen::MatrixXd energiaCinetica(const Lobatto& l, double L, double mu) {
    const int N = static_cast<int>(l.x.size()) - 1;
    Eigen::MatrixXd D(N + 1, N - 1); // derivative of the interior Lagrange functions at nodes
    for (int k = 0; k <= N; ++k) {
        for (int j = 1; j < N; ++j) {
            D(k, j - 1) =
                k == j
                    ? 0.0
                    : l.PN[static_cast<std::size_t>(k)] /
                          (l.PN[static_cast<std::size_t>(j)] *
                           (l.x[static_cast<std::size_t>(k)] - l.x[static_cast<std::size_t>(j)]));
        }
    }
    Eigen::VectorXd raizPeso(N - 1);
    for (int j = 1; j < N; ++j) {
        raizPeso[j - 1] = std::sqrt(l.w[static_cast<std::size_t>(j)]);
    }
    const Eigen::VectorXd w = Eigen::Map<const Eigen::VectorXd>(l.w.data(), N + 1);
    Eigen::MatrixXd T = D.transpose() * w.asDiagonal() * D;
    T = raizPeso.asDiagonal().inverse() * T * raizPeso.asDiagonal().inverse();
    return T * (4.0 / (L * L) / (2.0 * mu));
}

struct Tridiagonal {
    Eigen::VectorXd d; // diagonal
    Eigen::VectorXd e; // off-diagonal
};

// Solves (t - sigma) x = b in place by Gaussian elimination with partial pivoting; a
// vanishing pivot is replaced by a tiny one, as inverse iteration wants.
void resuelveDesplazado(const Tridiagonal& t, double sigma, double pivoteMinimo,
                        Eigen::VectorXd& b) {
    const Eigen::Index n = t.d.size();
    Eigen::VectorXd d = t.d.array() - sigma;
    Eigen::VectorXd inf = t.e, sup = t.e,
                    sup2 = Eigen::VectorXd::Zero(std::max<Eigen::Index>(n - 2, 0));
    std::vector<bool> cambio(static_cast<std::size_t>(n), false);
    for (Eigen::Index i = 0; i + 1 < n; ++i) {
        if (std::fabs(d[i]) >= std::fabs(inf[i])) {
            if (d[i] == 0.0) {
                d[i] = pivoteMinimo;
            }
            inf[i] /= d[i];
            d[i + 1] -= inf[i] * sup[i];
        } else {
            const double factor = d[i] / inf[i];
            d[i] = inf[i];
            inf[i] = factor;
            const double s = sup[i];
            sup[i] = d[i + 1];
            d[i + 1] = s - factor * d[i + 1];
            if (i + 2 < n) {
                sup2[i] = sup[i + 1];
                sup[i + 1] = -factor * sup[i + 1];
            }
            cambio[static_cast<std::size_t>(i)] = true;
        }
    }
    if (d[n - 1] == 0.0) {
        d[n - 1] = pivoteMinimo;
    }
    for (Eigen::Index i = 0; i + 1 < n; ++i) {
        if (cambio[static_cast<std::size_t>(i)]) {
            const double s = b[i];
            b[i] = b[i + 1];
            b[i + 1] = s - inf[i] * b[i];
        } else {
            b[i + 1] -= inf[i] * b[i];
        }
    }
    for (Eigen::Index i = n; i-- > 0;) {
        double s = b[i];
        if (i + 1 < n) {
            s -= sup[i] * b[i + 1];
        }
        if (i + 2 < n) {
            s -= sup2[i] * b[i + 2];
        }
        b[i] = s / d[i];
    }
}

// Normalised eigenvector of the tridiagonal matrix for the eigenvalue lambda.
Eigen::VectorXd autovector(const Tridiagonal& t, double lambda, double escala) {
    const double pivoteMinimo = std::numeric_limits<double>::epsilon() * escala;
    Eigen::VectorXd x = Eigen::VectorXd::Ones(t.d.size());
    for (int iteracion = 0; iteracion < 2; ++iteracion) {
        resuelveDesplazado(t, lambda, pivoteMinimo, x);
        x /= x.norm();
    }
    return x;
}

// The root of f between x0 (f > 0) and x1 (f <= 0), by regula falsi with the Illinois
// halving: a bracket that always shrinks, and superlinear on these smooth curves.
double raiz(const std::function<double(double)>& f, double x0, double x1) {
    double f0 = f(x0), f1 = f(x1);
    int lado = 0;
    for (int i = 0; i < ITERACIONES_RAIZ && f1 != 0.0; ++i) {
        double x = x1 - f1 * (x1 - x0) / (f1 - f0);
        if (!(x > std::min(x0, x1) && x < std::max(x0, x1))) {
            x = 0.5 * (x0 + x1);
        }
        if (std::fabs(x1 - x0) <= 4.0 * std::numeric_limits<double>::epsilon() * std::fabs(x)) {
            break;
        }
        const double fx = f(x);
        if (fx > 0.0) {
            x0 = x;
            f0 = fx;
            f1 = lado == 1 ? 0.5 * f1 : f1;
            lado = 1;
        } else {
            x1 = x;
            f1 = fx;
            f0 = lado == -1 ? 0.5 * f0 : f0;
            lado = -1;
        }
        if (std::fabs(x1 - x0) <= 1e-14 * std::fabs(x1)) {
            break;
        }
    }
    return f1 == 0.0 ? x1 : x1 - f1 * (x1 - x0) / (f1 - f0);
}

// A level for one J: the grid and the potential on it, shared by all its levels.
struct MallaJ {
    int J = 0;
    double mu = 0.0, a = 0.0, b = 0.0;
    std::vector<double> R, VJ, dVJ; // at the interior points
};

// Classical turning points: the first crossing of V_J = E from each wall inward.
std::pair<double, double> puntosRetorno(const Potencial& p, const MallaJ& m, double E) {
    const auto f = [&](double R) { return potencialJ(p, m.J, m.mu, R) - E; };
    const std::size_t n = m.R.size();
    std::size_t i = 0;
    while (i < n && m.VJ[i] > E) {
        ++i;
    }
    std::size_t k = n;
    while (k > 0 && m.VJ[k - 1] > E) {
        --k;
    }
    if (i == n) { // a well narrower than the grid: the lowest point stands for both
        const auto menor = std::min_element(m.VJ.begin(), m.VJ.end()) - m.VJ.begin();
        return {m.R[static_cast<std::size_t>(menor)], m.R[static_cast<std::size_t>(menor)]};
    }
    const double interior = raiz(f, i == 0 ? m.a : m.R[i - 1], m.R[i]);
    const double exterior = raiz(f, k == n ? m.b : m.R[k], m.R[k - 1]);
    return {interior, exterior};
}

NivelExacto nivel(const Potencial& p, const MallaJ& m, int v, double E, const Eigen::VectorXd& c,
                  double EEQ) {
    const double L = m.b - m.a;
    double vMedio = 0.0, fuerzaInterior = 0.0, fuerzaExterior = 0.0, inversaR2 = 0.0;
    for (std::size_t i = 0; i < m.R.size(); ++i) {
        const double peso = c[static_cast<Eigen::Index>(i)] * c[static_cast<Eigen::Index>(i)];
        vMedio += peso * m.VJ[i];
        fuerzaInterior += peso * (m.b - m.R[i]) * m.dVJ[i];
        fuerzaExterior += peso * (m.R[i] - m.a) * m.dVJ[i];
        inversaR2 += peso / (m.R[i] * m.R[i]);
    }
    // Stretching the box about the far wall gives chi'(wall)^2/(2 mu) as expectation values
    // (a virial theorem between walls), exact to the eigenvalues' own accuracy.
    const double cinetica = E - vMedio;
    NivelExacto n;
    n.v = v;
    n.J = m.J;
    n.e_hartree = E;
    n.e_cm1 = (E - EEQ) * HARTREE_A_CM1;
    std::tie(n.r_interior, n.r_exterior) = puntosRetorno(p, m, E);
    if (m.J == 0) {
        n.bv_cm1 = inversaR2 / (2.0 * m.mu) * HARTREE_A_CM1;
    }
    // A square: tiny negative values are the discretisation's noise.
    n.sensibilidad_interior = std::max(0.0, (2.0 * cinetica + fuerzaInterior) / L) * HARTREE_A_CM1;
    n.sensibilidad_exterior = std::max(0.0, (2.0 * cinetica - fuerzaExterior) / L) * HARTREE_A_CM1;
    n.cerca_pared =
        std::max(n.sensibilidad_interior, n.sensibilidad_exterior) * DESPLAZAMIENTO_PARED >
        CAMBIO_PARED_CM1;
    return n;
}

// Every level of one J below its limit, in increasing energy (v = the count of nodes).
void nivelesJ(const Potencial& p, const MallaJ& m, const Eigen::MatrixXd& T, double limite,
              double EEQ, std::vector<NivelExacto>& niveles) {
    if (*std::min_element(m.VJ.begin(), m.VJ.end()) >= limite) {
        return;
    }
    Eigen::MatrixXd H = T;
    H.diagonal() += Eigen::Map<const Eigen::VectorXd>(m.VJ.data(), Eigen::Index(m.VJ.size()));
    const Eigen::Tridiagonalization<Eigen::MatrixXd> tri(H);
    const Tridiagonal t{tri.diagonal(), tri.subDiagonal()};
    // All eigenvalues of the tridiagonal matrix by implicit QL: O(n^2), ascending.
    Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> ql;
    ql.computeFromTridiagonal(t.d, t.e, Eigen::EigenvaluesOnly);
    const Eigen::VectorXd& E = ql.eigenvalues();
    const Eigen::Index cuantos = std::lower_bound(E.begin(), E.end(), limite) - E.begin();
    if (cuantos == 0) {
        return;
    }
    const double escala = E.cwiseAbs().maxCoeff();
    Eigen::MatrixXd Y(t.d.size(), cuantos);
    for (Eigen::Index k = 0; k < cuantos; ++k) {
        Y.col(k) = autovector(t, E[k], escala);
    }
    const Eigen::MatrixXd C = tri.matrixQ() * Y; // one blocked pass for all vectors
    for (Eigen::Index k = 0; k < cuantos; ++k) {
        niveles.push_back(nivel(p, m, static_cast<int>(k), E[k], C.col(k), EEQ));
    }
}

MallaJ mallaJ(const std::vector<double>& R, const std::vector<double>& V,
              const std::vector<double>& dV, int J, double mu, double a, double b) {
    MallaJ m{J, mu, a, b, R, V, dV};
    const double jj = static_cast<double>(J) * (J + 1);
    for (std::size_t i = 0; i < R.size(); ++i) {
        const double r2 = R[i] * R[i];
        m.VJ[i] += jj / (2.0 * mu * r2);
        m.dVJ[i] -= jj / (mu * r2 * R[i]);
    }
    return m;
}

} // namespace

NivelesExactos resuelveNiveles(const Potencial& potencial, double MASARED, double RMIN, double RMAX,
                               double EEQ, int JMAX, OpcionesMalla opciones) {
    NivelesExactos exactos;
    exactos.JMAX = JMAX;
    exactos.RMIN = RMIN;
    exactos.RMAX = RMAX;
    for (int J = 0; J <= JMAX; ++J) {
        exactos.limite_cm1.push_back((limiteJ(potencial, J, MASARED, RMIN, RMAX) - EEQ) *
                                     HARTREE_A_CM1);
    }
    // Distances at or below zero have no radial problem.
    const int N = RMAX > RMIN && RMIN > 0.0 && MASARED > 0.0
                      ? intervalosMalla(potencial, MASARED, RMIN, RMAX, JMAX, opciones.finura)
                      : 0;
    if (N == 0) {
        return exactos;
    }
    const Lobatto nodos = nodosLobatto(N);
    const Eigen::MatrixXd T = energiaCinetica(nodos, RMAX - RMIN, MASARED);
    std::vector<double> R(static_cast<std::size_t>(N - 1)), V(R.size()), dV(R.size());
    for (std::size_t i = 0; i < R.size(); ++i) {
        R[i] = RMIN + (RMAX - RMIN) * 0.5 * (nodos.x[i + 1] + 1.0);
        V[i] = potencial.V(R[i]);
        dV[i] = potencial.dV(R[i]);
    }
    for (int J = 0; J <= JMAX; ++J) {
        const double limite = limiteJ(potencial, J, MASARED, RMIN, RMAX);
        nivelesJ(potencial, mallaJ(R, V, dV, J, MASARED, RMIN, RMAX), T, limite, EEQ,
                 exactos.niveles);
    }
    exactos.constantes = constantesDeNiveles(exactos.niveles);
    return exactos;
}

NivelesExactos nivelesExactos(const DatosEntrada& datos, const Ajuste& ajuste,
                              const Constantes& constantes, int JMAX) {
    const Potencial potencial{[V = Derivada(ajuste.COEFPOT, 0)](double R) { return V.valor(R); },
                              [dV = Derivada(ajuste.COEFPOT, 1)](double R) { return dV.valor(R); }};
    return resuelveNiveles(potencial, datos.MASARED, datos.RMIN, datos.RMAX, constantes.EEQ, JMAX);
}

FuncionOnda funcionOnda(const Potencial& potencial, double MASARED, double RMIN, double RMAX, int v,
                        int J, OpcionesMalla opciones) {
    FuncionOnda f;
    const int N = RMAX > RMIN && RMIN > 0.0 && MASARED > 0.0 && v >= 0 && J >= 0
                      ? intervalosMalla(potencial, MASARED, RMIN, RMAX, J, opciones.finura)
                      : 0;
    if (N == 0 || v >= N - 1) {
        return f;
    }
    const Lobatto nodos = nodosLobatto(N);
    const double L = RMAX - RMIN;
    Eigen::MatrixXd H = energiaCinetica(nodos, L, MASARED);
    f.R.push_back(RMIN);
    f.chi.push_back(0.0);
    for (Eigen::Index i = 0; i < H.rows(); ++i) {
        const double R = RMIN + L * 0.5 * (nodos.x[static_cast<std::size_t>(i + 1)] + 1.0);
        H(i, i) += potencialJ(potencial, J, MASARED, R);
        f.R.push_back(R);
    }
    const Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> solucion(H);
    const Eigen::VectorXd c = solucion.eigenvectors().col(v);
    // A Lobatto coefficient is chi at its node times the square root of its weight.
    const double signo = c.sum() < 0.0 ? -1.0 : 1.0;
    for (Eigen::Index i = 0; i < c.size(); ++i) {
        const double peso = nodos.w[static_cast<std::size_t>(i + 1)] * 0.5 * L;
        f.chi.push_back(signo * c[i] / std::sqrt(peso));
    }
    f.R.push_back(RMAX);
    f.chi.push_back(0.0);
    return f;
}

std::optional<ConstantesDeNiveles> constantesDeNiveles(const std::vector<NivelExacto>& niveles) {
    std::vector<const NivelExacto*> usados;
    for (const NivelExacto& n : niveles) {
        if (n.J == 0 && !n.cerca_pared && n.bv_cm1 &&
            static_cast<int>(usados.size()) < NIVELES_AJUSTE) {
            usados.push_back(&n);
        }
    }
    if (static_cast<int>(usados.size()) < NIVELES_AJUSTE_MINIMOS) {
        return std::nullopt;
    }
    const Eigen::Index m = static_cast<Eigen::Index>(usados.size());
    Eigen::MatrixXd G(m, 3), B(m, 2);
    Eigen::VectorXd g(m), bv(m);
    for (Eigen::Index i = 0; i < m; ++i) {
        const double x = usados[static_cast<std::size_t>(i)]->v + 0.5;
        G.row(i) << x, -x * x, x * x * x;
        B.row(i) << 1.0, -x;
        g[i] = usados[static_cast<std::size_t>(i)]->e_cm1;
        bv[i] = *usados[static_cast<std::size_t>(i)]->bv_cm1;
    }
    const Eigen::VectorXd cg = G.colPivHouseholderQr().solve(g);
    const Eigen::VectorXd cb = B.colPivHouseholderQr().solve(bv);
    return ConstantesDeNiveles{cg[0], cg[1], cg[2], cb[0], cb[1]};
}

std::optional<Aviso> avisoSinNiveles(const NivelesExactos& exactos) {
    if (!exactos.niveles.empty()) {
        return std::nullopt;
    }
    return Aviso{"no_exact_levels",
                 "Los puntos no llegan a la energía del nivel vibracional más bajo: no hay "
                 "niveles exactos dentro del intervalo de distancias de los datos. Amplíe "
                 "el intervalo de distancias."};
}

} // namespace curvifit
