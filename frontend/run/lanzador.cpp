#include "lanzador.h"

#include <QEventLoop>
#include <QProcess>

namespace oscilab {

ResultadoLanzamiento lanzaryesperar(const QString& programa, const QStringList& argumentos,
                                    const QString& directorio) {
    ResultadoLanzamiento resultado;
    QProcess proceso;
    proceso.setProgram(programa);
    proceso.setArguments(argumentos);
    proceso.setWorkingDirectory(directorio);
    proceso.setStandardOutputFile(QProcess::nullDevice());
    proceso.setStandardInputFile(QProcess::nullDevice());

    // A local event loop keeps the windows responsive until the process has ended or
    // could not be started.
    QEventLoop espera;
    QObject::connect(&proceso, &QProcess::finished, &espera, &QEventLoop::quit);
    QObject::connect(&proceso, &QProcess::errorOccurred, &espera,
                     [&espera](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             espera.quit();
                         }
                     });
    proceso.start();
    if (proceso.state() != QProcess::NotRunning) {
        espera.exec();
    }
    if (proceso.error() == QProcess::FailedToStart) {
        resultado.errorInicio = proceso.errorString();
        return resultado;
    }
    resultado.iniciado = true;
    resultado.errorEstandar = proceso.readAllStandardError();
    resultado.terminoBien = proceso.exitStatus() == QProcess::NormalExit;
    if (resultado.terminoBien) {
        resultado.codigoSalida = proceso.exitCode();
    } else {
        resultado.errorInicio = proceso.errorString();
    }
    return resultado;
}

} // namespace oscilab
