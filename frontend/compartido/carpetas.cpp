#include "carpetas.h"

#include "compartido/estado_global.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace oscilab {

namespace {

QString conBarra(QString carpeta) {
    if (!carpeta.endsWith(QLatin1Char('/'))) {
        carpeta += QLatin1Char('/');
    }
    return carpeta;
}

void creaCarpetasTrabajo(const QString& base) {
    QDir dir;
    dir.mkpath(base + QStringLiteral("datos"));
    dir.mkpath(base + QStringLiteral("result"));
}

} // namespace

void copiaEjemplos(const QString& desde, const QString& hacia) {
    const QDir origen(desde);
    const QStringList ejemplos =
        origen.entryList({QStringLiteral("*.qvd")}, QDir::Files | QDir::Readable);
    for (const QString& nombre : ejemplos) {
        if (!QFileInfo::exists(hacia + nombre)) {
            QFile::copy(origen.filePath(nombre), hacia + nombre);
        }
    }
}

QString carpetaCompartida(const QString& dirprograma) {
    const QString instalada = dirprograma + QStringLiteral("../share/oscilab");
    if (QFileInfo(instalada).isDir()) {
        return QDir::cleanPath(instalada) + QLatin1Char('/');
    }
    return dirprograma;
}

QString carpetaDeFichero(const QString& ruta) {
    return conBarra(QFileInfo(ruta).absolutePath());
}

void preparaCarpetas(EstadoGlobal& estado, const QString& carpetaPrograma) {
    estado.dirprograma = conBarra(carpetaPrograma);
    // The user's documents never live in the program folder: a rebuilt, deleted or
    // reinstalled program must not take them along.
    const QString base =
        conBarra(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    creaCarpetasTrabajo(base);
    copiaEjemplos(carpetaCompartida(estado.dirprograma) + QStringLiteral("datos"),
                  base + QStringLiteral("datos/"));
    estado.dirdatos = base + QStringLiteral("datos/");
    estado.dirresult = base + QStringLiteral("result/");
}

} // namespace oscilab
