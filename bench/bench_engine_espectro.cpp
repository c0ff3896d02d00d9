// Cost of the spectrum on the shipped CO example, J = 0..20, with a linear dipole (about
// 1.9 D/bohr, CO's slope near equilibrium): the spectrum alone from solved levels (moments,
// A, intensities, lifetimes, the listed lines) and the whole run as curvifit CO does it
// (read, fit, report, levels, dipole fit, spectrum, JSON text; goal: under 200 ms), and the
// ExoMol files' text beside it.
#include "calcula.h"
#include "dipolo.h"
#include "escriberes.h"
#include "espectro.h"
#include "espectro_exomol.h"
#include "leedatos.h"
#include "niveles_exactos.h"
#include "resultado_json.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

namespace {

using namespace curvifit;

std::string textoCO() {
    std::ifstream fichero(OSCILAB_SOURCE_DIR "/datos/CO.qvd", std::ios::binary);
    std::ostringstream texto;
    texto << fichero.rdbuf();
    return texto.str();
}

const std::string DIPOLO = "Angstrom Debye\n0.9 -0.3332\n1.0 -0.1432\n1.1 0.0468\n1.2 0.2368\n"
                           "1.3 0.4268\n1.4 0.6168\n";

CurvaDipolo dipolo(double re) {
    std::istringstream texto(DIPOLO);
    return ajustaDipolo(leeDipolo(texto, "banco.dip"), re);
}

void BM_EspectroCO(benchmark::State& estado) {
    std::istringstream datos(textoCO());
    std::ostringstream curva;
    const DatosEntrada leidos = LEEDATOS(datos, "banco", curva);
    const Resultado resultado = CALCULA(leidos, curva);
    const NivelesExactos n =
        nivelesExactos(leidos, resultado.ajuste, resultado.constantes, JMAX_DEFECTO);
    const CurvaDipolo mu = dipolo(resultado.constantes.XEQ);
    std::size_t lineas = 0, listadas = 0;
    for (auto _ : estado) {
        const Espectro e = calculaEspectro(n, mu);
        const std::vector<LineaEspectral> l = lineasListadas(e);
        lineas = e.lineas.size();
        listadas = l.size();
        benchmark::DoNotOptimize(l.data());
    }
    estado.counters["lineas"] = static_cast<double>(lineas);
    estado.counters["listadas"] = static_cast<double>(listadas);
}
BENCHMARK(BM_EspectroCO)->Unit(benchmark::kMillisecond);

void ejecucion(benchmark::State& estado, bool exomol) {
    const std::string texto = textoCO();
    for (auto _ : estado) {
        std::istringstream datos(texto);
        std::ostringstream curva, informe;
        const DatosEntrada leidos = LEEDATOS(datos, "banco", curva);
        const Resultado resultado = CALCULA(leidos, curva);
        ESCRIBERES(informe, leidos, resultado);
        const NivelesExactos n =
            nivelesExactos(leidos, resultado.ajuste, resultado.constantes, JMAX_DEFECTO);
        EspectroDelResultado espectro;
        espectro.espectro = calculaEspectro(n, dipolo(resultado.constantes.XEQ));
        const std::string json = resultadoJson("banco", leidos, resultado, n, {}, espectro).dump(2);
        benchmark::DoNotOptimize(json.data());
        if (exomol) {
            std::ostringstream estados, transiciones;
            escribeEstadosExomol(estados, *espectro.espectro);
            escribeTransicionesExomol(transiciones, *espectro.espectro);
            benchmark::DoNotOptimize(transiciones.str().data());
        }
    }
}

void BM_CurvifitEspectroCO(benchmark::State& estado) {
    ejecucion(estado, false);
}
BENCHMARK(BM_CurvifitEspectroCO)->Unit(benchmark::kMillisecond);

void BM_CurvifitEspectroExomolCO(benchmark::State& estado) {
    ejecucion(estado, true);
}
BENCHMARK(BM_CurvifitEspectroExomolCO)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
