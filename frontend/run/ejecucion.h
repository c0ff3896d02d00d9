// The Run command: runs the engine `curvifit` on the saved document and opens the results
// window on what it wrote.
#pragma once

#include "compartido/estado_global.h"
#include "lanzador.h"
#include "results/estado_resultados.h"

#include <QPointer>
#include <QString>
#include <functional>

class QWidget;

namespace oscilab {

class frmgraficos;

// The bare name the engine is given for a data file, or why the file cannot be run.
// The engine opens datos/NAME.qvd under its working folder, so the file must lie directly
// in `dirdatos` and end in ".qvd".
struct NombreEjecucion {
    QString nombrebase;
    QString error; // "" when the file can be run
};
NombreEjecucion nombreDeEjecucion(const QString& fichero, const QString& dirdatos);

// Why a finished run has no results to show ("" when it has): the engine could not be
// started, crashed, ended with an error, or left no report or no curve file. Includes
// what the engine wrote on standard error.
QString mensajeFallo(const ResultadoLanzamiento& resultado, const QString& motor, bool hayInforme,
                     bool hayCurva);

// Runs the calculation on estado.fichero:
//  - refuses, with a message, a document that is not saved directly in estado.dirdatos;
//  - closes the results window `ventana` if one is open, sets estado.nombrebase and
//    removes the results files of an earlier run of that name, so they are never shown;
//  - starts estado.dirprograma + "curvifit" with the bare name as its one argument, in the
//    folder that holds datos/ and result/, with the run command disabled through
//    `habilitaEjecutar` while the windows keep processing events;
//  - on failure shows one message and returns false;
//  - on success creates the results window in `ventana` (child of `principal`, loading
//    into `resultados`, calling
//    `chequeadatos` for the point count), loads the curve and the report, shows it, and
//    returns true. The caller then marks the document unchanged.
// If `principal` is destroyed during the wait, returns false at once and touches nothing.
bool ejecutarCalculo(QWidget* principal, EstadoGlobal& estado, EstadoResultados& resultados,
                     std::function<int()> chequeadatos, std::function<void(bool)> habilitaEjecutar,
                     QPointer<frmgraficos>& ventana);

} // namespace oscilab
