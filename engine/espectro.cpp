#include "espectro.h"

#include "paralelo.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <utility>
#include <vector>

namespace curvifit {

namespace {

// Rotational terms past JMAX are summed until they fall below this share of Q.
constexpr double COLA_DESPRECIABLE = 1e-16;
constexpr int TERMINOS_COLA_MAXIMOS = 100000;

// +1 or -1 so that chi is positive at its inner turning point: chi grows monotonically
// through the forbidden region up to there, so its last grid value inside has the sign
// of the first lobe.
double signoInterior(const FuncionesLigadas& f, const std::vector<double>& c, double r_interior) {
    double ultimo = 0.0;
    for (std::size_t i = 0; i < c.size() && f.R[i] <= r_interior; ++i) {
        ultimo = c[i] != 0.0 ? c[i] : ultimo;
    }
    if (ultimo == 0.0) { // a turning point before the first grid point
        for (const double x : c) {
            if (x != 0.0) {
                ultimo = x;
                break;
            }
        }
    }
    return ultimo < 0.0 ? -1.0 : 1.0;
}

// The bound functions of one J as the columns of a matrix, signs fixed.
struct FuncionesDeJ {
    std::vector<std::size_t> niveles; // into Espectro::niveles
    Eigen::MatrixXd C;
};

std::map<int, FuncionesDeJ> funcionesPorJ(const NivelesExactos& exactos) {
    const FuncionesLigadas& f = exactos.funciones;
    std::map<int, std::vector<std::size_t>> indices;
    for (std::size_t k = 0; k < f.nivel.size(); ++k) {
        indices[exactos.niveles[f.nivel[k]].J].push_back(k);
    }
    std::map<int, FuncionesDeJ> porJ;
    const auto n = static_cast<Eigen::Index>(f.R.size());
    for (const auto& [J, ks] : indices) {
        FuncionesDeJ& x = porJ[J];
        x.C.resize(n, static_cast<Eigen::Index>(ks.size()));
        for (std::size_t j = 0; j < ks.size(); ++j) {
            const std::vector<double>& c = f.c[ks[j]];
            const double signo = signoInterior(f, c, exactos.niveles[f.nivel[ks[j]]].r_interior);
            for (Eigen::Index i = 0; i < n; ++i) {
                x.C(i, static_cast<Eigen::Index>(j)) = signo * c[static_cast<std::size_t>(i)];
            }
            x.niveles.push_back(ks[j]);
        }
    }
    return porJ;
}

// Every line between J and J + 1: the DVR quadrature makes <a|mu|b> = sum c_a mu c_b.
std::vector<LineaEspectral> lineasEntre(const FuncionesDeJ& bajo, const FuncionesDeJ& alto,
                                        const Eigen::VectorXd& mu,
                                        const std::vector<NivelEspectro>& niveles) {
    std::vector<LineaEspectral> lineas;
    const Eigen::MatrixXd M = bajo.C.transpose() * mu.asDiagonal() * alto.C;
    for (Eigen::Index a = 0; a < M.rows(); ++a) {
        for (Eigen::Index b = 0; b < M.cols(); ++b) {
            std::size_t sup = alto.niveles[static_cast<std::size_t>(b)];
            std::size_t inf = bajo.niveles[static_cast<std::size_t>(a)];
            if (niveles[sup].e_cm1 < niveles[inf].e_cm1) {
                std::swap(sup, inf);
            }
            LineaEspectral l;
            l.superior = sup;
            l.inferior = inf;
            l.v_sup = niveles[sup].v;
            l.j_sup = niveles[sup].J;
            l.v_inf = niveles[inf].v;
            l.j_inf = niveles[inf].J;
            l.rama = l.j_sup > l.j_inf ? 'R' : 'P';
            l.numero_onda_cm1 = niveles[sup].e_cm1 - niveles[inf].e_cm1;
            l.momento_debye = M(a, b);
            l.e_inferior_cm1 = niveles[inf].e_cm1;
            l.einstein_a_s1 =
                coeficienteEinsteinA(l.numero_onda_cm1, l.momento_debye, l.j_sup, l.j_inf);
            if (l.numero_onda_cm1 > 0.0) {
                lineas.push_back(l);
            }
        }
    }
    return lineas;
}

void vidas(Espectro& e) {
    std::vector<double> suma(e.niveles.size(), 0.0);
    for (const LineaEspectral& l : e.lineas) {
        suma[l.superior] += l.einstein_a_s1;
    }
    for (std::size_t k = 0; k < e.niveles.size(); ++k) {
        if (suma[k] > 0.0) {
            e.vidas.push_back({e.niveles[k].v, e.niveles[k].J, 1.0 / suma[k]});
        }
    }
}

double boltzmann(int J, double e_cm1, double T) {
    return (2.0 * J + 1.0) * std::exp(-C2_CM_K * e_cm1 / T);
}

// The levels above JMAX, each v continued from J = JMAX by its rotational constant there.
double colaQ(const Espectro& e, double T, double Q) {
    std::map<int, const NivelEspectro*> ultimo, penultimo;
    for (const NivelEspectro& n : e.niveles) {
        if (n.J == e.JMAX) {
            ultimo[n.v] = &n;
        } else if (n.J == e.JMAX - 1) {
            penultimo[n.v] = &n;
        }
    }
    double cola = 0.0;
    for (const auto& [v, n] : ultimo) {
        const auto previo = penultimo.find(v);
        double B = n->bv_cm1.value_or(0.0);
        if (previo != penultimo.end()) {
            B = (n->e_cm1 - previo->second->e_cm1) / (2.0 * e.JMAX);
        }
        const double base = static_cast<double>(e.JMAX) * (e.JMAX + 1);
        for (int J = e.JMAX + 1; J < e.JMAX + TERMINOS_COLA_MAXIMOS; ++J) {
            const double termino = boltzmann(J, n->e_cm1 + B * (J * (J + 1.0) - base), T);
            cola += termino;
            if (termino < COLA_DESPRECIABLE * Q || B <= 0.0) {
                break;
            }
        }
    }
    return cola;
}

} // namespace

double factorHonlLondon(int j_sup, int j_inf) {
    if (j_inf == j_sup + 1) {
        return j_sup + 1.0;
    }
    return j_inf == j_sup - 1 ? static_cast<double>(j_sup) : 0.0;
}

double coeficienteEinsteinA(double numero_onda_cm1, double momento_debye, int j_sup, int j_inf) {
    const double nu = numero_onda_cm1;
    return FACTOR_EINSTEIN_A * nu * nu * nu * momento_debye * momento_debye *
           factorHonlLondon(j_sup, j_inf) / (2.0 * j_sup + 1.0);
}

double intensidadLinea(double einstein_a_s1, double numero_onda_cm1, int j_sup,
                       double e_inferior_cm1, double temperatura_k, double Q) {
    const double nu = numero_onda_cm1, T = temperatura_k;
    return (2.0 * j_sup + 1.0) * einstein_a_s1 * std::exp(-C2_CM_K * e_inferior_cm1 / T) *
           -std::expm1(-C2_CM_K * nu / T) / (8.0 * std::numbers::pi * C_CM_S * nu * nu * Q);
}

Espectro calculaEspectro(const NivelesExactos& exactos, const CurvaDipolo& dipolo,
                         double temperatura_k) {
    Espectro e;
    e.JMAX = exactos.JMAX;
    e.dipolo = dipolo;
    const FuncionesLigadas& f = exactos.funciones;
    double fondo = INFINITY;
    for (const std::size_t k : f.nivel) {
        fondo = std::min(fondo, exactos.niveles[k].e_cm1);
    }
    for (const std::size_t k : f.nivel) {
        const NivelExacto& n = exactos.niveles[k];
        e.niveles.push_back({n.v, n.J, n.e_cm1 - fondo, n.bv_cm1});
    }
    Eigen::VectorXd mu(static_cast<Eigen::Index>(f.R.size()));
    for (std::size_t i = 0; i < f.R.size(); ++i) {
        mu[static_cast<Eigen::Index>(i)] = dipolo.valor(f.R[i]);
    }
    const std::map<int, FuncionesDeJ> porJ = funcionesPorJ(exactos);
    std::vector<std::pair<const FuncionesDeJ*, const FuncionesDeJ*>> pares;
    for (const auto& [J, bajo] : porJ) {
        if (const auto alto = porJ.find(J + 1); alto != porJ.end()) {
            pares.emplace_back(&bajo, &alto->second);
        }
    }
    // Each pair of J is a matrix product of its own: side by side on the cores.
    std::vector<std::vector<LineaEspectral>> porPar(pares.size());
    enParalelo(pares.size(), [&](std::size_t k) {
        porPar[k] = lineasEntre(*pares[k].first, *pares[k].second, mu, e.niveles);
    });
    for (const std::vector<LineaEspectral>& lineas : porPar) {
        e.lineas.insert(e.lineas.end(), lineas.begin(), lineas.end());
    }
    std::sort(e.lineas.begin(), e.lineas.end(),
              [](const auto& a, const auto& b) { return a.numero_onda_cm1 < b.numero_onda_cm1; });
    vidas(e);
    aplicaTemperatura(e, temperatura_k);
    return e;
}

void aplicaTemperatura(Espectro& e, double temperatura_k) {
    e.temperatura_k = temperatura_k;
    double Q = 0.0;
    for (const NivelEspectro& n : e.niveles) {
        Q += boltzmann(n.J, n.e_cm1, temperatura_k);
    }
    e.funcion_particion = Q;
    e.q_truncada = Q > 0.0 && colaQ(e, temperatura_k, Q) > TRUNCAMIENTO_Q * Q;
    for (LineaEspectral& l : e.lineas) {
        l.intensidad = intensidadLinea(l.einstein_a_s1, l.numero_onda_cm1, l.j_sup,
                                       l.e_inferior_cm1, temperatura_k, Q);
    }
}

EspectroDelResultado espectroDelDocumento(const std::string& rutaDip, const NivelesExactos& exactos,
                                          double re_bohr, double temperatura_k) {
    DipoloDelDocumento dipolo = dipoloDelDocumento(rutaDip, re_bohr);
    EspectroDelResultado r;
    r.avisos = std::move(dipolo.avisos);
    if (dipolo.curva) {
        r.espectro = calculaEspectro(exactos, *dipolo.curva, temperatura_k);
    }
    return r;
}

std::vector<LineaEspectral> lineasListadas(const Espectro& e) {
    double mayor = 0.0;
    for (const LineaEspectral& l : e.lineas) {
        if (l.v_sup - l.v_inf <= SALTO_V_LISTADO) {
            mayor = std::max(mayor, l.intensidad);
        }
    }
    std::vector<LineaEspectral> listadas;
    for (const LineaEspectral& l : e.lineas) {
        if (l.v_sup - l.v_inf <= SALTO_V_LISTADO &&
            l.intensidad >= INTENSIDAD_RELATIVA_MINIMA * mayor && l.intensidad > 0.0) {
            listadas.push_back(l);
        }
    }
    return listadas;
}

} // namespace curvifit
