// Full redraw of the plot in the results window at its 800 by 600 size: the curve of all
// 30 powers sampled once per twip of the plot width, the points and the levels.
#include "results/frmgraficos.h"
#include "results/grafico_curva.h"
#include "results/polinomio.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>

namespace {

using namespace oscilab;

void redibujoCompleto(benchmark::State& state) {
    EstadoResultados resultados;
    // Every power from -15 to 14 takes part, small enough to stay finite over the view.
    for (int k = potenciaMinima; k <= potenciaMaxima; ++k) {
        resultados.ponCoeficiente(k, (k % 2 == 0 ? 1e-6 : -1e-6) / (std::abs(k) + 1));
    }
    resultados.ponCoeficiente(0, -1.17);
    DatosCurva datos;
    for (int i = 0; i < 50; ++i) {
        const double r = 0.8 + 0.05 * i;
        datos.puntos.push_back({r, evalpolinomio(resultados.coeficientes, r)});
    }
    for (int v = 0; v < 30; ++v) {
        datos.niveles.push_back(-1.17 + 0.001 * v);
    }
    datos.anchonivel = 0.5;
    frmgraficos ventana(resultados, ResultadoCalculo{}, [] { return 0; });
    GraficoCurva& grafico = *ventana.grafico();
    grafico.ponCurva(datos);
    resultados.limites = *calculalimites(datos.puntos, resultados.coeficientes,
                                         muestrasEnAncho(grafico.anchoTwips()));
    for (auto _ : state) {
        grafico.dibujaVistaCompleta();
        grafico.dibujapuntos();
        grafico.dibujaniveles();
        benchmark::DoNotOptimize(grafico.imagen().constBits());
    }
    state.counters["muestras"] = muestrasEnAncho(grafico.anchoTwips());
    state.counters["ancho_px"] = grafico.width();
}
BENCHMARK(redibujoCompleto)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
