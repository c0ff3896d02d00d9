// What added isotopologues cost beside the run's own exact levels (J = 0..20): one species'
// levels, then the four species the isotope tab ticks by default for HCl (¹H and ²H, ³⁵Cl and
// ³⁷Cl) on the H³⁵Cl curve of the validation set, the document's own species among them as in
// a real run. HF with ¹H, ²H, ³H and an ¹⁸F-like mass shows a heavier set (tritium costs about
// twice ¹H: a heavier species needs a finer grid and has more levels). The fit is done once,
// outside the timed loops.
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
    NivelesExactos exactos;
};

Corrida corrida(const char* ruta) {
    std::ifstream fichero(ruta, std::ios::binary);
    std::ostringstream curva;
    Corrida c;
    c.datos = LEEDATOS(fichero, ruta, curva);
    c.resultado = CALCULA(c.datos, curva);
    c.exactos = nivelesExactos(c.datos, c.resultado.ajuste, c.resultado.constantes, JMAX_DEFECTO);
    return c;
}

const char* const HCL = OSCILAB_SOURCE_DIR "/validacion/7_dcl_isotopologo/datos/HCl.qvd";
const char* const HF = OSCILAB_SOURCE_DIR "/datos/HF.qvd";

const std::vector<MasasIsotopologo> masasHCl = {{1.00782503223, 34.968852682},
                                                {1.00782503223, 36.965902602},
                                                {2.01410177812, 34.968852682},
                                                {2.01410177812, 36.965902602}};
const std::vector<MasasIsotopologo> masasHF = {{1.00782503, 18.99840322},
                                               {2.01410178, 18.99840322},
                                               {3.01604928, 18.99840322},
                                               {1.00782503, 18.0009380}};

void BM_NivelesUnaEspecie(benchmark::State& estado, const char* ruta) {
    const Corrida c = corrida(ruta);
    for (auto _ : estado) {
        const NivelesExactos n =
            nivelesExactos(c.datos, c.resultado.ajuste, c.resultado.constantes, JMAX_DEFECTO);
        benchmark::DoNotOptimize(n.niveles.data());
    }
}
BENCHMARK_CAPTURE(BM_NivelesUnaEspecie, HCl, HCL)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_NivelesUnaEspecie, HF, HF)->Unit(benchmark::kMillisecond)->UseRealTime();

// The run's own levels serve the species that has the document's masses.
void BM_CuatroIsotopologos(benchmark::State& estado, const char* ruta,
                           const std::vector<MasasIsotopologo>* masas) {
    const Corrida c = corrida(ruta);
    for (auto _ : estado) {
        const std::vector<Isotopologo> especies =
            calculaIsotopologos(c.datos, c.resultado, *masas, JMAX_DEFECTO, {}, &c.exactos);
        benchmark::DoNotOptimize(especies.data());
    }
}
BENCHMARK_CAPTURE(BM_CuatroIsotopologos, HCl, HCL, &masasHCl)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_CuatroIsotopologos, HF, HF, &masasHF)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

BENCHMARK_MAIN();
