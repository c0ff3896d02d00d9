// Cost of the text and spreadsheet imports and of laying out a printed report.
#include "import/importacion.h"
#include "import/importar_csv.h"
#include "import/importar_excel.h"
#include "import/importar_texto.h"
#include "results/impresion_maqueta.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_ImportarTextoCincuentaLineas(benchmark::State& estado) {
    QTemporaryDir dir;
    const QString ruta = dir.filePath("puntos.txt");
    QFile f(ruta);
    f.open(QIODevice::WriteOnly);
    for (int i = 1; i <= 50; ++i) {
        f.write(QByteArray::number(0.5 + 0.1 * i) + ";" + QByteArray::number(-1.0 / i) + "\r\n");
    }
    f.close();
    for (auto _ : estado) {
        benchmark::DoNotOptimize(oscilab::importartexto(ruta, QStringLiteral(";")));
    }
}
BENCHMARK(BM_ImportarTextoCincuentaLineas);

void BM_ImportarExcelDocePuntos(benchmark::State& estado) {
    // The fixtures live beside the sources; CMake compiles with absolute paths.
    const QString ruta =
        QFileInfo(QString::fromUtf8(__FILE__))
            .dir()
            .filePath(QStringLiteral("../tests/frontend/fixtures/segunda_hoja_activa.xls"));
    if (!QFile::exists(ruta)) {
        estado.SkipWithError("no fixture");
        return;
    }
    for (auto _ : estado) {
        benchmark::DoNotOptimize(oscilab::importarexcel(ruta));
    }
}
BENCHMARK(BM_ImportarExcelDocePuntos);

void BM_MaquetarInformeDeCienLineas(benchmark::State& estado) {
    QString informe;
    for (int i = 1; i <= 100; ++i) {
        informe += QStringLiteral("X**  %1    0.123456E+01  ( MEDIA:  0.1234567E+01 ERROR "
                                  "PROB.:  0.12345678E-03)\r\n")
                       .arg(i);
        if (i == 30) {
            informe += QStringLiteral(".../...\r\n");
        }
    }
    for (auto _ : estado) {
        oscilab::RegistroImpresion registro;
        oscilab::MaquetaInforme maqueta(registro);
        maqueta.imprimeinforme(informe, oscilab::tituloPrograma(), QStringLiteral("Archivo: H2"),
                               nullptr);
        benchmark::DoNotOptimize(registro.eventos.size());
    }
}
BENCHMARK(BM_MaquetarInformeDeCienLineas);

// A .csv of short title lines, longer than the part the import reads, with no point: the
// worst case of the record-by-record reading.
void BM_ImportarCsvSoloTitulos(benchmark::State& estado) {
    QTemporaryDir dir;
    const QString ruta = dir.filePath("titulos.csv");
    QFile f(ruta);
    f.open(QIODevice::WriteOnly);
    f.write(QByteArray("x\n").repeated(2 * 1024 * 1024 - 1));
    f.close();
    for (auto _ : estado) {
        benchmark::DoNotOptimize(oscilab::importarcsv(ruta));
    }
}
BENCHMARK(BM_ImportarCsvSoloTitulos)->Unit(benchmark::kMillisecond);

// Each damaged or hostile workbook of the test corpus (zip bombs, huge repeat counts,
// entity expansion) must end in the import's error quickly and in little memory: run
// with --benchmark_filter=Danado under /usr/bin/time -v to see the peak.
void registraCorpusDanado() {
    const QDir corpus(QStringLiteral(OSCILAB_SOURCE_DIR "/tests/frontend/fixtures/danados"));
    for (const QString& nombre : corpus.entryList(QDir::Files, QDir::Name)) {
        const QString ruta = corpus.filePath(nombre);
        benchmark::RegisterBenchmark(
            ("Danado/" + nombre).toStdString().c_str(),
            [ruta](benchmark::State& estado) {
                for (auto _ : estado) {
                    benchmark::DoNotOptimize(oscilab::leeImportacion(
                        oscilab::OrigenImportacion::Excel, ruta, QStringLiteral(",")));
                }
            })
            ->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int main(int argc, char** argv) {
    registraCorpusDanado();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
