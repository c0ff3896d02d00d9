// Cost of the fit explorer's whole ranking for 50 points (the goal is under 200 ms): an
// OH-like Morse curve from 0.75 to 2.5 re and the argon-dimer-like Lennard-Jones curve
// from 5.5 to 15 bohr, each with every candidate of the family; and one candidate alone.
#include "explorador.h"
#include "leedatos.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace curvifit;

double morseOH(double r) {
    const double e = 1.0 - std::exp(-1.2139 * (r - 1.8324));
    return 0.1697 * e * e;
}

double ljAr2(double r) {
    const double De = 99.5 * HARTREE_POR_CM1;
    const double s6 = std::pow(7.1 / r, 6);
    return De * (s6 * s6 - 2.0 * s6);
}

DatosEntrada puntos(double desde, double hasta, double (*V)(double), double masaReducida) {
    std::vector<double> R;
    std::vector<double> E;
    for (int i = 0; i < 50; ++i) {
        R.push_back(desde + (hasta - desde) * i / 49.0);
        E.push_back(std::round(V(R.back()) * 1e8) / 1e8);
    }
    TablaPotencias documento{};
    for (int p = 0; p <= 4; ++p) {
        documento[indicePotencia(p)] = 1;
    }
    return datosDePuntos(R, E, documento, masaReducida);
}

void BM_ExploracionMorseOH(benchmark::State& estado) {
    const DatosEntrada datos = puntos(0.75 * 1.8324, 2.5 * 1.8324, morseOH, 1728.0);
    std::size_t candidatos = 0;
    for (auto _ : estado) {
        candidatos = exploraAjustes(datos, {})->size();
    }
    estado.counters["candidatos"] = static_cast<double>(candidatos);
}
BENCHMARK(BM_ExploracionMorseOH)->Unit(benchmark::kMillisecond);

void BM_ExploracionAr2(benchmark::State& estado) {
    const DatosEntrada datos = puntos(5.5, 15.0, ljAr2, 36410.0);
    for (auto _ : estado) {
        benchmark::DoNotOptimize(exploraAjustes(datos, {})->size());
    }
}
BENCHMARK(BM_ExploracionAr2)->Unit(benchmark::kMillisecond);

void BM_CandidatoDocePotencias(benchmark::State& estado) {
    const DatosEntrada datos = puntos(0.75 * 1.8324, 2.5 * 1.8324, morseOH, 1728.0);
    ConjuntoPotencias conjunto = 0;
    for (int p = -6; p <= 5; ++p) {
        conjunto |= ConjuntoPotencias{1} << indicePotencia(p);
    }
    for (auto _ : estado) {
        benchmark::DoNotOptimize(evaluaCandidato(datos, conjunto).pressRms);
    }
}
BENCHMARK(BM_CandidatoDocePotencias)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
