#include "incertidumbres.h"

#include "ajuste.h"
#include "derivapol.h"
#include "formulas_constantes.h"
#include "unidades.h"

#include <cmath>

namespace curvifit {

namespace {

// A number with its derivatives with respect to x, K2, K3 and K4: the constants' formulas
// evaluated on these give their exact partial derivatives.
struct Dual {
    double v = 0.0;
    std::array<double, 4> d{};
};

Dual variable(double v, int i) {
    Dual r{v, {}};
    r.d[i] = 1.0;
    return r;
}

template <class F> Dual combina(const Dual& a, const Dual& b, double v, F parcial) {
    Dual r{v, {}};
    for (int i = 0; i < 4; ++i) {
        r.d[i] = parcial(a.d[i], b.d[i]);
    }
    return r;
}

Dual operator+(const Dual& a, const Dual& b) {
    return combina(a, b, a.v + b.v, [](double da, double db) { return da + db; });
}
Dual operator-(const Dual& a, const Dual& b) {
    return combina(a, b, a.v - b.v, [](double da, double db) { return da - db; });
}
Dual operator*(const Dual& a, const Dual& b) {
    return combina(a, b, a.v * b.v, [&](double da, double db) { return da * b.v + a.v * db; });
}
Dual operator/(const Dual& a, const Dual& b) {
    return combina(a, b, a.v / b.v,
                   [&](double da, double db) { return (da * b.v - a.v * db) / (b.v * b.v); });
}
Dual constante(double c) {
    return Dual{c, {}};
}
Dual operator+(const Dual& a, double c) {
    return a + constante(c);
}
Dual operator*(double c, const Dual& a) {
    return constante(c) * a;
}
Dual operator/(double c, const Dual& a) {
    return constante(c) / a;
}
Dual operator/(const Dual& a, double c) {
    return a / constante(c);
}
Dual operator-(const Dual& a) {
    return constante(0.0) - a;
}
Dual sqrt(const Dual& a) {
    const double s = std::sqrt(a.v);
    Dual r{s, {}};
    for (int i = 0; i < 4; ++i) {
        r.d[i] = a.d[i] / (2.0 * s);
    }
    return r;
}

// d/dc_j of x, K2, K3, K4 (rows 0..3) and of V(x) (row 4): each derivative of the
// polynomial moves through its own term and through the shift of x.
std::array<std::vector<double>, 5> gradientesBase(const DatosEntrada& datos, const Ajuste& ajuste,
                                                  const Constantes& k) {
    const std::vector<int> potencias = potenciasIncluidas(datos.POTUSADA);
    const double x = k.XEQ;
    const double pendiente = DERIVAPOL(ajuste.COEFPOT, x, 1);
    const double K5 = DERIVAPOL(ajuste.COEFPOT, x, 5);
    const double arrastre[5] = {0.0, k.K3, k.K4, K5, pendiente};
    const int orden[5] = {0, 2, 3, 4, 0};
    std::array<std::vector<double>, 5> g;
    for (auto& fila : g) {
        fila.assign(potencias.size(), 0.0);
    }
    for (std::size_t j = 0; j < potencias.size(); ++j) {
        const int p = potencias[j];
        const double dx = -factorDerivada(p, 1) * potenciaEntera(x, p - 1) / k.K2;
        g[0][j] = dx;
        for (int q = 1; q < 5; ++q) {
            g[q][j] =
                factorDerivada(p, orden[q]) * potenciaEntera(x, p - orden[q]) + arrastre[q] * dx;
        }
    }
    return g;
}

double formaCuadratica(const Matriz& C, const std::vector<double>& g) {
    double suma = 0.0;
    for (std::size_t j = 0; j < g.size(); ++j) {
        for (std::size_t l = 0; l < g.size(); ++l) {
            suma += g[j] * C(static_cast<int>(j), static_cast<int>(l)) * g[l];
        }
    }
    return suma;
}

} // namespace

std::optional<double> varianzaResidual(const Ajuste& ajuste, int N) {
    const int m = static_cast<int>(ajuste.ACOEF.size());
    if (N <= m) {
        return std::nullopt;
    }
    return ajuste.CHISQ / static_cast<double>(N - m);
}

std::optional<Matriz> covarianzaCoeficientes(const Ajuste& ajuste, int N) {
    const std::optional<double> s2 = varianzaResidual(ajuste, N);
    if (!s2) {
        return std::nullopt;
    }
    // C = B B^T with B(j, k) = s V(j, k) / (d_j W_k) over the kept k: symmetric, so each
    // pair (j, l) is summed once.
    const DescomposicionEscalada& svd = ajuste.svd;
    const int m = static_cast<int>(svd.W.size());
    std::vector<int> conservadas;
    for (int k = 0; k < m; ++k) {
        if (svd.conservado[k]) {
            conservadas.push_back(k);
        }
    }
    const int r = static_cast<int>(conservadas.size());
    const double s = std::sqrt(*s2);
    Matriz B(m, r);
    for (int j = 0; j < m; ++j) {
        for (int q = 0; q < r; ++q) {
            const int k = conservadas[q];
            B(j, q) = s * svd.V(j, k) / (svd.d[j] * svd.W[k]);
        }
    }
    Matriz C(m, m);
    for (int j = 0; j < m; ++j) {
        for (int l = j; l < m; ++l) {
            double suma = 0.0;
            for (int q = 0; q < r; ++q) {
                suma += B(j, q) * B(l, q);
            }
            C(j, l) = suma;
            C(l, j) = suma;
        }
    }
    return C;
}

std::vector<double> apalancamientos(const Ajuste& ajuste) {
    const DescomposicionEscalada& svd = ajuste.svd;
    std::vector<double> h(svd.U.filas(), 0.0);
    for (int i = 0; i < svd.U.filas(); ++i) {
        for (int k = 0; k < svd.U.columnas(); ++k) {
            if (svd.conservado[k]) {
                h[i] += svd.U(i, k) * svd.U(i, k);
            }
        }
    }
    return h;
}

double residuoCuadraticoMedio(const DatosEntrada& datos, const Ajuste& ajuste) {
    // By Horner's rule over the power table: the fit explorer asks this of many fits.
    const Derivada V(ajuste.COEFPOT, 0);
    double suma = 0.0;
    for (int i = 0; i < datos.NPUNTOS(); ++i) {
        const double d = V.valor(datos.RDAT[i]) - datos.EDAT[i];
        suma += d * d;
    }
    return std::sqrt(suma / static_cast<double>(datos.NPUNTOS()));
}

std::array<std::vector<double>, NUM_CONSTANTES>
gradientesConstantes(const DatosEntrada& datos, const Ajuste& ajuste, const Constantes& k) {
    const auto base = gradientesBase(datos, ajuste, k);
    const auto f = formulasConstantes(variable(k.XEQ, 0), variable(k.K2, 1), variable(k.K3, 2),
                                      variable(k.K4, 3), datos.MASARED);
    const double factorRe = datos.enAngstrom() ? datos.FACDIST : BOHR_A_ANGSTROM;
    const double cm = 1.0 / k.FACFREC;
    // Each constant's partial derivatives with respect to x, K2, K3 and K4.
    const std::array<std::array<double, 4>, NUM_CONSTANTES> parciales = {{
        {1.0, 0.0, 0.0, 0.0},
        {factorRe, 0.0, 0.0, 0.0},
        {0.0, 0.0, 0.0, 0.0}, // V(x): row 4 of base
        {0.0, 1.0, 0.0, 0.0},
        {0.0, 0.0, 1.0, 0.0},
        {0.0, 0.0, 0.0, 1.0},
        {0.0, MILIDINAS_POR_UA, 0.0, 0.0},
        (cm * f.WE).d,
        (cm * f.WEXE).d,
        (cm * f.BE).d,
        (cm * f.ALFA).d,
        (cm * f.DE).d,
        (cm * f.Y00).d,
        (ANGSTROM_POR_BOHR * f.DR).d,
        (MILIDINAS_POR_UA * f.DK).d,
    }};
    std::array<std::vector<double>, NUM_CONSTANTES> g;
    for (int c = 0; c < NUM_CONSTANTES; ++c) {
        g[c].assign(base[0].size(), 0.0);
        for (std::size_t j = 0; j < base[0].size(); ++j) {
            for (int q = 0; q < 4; ++q) {
                g[c][j] += parciales[c][q] * base[q][j];
            }
        }
    }
    g[static_cast<int>(Constante::EEqHartree)] = base[4];
    return g;
}

ConstantesConError constantesConError(const DatosEntrada& datos, const Ajuste& ajuste,
                                      const Constantes& k) {
    return constantesConError(datos, ajuste, k, covarianzaCoeficientes(ajuste, datos.NPUNTOS()));
}

ConstantesConError constantesConError(const DatosEntrada& datos, const Ajuste& ajuste,
                                      const Constantes& k, const std::optional<Matriz>& C) {
    const double reAngstrom = datos.enAngstrom() ? k.RE : k.RE * BOHR_A_ANGSTROM;
    const double valores[NUM_CONSTANTES] = {
        k.XEQ,
        reAngstrom,
        k.EEQ,
        k.K2,
        k.K3,
        k.K4,
        k.K2 * MILIDINAS_POR_UA,
        k.NU,
        k.XNU,
        k.BE / k.FACFREC,
        k.ALFA / k.FACFREC,
        k.DE / k.FACFREC,
        k.Y00 / k.FACFREC,
        k.DR * ANGSTROM_POR_BOHR,
        k.DK * MILIDINAS_POR_UA,
    };
    ConstantesConError resultado;
    const auto g = C ? gradientesConstantes(datos, ajuste, k)
                     : std::array<std::vector<double>, NUM_CONSTANTES>{};
    for (int c = 0; c < NUM_CONSTANTES; ++c) {
        resultado.valores[c].valor = valores[c];
        if (C) {
            resultado.valores[c].error = std::sqrt(formaCuadratica(*C, g[c]));
        }
    }
    return resultado;
}

} // namespace curvifit
