// Cost of a calculation: reading the data, the fit, the minimum search, the constants and
// levels and the report, for an H2-like curve (20 points, powers 0..4) and an argon-dimer-
// like curve (50 points from 5.5 to 15 bohr, all 30 powers, minimum at 7.1 bohr); what the
// result file adds to the argon-like run (the standard errors, the JSON document and its
// text); and the minimum search alone for minima from 2 to 32 bohr, against the plain
// scan's one evaluation of V' per grid point of 1e-05 bohr; and the whole `curvifit CO`
// without its files.
#include "busqueda_minimo.h"
#include "calcula.h"
#include "escriberes.h"
#include "incertidumbres.h"
#include "leedatos.h"
#include "niveles_exactos.h"
#include "resultado_json.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

using namespace curvifit;

std::string numero(double v) {
    char texto[64];
    const auto fin = std::to_chars(texto, texto + sizeof texto, v);
    return std::string(texto, fin.ptr);
}

std::string documento(const std::string& potencias, double masa, int n, double desde, double hasta,
                      double (*V)(double)) {
    std::string texto =
        "banco\r\n" + potencias + "\r\n" + numero(masa) + "   " + numero(masa) + "\r\nUA   UA\r\n";
    for (int i = 0; i < n; ++i) {
        const double r = desde + (hasta - desde) * i / (n - 1);
        texto += numero(r) + "   " + numero(V(r)) + "\r\n";
    }
    return texto;
}

double morseH2(double r) {
    const double e = 1.0 - std::exp(-1.0282 * (r - 1.4011));
    return 0.1745 * e * e - 1.1745;
}

// Lennard-Jones with the argon dimer's well: depth 99.5 1/cm at 7.1 bohr.
double ljAr2(double r) {
    const double De = 99.5 * HARTREE_POR_CM1;
    const double s6 = std::pow(7.1 / r, 6);
    return De * (s6 * s6 - 2.0 * s6);
}

std::string todasLasPotencias() {
    std::string texto;
    for (int p = POTENCIA_MIN; p <= POTENCIA_MAX; ++p) {
        texto += std::to_string(p) + " ";
    }
    return texto;
}

void calculoCompleto(benchmark::State& estado, const std::string& texto, bool conJson = false) {
    for (auto _ : estado) {
        std::istringstream datos(texto);
        std::ostringstream curva;
        std::ostringstream informe;
        const DatosEntrada leidos = LEEDATOS(datos, "banco", curva);
        const Resultado resultado = CALCULA(leidos, curva);
        ESCRIBERES(informe, leidos, resultado);
        benchmark::DoNotOptimize(informe.str().size());
        if (conJson) {
            benchmark::DoNotOptimize(
                resultadoJson("datos/banco.qvd", leidos, resultado, {}).dump(2));
        }
    }
}

std::string documentoAr2() {
    return documento(todasLasPotencias(), 39.948, 50, 5.5, 15.0, ljAr2);
}

// The argon-like case read and computed once, for the pieces of the result file alone.
struct CasoAr2 {
    DatosEntrada datos;
    Resultado resultado;
};

CasoAr2 casoAr2() {
    std::istringstream texto(documentoAr2());
    std::ostringstream curva;
    CasoAr2 caso{LEEDATOS(texto, "banco", curva), {}};
    caso.resultado = CALCULA(caso.datos, curva);
    return caso;
}

void BM_CalculoH2(benchmark::State& estado) {
    calculoCompleto(estado, documento("0 1 2 3 4 ", 1.0079, 20, 1.0, 2.9, morseH2));
}
BENCHMARK(BM_CalculoH2)->Unit(benchmark::kMicrosecond);

// The whole of `curvifit CO` but the files: the shipped CO example read, fitted, reported,
// its exact levels up to the default J and its result file built.
void BM_CurvifitCO(benchmark::State& estado) {
    std::ifstream fichero(OSCILAB_SOURCE_DIR "/datos/CO.qvd", std::ios::binary);
    const std::string texto((std::istreambuf_iterator<char>(fichero)),
                            std::istreambuf_iterator<char>());
    for (auto _ : estado) {
        std::istringstream datos(texto);
        std::ostringstream curva;
        std::ostringstream informe;
        const DatosEntrada leidos = LEEDATOS(datos, "datos/CO.qvd", curva);
        const Resultado resultado = CALCULA(leidos, curva);
        ESCRIBERES(informe, leidos, resultado);
        const NivelesExactos exactos =
            nivelesExactos(leidos, resultado.ajuste, resultado.constantes, JMAX_DEFECTO);
        benchmark::DoNotOptimize(
            resultadoJson("datos/CO.qvd", leidos, resultado, exactos).dump(1).size());
    }
}
BENCHMARK(BM_CurvifitCO)->Unit(benchmark::kMillisecond);

