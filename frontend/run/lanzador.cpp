#include "lanzador.h"

#include <QProcess>
#include <QTimer>

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
    salida_.clear();
    desbordada_ = false;
    if (salidaMaxima_ > 0) {
        connect(proceso_, &QProcess::readyReadStandardOutput, this, &Lanzador::leeSalida);
    } else {
        proceso_->setStandardOutputFile(QProcess::nullDevice());
    }
    proceso_->setStandardInputFile(QProcess::nullDevice());
    connect(proceso_, &QProcess::finished, this, &Lanzador::termina);
    // A crash raises an error too, before `finished`; only a failed start ends here.
    connect(proceso_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            termina();
        }
    });
    detenido_ = false;
    if (reloj_ == nullptr) {
        reloj_ = new QTimer(this);
        // One question at a time: the clock starts again once it has been answered.
        connect(reloj_, &QTimer::timeout, this, [this] {
            reloj_->stop();
            emit tardando();
            if (proceso_ != nullptr && !detenido_) {
                reloj_->start(espera_);
            }
        });
    }
    reloj_->start(espera_);
    proceso_->start();
}

void Lanzador::detener() {
    if (proceso_ != nullptr) {
        detenido_ = true;
        proceso_->kill();
    }
}

void Lanzador::leeSalida() {
    if (proceso_ == nullptr || desbordada_) {
        return;
    }
    salida_ += proceso_->readAllStandardOutput();
    // Read as it comes, so that a runaway program cannot fill the memory first.
    if (salida_.size() > salidaMaxima_) {
        desbordada_ = true;
        salida_.clear();
        proceso_->kill();
    }
}

void Lanzador::termina() {
    if (proceso_ == nullptr) {
        return;
    }
    if (salidaMaxima_ > 0) {
        leeSalida();
    }
    QProcess* proceso = proceso_;
    proceso_ = nullptr;
    reloj_->stop();
    proceso->deleteLater();
    ResultadoLanzamiento resultado;
    resultado.detenido = detenido_;
    resultado.salidaEstandar = std::move(salida_);
    resultado.salidaDesbordada = desbordada_;
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
