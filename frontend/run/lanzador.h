// Starts a program and reports when it has ended, without waiting for it: the windows
// keep processing events in the program's own event loop meanwhile.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <chrono>

class QProcess;
class QTimer;

namespace oscilab {

struct ResultadoLanzamiento {
    bool iniciado = false;         // the program could be started
    bool terminoBien = false;      // it ended by itself (no crash, no signal)
    int codigoSalida = -1;         // its exit status when it ended by itself
    QString errorInicio;           // why it could not be started or why it crashed
    QByteArray errorEstandar;      // what it wrote on standard error
    QByteArray salidaEstandar;     // what it wrote on standard output, when captured
    bool salidaDesbordada = false; // stopped for writing more than the capture takes
    bool detenido = false;         // stopped by detener()

    bool exito() const { return iniciado && terminoBien && codigoSalida == 0; }
};

class Lanzador : public QObject {
    Q_OBJECT
public:
    explicit Lanzador(QObject* padre = nullptr) : QObject(padre) {}

    // Starts `programa` with `argumentos` (each passed as is, no shell) in the folder
    // `directorio`, and returns at once; `terminado` follows once, when it has ended or
    // could not be started. `tardando` follows each time it has run espera() more. Its
    // standard output is discarded, its standard error captured. Nothing is started while
    // a program is still running.
    void lanza(const QString& programa, const QStringList& argumentos, const QString& directorio);
    bool enMarcha() const { return proceso_ != nullptr; }
    // Kills the running program; `terminado` follows with `detenido` set.
    void detener();
    std::chrono::milliseconds espera() const { return espera_; }
    void ponEspera(std::chrono::milliseconds espera) { espera_ = espera; }
    // Keeps up to `maximo` bytes of the standard output of the programs started from now
    // on; one that writes more is killed, with `salidaDesbordada` set. 0: discarded.
    void capturaSalida(qint64 maximo) { salidaMaxima_ = maximo; }

signals:
    void terminado(const oscilab::ResultadoLanzamiento& resultado);
    void tardando();

private:
    void termina();
    void leeSalida();

    QProcess* proceso_ = nullptr;
    QTimer* reloj_ = nullptr;
    std::chrono::milliseconds espera_{std::chrono::seconds(60)};
    bool detenido_ = false;
    qint64 salidaMaxima_ = 0;
    QByteArray salida_;
    bool desbordada_ = false;
};

} // namespace oscilab
