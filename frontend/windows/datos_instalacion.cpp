#include "windows/datos_instalacion.h"

#include "compartido/carpetas.h"

#include <QFile>

namespace oscilab {

QString ficheroInstalacion(const QString& dirprograma) {
    return carpetaCompartida(dirprograma) + QStringLiteral("oscilab.ini");
}

DatosInstalacion leeDatosInstalacion(const QString& ruta) {
    DatosInstalacion datos;
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly) || f.size() > 64 * 1024) {
        return datos;
    }
    const QString texto = QString::fromUtf8(f.readAll());
    for (const QString& linea : texto.split(u'\n')) {
        const QString l = linea.trimmed();
        const qsizetype igual = l.indexOf(u'=');
        if (l.startsWith(u'#') || igual <= 0) {
            continue;
        }
        const QString clave = l.left(igual).trimmed();
        const QString valor = l.mid(igual + 1).trimmed();
        if (valor.isEmpty()) {
            continue;
        }
        if (clave == u"autor1_abreviado") {
            datos.autor1Abreviado = valor;
        } else if (clave == u"autor1") {
            datos.autor1 = valor;
        } else if (clave == u"autor2_abreviado") {
            datos.autor2Abreviado = valor;
        } else if (clave == u"autor2") {
            datos.autor2 = valor;
        } else if (clave == u"web") {
            datos.web = valor;
        }
    }
    return datos;
}

} // namespace oscilab
