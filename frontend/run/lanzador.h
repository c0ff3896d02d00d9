// Starts a program and waits for it to end while the windows keep processing events.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace oscilab {

struct ResultadoLanzamiento {
    bool iniciado = false;    // the program could be started
    bool terminoBien = false; // it ended by itself (no crash, no signal)
    int codigoSalida = -1;    // its exit status when it ended by itself
    QString errorInicio;      // why it could not be started or why it crashed
    QByteArray errorEstandar; // what it wrote on standard error

    bool exito() const { return iniciado && terminoBien && codigoSalida == 0; }
};

// Runs `programa` with `argumentos` (each passed as is, no shell) in the folder
// `directorio`, and returns when it has ended. There is no time-out. Its standard output
// is discarded, its standard error captured.
ResultadoLanzamiento lanzaryesperar(const QString& programa, const QStringList& argumentos,
                                    const QString& directorio);

} // namespace oscilab
