// Cost of the exact levels, J = 0..20, on fitted curves (powers 0..4) continued past the
// data: a CO-like one (28 points from 1.70 to 3.35 bohr) and an H2-like one (20 points from
// 1.0 to 2.9 bohr), the fit done once outside the timed loop; then whole runs as curvifit
// does them (read, fit, report, levels, JSON text) on the shipped CO example (goal: under
// 100 ms) and on a Br2-like curve with more than 100 bound levels per J (goal: under 300 ms).
#include "calcula.h"
#include "escriberes.h"
#include "leedatos.h"
#include "niveles_exactos.h"
#include "resultado_json.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>

namespace {

using namespace curvifit;

std::string numero(double v) {
    char texto[64];
    const auto fin = std::to_chars(texto, texto + sizeof texto, v);
    return std::string(texto, fin.ptr);
}

// A Morse curve from we, wexe (1/cm), re (bohr) and the atoms' masses (u), sampled at n
// equally spaced distances, as a data file in atomic units.
std::string documento(double we, double wexe, double re, double m1, double m2, int n, double desde,
                      double hasta) {
    const double mu = m1 * m2 / (m1 + m2) * curvifit::MASAS_ELECTRON_POR_UMA;
    const double w = we / 219474.6313632, wx = wexe / 219474.6313632;
    const double De = w * w / (4.0 * wx), a = std::sqrt(2.0 * mu * wx);
    std::string texto =
        "banco\r\n0 1 2 3 4 \r\n" + numero(m1) + "   " + numero(m2) + "\r\nUA   UA\r\n";
    for (int i = 0; i < n; ++i) {
        const double r = desde + (hasta - desde) * i / (n - 1);
        const double e = 1.0 - std::exp(-a * (r - re));
        texto += numero(r) + "   " + numero(De * e * e - 1.0) + "\r\n";
    }
    return texto;
}

void nivelesDe(benchmark::State& estado, const std::string& texto) {
    std::istringstream datos(texto);
    std::ostringstream curva;
    const DatosEntrada leidos = LEEDATOS(datos, "banco", curva);
    const Resultado resultado = CALCULA(leidos, curva);
    std::size_t niveles = 0;
    for (auto _ : estado) {
        const NivelesExactos n =
            nivelesExactos(leidos, resultado.ajuste, resultado.constantes, JMAX_DEFECTO);
        niveles = n.niveles.size();
        benchmark::DoNotOptimize(n.niveles.data());
    }
    estado.counters["niveles"] = static_cast<double>(niveles);
}

void BM_NivelesExactosCO(benchmark::State& estado) {
    nivelesDe(estado, documento(2169.8, 13.29, 2.132, 12.011, 15.999, 28, 1.70, 3.35));
}
BENCHMARK(BM_NivelesExactosCO)->Unit(benchmark::kMillisecond);

void BM_NivelesExactosH2(benchmark::State& estado) {
    nivelesDe(estado, documento(4401.2, 121.3, 1.401, 1.0079, 1.0079, 20, 1.0, 2.9));
}
BENCHMARK(BM_NivelesExactosH2)->Unit(benchmark::kMillisecond);

// One run from the data file's text to the result file's text, as curvifit NAME does it.
void ejecucionCompleta(benchmark::State& estado, const std::string& texto) {
    std::size_t niveles = 0;
    for (auto _ : estado) {
        std::istringstream datos(texto);
        std::ostringstream curva, informe;
        const DatosEntrada leidos = LEEDATOS(datos, "banco", curva);
        const Resultado resultado = CALCULA(leidos, curva);
        ESCRIBERES(informe, leidos, resultado);
        const NivelesExactos n =
            nivelesExactos(leidos, resultado.ajuste, resultado.constantes, JMAX_DEFECTO);
        const std::string json = resultadoJson("banco", leidos, resultado, n).dump(2);
        niveles = n.niveles.size();
        benchmark::DoNotOptimize(json.data());
    }
    estado.counters["niveles"] = static_cast<double>(niveles);
}

void BM_CurvifitCO(benchmark::State& estado) {
    std::ifstream fichero(OSCILAB_SOURCE_DIR "/datos/CO.qvd", std::ios::binary);
    std::ostringstream texto;
    texto << fichero.rdbuf();
    ejecucionCompleta(estado, texto.str());
}
BENCHMARK(BM_CurvifitCO)->Unit(benchmark::kMillisecond);

// Br2: we 325.3, wexe 1.077 1/cm, re 2.281 A; a Morse curve of these holds about 150 levels.
void BM_CurvifitBr2(benchmark::State& estado) {
    ejecucionCompleta(estado, documento(325.3, 1.077, 4.310, 78.918, 80.916, 40, 3.6, 7.5));
}
BENCHMARK(BM_CurvifitBr2)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
