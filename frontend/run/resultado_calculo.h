// What a run left, handed from the run to the results window: the run's name, the paths of
// its files and its result as read once. No window rebuilds these paths.
#pragma once

#include "compartido/resultado.h"
#include "resultado_json.h"

#include <QFileInfo>
#include <QString>

#include <memory>

namespace oscilab {

struct ResultadoCalculo {
    QString nombrebase; // the bare name the engine was given
    QString informe;    // result/NAME.res
    QString curva;      // result/NAME.scs
    QString resultado;  // result/NAME.json
    // result/NAME.json as read once, for every window of this run.
    std::shared_ptr<const curvifit::ResultadoEjecucion> datos;
    int puntos = 0; // the points the engine read, from result/NAME.json
    // The folder of the run's files, ending in "/".
    QString carpeta() const { return QFileInfo(informe).absolutePath() + QLatin1Char('/'); }
};

// A finished run: its files and result, or why it has none to show.
using CalculoTerminado = Resultado<ResultadoCalculo>;

// The files of a run of `nombrebase` in the results folder `dirresult` (ending in "/").
inline ResultadoCalculo ficherosDeCalculo(const QString& dirresult, const QString& nombrebase) {
    ResultadoCalculo r;
    r.nombrebase = nombrebase;
    r.informe = dirresult + nombrebase + QStringLiteral(".res");
    r.curva = dirresult + nombrebase + QStringLiteral(".scs");
    r.resultado = dirresult + nombrebase + QStringLiteral(".json");
    return r;
}

} // namespace oscilab
