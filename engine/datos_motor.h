// The engine's data, grouped by the step that fills it. Each step of a calculation takes
// what it reads and returns what it fills; nothing is kept in globals.
#pragma once

#include "constantes_fisicas.h"
#include "svd.h"

#include <array>
#include <string>
#include <vector>

namespace curvifit {

constexpr int POTENCIA_MIN = -15;
constexpr int POTENCIA_MAX = 14;
constexpr int NUM_POTENCIAS = 30;

// Flags and coefficients indexed by power p = -15..14 are stored at [p + 15].
using TablaPotencias = std::array<int, NUM_POTENCIAS>;
using CoeficientesPotencia = std::array<double, NUM_POTENCIAS>;

constexpr int indicePotencia(int p) {
    return p - POTENCIA_MIN;
}

// What LEEDATOS reads from the data file and derives from it.
struct DatosEntrada {
    std::string TITULO;        // line 1, at most 60 characters
    TablaPotencias POTUSADA{}; // 1 where R^p takes part in the fit
    int NPOT = 0;              // number of power tokens on line 2
    double MASA1 = 0.0;
    double MASA2 = 0.0;
    double MASARED = 0.0;     // reduced mass, electron masses
    std::string UNIDIST;      // 8 characters, blank-padded; "ANGSTROM" after normalising
    std::string UNIENER;      // 2 characters, blank-padded
    double FACDIST = 1.0;     // divisor: input distance -> bohr
    double FACENER = 1.0;     // divisor: input energy -> hartree
    std::vector<double> RDAT; // bohr
    std::vector<double> VDAT; // as read
    std::vector<double> EDAT; // hartree
    std::vector<double> SIGMA;
    double RMIN = 0.0, RMAX = 0.0, EMIN = 0.0, EMAX = 0.0;
    std::vector<double> RMALLA;

    int NPUNTOS() const { return static_cast<int>(RDAT.size()); }
    bool enAngstrom() const { return UNIDIST == "ANGSTROM"; }
};

// SVDFIT's decomposition of the weighted design matrix A after each column j was divided by
// its norm d_j: A D^-1 = U diag(W) V^T with D = diag(d). Kept for the coefficients'
// covariance (D^-1 V W^-2 V^T D^-1) and the leverages (row sums of U^2 over kept columns).
struct DescomposicionEscalada {
    std::vector<double> W;        // singular values, in SVDCMP's order, the discarded ones too
    std::vector<bool> conservado; // W(j) >= 1e-9 times the largest
    int descartados = 0;          // how many fell below that cut
    Matriz U;                     // n x m left singular vectors
    Matriz V;                     // m x m right singular vectors
    std::vector<double> d;        // the column norms
};

// SVDFIT, ERCOEF and the power table built from them.
struct Ajuste {
    std::vector<double> ACOEF;     // ascending order of powers
    std::vector<double> MEDIACOEF; // ERCOEF
    std::vector<double> ERRCOEF;   // ERCOEF
    CoeficientesPotencia COEFPOT{};
    double CHISQ = 0.0;
    DescomposicionEscalada svd;
};

// The molecular constants of CALCULA (atomic units unless stated).
struct Constantes {
    double FACFREC = FACFREC_CM1;
    double XEQ = 0.0; // equilibrium distance in bohr: the scan's stop, polished
    double RE = 0.0;  // in the data file's distance unit
    double EEQ = 0.0;
    double ERRPROBE = 0.0;
    double K2 = 0.0, K3 = 0.0, K4 = 0.0;
    double BE = 0.0, WE = 0.0, WEXE = 0.0;
    double NU = 0.0, XNU = 0.0; // 1/cm
    double ALFA = 0.0, Y00 = 0.0, DE = 0.0;
    double DR = 0.0, DK = 0.0;
};

// NIVELVIBRA's results.
struct Niveles {
    double ANCHONIVEL = 0.0;
    long long VMAX = -1;
    int NNIVELES = -1;
    double ENIVEL = 0.0;
    std::vector<double> energias; // absolute level energies written to the curve file
};

struct Resultado {
    Ajuste ajuste;
    Constantes constantes;
    Niveles niveles;
};

// FUNBAS: the included powers of x in ascending order of power, as integer powers.
std::vector<double> FUNBAS(double x, const TablaPotencias& POTUSADA);

// The included powers in ascending order, as FUNBAS takes them.
std::vector<int> potenciasIncluidas(const TablaPotencias& POTUSADA);

// x^n for an integer n by repeated multiplication (x^0 = 1, x^-n = 1/x^n).
double potenciaEntera(double x, int n);

} // namespace curvifit
