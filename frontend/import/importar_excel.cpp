#include "import/importar_excel.h"

#include "compartido/dimensiones.h"
#include "compartido/textos_numero.h"

#include <QCoreApplication>
#include <QProcess>
#include <celdas.h>

namespace oscilab {

namespace {

// A workbook of 50 rows reads in milliseconds; the helper stops itself after 5 s of CPU.
constexpr int kEsperaMaximaMs = 20000;
// 100 cells of text; far more means the output is not what the helper writes.
constexpr qint64 kSalidaMaxima = 16 * 1024 * 1024;

QString textoCelda(const leexls::CeldaLibro& celda) {
    switch (celda.tipo) {
    case leexls::TipoCelda::Vacia:
        return QString();
    case leexls::TipoCelda::Entero:
        return QString::number(celda.entero);
    case leexls::TipoCelda::Real:
        return textoGeneral(celda.real);
    case leexls::TipoCelda::Texto:
        return QString::fromStdString(celda.texto);
    }
    return QString();
}

ResultadoImportacion fallida() {
    ResultadoImportacion resultado;
    resultado.fallo = true;
    return resultado;
}

} // namespace

QString programaLeexls() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/oscilab-leexls");
}

ResultadoImportacion importarexcel(const QString& ruta, const QString& programa) {
    QProcess lector;
    lector.setProcessChannelMode(QProcess::SeparateChannels);
    lector.setStandardInputFile(QProcess::nullDevice());
    lector.setStandardErrorFile(QProcess::nullDevice());
    lector.start(programa, {ruta});
    if (!lector.waitForStarted() || !lector.waitForFinished(kEsperaMaximaMs)) {
        lector.kill();
        lector.waitForFinished();
        return fallida();
    }
    const QByteArray salida = lector.readAllStandardOutput();
    // Status 0: every cell; status 1: the cells read before the workbook's fault. Anything
    // else (a crash, a limit reached, output not in the helper's form) is a plain failure.
    const bool terminado = lector.exitStatus() == QProcess::NormalExit &&
                           (lector.exitCode() == 0 || lector.exitCode() == 1);
    if (!terminado || salida.size() > kSalidaMaxima) {
        return fallida();
    }
    const auto lectura = leexls::leeSalida(std::string_view(salida.constData(), salida.size()));
    if (!lectura || lectura->completa != (lector.exitCode() == 0)) {
        return fallida();
    }
    ResultadoImportacion resultado;
    for (const auto& celda : lectura->celdas) {
        resultado.celdas.push_back({celda.fila, celda.columna, textoCelda(celda)});
    }
    resultado.fallo = !lectura->completa;
    return resultado;
}

} // namespace oscilab
