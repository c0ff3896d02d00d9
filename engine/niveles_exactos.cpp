#include "niveles_exactos.h"

#include "constantes_fisicas.h"
#include "derivapol.h"
#include "malla_radial.h"
#include "paralelo.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace curvifit {

namespace {

constexpr double PI = std::numbers::pi;
constexpr double INFINITO = std::numeric_limits<double>::infinity();

// Points per local wavelength on elements of order 10: the eigenvalues are converged to about
// 1e-6 1/cm (tests check it on a grid twice as fine).
constexpr double PUNTOS_POR_ONDA = 6.0;
// No element wider than this share of its distance from the origin: the elements grow
// geometrically along a flat tail.
constexpr double FRACCION_R = 0.5;
// Inwards the grid goes until chi has decayed by exp(-DECAIMIENTO) below the highest energy
// sought, but never closer to the origin than this share of RMIN.
constexpr double DECAIMIENTO = 36.0;
constexpr double FRACCION_RMIN = 0.05;
constexpr int PASOS_INTERIOR = 400;
// Outwards the tail is flat to this many 1/cm...
constexpr double COLA_PLANA_CM1 = 1e-6;
// ...but the grid stops at this many times RMAX (a Coulomb tail is flat only at 1e11 bohr);
// a level that still feels the grid's end there is not listed.
constexpr double FACTOR_RMAX = 100.0;
// A level feels an end of the grid when moving it 0.1 bohr shifts it by this many 1/cm.
constexpr double CAMBIO_EXTREMO_CM1 = 1e-4;
// Samples of V that find the well and the centrifugal barriers.
constexpr int MUESTRAS_CURVA = 2000;
constexpr int ITERACIONES_RAIZ = 100;
constexpr int ITERACIONES_CUASILIGADO = 2;
constexpr double PESO_DESPRECIABLE = 1e-30;
constexpr int PUNTOS_INTEGRAL = 400;
constexpr int NIVELES_AJUSTE = 6;
constexpr int NIVELES_AJUSTE_MINIMOS = 3;
// The data reach dissociation when V(RMAX) is this share of the well depth below V_inf.
constexpr double FRACCION_DISOCIACION = 0.01;
// A level followed from one J to the next is accepted when |H c - E c| falls to this share of
// the well's depth: its energy is then right to the square of that over the level spacing.
constexpr double RESIDUO_ESCALERA = 1e-10;

double centrifugo(int J, double mu, double R) {
    return static_cast<double>(J) * (J + 1) / (2.0 * mu * R * R);
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

// The problem as the solver sees it: the curve with its extensions, where the data end,
// and what changes under the alternatives.
struct Problema {
    Potencial V;
    double mu = 0.0, RMIN = 0.0, RMAX = 0.0, EEQ = 0.0;
    Extensiones extensiones;
    std::vector<std::function<double(double)>> alternativas;
    std::size_t primeraCola = 0; // index of the first tail alternative

    double VJ(int J, double R) const { return V.V(R) + centrifugo(J, mu, R); }
};

// The centrifugal barrier of one J beyond the well: its top and where it is.
struct Barrera {
    double R = 0.0, cima = 0.0;
};

// Samples of V_J from RMIN out to `hasta`, geometric so that a long tail costs little.
std::vector<double> muestrasR(double desde, double hasta) {
    std::vector<double> R(MUESTRAS_CURVA + 1);
    for (int i = 0; i <= MUESTRAS_CURVA; ++i) {
        R[static_cast<std::size_t>(i)] =
            desde * std::pow(hasta / desde, double(i) / MUESTRAS_CURVA);
    }
    return R;
}

// R: the samples, V: the curve there (without the centrifugal term).
std::optional<Barrera> barrera(const Problema& p, int J, const std::vector<double>& R,
                               const std::vector<double>& V) {
    if (!p.extensiones.exterior || J == 0) {
        return std::nullopt;
    }
    std::vector<double> VJ(R.size());
    for (std::size_t i = 0; i < R.size(); ++i) {
        VJ[i] = V[i] + centrifugo(J, p.mu, R[i]);
    }
    const std::size_t fondo =
        static_cast<std::size_t>(std::min_element(VJ.begin(), VJ.end()) - VJ.begin());
    const std::size_t cima = static_cast<std::size_t>(
        std::max_element(VJ.begin() + static_cast<std::ptrdiff_t>(fondo), VJ.end()) - VJ.begin());
    const double Vinf = p.extensiones.exterior->Vinf;
    if (cima == fondo || cima + 1 == R.size() || VJ[cima] <= Vinf) {
        return std::nullopt;
    }
    // The top between the neighbouring samples, by golden section.
    double lo = R[cima - 1], hi = R[cima + 1];
    const double g = 0.5 * (std::sqrt(5.0) - 1.0);
    for (int i = 0; i < 80; ++i) {
        const double x1 = hi - g * (hi - lo), x2 = lo + g * (hi - lo);
        (p.VJ(J, x1) > p.VJ(J, x2) ? hi : lo) = (p.VJ(J, x1) > p.VJ(J, x2) ? x2 : x1);
    }
    const double Rb = 0.5 * (lo + hi);
    return Barrera{Rb, p.VJ(J, Rb)};
}

// The bound levels' limit: V_inf with a tail, the lower of the kept walls' V_J.
double limiteJ(const Problema& p, int J) {
    double limite = INFINITO;
    if (!p.extensiones.interior) {
        limite = std::min(limite, p.VJ(J, p.RMIN));
    }
    limite =
        std::min(limite, p.extensiones.exterior ? p.extensiones.exterior->Vinf : p.VJ(J, p.RMAX));
    return limite;
}

// The inner end of the grid: RMIN for a kept wall, else where chi has decayed enough below
// the exponential wall.
double extremoInterior(const Problema& p, double Etope) {
    if (!p.extensiones.interior) {
        return p.RMIN;
    }
    const double paso = p.RMIN * (1.0 - FRACCION_RMIN) / PASOS_INTERIOR;
    double R = p.RMIN, decaido = 0.0;
    for (int i = 0; i < PASOS_INTERIOR && decaido < DECAIMIENTO; ++i) {
        R -= paso;
        const double V = p.V.V(R);
        if (V > Etope) {
            decaido += std::sqrt(2.0 * p.mu * (V - Etope)) * paso;
        }
    }
    return R;
}

double extremoExterior(const Problema& p) {
    if (!p.extensiones.exterior) {
        return p.RMAX;
    }
    const ExtensionExterior& x = *p.extensiones.exterior;
    const double plano = std::pow(x.Cn / (COLA_PLANA_CM1 / HARTREE_A_CM1), 1.0 / x.n);
    return std::clamp(plano, 2.0 * p.RMAX, FACTOR_RMAX * p.RMAX);
}

// The grid between a and b that resolves every energy up to Etope.
MallaRadial malla(const Problema& p, double a, double b, double Etope, double Vminimo,
                  double finura) {
    const double kmax2 = 2.0 * p.mu * (Etope - Vminimo);
    const auto k = [&](double R) {
        return std::sqrt(std::min(kmax2, 2.0 * p.mu * std::fabs(Etope - p.V.V(R))));
    };
    return mallaRadial(
        fronterasElementos(a, b, k, finura * PUNTOS_POR_ONDA, FRACCION_R, {p.RMIN, p.RMAX}), p.mu);
}

// What the levels read of the curve at a grid's points, evaluated once for every J and every
// level: each fitted power costs a pow.
struct CurvaEnMalla {
    std::vector<double> V, dV;
    std::vector<std::vector<double>> cambios;        // each alternative's, zero inside the data
    std::size_t primeroDentro = 0, primeroFuera = 0; // the points inside the data: [first, last)
};

CurvaEnMalla curvaEnMalla(const Problema& p, const MallaRadial& m) {
    CurvaEnMalla x;
    for (const double R : m.R) {
        x.V.push_back(p.V.V(R));
        x.dV.push_back(p.V.dV(R));
    }
    for (const auto& cambio : p.alternativas) {
        std::vector<double> dV(m.R.size(), 0.0);
        for (std::size_t i = 0; i < dV.size(); ++i) {
            if (m.R[i] < p.RMIN || m.R[i] > p.RMAX) {
                dV[i] = cambio(m.R[i]);
            }
        }
        x.cambios.push_back(std::move(dV));
    }
    const auto dentro = std::lower_bound(m.R.begin(), m.R.end(), p.RMIN);
    x.primeroDentro = static_cast<std::size_t>(dentro - m.R.begin());
    x.primeroFuera =
        static_cast<std::size_t>(std::upper_bound(dentro, m.R.end(), p.RMAX) - m.R.begin());
    return x;
}

std::vector<double> VJmalla(const Problema& p, const MallaRadial& m, const CurvaEnMalla& curva,
                            int J) {
    std::vector<double> V(m.R.size());
    for (std::size_t i = 0; i < V.size(); ++i) {
        V[i] = curva.V[i] + centrifugo(J, p.mu, m.R[i]);
    }
    return V;
}

// Classical turning points: the first crossing of V_J = E from each end of the grid inward.
std::pair<double, double> puntosRetorno(const Problema& p, const MallaRadial& m,
                                        const std::vector<double>& VJ, int J, double E) {
    const auto f = [&](double R) { return p.VJ(J, R) - E; };
    const std::size_t n = m.R.size();
    std::size_t i = 0;
    while (i < n && VJ[i] > E) {
        ++i;
    }
    std::size_t k = n;
    while (k > 0 && VJ[k - 1] > E) {
        --k;
    }
    if (i == n) { // a well narrower than the grid: the lowest point stands for both
        const auto menor = std::min_element(VJ.begin(), VJ.end()) - VJ.begin();
        return {m.R[static_cast<std::size_t>(menor)], m.R[static_cast<std::size_t>(menor)]};
    }
    const double interior = raiz(f, i == 0 ? m.a : m.R[i - 1], m.R[i]);
    const double exterior = raiz(f, k == n ? m.b : m.R[k], m.R[k - 1]);
    return {interior, exterior};
}

// The largest first-order change of E under the alternatives, hartree, and the tail's own.
struct Cambios {
    double mayor = 0.0;
    std::vector<double> porAlternativa;
};

Cambios cambios(const CurvaEnMalla& curva, const std::vector<double>& c) {
    Cambios x;
    for (const std::vector<double>& cambio : curva.cambios) {
        // Only beyond the data does an alternative change anything; where chi has died away
        // (most of a long tail for the deep levels) nothing counts.
        const auto suma = [&](std::size_t desde, std::size_t hasta) {
            double dE = 0.0;
            for (std::size_t i = desde; i < std::min(hasta, c.size()); ++i) {
                const double peso = c[i] * c[i];
                if (peso > PESO_DESPRECIABLE) {
                    dE += peso * cambio[i];
                }
            }
            return dE;
        };
        const double dE = suma(0, curva.primeroDentro) + suma(curva.primeroFuera, c.size());
        x.porAlternativa.push_back(dE);
        x.mayor = std::max(x.mayor, std::fabs(dE));
    }
    return x;
}

NivelExacto nivel(const Problema& p, const MallaRadial& m, const CurvaEnMalla& curva,
                  const std::vector<double>& VJ, int J, int v, double E,
                  const std::vector<double>& c) {
    const double L = m.b - m.a;
    double vMedio = 0.0, fuerzaInterior = 0.0, fuerzaExterior = 0.0, inversaR2 = 0.0;
    for (std::size_t i = 0; i < m.R.size(); ++i) {
        const double peso = c[i] * c[i];
        if (peso == 0.0) { // past the level's own extent (vectorPropio)
            continue;
        }
        const double R = m.R[i];
        const double dVJ = curva.dV[i] - 2.0 * centrifugo(J, p.mu, R) / R;
        vMedio += peso * VJ[i];
        fuerzaInterior += peso * (m.b - R) * dVJ;
        fuerzaExterior += peso * (R - m.a) * dVJ;
        inversaR2 += peso / (R * R);
    }
    // Stretching the box about the far end gives chi'(end)^2/(2 mu) as expectation values
    // (a virial theorem between walls), exact to the eigenvalues' own accuracy.
    const double cinetica = E - vMedio;
    NivelExacto n;
    n.v = v;
    n.J = J;
    n.e_hartree = E;
    n.e_cm1 = (E - p.EEQ) * HARTREE_A_CM1;
    std::tie(n.r_interior, n.r_exterior) = puntosRetorno(p, m, VJ, J, E);
    if (J == 0) {
        n.bv_cm1 = inversaR2 / (2.0 * p.mu) * HARTREE_A_CM1;
    }
    // A square: tiny negative values are the discretisation's noise.
    n.sensibilidad_interior = std::max(0.0, (2.0 * cinetica + fuerzaInterior) / L) * HARTREE_A_CM1;
    n.sensibilidad_exterior = std::max(0.0, (2.0 * cinetica - fuerzaExterior) / L) * HARTREE_A_CM1;
    // At an end of the extended curve the virial form loses its digits over a long grid; the
    // end element's slope gives it directly.
    const auto [inicio, fin] = pendientesExtremos(m, c);
    if (p.extensiones.interior) {
        n.sensibilidad_interior = inicio * inicio / (2.0 * p.mu) * HARTREE_A_CM1;
    }
    if (p.extensiones.exterior) {
        n.sensibilidad_exterior = fin * fin / (2.0 * p.mu) * HARTREE_A_CM1;
    }
    const double paredInterior = p.extensiones.interior ? 0.0 : n.sensibilidad_interior;
    const double paredExterior = p.extensiones.exterior ? 0.0 : n.sensibilidad_exterior;
    const double cambioPared = std::max(paredInterior, paredExterior) * DESPLAZAMIENTO_PARED;
    n.cerca_pared = cambioPared > CAMBIO_PARED_CM1;
    n.extrapolado = n.r_interior < p.RMIN || n.r_exterior > p.RMAX;
    n.incertidumbre_cm1 = std::max(cambioPared, cambios(curva, c).mayor * HARTREE_A_CM1);
    return n;
}

// Dv, Hv and Lv of a J = 0 level: the centrifugal term 1/(2 mu R^2) as a perturbation.
void distorsion(const Problema& p, const MallaRadial& m, const std::vector<double>& V, double E,
                const std::vector<double>& c, NivelExacto& n) {
    std::vector<double> W(m.R.size());
    for (std::size_t i = 0; i < W.size(); ++i) {
        W[i] = centrifugo(1, p.mu, m.R[i]) / 2.0;
    }
    const Distorsion d = distorsionCentrifuga(m, V, E, c, W);
    n.dv_cm1 = d.D * HARTREE_A_CM1;
    n.hv_cm1 = d.H * HARTREE_A_CM1;
    n.lv_cm1 = d.L * HARTREE_A_CM1;
}

// True when the level's energy depends on an end of the grid that is not a wall of the data.
bool sienteExtremo(const Problema& p, const NivelExacto& n) {
    return std::max(p.extensiones.interior ? n.sensibilidad_interior : 0.0,
                    p.extensiones.exterior ? n.sensibilidad_exterior : 0.0) *
               DESPLAZAMIENTO_PARED >
           CAMBIO_EXTREMO_CM1;
}

// Integral of f over [x0, x1] with x = x0 + (x1 - x0)(1 - cos t)/2, which takes away the
// inverse square roots at turning points.
double integralRetorno(const std::function<double(double)>& f, double x0, double x1) {
    double suma = 0.0;
    for (int i = 0; i < PUNTOS_INTEGRAL; ++i) {
        const double t = PI * (i + 0.5) / PUNTOS_INTEGRAL;
        suma += f(x0 + 0.5 * (x1 - x0) * (1.0 - std::cos(t))) * std::sin(t);
    }
    return suma * 0.5 * (x1 - x0) * PI / PUNTOS_INTEGRAL;
}

// The outer turning point beyond the barrier at energy E.
double tercerPunto(const Problema& p, int J, double E, const Barrera& b) {
    double fuera = b.R;
    while (p.VJ(J, fuera) > E && fuera < FACTOR_RMAX * FACTOR_RMAX * p.RMAX) {
        fuera *= 1.1;
    }
    return raiz([&](double R) { return p.VJ(J, R) - E; }, b.R, fuera);
}

// Uniform semiclassical width: Gamma = ln(1 + exp(-2 theta)) / T, with T the classical period
// in the well and theta the barrier's tunnelling integral (Connor's formula, hbar = 1).
double anchura(const Problema& p, int J, double E, double R1, double R2, double R3) {
    const double periodo =
        2.0 * p.mu *
        integralRetorno(
            [&](double R) {
                return 1.0 / std::sqrt(std::max(2.0 * p.mu * (E - p.VJ(J, R)),
                                                std::numeric_limits<double>::min()));
            },
            R1, R2);
    const double theta = integralRetorno(
        [&](double R) { return std::sqrt(std::max(0.0, 2.0 * p.mu * (p.VJ(J, R) - E))); }, R2, R3);
    return std::log1p(std::exp(-2.0 * theta)) / periodo;
}

// Quasibound levels of one J: each is the eigenvalue with a wall at its own outer turning
// point beyond the barrier, where its wave function is smallest (the wall shifts it by
// about its width), found by iterating that point; first guesses from a wall on the top.
void cuasiligados(const Problema& p, int J, const Barrera& b, double a, double Vminimo, int ligados,
                  const OpcionesMalla& opciones, std::vector<NivelExacto>& niveles) {
    const double Vinf = p.extensiones.exterior->Vinf;
    const double residuo = RESIDUO_ESCALERA * (b.cima - Vminimo);
    // Between V_inf and the top lie few eigenvalues: counted and refined one by one.
    const auto estadosVentana = [&](const MallaRadial& m, const std::vector<double>& VJ) {
        return autoestadosContando(m, VJ, Vinf, b.cima, residuo);
    };
    std::vector<double> guias;
    {
        const MallaRadial m = malla(p, a, b.R, b.cima, Vminimo, opciones.finura);
        for (const Autoestado& e : estadosVentana(m, VJmalla(p, m, curvaEnMalla(p, m), J))) {
            guias.push_back(e.E);
        }
    }
    std::vector<NivelExacto> encontrados;
    for (std::size_t k = 0; k < guias.size(); ++k) {
        double E = guias[k];
        for (int i = 0; i < ITERACIONES_CUASILIGADO; ++i) {
            const double fin = tercerPunto(p, J, E, b);
            const MallaRadial m = malla(p, a, fin, b.cima, Vminimo, opciones.finura);
            const CurvaEnMalla curva = curvaEnMalla(p, m);
            const std::vector<double> VJ = VJmalla(p, m, curva, J);
            // The eigenvalue nearest the guess by inverse iteration; every one in the window
            // only when that does not settle or leaves it.
            std::optional<Autoestado> cercano = refinaAutoestado(m, VJ, E, {}, residuo);
            if (!cercano || !(cercano->E > Vinf && cercano->E <= b.cima)) {
                std::vector<Autoestado> estados = estadosVentana(m, VJ);
                if (estados.empty()) {
                    break;
                }
                cercano = std::move(*std::min_element(
                    estados.begin(), estados.end(), [&](const Autoestado& x, const Autoestado& y) {
                        return std::fabs(x.E - E) < std::fabs(y.E - E);
                    }));
            }
            E = cercano->E;
            if (i + 1 == ITERACIONES_CUASILIGADO) {
                NivelExacto n =
                    nivel(p, m, curva, VJ, J, ligados + static_cast<int>(k), E, cercano->c);
                const auto f = [&](double R) { return p.VJ(J, R) - E; };
                double R2 = b.R;
                while (R2 > a && p.VJ(J, R2) > E) {
                    R2 -= 0.01 * (b.R - a);
                }
                n.r_exterior = raiz(f, b.R, R2);
                n.cuasiligado = true;
                n.sensibilidad_exterior = 0.0;
                n.extrapolado = n.r_interior < p.RMIN || n.r_exterior > p.RMAX;
                n.anchura_cm1 =
                    anchura(p, J, E, n.r_interior, n.r_exterior, tercerPunto(p, J, E, b)) *
                    HARTREE_A_CM1;
                encontrados.push_back(n);
            }
        }
    }
    // A level wider than its spacing to the next is no level at all.
    for (std::size_t k = 0; k < encontrados.size(); ++k) {
        const double separacion = k + 1 < encontrados.size()
                                      ? encontrados[k + 1].e_cm1 - encontrados[k].e_cm1
                                  : k > 0 ? encontrados[k].e_cm1 - encontrados[k - 1].e_cm1
                                          : INFINITO;
        if (*encontrados[k].anchura_cm1 <= separacion) {
            niveles.push_back(encontrados[k]);
        }
    }
}

std::optional<Disociacion> disociacion(const Problema& p, const std::optional<NivelExacto>& fondo,
                                       const Cambios& cambiosFondo) {
    if (!p.extensiones.exterior || !fondo) {
        return std::nullopt;
    }
    const double Vinf = p.extensiones.exterior->Vinf;
    Disociacion d;
    d.v_inf_hartree = Vinf;
    d.de_cm1 = (Vinf - p.EEQ) * HARTREE_A_CM1;
    d.d0_cm1 = (Vinf - fondo->e_hartree) * HARTREE_A_CM1;
    d.desde_datos = Vinf - p.V.V(p.RMAX) <= FRACCION_DISOCIACION * (Vinf - p.EEQ);
    for (std::size_t i = p.primeraCola; i < p.alternativas.size(); ++i) {
        const double dVinf = p.alternativas[i](INFINITO);
        const double dE = cambiosFondo.porAlternativa[i];
        d.incertidumbre_cm1 = std::max({d.incertidumbre_cm1, std::fabs(dVinf) * HARTREE_A_CM1,
                                        std::fabs(dVinf - dE) * HARTREE_A_CM1});
    }
    return d;
}

// The levels of one J, and for J = 0 the lowest one with its changes under the alternatives.
struct NivelesDeJ {
    std::vector<NivelExacto> niveles;
    std::vector<std::vector<double>> vectores; // of the bound levels, for the spectrum
    std::optional<NivelExacto> fondo;
    Cambios cambiosFondo;
};

NivelesDeJ nivelesDeJ(const Problema& p, const MallaRadial& m, const CurvaEnMalla& curva, int J,
                      const std::vector<double>& VJ, std::vector<Autoestado> estados, double limite,
                      const std::optional<Barrera>& barreraJ, double a, double Vminimo,
                      const OpcionesMalla& opciones) {
    NivelesDeJ x;
    int ligados = 0;
    for (std::size_t k = 0; k < estados.size(); ++k) {
        const double E = estados[k].E;
        std::vector<double>& c = estados[k].c;
        NivelExacto n = nivel(p, m, curva, VJ, J, static_cast<int>(k), E, c);
        // Those above the first level that feels the grid's end are never wanted.
        if (sienteExtremo(p, n)) {
            break;
        }
        if (J == 0) {
            distorsion(p, m, VJ, E, c, n);
        }
        if (J == 0 && k == 0) {
            x.fondo = n;
            x.cambiosFondo = cambios(curva, c);
        }
        x.niveles.push_back(n);
        x.vectores.push_back(std::move(c));
        ++ligados;
    }
    if (barreraJ && barreraJ->cima > limite) {
        cuasiligados(p, J, *barreraJ, a, Vminimo, ligados, opciones, x.niveles);
    }
    return x;
}

// The states below one J's limit, eigenvalue and vector, by the whole reduction.
std::vector<Autoestado> estadosPorReduccion(const MallaRadial& m, const std::vector<double>& VJ,
                                            double limite, double residuo) {
    const std::vector<double> E = autovalores(m, VJ, -INFINITO, limite);
    std::vector<Autoestado> x(E.size());
    enParalelo(E.size(), [&](std::size_t k) {
        std::optional<Autoestado> refinado = refinaAutoestado(m, VJ, E[k], {}, residuo);
        x[k] = refinado && std::fabs(refinado->E - E[k]) <= residuo
                   ? std::move(*refinado)
                   : Autoestado{E[k], vectorPropio(m, VJ, E[k])};
    });
    return x;
}

// dE/dx of a state, x = J(J+1): the mean of 1/(2 mu R^2) (Hellmann-Feynman).
double pendienteRotacional(const Problema& p, const MallaRadial& m, const std::vector<double>& c) {
    double s = 0.0;
    for (std::size_t i = 0; i < c.size(); ++i) {
        s += c[i] * c[i] * centrifugo(1, p.mu, m.R[i]) / 2.0;
    }
    return s;
}

// One level of J = 0 followed up the J ladder: each J's guess is the last energy moved along
// its slope, with the slope's change as curvature, and the last vector starts the iteration.
// A level that rises past its J's limit is gone for good: E(v, J) grows with J faster than
// the limit does (where a kept inner wall breaks that, the count in `completos` tells).
std::vector<std::optional<Autoestado>> escalera(const Problema& p, const MallaRadial& m,
                                                const std::vector<std::vector<double>>& VJ,
                                                const std::vector<double>& limites,
                                                const Autoestado& base, double residuo) {
    std::vector<std::optional<Autoestado>> x(VJ.size());
    const Autoestado* anterior = &base;
    double pendienteAnterior = 0.0;
    for (std::size_t J = 1; J < VJ.size(); ++J) {
        const double pendiente = pendienteRotacional(p, m, anterior->c);
        const double x0 = static_cast<double>((J - 1) * J), x1 = static_cast<double>(J * (J + 1));
        double E = anterior->E + pendiente * (x1 - x0);
        if (J >= 2) {
            const double xAnterior = static_cast<double>((J - 2) * (J - 1));
            E += 0.5 * (pendiente - pendienteAnterior) / (x0 - xAnterior) * (x1 - x0) * (x1 - x0);
        }
        std::optional<Autoestado> siguiente = refinaAutoestado(m, VJ[J], E, anterior->c, residuo);
        if (!siguiente || siguiente->E > limites[J]) {
            break;
        }
        x[J] = std::move(siguiente);
        anterior = &*x[J];
        pendienteAnterior = pendiente;
    }
    return x;
}

// The ladders found every state below the limit, once each: distinct energies, as many as
// Sylvester's count says lie below it.
bool completos(const MallaRadial& m, const std::vector<double>& VJ, double limite,
               const std::vector<Autoestado>& estados, double residuo) {
    for (std::size_t k = 1; k < estados.size(); ++k) {
        if (!(estados[k].E - estados[k - 1].E > 4.0 * residuo)) {
            return false;
        }
    }
    return autovaloresDebajo(m, VJ, limite) == static_cast<int>(estados.size());
}

// The states below the J = 0 limit without the reduction: each level refined from its
// semiclassical guess, the phase integral of k(R) = pi (v + 1/2) (on the grid's own
// quadrature, good to a small share of a spacing, which is all inverse iteration needs), the
// levels side by side. Any the guesses miss above the last are counted and found in what
// is left of the window; none when the count still disagrees (the caller then reduces).
std::optional<std::vector<Autoestado>> estadosSemiclasicos(const Problema& p, const MallaRadial& m,
                                                           const std::vector<double>& V,
                                                           double limite, double residuo) {
    const double Vmin = *std::min_element(V.begin(), V.end());
    const auto fase = [&](double E) {
        double s = 0.0;
        for (std::size_t i = 0; i < V.size(); ++i) {
            if (V[i] < E) {
                s += m.peso[i] * std::sqrt(2.0 * p.mu * (E - V[i]));
            }
        }
        return s;
    };
    const double faseLimite = fase(limite);
    const auto niveles = static_cast<std::size_t>(std::max(0.0, faseLimite / PI + 0.5));
    std::vector<std::optional<Autoestado>> refinados(niveles);
    enParalelo(niveles, [&](std::size_t v) {
        const double objetivo = PI * (static_cast<double>(v) + 0.5);
        const double E = raiz([&](double x) { return objetivo - fase(x); }, Vmin, limite);
        refinados[v] = refinaAutoestado(m, V, E, {}, residuo);
        // Once more with the eigenvalue itself as shift: the vector then comes out exact to
        // rounding, as the distortion constants of J = 0 want, not just to the residual.
        if (refinados[v]) {
            refinados[v] = refinaAutoestado(m, V, refinados[v]->E, refinados[v]->c, residuo);
        }
    });
    std::vector<Autoestado> estados;
    for (std::optional<Autoestado>& e : refinados) {
        if (!e) {
            return std::nullopt;
        }
        if (e->E <= limite) {
            estados.push_back(std::move(*e));
        }
    }
    std::sort(estados.begin(), estados.end(),
              [](const Autoestado& a, const Autoestado& b) { return a.E < b.E; });
    const int debajo = autovaloresDebajo(m, V, limite);
    if (static_cast<int>(estados.size()) < debajo) {
        const double desde = estados.empty() ? Vmin - 1.0 : estados.back().E + 2.0 * residuo;
        for (Autoestado& e : autoestadosContando(m, V, desde, limite, residuo)) {
            estados.push_back(std::move(e));
        }
    }
    for (std::size_t k = 1; k < estados.size(); ++k) {
        if (!(estados[k].E - estados[k - 1].E > 4.0 * residuo)) {
            return std::nullopt;
        }
    }
    if (static_cast<int>(estados.size()) != debajo) {
        return std::nullopt;
    }
    return estados;
}

// The bound states of every J. J = 0 by the whole reduction, O(n^2 kd); its levels are then
// followed up the J ladder, O(n kd^2) each, the ladders in parallel. A J whose ladders do not
// account for all its states is reduced whole instead.
std::vector<std::vector<Autoestado>> estadosLigados(const Problema& p, const MallaRadial& m,
                                                    const std::vector<std::vector<double>>& VJ,
                                                    const std::vector<double>& limites,
                                                    double escala) {
    std::vector<std::vector<Autoestado>> porJ(VJ.size());
    const double residuo = RESIDUO_ESCALERA * escala;
    std::optional<std::vector<Autoestado>> semiclasicos =
        estadosSemiclasicos(p, m, VJ[0], limites[0], residuo);
    porJ[0] = semiclasicos ? std::move(*semiclasicos)
                           : estadosPorReduccion(m, VJ[0], limites[0], residuo);
    std::vector<std::vector<std::optional<Autoestado>>> escaleras(porJ[0].size());
    enParalelo(escaleras.size(), [&](std::size_t v) {
        escaleras[v] = escalera(p, m, VJ, limites, porJ[0][v], residuo);
    });
    enParalelo(VJ.size() - 1, [&](std::size_t i) {
        const std::size_t J = i + 1;
        std::vector<Autoestado> estados;
        for (auto& e : escaleras) {
            if (e[J]) {
                estados.push_back(std::move(*e[J]));
            }
        }
        porJ[J] = completos(m, VJ[J], limites[J], estados, residuo)
                      ? std::move(estados)
                      : estadosPorReduccion(m, VJ[J], limites[J], residuo);
    });
    return porJ;
}

NivelesExactos resuelve(const Problema& p, int JMAX, const OpcionesMalla& opciones) {
    NivelesExactos exactos;
    exactos.JMAX = JMAX;
    exactos.RMIN = p.RMIN;
    exactos.RMAX = p.RMAX;
    exactos.extensiones = p.extensiones;
    std::vector<double> limites;
    for (int J = 0; J <= JMAX; ++J) {
        limites.push_back(limiteJ(p, J));
        exactos.limite_cm1.push_back((limites.back() - p.EEQ) * HARTREE_A_CM1);
    }
    // Distances at or below zero have no radial problem.
    if (!(p.RMAX > p.RMIN && p.RMIN > 0.0 && p.mu > 0.0)) {
        return exactos;
    }
    const double b = extremoExterior(p);
    const std::vector<double> muestras = muestrasR(p.RMIN, b);
    std::vector<double> Vmuestras;
    for (const double R : muestras) {
        Vmuestras.push_back(p.V.V(R));
    }
    const double Vminimo = *std::min_element(Vmuestras.begin(), Vmuestras.end());
    std::vector<std::optional<Barrera>> barreras;
    double Etope = -INFINITO;
    for (int J = 0; J <= JMAX; ++J) {
        barreras.push_back(barrera(p, J, muestras, Vmuestras));
        if (barreras.back() && !p.extensiones.interior) {
            barreras.back()->cima = std::min(barreras.back()->cima, p.VJ(J, p.RMIN));
        }
        Etope = std::max(Etope, barreras.back() ? barreras.back()->cima : limites[J]);
    }
    if (!(Etope > Vminimo) || !std::isfinite(Etope)) {
        return exactos;
    }
    const double a = extremoInterior(p, Etope);
    // The bound levels' grid resolves up to their highest limit only: the quasibound ones
    // above it get grids of their own, and a far tail resolved at the barriers' tops would
    // cost hundreds of points.
    const double Eligados = *std::max_element(limites.begin(), limites.end());
    const MallaRadial m = malla(p, a, b, Eligados, Vminimo, opciones.finura);
    const CurvaEnMalla curva = curvaEnMalla(p, m);
    std::vector<std::vector<double>> VJ;
    for (int J = 0; J <= JMAX; ++J) {
        VJ.push_back(VJmalla(p, m, curva, J));
    }
    std::vector<std::vector<Autoestado>> estados =
        estadosLigados(p, m, VJ, limites, Eligados - Vminimo);
    std::vector<NivelesDeJ> porJ(static_cast<std::size_t>(JMAX + 1));
    enParalelo(porJ.size(), [&](std::size_t J) {
        porJ[J] = nivelesDeJ(p, m, curva, static_cast<int>(J), VJ[J], std::move(estados[J]),
                             limites[J], barreras[J], a, Vminimo, opciones);
    });
    exactos.funciones.R = m.R;
    exactos.funciones.peso = m.peso;
    for (NivelesDeJ& n : porJ) {
        // The bound levels come first in each J, in the order of their vectors.
        for (std::size_t k = 0; k < n.vectores.size(); ++k) {
            exactos.funciones.nivel.push_back(exactos.niveles.size() + k);
            exactos.funciones.c.push_back(std::move(n.vectores[k]));
        }
        exactos.niveles.insert(exactos.niveles.end(), n.niveles.begin(), n.niveles.end());
    }
    exactos.disociacion = disociacion(p, porJ[0].fondo, porJ[0].cambiosFondo);
    exactos.constantes = constantesDeNiveles(exactos.niveles);
    if (exactos.constantes) {
        exactos.dunham = dunhamDeNiveles(exactos.niveles, exactos.constantes->v_usados);
    }
    return exactos;
}

} // namespace

NivelesExactos resuelveNiveles(const Potencial& potencial, const ExtremoCurva& interior,
                               const ExtremoCurva& exterior, const Extensiones& extensiones,
                               double MASARED, double EEQ, int JMAX, OpcionesMalla opciones) {
    Problema p;
    p.V = potencialExtendido(potencial, interior.R, exterior.R, extensiones);
    p.mu = MASARED;
    p.RMIN = interior.R;
    p.RMAX = exterior.R;
    p.EEQ = EEQ;
    p.extensiones = extensiones;
    p.alternativas = cambiosAlternativos(interior, exterior, extensiones);
    p.primeraCola = extensiones.interior ? 2 : 0;
    return resuelve(p, JMAX, opciones);
}

NivelesExactos resuelveNiveles(const Potencial& potencial, double MASARED, double RMIN, double RMAX,
                               double EEQ, int JMAX, OpcionesMalla opciones) {
    ExtremoCurva interior, exterior;
    interior.R = RMIN;
    exterior.R = RMAX;
    return resuelveNiveles(potencial, interior, exterior, {}, MASARED, EEQ, JMAX, opciones);
}

NivelesExactos nivelesExactos(const DatosEntrada& datos, const Ajuste& ajuste,
                              const Constantes& constantes, int JMAX,
                              const OpcionesNiveles& opciones) {
    const Derivada V(ajuste.COEFPOT, 0), dV(ajuste.COEFPOT, 1), d2V(ajuste.COEFPOT, 2);
    const auto extremo = [&](double R) {
        return ExtremoCurva{R, V.valor(R), dV.valor(R), d2V.valor(R)};
    };
    const ExtremoCurva interior = extremo(datos.RMIN), exterior = extremo(datos.RMAX);
    const Potencial potencial{[V](double R) { return V.valor(R); },
                              [dV](double R) { return dV.valor(R); }};
    return resuelveNiveles(potencial, interior, exterior,
                           extensiones(interior, exterior, opciones.cola), datos.MASARED,
                           constantes.EEQ, JMAX, opciones.malla);
}

FuncionOnda funcionOnda(const Potencial& potencial, double MASARED, double RMIN, double RMAX, int v,
                        int J, OpcionesMalla opciones) {
    return funcionOnda(potencial, {}, MASARED, RMIN, RMAX, v, J, opciones);
}

FuncionOnda funcionOnda(const Potencial& potencial, const Extensiones& extensiones, double MASARED,
                        double RMIN, double RMAX, int v, int J, OpcionesMalla opciones) {
    FuncionOnda f;
    if (!(RMAX > RMIN && RMIN > 0.0 && MASARED > 0.0 && v >= 0 && J >= 0)) {
        return f;
    }
    Problema p;
    p.V = potencialExtendido(potencial, RMIN, RMAX, extensiones);
    p.mu = MASARED;
    p.RMIN = RMIN;
    p.RMAX = RMAX;
    p.extensiones = extensiones;
    const double Etope = limiteJ(p, J);
    const double b = extremoExterior(p);
    double Vminimo = INFINITO;
    for (const double R : muestrasR(RMIN, b)) {
        Vminimo = std::min(Vminimo, p.VJ(J, R));
    }
    if (!(Etope > Vminimo)) {
        return f;
    }
    const double a = extremoInterior(p, Etope);
    const MallaRadial m = malla(p, a, b, Etope, Vminimo, opciones.finura);
    // Between walls any state can be drawn; on the extended curve only the bound ones.
    const bool extendida = extensiones.interior || extensiones.exterior;
    const std::vector<double> VJ = VJmalla(p, m, curvaEnMalla(p, m), J);
    const std::vector<double> E = autovalores(m, VJ, -INFINITO, extendida ? Etope : INFINITO);
    if (static_cast<std::size_t>(v) >= E.size()) {
        return f;
    }
    const std::vector<double> c = vectorPropio(m, VJ, E[static_cast<std::size_t>(v)]);
    // A Lobatto coefficient is chi at its point times the square root of its weight.
    double suma = 0.0;
    for (const double x : c) {
        suma += x;
    }
    const double signo = suma < 0.0 ? -1.0 : 1.0;
    f.R.push_back(a);
    f.chi.push_back(0.0);
    for (std::size_t i = 0; i < c.size(); ++i) {
        f.R.push_back(m.R[i]);
        f.chi.push_back(signo * c[i] / std::sqrt(m.peso[i]));
    }
    f.R.push_back(b);
    f.chi.push_back(0.0);
    return f;
}

namespace {

// Least squares of y on the columns of A (column pivoting: the powers of v + 1/2 and of
// J(J+1) differ by orders of magnitude).
Eigen::VectorXd minimosCuadrados(const Eigen::MatrixXd& A, const Eigen::VectorXd& y) {
    return A.colPivHouseholderQr().solve(y);
}

} // namespace

std::optional<ConstantesDeNiveles> constantesDeNiveles(const std::vector<NivelExacto>& niveles) {
    std::vector<const NivelExacto*> usados;
    for (const NivelExacto& n : niveles) {
        if (n.J == 0 && !n.cerca_pared && !n.cuasiligado && n.bv_cm1 &&
            n.incertidumbre_cm1 < INCERTIDUMBRE_CONSTANTES_CM1 &&
            static_cast<int>(usados.size()) < NIVELES_AJUSTE) {
            usados.push_back(&n);
        }
    }
    if (static_cast<int>(usados.size()) < NIVELES_AJUSTE_MINIMOS) {
        return std::nullopt;
    }
    // With the fewest levels, one term less in each fit.
    const bool completo = usados.size() > static_cast<std::size_t>(NIVELES_AJUSTE_MINIMOS);
    const Eigen::Index m = static_cast<Eigen::Index>(usados.size());
    const Eigen::Index nG = completo ? 4 : 3, nB = completo ? 3 : 2, nD = completo ? 2 : 1;
    Eigen::MatrixXd G(m, nG), B(m, nB), D(m, nD);
    Eigen::VectorXd g(m), bv(m), dv(m);
    for (Eigen::Index i = 0; i < m; ++i) {
        const NivelExacto& n = *usados[static_cast<std::size_t>(i)];
        const double x = n.v + 0.5;
        const double potencias[] = {x, -x * x, x * x * x, x * x * x * x};
        const double enB[] = {1.0, -x, x * x};
        const double enD[] = {1.0, x};
        G.row(i) = Eigen::Map<const Eigen::RowVectorXd>(potencias, nG);
        B.row(i) = Eigen::Map<const Eigen::RowVectorXd>(enB, nB);
        D.row(i) = Eigen::Map<const Eigen::RowVectorXd>(enD, nD);
        g[i] = n.e_cm1;
        bv[i] = *n.bv_cm1;
        dv[i] = n.dv_cm1.value_or(0.0);
    }
    const Eigen::VectorXd cg = minimosCuadrados(G, g), cb = minimosCuadrados(B, bv),
                          cd = minimosCuadrados(D, dv);
    ConstantesDeNiveles c{cg[0], cg[1], cg[2], cb[0], cb[1], {}};
    for (const NivelExacto* n : usados) {
        c.v_usados.push_back(n->v);
    }
    c.de = cd[0];
    if (completo) {
        c.weze = cg[3];
        c.gamma_e = cb[2];
        c.beta_e = cd[1];
    }
    return c;
}

std::optional<Dunham> dunhamDeNiveles(const std::vector<NivelExacto>& niveles,
                                      const std::vector<int>& v_usados) {
    constexpr int J_DUNHAM = 10;
    std::vector<const NivelExacto*> usados;
    bool conJ2 = false;
    for (const NivelExacto& n : niveles) {
        if (!n.cuasiligado && n.J <= J_DUNHAM &&
            std::find(v_usados.begin(), v_usados.end(), n.v) != v_usados.end()) {
            usados.push_back(&n);
            conJ2 = conJ2 || n.J >= 2;
        }
    }
    if (v_usados.size() < 4 || !conJ2) {
        return std::nullopt;
    }
    const Eigen::Index m = static_cast<Eigen::Index>(usados.size());
    Eigen::MatrixXd A(m, 12);
    Eigen::VectorXd y(m);
    for (Eigen::Index i = 0; i < m; ++i) {
        const NivelExacto& n = *usados[static_cast<std::size_t>(i)];
        const double x = n.v + 0.5, jj = static_cast<double>(n.J) * (n.J + 1);
        for (int k = 0; k < 4; ++k) {
            for (int l = 0; l < 3; ++l) {
                A(i, 3 * k + l) = std::pow(x, k) * std::pow(jj, l);
            }
        }
        y[i] = n.e_cm1;
    }
    const Eigen::VectorXd c = minimosCuadrados(A, y);
    Dunham d;
    for (int k = 0; k < 4; ++k) {
        for (int l = 0; l < 3; ++l) {
            d.Y[static_cast<std::size_t>(k)][static_cast<std::size_t>(l)] = c[3 * k + l];
        }
    }
    return d;
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

std::vector<Aviso> avisosNiveles(const NivelesExactos& exactos) {
    std::vector<Aviso> avisos;
    if (const auto sinNiveles = avisoSinNiveles(exactos)) {
        avisos.push_back(*sinNiveles);
    }
    if (!exactos.extensiones.interior) {
        avisos.push_back(
            {"inner_wall_kept",
             "La curva ajustada no es una pared repulsiva en la distancia más corta de los datos "
             "(hace falta V' < 0 y V'' > 0): los niveles exactos tienen allí una pared rígida y "
             "los que la sienten no son fiables."});
    }
    if (!exactos.extensiones.exterior) {
        avisos.push_back(
            {"outer_wall_kept",
             "La curva ajustada no sube hacia una asíntota en la distancia más larga de los datos "
             "(hace falta V' > 0): los niveles exactos tienen allí una pared rígida y no se da "
             "la energía de disociación."});
    }
    return avisos;
}

} // namespace curvifit
