#include "ajuste.h"

#include "svd.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace curvifit {

namespace {

double evaluaBase(const std::vector<double>& a, const std::vector<double>& f) {
    double suma = 0.0;
    for (std::size_t k = 0; k < a.size() && k < f.size(); ++k) {
        suma += a[k] * f[k];
    }
    return suma;
}

// Divides each column by its Euclidean norm (summed over the rows in order) and returns the
// norms. A column of zeros keeps the norm 1: it stays zero and its coefficient comes out 0.
std::vector<double> escalaColumnas(Matriz& A) {
    std::vector<double> d(A.columnas(), 0.0);
    for (int j = 0; j < A.columnas(); ++j) {
        double suma = 0.0;
        for (int i = 0; i < A.filas(); ++i) {
            suma += A(i, j) * A(i, j);
        }
        d[j] = suma > 0.0 ? std::sqrt(suma) : 1.0;
        for (int i = 0; i < A.filas(); ++i) {
            A(i, j) /= d[j];
        }
    }
    return d;
}

// Points this close to R = 0 cannot give a point-wise coefficient estimate.
constexpr double DISTANCIA_NULA = 1e-10;

} // namespace

SolucionSVD SVDFIT(const std::vector<double>& x, const std::vector<double>& y,
                   const std::vector<double>& sig, int m, const FuncionesBase& base) {
    const int n = static_cast<int>(x.size());
    Matriz U(n, m);
    std::vector<double> b(n);
    for (int i = 0; i < n; ++i) {
        const std::vector<double> f = base(x[i]);
        const double t = 1.0 / sig[i];
        for (int j = 0; j < m; ++j) {
            U(i, j) = f[j] * t;
        }
        b[i] = y[i] * t;
    }
    SolucionSVD solucion;
    DescomposicionEscalada& svd = solucion.svd;
    svd.d = escalaColumnas(U);
    SVDCMP(U, svd.W, svd.V); // an unconverged value is reported there and the fit goes on
    double wmax = 0.0;
    for (double w : svd.W) {
        wmax = std::max(wmax, w);
    }
    const double umbral = UMBRAL_SINGULAR * wmax;
    std::vector<double> W = svd.W;
    svd.conservado.assign(m, true);
    for (int j = 0; j < m; ++j) {
        if (W[j] < umbral || W[j] == 0.0) {
            W[j] = 0.0;
            svd.conservado[j] = false;
            ++svd.descartados;
        }
    }
    solucion.a = SVBKSB(U, W, svd.V, b);
    for (int j = 0; j < m; ++j) {
        solucion.a[j] /= svd.d[j];
    }
    svd.U = std::move(U);
    for (int i = 0; i < n; ++i) {
        const double residuo = (y[i] - evaluaBase(solucion.a, base(x[i]))) / sig[i];
        solucion.CHISQ += residuo * residuo;
    }
    return solucion;
}

ErroresCoeficientes ERCOEF(const std::vector<double>& x, const std::vector<double>& y,
                           const std::vector<double>& a, const FuncionesBase& base) {
    const int n = static_cast<int>(x.size());
    const int m = static_cast<int>(a.size());
    std::vector<double> residuo(n, 0.0);
    for (int i = 0; i < n; ++i) {
        residuo[i] = evaluaBase(a, base(x[i])) - y[i];
    }
    ErroresCoeficientes errores;
    // NSKIP keeps counting over all coefficients, and a pass ends at the first point at
    // R = 0: each coefficient j uses the points before it, divided by x^j (j = position).
    int NSKIP = 0;
    for (int j = 1; j <= m; ++j) {
        double suma = 0.0;
        for (int i = 0; i < n; ++i) {
            if (std::fabs(x[i]) <= DISTANCIA_NULA) {
                ++NSKIP;
                break;
            }
            suma += residuo[i] / potenciaEntera(x[i], j);
        }
        const double mediaResiduos = suma / static_cast<double>(n - NSKIP);
        // The estimates aj + r_i / x^j spread around their mean as r_i / x^j spread around
        // theirs. Taken that way the deviations keep their digits; with aj added first they
        // vanish once aj is some 1e16 times r_i / x^j (large coefficients of negative
        // powers), and the probable error came out as 0.
        double varianza = 0.0;
        for (int i = 0; i < n; ++i) {
            if (std::fabs(x[i]) <= DISTANCIA_NULA) {
                break;
            }
            const double desvio = residuo[i] / potenciaEntera(x[i], j) - mediaResiduos;
            varianza += desvio * desvio;
        }
        errores.MEDIACOEF.push_back(a[j - 1] + mediaResiduos);
        errores.ERRCOEF.push_back(FACTOR_ERROR_PROBABLE *
                                  std::sqrt(varianza / static_cast<double>(n - NSKIP - 1)));
    }
    return errores;
}

CoeficientesPotencia llenaCOEFPOT(const std::vector<double>& ACOEF,
                                  const TablaPotencias& POTUSADA) {
    CoeficientesPotencia COEFPOT{};
    std::size_t j = 0;
    for (int p = POTENCIA_MIN; p <= POTENCIA_MAX; ++p) {
        if (POTUSADA[indicePotencia(p)] == 1 && j < ACOEF.size()) {
            COEFPOT[indicePotencia(p)] = ACOEF[j];
            ++j;
        }
    }
    return COEFPOT;
}

Ajuste ajustaCurva(const DatosEntrada& datos) {
    const FuncionesBase base = [&datos](double x) { return FUNBAS(x, datos.POTUSADA); };
    SolucionSVD solucion = SVDFIT(datos.RDAT, datos.EDAT, datos.SIGMA, datos.NPOT, base);
    const ErroresCoeficientes errores = ERCOEF(datos.RDAT, datos.EDAT, solucion.a, base);
    Ajuste ajuste;
    ajuste.ACOEF = solucion.a;
    ajuste.CHISQ = solucion.CHISQ;
    ajuste.MEDIACOEF = errores.MEDIACOEF;
    ajuste.ERRCOEF = errores.ERRCOEF;
    ajuste.COEFPOT = llenaCOEFPOT(ajuste.ACOEF, datos.POTUSADA);
    ajuste.svd = std::move(solucion.svd);
    return ajuste;
}

double energiaAjustada(const std::vector<double>& ACOEF, const TablaPotencias& POTUSADA, double r) {
    return evaluaBase(ACOEF, FUNBAS(r, POTUSADA));
}

double cuasivarianza(const DatosEntrada& datos, const std::vector<double>& ACOEF) {
    const int N = datos.NPUNTOS();
    double S = 0.0;
    double SW = 0.0;
    for (int i = 0; i < N; ++i) {
        const double d = energiaAjustada(ACOEF, datos.POTUSADA, datos.RDAT[i]) - datos.EDAT[i];
        S += d * d / datos.SIGMA[i];
        SW += 1.0 / datos.SIGMA[i];
    }
    return N == datos.NPOT ? 0.0 : S / (static_cast<double>(N - datos.NPOT) * SW);
}

} // namespace curvifit
