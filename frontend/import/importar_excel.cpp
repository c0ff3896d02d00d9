#include "import/importar_excel.h"

#include "compartido/dimensiones.h"
#include "compartido/textos_numero.h"

#include <QCoreApplication>
#include <QProcess>
#include <celdas.h>

namespace oscilab {

namespace {

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
    ResultadoLanzamiento lanzamiento;
    lanzamiento.iniciado = lector.waitForStarted();
    const bool agotado = lanzamiento.iniciado && !lector.waitForFinished(kEsperaMaximaMs);
    if (agotado) {
        lector.kill();
        lector.waitForFinished();
    }
    lanzamiento.terminoBien = lector.exitStatus() == QProcess::NormalExit;
    lanzamiento.codigoSalida = lector.exitCode();
    lanzamiento.salidaEstandar = lector.readAllStandardOutput();
    lanzamiento.salidaDesbordada = lanzamiento.salidaEstandar.size() > kSalidaMaxima;
    return interpretaLeexls(lanzamiento, programa, agotado);
}

ResultadoImportacion interpretaLeexls(const ResultadoLanzamiento& lanzamiento,
                                      const QString& programa, bool agotado) {
    if (!lanzamiento.iniciado) {
        return importacionFallida(
            QCoreApplication::translate("importar_excel",
                                        "No se puede iniciar el lector de libros .xls %1.")
                .arg(programa));
    }
    if (agotado) {
        return importacionFallida(
            QCoreApplication::translate("importar_excel",
                                        "El lector de libros .xls no ha terminado en %1 s.")
                .arg(kEsperaMaximaMs / 1000));
    }
    if (lanzamiento.detenido) {
        return importacionFallida(QCoreApplication::translate(
            "importar_excel", "La lectura del libro .xls se ha detenido a petición del usuario."));
    }
    const QByteArray& salida = lanzamiento.salidaEstandar;
    // Status 0: every cell; status 1: the cells read before the workbook's fault. Anything
    // else (a crash, a limit reached, output not in the helper's form) is a plain failure.
    const bool terminado =
        lanzamiento.terminoBien && (lanzamiento.codigoSalida == 0 || lanzamiento.codigoSalida == 1);
    if (!terminado || lanzamiento.salidaDesbordada) {
        return importacionFallida(QCoreApplication::translate(
            "importar_excel", "El lector de libros .xls ha fallado al leerlo (se ha "
                              "detenido, ha pasado de sus límites o no lo reconoce)."));
    }
    const auto lectura = leexls::leeSalida(std::string_view(salida.constData(), salida.size()));
    if (!lectura || lectura->completa != (lanzamiento.codigoSalida == 0)) {
        return importacionFallida(QCoreApplication::translate(
            "importar_excel", "El lector de libros .xls ha dado una respuesta ilegible."));
    }
    if (!lectura->completa) {
        // The cells come in table order: the first one missing is where the reading stopped.
        const int leidas = static_cast<int>(lectura->celdas.size());
        return importacionFallida(
            leidas == 0 ? QCoreApplication::translate(
                              "importar_excel",
                              "No es un libro .xls legible, o su hoja activa no se puede leer.")
                        : QCoreApplication::translate(
                              "importar_excel", "La celda %1%2 de la hoja activa no se puede leer.")
                              .arg(QLatin1Char(leidas % 2 == 0 ? 'A' : 'B'))
                              .arg(leidas / 2 + 1));
    }
    CeldasImportadas resultado;
    for (const auto& celda : lectura->celdas) {
        resultado.celdas.push_back({celda.fila, celda.columna, textoCelda(celda)});
    }
    return resultado;
}

} // namespace oscilab
