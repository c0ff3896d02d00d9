// The fit explorer: which powers predict the points best? A family of candidate power sets is
// fitted to the same points and ranked by the leave-one-out prediction error, taken from the
// hat matrix of each fit's own decomposition (no refitting).
#pragma once

#include "datos_motor.h"
#include "incertidumbres.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace curvifit {

// Bounds of the generated candidates: contiguous ranges of at least 3 and at most
// min(N - 2, 12) powers. N - 2 keeps at least one degree of freedom beyond AICc's k + 1.
constexpr int POTENCIAS_MINIMAS_CANDIDATO = 3;
constexpr int POTENCIAS_MAXIMAS_CANDIDATO = 12;

// 1 - h_i below this counts as a point the fit passes through exactly: no prediction for it.
constexpr double APALANCAMIENTO_LIMITE = 1e-10;

// A candidate power set: bit p + 15 set when R^p takes part.
using ConjuntoPotencias = std::uint32_t;

ConjuntoPotencias conjuntoDe(const TablaPotencias& POTUSADA);
TablaPotencias tablaDe(ConjuntoPotencias conjunto);
std::vector<int> potenciasDe(ConjuntoPotencias conjunto);
int numeroPotencias(ConjuntoPotencias conjunto);
bool esContiguo(ConjuntoPotencias conjunto);

// The powers as a user reads them: "-4..4", "-4..4 sin 1", or the list "-6 -1 0 2".
std::string textoPotencias(ConjuntoPotencias conjunto);

// Below this many points a leave-one-out ranking says little: the family then also lists the
// exact fits, and the window says so.
constexpr int PUNTOS_CLASIFICACION_FIABLE = 8;

// Every contiguous range within -15..14 with 3..min(N - 2, 12) powers; each such range with
// the power 1, and separately -1, removed (kept when 3 powers remain); then the document's
// set, with fewer than PUNTOS_CLASIFICACION_FIABLE points every contiguous range of N powers
// (the fits through every point), and the user's sets. No set appears twice; the first
// occurrence keeps its place.
std::vector<ConjuntoPotencias> familiaCandidatos(int N, ConjuntoPotencias documento,
                                                 const std::vector<ConjuntoPotencias>& usuario);

// The five constants the explorer shows, in the order of its table.
constexpr std::array<Constante, 5> CONSTANTES_EXPLORADOR = {Constante::ReBohr, Constante::WeCm1,
                                                            Constante::WexeCm1, Constante::BeCm1,
                                                            Constante::AlphaECm1};

struct EvaluacionCandidato {
    ConjuntoPotencias potencias = 0;
    bool delDocumento = false;
    double rms = 0.0;      // hartree
    double press = 0.0;    // sum of (e_i / (1 - h_i))^2, hartree^2; +inf when undefined
    double pressRms = 0.0; // sqrt(PRESS / N), hartree
    double aicc = 0.0;     // +inf when N - k - 1 <= 0
    int rango = 0;         // kept singular values: the fit's k
    std::vector<double> singularesDescartados;    // of the column-scaled matrix
    std::optional<double> minimo;                 // the polished equilibrium distance, bohr
    bool minimoDentro = false;                    // within [RMIN, RMAX]
    std::optional<ConstantesConError> constantes; // when the scan found a minimum
};

// Fits one power set to the points of datos (their own powers are ignored). Needs the set
// to have at most N powers and no negative power when a point lies at R = 0.
EvaluacionCandidato evaluaCandidato(const DatosEntrada& datos, ConjuntoPotencias potencias);

// Whether datos can be fitted with this set at all.
bool candidatoAjustable(const DatosEntrada& datos, ConjuntoPotencias potencias);

// Candidates with a minimum inside the data first, by sqrt(PRESS/N) ascending; then those
// without one, in the same order. Ties keep the family's order.
void ordenaCandidatos(std::vector<EvaluacionCandidato>& candidatos);

struct OpcionesExploracion {
    std::vector<ConjuntoPotencias> usuario;
    // Called after each candidate with the count done and the total, from the calling thread.
    std::function<void(int hechos, int total)> progreso;
    // Checked between candidates; when set, the exploration stops and returns nothing.
    const std::atomic<bool>* cancelar = nullptr;
};

// The whole ranking for the points of datos, whose own powers are the document's set. Sets
// that cannot be fitted (more powers than points, negative powers with a point at R = 0) are
// left out. Nothing when cancelled.
std::optional<std::vector<EvaluacionCandidato>> exploraAjustes(const DatosEntrada& datos,
                                                               const OpcionesExploracion& opciones);

} // namespace curvifit
