// What added isotopologues cost beside the run's own exact levels (J = 0..20) on the HF
// example: one species' levels, then four species (¹H¹⁹F, ²H¹⁹F, ³H¹⁹F, ¹H¹⁸F-like masses)
// with their constants and levels. The fit is done once, outside the timed loops.
#include "calcula.h"
#include "isotopologos.h"
#include "leedatos.h"
#include "niveles_exactos.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

namespace {

using namespace curvifit;

struct Corrida {
    DatosEntrada datos;
    Resultado resultado;
};

Corrida corridaHF() {
    std::ifstream fichero(OSCILAB_SOURCE_DIR "/datos/HF.qvd", std::ios::binary);
    std::ostringstream curva;
    Corrida c;
    c.datos = LEEDATOS(fichero, "HF.qvd", curva);
    c.resultado = CALCULA(c.datos, curva);
    return c;
}

void BM_NivelesUnaEspecie(benchmark::State& estado) {
    const Corrida c = corridaHF();
    for (auto _ : estado) {
        const NivelesExactos n =
            nivelesExactos(c.datos, c.resultado.ajuste, c.resultado.constantes, JMAX_DEFECTO);
        benchmark::DoNotOptimize(n.niveles.data());
    }
}
BENCHMARK(BM_NivelesUnaEspecie)->Unit(benchmark::kMillisecond)->UseRealTime();

const std::vector<MasasIsotopologo> masas = {{1.00782503, 18.99840322},
                                             {2.01410178, 18.99840322},
                                             {3.01604928, 18.99840322},
                                             {1.00782503, 18.0009380}};

// Each species alone, on one thread: a heavier one needs a finer grid and costs more.
void BM_UnIsotopologo(benchmark::State& estado) {
    const Corrida c = corridaHF();
    const MasasIsotopologo m = masas[static_cast<std::size_t>(estado.range(0))];
    for (auto _ : estado) {
        const Isotopologo especie = calculaIsotopologo(c.datos, c.resultado, m, JMAX_DEFECTO);
        benchmark::DoNotOptimize(especie.exactos.niveles.data());
    }
}
BENCHMARK(BM_UnIsotopologo)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_CuatroIsotopologos(benchmark::State& estado) {
    const Corrida c = corridaHF();
    for (auto _ : estado) {
        const std::vector<Isotopologo> especies =
            calculaIsotopologos(c.datos, c.resultado, masas, JMAX_DEFECTO);
        benchmark::DoNotOptimize(especies.data());
    }
}
BENCHMARK(BM_CuatroIsotopologos)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
