#include "ejecucion.h"

#include "abre_fich.h"
#include "coherencia_resultado.h"
#include "compartido/idioma.h"
#include "modelo/documento.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cstdint>
#include <string_view>

namespace oscilab {

namespace {

const QString extension = QStringLiteral(".qvd");

QString carpetaNormalizada(const QString& carpeta) {
    const QFileInfo info(carpeta);
    const QString canonica = info.canonicalFilePath();
    return canonica.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonica;
}

// The engine's messages: UTF-8 when they are valid UTF-8, else Latin-1. The last lines
// only, so that the message box stays readable.
QString textoError(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString texto = utf8.decode(bytes);
    if (utf8.hasError()) {
        texto = QString::fromLatin1(bytes);
    }
    texto = texto.trimmed();
    constexpr qsizetype maximo = 2000;
    if (texto.size() > maximo) {
        texto = QStringLiteral("...") + texto.right(maximo);
    }
    return texto;
}

Resultado<void> borraResultadosAnteriores(const QStringList& rutas) {
    for (const QString& ruta : rutas) {
        QFile fichero(ruta);
        if (fichero.exists() && !fichero.remove()) {
            return Fallo{QCoreApplication::translate(
                             "ejecucion", "No se puede borrar el fichero de resultados anterior "
                                          "%1; no se ejecuta el cálculo.")
                             .arg(ruta),
                         {},
                         fichero.errorString()};
        }
    }
    return {};
}

QByteArray leeTodo(const QString& ruta) {
    QFile fichero(ruta);
    return fichero.open(QIODevice::ReadOnly) ? fichero.readAll() : QByteArray();
}

} // namespace

Resultado<void> comprobacionResultado(const curvifit::ResultadoEjecucion& resultado,
                                      const QString& rutaResultado, const QString& informe,
                                      const QString& nombrebase) {
    const auto resumen = leeResumenInforme(leeTodo(informe).toStdString());
    const std::string motivo =
        resumen ? discordanciaResultado(resultado, "datos/" + nombrebase.toStdString() + ".qvd",
                                        *resumen)
                : std::string("el informe no tiene coeficientes ni tabla de puntos");
    if (motivo.empty()) {
        return {};
    }
    return Fallo{QCoreApplication::translate(
                     "ejecucion", "El fichero de resultados %1 no corresponde al cálculo que se "
                                  "acaba de hacer (%2); no se muestran sus resultados.")
                     .arg(rutaResultado, QString::fromStdString(motivo))};
}

curvifit::LecturaResultadoJson leeResultadoDeEjecucion(const QString& ruta) {
    curvifit::LecturaResultadoJson lectura;
    const QFileInfo info(ruta);
    QFile fichero(ruta);
    if (!info.isFile()) {
        lectura.error = "No existe el fichero de resultados o no es un fichero normal.";
    } else if (static_cast<std::uint64_t>(info.size()) > curvifit::MAX_BYTES_JSON) {
        lectura.error = "El fichero de resultados es mayor de lo que el programa lee.";
    } else if (!fichero.open(QIODevice::ReadOnly)) {
        lectura.error =
            "No se puede leer el fichero de resultados: " + fichero.errorString().toStdString();
    } else {
        const QByteArray texto = fichero.readAll();
        lectura = curvifit::leeResultadoJson(std::string_view(texto.constData(), texto.size()));
    }
    if (!lectura.ok()) {
        lectura.error += " (" + ruta.toStdString() + ")";
    }
    return lectura;
}

Resultado<QString> nombreDeEjecucion(const QString& fichero, const QString& dirdatos) {
    if (fichero.isEmpty()) {
        return Fallo{QCoreApplication::translate(
            "ejecucion", "Debes guardar el documento antes de ejecutar el cálculo.")};
    }
    const QFileInfo info(fichero);
    const QString nombre = info.fileName();
    if (!nombre.endsWith(extension) || nombre.size() == extension.size()) {
        return Fallo{QCoreApplication::translate(
                         "ejecucion", "El fichero de datos %1 debe tener la extensión \".qvd\" "
                                      "para ejecutar el cálculo. Guárdalo con \"Guardar "
                                      "como...\".")
                         .arg(fichero)};
    }
    if (carpetaNormalizada(info.absolutePath()) != carpetaNormalizada(dirdatos)) {
        return Fallo{QCoreApplication::translate(
                         "ejecucion", "El fichero de datos %1 no está en la carpeta de datos del "
                                      "programa. Para ejecutar el cálculo, guárdalo con "
                                      "\"Guardar como...\" en la carpeta %2")
                         .arg(fichero, QDir::toNativeSeparators(dirdatos))};
    }
    const QString base = nombre.left(nombre.size() - extension.size());
    // The engine drops trailing blanks and cuts its argument: it would run another file.
    const std::string argumento = base.toStdString();
    if (curvifit::nombreDocumento(argumento) != argumento) {
        return Fallo{QCoreApplication::translate(
                         "ejecucion", "El programa de cálculo no admite el nombre del fichero "
                                      "%1: no puede acabar en blanco ni pasar de %2 caracteres. "
                                      "Guárdalo con otro nombre con \"Guardar como...\".")
                         .arg(fichero)
                         .arg(curvifit::ANCHO_ARGUMENTO)};
    }
    return base;
}

Resultado<void> compruebaLanzamiento(const ResultadoLanzamiento& resultado, const QString& motor,
                                     bool hayInforme, bool hayCurva) {
    QString mensaje;
    if (!resultado.iniciado) {
        mensaje = QCoreApplication::translate(
                      "ejecucion", "No se ha podido iniciar el programa de cálculo %1: %2")
                      .arg(motor, resultado.errorInicio);
    } else if (resultado.detenido) {
        mensaje = QCoreApplication::translate(
            "ejecucion", "El programa de cálculo se ha detenido a petición del usuario; "
                         "el cálculo no se ha completado.");
    } else if (!resultado.terminoBien) {
        mensaje = QCoreApplication::translate(
            "ejecucion", "El programa de cálculo ha terminado de forma anormal; el "
                         "cálculo no se ha completado.");
    } else if (resultado.codigoSalida != 0) {
        mensaje = QCoreApplication::translate(
                      "ejecucion", "El programa de cálculo ha terminado con un error (código %1); "
                                   "el cálculo no se ha completado.")
                      .arg(resultado.codigoSalida);
    } else if (!hayInforme || !hayCurva) {
        mensaje =
            QCoreApplication::translate(
                "ejecucion", "El programa de cálculo no ha escrito %1; no hay resultados que "
                             "mostrar.")
                .arg(!hayInforme
                         ? QCoreApplication::translate("ejecucion", "el informe de resultados")
                         : QCoreApplication::translate("ejecucion", "el fichero de la curva"));
    } else {
        return {};
    }
    // The engine's own words come last, under a line that says whose they are.
    const QString errores = textoError(resultado.errorEstandar);
    if (errores.isEmpty()) {
        return Fallo{mensaje};
    }
    return Fallo{mensaje,
                 QCoreApplication::translate("ejecucion", "Mensajes del programa de cálculo:"),
                 errores};
}

Calculo::Calculo(QObject* padre) : QObject(padre) {
    connect(&lanzador_, &Lanzador::terminado, this, &Calculo::motorTerminado);
}

void Calculo::ejecutarCalculo(const Documento& documento, const EstadoGlobal& estado) {
    if (enMarcha()) {
        return;
    }
    const Resultado<QString> nombre = nombreDeEjecucion(documento.ruta(), estado.dirdatos);
    if (!nombre.ok()) {
        emit terminado(nombre.fallo());
        return;
    }
    enCurso_ = ficherosDeCalculo(estado.dirresult, nombre.valor());
    if (auto borrados =
            borraResultadosAnteriores({enCurso_.informe, enCurso_.curva, enCurso_.resultado});
        !borrados.ok()) {
        emit terminado(borrados.fallo());
        return;
    }
    QDir trabajo(estado.dirdatos); // the engine works in the folder above datos/
    trabajo.cdUp();
    motor_ = estado.dirprograma + QStringLiteral("curvifit");
    // "--": a document named like an option ("--help.qvd") is still run.
    // The engine's warnings in the interface's language; its files stay as they are.
    QStringList argumentos;
    if (idiomaInterfaz() != Idioma::Espanol) {
        argumentos << QStringLiteral("--lang") << codigoIdioma(idiomaInterfaz());
    }
    argumentos << QStringLiteral("--") << enCurso_.nombrebase;
    lanzador_.lanza(motor_, argumentos, trabajo.absolutePath());
}

void Calculo::motorTerminado(const ResultadoLanzamiento& lanzamiento) {
    emit terminado(resultadoDelMotor(lanzamiento));
}

Resultado<ResultadoCalculo> Calculo::resultadoDelMotor(const ResultadoLanzamiento& lanzamiento) {
    if (auto completo = compruebaLanzamiento(lanzamiento, motor_, QFile::exists(enCurso_.informe),
                                             QFile::exists(enCurso_.curva));
        !completo.ok()) {
        return completo.fallo();
    }
    // Read once here; the curve file is read with the engine's own count of points, never
    // the table's.
    curvifit::LecturaResultadoJson lectura = leeResultadoDeEjecucion(enCurso_.resultado);
    if (!lectura.ok()) {
        return Fallo{tr("El programa de cálculo no ha escrito un fichero de resultados legible; "
                        "no hay resultados que mostrar."),
                     QString::fromStdString(lectura.error)};
    }
    // A JSON that another run left beside this report must not pass for its details.
    if (auto coherente = comprobacionResultado(*lectura.resultado, enCurso_.resultado,
                                               enCurso_.informe, enCurso_.nombrebase);
        !coherente.ok()) {
        return coherente.fallo();
    }
    ResultadoCalculo hecho = enCurso_;
    hecho.puntos = static_cast<int>(lectura.resultado->puntos.size());
    hecho.datos =
        std::make_shared<const curvifit::ResultadoEjecucion>(std::move(*lectura.resultado));
    return hecho;
}

} // namespace oscilab
