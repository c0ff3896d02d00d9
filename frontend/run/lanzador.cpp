#include "lanzador.h"

#include <QProcess>

namespace oscilab {

void Lanzador::lanza(const QString& programa, const QStringList& argumentos,
                     const QString& directorio) {
    if (proceso_ != nullptr) {
        return;
    }
    proceso_ = new QProcess(this);
    proceso_->setProgram(programa);
    proceso_->setArguments(argumentos);
    proceso_->setWorkingDirectory(directorio);
    proceso_->setStandardOutputFile(QProcess::nullDevice());
    proceso_->setStandardInputFile(QProcess::nullDevice());
    connect(proceso_, &QProcess::finished, this, &Lanzador::termina);
    // A crash raises an error too, before `finished`; only a failed start ends here.
    connect(proceso_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            termina();
        }
    });
    proceso_->start();
}

void Lanzador::termina() {
    if (proceso_ == nullptr) {
        return;
    }
    QProcess* proceso = proceso_;
    proceso_ = nullptr;
    proceso->deleteLater();
    ResultadoLanzamiento resultado;
    if (proceso->error() == QProcess::FailedToStart) {
        resultado.errorInicio = proceso->errorString();
    } else {
        resultado.iniciado = true;
        resultado.errorEstandar = proceso->readAllStandardError();
        resultado.terminoBien = proceso->exitStatus() == QProcess::NormalExit;
        if (resultado.terminoBien) {
            resultado.codigoSalida = proceso->exitCode();
        } else {
            resultado.errorInicio = proceso->errorString();
        }
    }
    emit terminado(resultado);
}

} // namespace oscilab
