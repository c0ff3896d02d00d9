// Opening, editing and saving a 500-point document: the model's work and the table view's
// refresh of every row it shows (goal: well under 100 ms in all).
#include "modelo/documento.h"
#include "modelo/modelo_puntos.h"

#include <QApplication>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QByteArray documentoDeQuinientos() {
    QByteArray bytes("Quinientos puntos\r\n0 1 2 3 4 5 6 \r\n1.0079   1.0079\r\nUA   UA\r\n");
    for (int i = 0; i < 500; ++i) {
        const double r = 0.5 + 0.01 * i;
        bytes += QByteArray::number(r, 'g', 17) + "   " +
                 QByteArray::number(-1.0 / r + 0.1234567890123 * r, 'g', 17) + "\r\n";
    }
    return bytes;
}

void BM_AbrirEditarGuardarQuinientos(benchmark::State& estado) {
    QTemporaryDir dir;
    const QString origen = dir.filePath(QStringLiteral("origen.qvd"));
    const QString destino = dir.filePath(QStringLiteral("destino.qvd"));
    QFile f(origen);
    f.open(QIODevice::WriteOnly);
    f.write(documentoDeQuinientos());
    f.close();
    oscilab::Documento documento;
    oscilab::ModeloPuntos modelo(documento);
    QTableView vista;
    vista.setModel(&modelo);
    vista.resize(400, 800);
    vista.show();
    for (auto _ : estado) {
        benchmark::DoNotOptimize(documento.abre(origen));
        for (int i = 1; i <= 50; ++i) {
            documento.ponCelda(i, 2, -1.5 - i);
        }
        documento.ponDistancia(oscilab::Distancia::Angstrom);
        documento.pila()->undo();
        vista.viewport()->repaint();
        benchmark::DoNotOptimize(documento.guarda(destino));
    }
}
BENCHMARK(BM_AbrirEditarGuardarQuinientos)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