void BM_CalculoAr2TreintaPotencias(benchmark::State& estado) {
    calculoCompleto(estado, documentoAr2());
}
BENCHMARK(BM_CalculoAr2TreintaPotencias)->Unit(benchmark::kMicrosecond);

// The same run with the result file's document built and turned into text.
void BM_CalculoAr2ConJson(benchmark::State& estado) {
    calculoCompleto(estado, documentoAr2(), true);
}
BENCHMARK(BM_CalculoAr2ConJson)->Unit(benchmark::kMicrosecond);

void BM_ErroresTipicosAr2(benchmark::State& estado) {
    const CasoAr2 caso = casoAr2();
    for (auto _ : estado) {
        benchmark::DoNotOptimize(
            constantesConError(caso.datos, caso.resultado.ajuste, caso.resultado.constantes));
    }
}
BENCHMARK(BM_ErroresTipicosAr2)->Unit(benchmark::kMicrosecond);

void BM_ResultadoJsonAr2(benchmark::State& estado) {
    const CasoAr2 caso = casoAr2();
    for (auto _ : estado) {
        benchmark::DoNotOptimize(
            resultadoJson("datos/banco.qvd", caso.datos, caso.resultado, {}).dump(2));
    }
}
BENCHMARK(BM_ResultadoJsonAr2)->Unit(benchmark::kMicrosecond);

// The document built, turned into text, written to a temporary file and renamed into place.
void BM_EscribeResultadoJsonAr2(benchmark::State& estado) {
    const CasoAr2 caso = casoAr2();
    const std::string ruta =
        (std::filesystem::temp_directory_path() / "bench_oscilab_resultado.json").string();
    for (auto _ : estado) {
        escribeResultadoJson(ruta,
                             resultadoJson("datos/banco.qvd", caso.datos, caso.resultado, {}));
    }
    std::filesystem::remove(ruta);
}
BENCHMARK(BM_EscribeResultadoJsonAr2)->Unit(benchmark::kMicrosecond);

// A Lennard-Jones curve with its minimum at Re bohr, as power coefficients.
CoeficientesPotencia lennardJones(double Re) {
    CoeficientesPotencia c{};
    c[indicePotencia(-12)] = std::pow(Re, 12);
    c[indicePotencia(-6)] = -2.0 * std::pow(Re, 6);
    return c;
}

void BM_BusquedaMinimo(benchmark::State& estado) {
    const CoeficientesPotencia c = lennardJones(static_cast<double>(estado.range(0)));
    for (auto _ : estado) {
        benchmark::DoNotOptimize(buscaMinimo(c, 50.0).x);
    }
    // Grid points where V' was evaluated, against the plain scan's one per point.
    estado.counters["evaluaciones"] = static_cast<double>(buscaMinimo(c, 50.0).evaluaciones);
}
BENCHMARK(BM_BusquedaMinimo)
    ->Arg(2)
    ->Arg(4)
    ->Arg(8)
    ->Arg(16)
    ->Arg(32)
    ->Unit(benchmark::kMicrosecond);

void BM_BusquedaMinimoPasoAPaso(benchmark::State& estado) {
    const CoeficientesPotencia c = lennardJones(static_cast<double>(estado.range(0)));
    for (auto _ : estado) {
        benchmark::DoNotOptimize(buscaMinimoPasoAPaso(c, 50.0).x);
    }
}
BENCHMARK(BM_BusquedaMinimoPasoAPaso)->Arg(2)->Arg(8)->Unit(benchmark::kMillisecond);

// The longest search: a repulsive curve over all 30 powers, scanned up to the 50 bohr bound.
void BM_BusquedaSinMinimo(benchmark::State& estado) {
    CoeficientesPotencia c{};
    for (int p = POTENCIA_MIN; p <= POTENCIA_MAX; ++p) {
        c[indicePotencia(p)] = p < 0 ? 1.0 : 1e-40;
    }
    for (auto _ : estado) {
        benchmark::DoNotOptimize(buscaMinimo(c, LIMITE_ABSOLUTO_BUSQUEDA).x);
    }
}
BENCHMARK(BM_BusquedaSinMinimo)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
