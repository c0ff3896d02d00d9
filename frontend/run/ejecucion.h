// The Run command: runs the engine `curvifit` on the saved document and tells what it
// wrote, or why it failed.
#pragma once

#include "compartido/estado_global.h"
#include "lanzador.h"
#include "resultado_calculo.h"

#include "resultado_json.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

namespace oscilab {

class Documento;

// The bare name the engine is given for a data file, or why the file cannot be run.
// The engine opens datos/NAME.qvd under its working folder, so the file must lie directly
// in `dirdatos` and end in ".qvd", and its bare name must reach the engine unchanged: no
// trailing blank, at most curvifit::ANCHO_ARGUMENTO bytes.
Resultado<QString> nombreDeEjecucion(const QString& fichero, const QString& dirdatos);

// Whether a finished run left results to show, or why not: the engine could not be started,
// crashed, ended with an error, or left no report or no curve file. What the engine wrote on
// standard error is kept as the Fallo's system text.
Resultado<void> compruebaLanzamiento(const ResultadoLanzamiento& resultado, const QString& motor,
                                     bool hayInforme, bool hayCurva);

// result/NAME.json read with the engine's reader: the one place the front end parses a
// run's result. Refuses what is not a regular file or is larger than the reader takes before
// reading it; the message names the file.
curvifit::LecturaResultadoJson leeResultadoDeEjecucion(const QString& ruta);

// Whether `resultado`, read from the file `rutaResultado`, can be shown for the run that just
// wrote `informe`, or why not: its data file, point count or fit differ from the report's.
Resultado<void> comprobacionResultado(const curvifit::ResultadoEjecucion& resultado,
                                      const QString& rutaResultado, const QString& informe,
                                      const QString& nombrebase);

// The calculation on a saved document, run without waiting for the engine.
class Calculo : public QObject {
    Q_OBJECT
public:
    explicit Calculo(QObject* padre = nullptr);

    // Runs the document as saved at its path: removes the results files of an earlier run
    // of its bare name, so that they are never shown, and starts estado.dirprograma +
    // "curvifit" with the bare name after "--", in the folder that holds datos/ and result/.
    // `terminado` follows once, with the run's files and result or why there are none, also
    // when the document cannot be run or the old files cannot be removed (then nothing is
    // started).
    void ejecutarCalculo(const Documento& documento, const EstadoGlobal& estado);
    bool enMarcha() const { return lanzador_.enMarcha(); }
    Lanzador& lanzador() { return lanzador_; }

signals:
    void terminado(const oscilab::CalculoTerminado& resultado);

private:
    void motorTerminado(const ResultadoLanzamiento& lanzamiento);
    Resultado<ResultadoCalculo> resultadoDelMotor(const ResultadoLanzamiento& lanzamiento);

    Lanzador lanzador_;
    QString motor_;
    ResultadoCalculo enCurso_;
};

} // namespace oscilab
