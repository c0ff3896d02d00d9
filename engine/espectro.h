// The infrared spectrum of the main species from the exact bound levels and a dipole curve:
// transition moments between levels with Delta J = +-1 (a 1-Sigma state), Einstein A
// coefficients, intensities at a temperature (HITRAN's definition, cm/molecule), the
// partition function over the computed levels and the radiative lifetimes.
#pragma once

#include "constantes_fisicas.h"

#include "dipolo.h"
#include "niveles_exactos.h"

#include <optional>
#include <string>
#include <vector>

namespace curvifit {

constexpr double TEMPERATURA_DEFECTO_K = 296.0;
// Q(T) is truncated when the levels above JMAX would add more than this share.
constexpr double TRUNCAMIENTO_Q = 1e-4;
// The listed lines: v' - v'' at most this, and at least this share of the strongest.
constexpr int SALTO_V_LISTADO = 3;
constexpr double INTENSIDAD_RELATIVA_MINIMA = 1e-6;

struct NivelEspectro {
    int v = 0, J = 0;
    double e_cm1 = 0.0;           // above the lowest bound level
    std::optional<double> bv_cm1; // J = 0 only: extrapolates Q past JMAX when JMAX = 0
};

struct LineaEspectral {
    std::size_t superior = 0, inferior = 0; // into Espectro::niveles
    int v_sup = 0, j_sup = 0, v_inf = 0, j_inf = 0;
    char rama = 'R'; // R when J' = J'' + 1, P when J' = J'' - 1
    double numero_onda_cm1 = 0.0;
    // <v'J'|mu|v''J''> with each chi positive at its inner turning point.
    double momento_debye = 0.0;
    double einstein_a_s1 = 0.0;
    double e_inferior_cm1 = 0.0;
    double intensidad = 0.0; // cm/molecule at Espectro::temperatura_k
};

struct VidaRadiativa {
    int v = 0, J = 0;
    double tau_s = 0.0;
};

struct Espectro {
    double temperatura_k = TEMPERATURA_DEFECTO_K;
    double funcion_particion = 0.0;
    bool q_truncada = false;
    int JMAX = 0;
    CurvaDipolo dipolo;
    std::vector<NivelEspectro> niveles; // the bound levels, as NivelesExactos lists them
    std::vector<LineaEspectral> lineas; // every allowed one, by wavenumber
    std::vector<VidaRadiativa> vidas;   // the levels that can decay, as niveles lists them
};

// S(J', J''): J' + 1 when J'' = J' + 1, J' when J'' = J' - 1, else 0.
double factorHonlLondon(int j_sup, int j_inf);

// A(v'J' -> v''J'') = 3.136189e-7 nu^3 |M|^2 S / (2J' + 1), s^-1.
double coeficienteEinsteinA(double numero_onda_cm1, double momento_debye, int j_sup, int j_inf);

// I = (2J'+1) A exp(-c2 E''/T) (1 - exp(-c2 nu/T)) / (8 pi c nu^2 Q), cm/molecule (g = 1).
double intensidadLinea(double einstein_a_s1, double numero_onda_cm1, int j_sup,
                       double e_inferior_cm1, double temperatura_k, double Q);

// Everything at temperature T, from the exact levels' bound functions (none: no lines).
Espectro calculaEspectro(const NivelesExactos& exactos, const CurvaDipolo& dipolo,
                         double temperatura_k = TEMPERATURA_DEFECTO_K);

// Q(T), its truncation and the intensities at another temperature, without solving again.
void aplicaTemperatura(Espectro& espectro, double temperatura_k);

// A run's spectrum from datos/NAME.dip (rutaDip): none without the file; none and the
// reason among the warnings when the file is refused (the run goes on).
struct EspectroDelResultado {
    std::optional<Espectro> espectro;
    std::vector<Aviso> avisos;
};
EspectroDelResultado espectroDelDocumento(const std::string& rutaDip, const NivelesExactos& exactos,
                                          double re_bohr, double temperatura_k);

// The lines the result file lists: v' - v'' <= 3 and at least 1e-6 of the strongest of them.
std::vector<LineaEspectral> lineasListadas(const Espectro& espectro);

} // namespace curvifit
