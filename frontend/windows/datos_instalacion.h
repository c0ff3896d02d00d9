// Data of the installation shown by the splash window and the about box: the authors and
// the department's web address. Read from "oscilab.ini" beside the programs, one
// "key=value" per line; what the file lacks keeps the built-in value.
#pragma once

#include <QString>

namespace oscilab {

struct DatosInstalacion {
    QString autor1Abreviado = QStringLiteral("E. Martín Robles  emartin@brenava.example");
    QString autor1 = QStringLiteral("Elena Martín Robles  emartin@brenava.example");
    QString autor2Abreviado = QStringLiteral("J. A. Ferrer Sanz  jaferrer@brenava.example");
    QString autor2 = QStringLiteral("José Antonio Ferrer Sanz  jaferrer@brenava.example");
    QString web = QStringLiteral("https://quimicafisica.brenava.example/oscilab/");
};

// "oscilab.ini" beside the programs, or in the installed shared folder.
QString ficheroInstalacion(const QString& dirprograma);
DatosInstalacion leeDatosInstalacion(const QString& ruta);

} // namespace oscilab
