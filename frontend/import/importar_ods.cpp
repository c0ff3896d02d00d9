#include "import/importar_ods.h"

#include "import/filas_hoja.h"
#include "import/xml_libro.h"
#include "import/zip_acotado.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

#include <algorithm>

namespace oscilab {

namespace {

// Bounds on what is decompressed: content.xml holds every sheet of the workbook.
constexpr qint64 kContenidoMaximo = 4LL * 1024 * 1024;
constexpr qint64 kAjustesMaximo = 1LL * 1024 * 1024;
// A repeated blank stretch of text:s counts for at most this many blanks.
constexpr qint64 kEspaciosMaximos = 256;

bool esElemento(const QXmlStreamReader& xml, QStringView nombre) {
    return xml.isStartElement() && xml.name() == nombre;
}

// The repeat count of the current row or cell: 1 when absent.
std::optional<qint64> repeticiones(const QXmlStreamReader& xml, QStringView nombre) {
    const QStringView texto = atributo(xml, nombre);
    return texto.isEmpty() ? std::optional<qint64>(1) : enteroPositivo(texto);
}

// The name of the sheet that was active when the workbook was saved; empty if the
// workbook does not say. std::nullopt when settings.xml is damaged.
std::optional<QString> hojaActiva(const ArchivoZip& zip) {
    if (!zip.contiene(QStringLiteral("settings.xml"))) {
        return QString();
    }
    const auto parte = zip.abreParte(QStringLiteral("settings.xml"), kAjustesMaximo);
    if (!parte) {
        return std::nullopt;
    }
    QXmlStreamReader xml(parte.get());
    std::optional<QString> activa = QString();
    while (!xml.atEnd() && activa && activa->isEmpty()) {
        xml.readNext();
        if (esElemento(xml, u"config-item") && atributo(xml, u"name") == u"ActiveTable") {
            activa = textoDeElemento(xml);
        }
    }
    if (!terminaBien(xml)) {
        return std::nullopt;
    }
    return activa;
}

// The text of a paragraph: runs of text, spans and links, with text:s, text:tab and
// text:line-break standing for their characters; annotations are not part of it.
bool anadeParrafo(QXmlStreamReader& xml, QString& texto) {
    int profundidad = 1;
    while (profundidad > 0 && !xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == u"s") {
                const auto n = repeticiones(xml, u"c");
                if (!n) {
                    return false;
                }
                texto += QString(static_cast<qsizetype>(std::min(*n, kEspaciosMaximos)), u' ');
            } else if (xml.name() == u"tab") {
                texto += u'\t';
            } else if (xml.name() == u"line-break") {
                texto += u'\n';
            } else if (xml.name() == u"annotation" || xml.name() == u"note") {
                xml.skipCurrentElement();
                continue;
            }
            ++profundidad;
        } else if (xml.isEndElement()) {
            --profundidad;
        } else if (xml.isCharacters()) {
            texto += xml.text();
        }
        if (texto.size() > kTextoCeldaMaximo) {
            return false;
        }
    }
    return !xml.hasError();
}

// The paragraphs of the current cell joined by line ends; the reader ends on the cell's end.
std::optional<QString> textoDeParrafos(QXmlStreamReader& xml) {
    QString texto;
    bool primero = true;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"p" || xml.name() == u"h") {
            if (!primero) {
                texto += u'\n';
            }
            primero = false;
            if (!anadeParrafo(xml, texto)) {
                return std::nullopt;
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    if (xml.hasError()) {
        return std::nullopt;
    }
    return texto;
}

// The text of the current cell, in the form the .xls import gives its value.
std::optional<QString> textoDeCelda(QXmlStreamReader& xml) {
    const QString tipo = atributo(xml, u"value-type").toString();
    std::optional<QString> texto;
    if (tipo == u"float" || tipo == u"percentage" || tipo == u"currency") {
        texto = textoDeNumero(atributo(xml, u"value"));
    } else if (tipo == u"date") {
        texto = atributo(xml, u"date-value").toString();
    } else if (tipo == u"time") {
        texto = atributo(xml, u"time-value").toString();
    } else if (tipo == u"boolean") {
        texto = atributo(xml, u"boolean-value") == u"true" ? QStringLiteral("VERDADERO")
                                                           : QStringLiteral("FALSO");
    } else if (const QStringView valor = atributo(xml, u"string-value"); !valor.isEmpty()) {
        texto = valor.left(kTextoCeldaMaximo).toString();
    } else {
        return textoDeParrafos(xml);
    }
    xml.skipCurrentElement();
    if (xml.hasError()) {
        return std::nullopt;
    }
    return texto;
}

// The first two cells of the current row; the reader ends on the row's end.
std::optional<FilaHoja> leeFila(QXmlStreamReader& xml) {
    FilaHoja fila;
    qint64 columna = 1;
    while (xml.readNextStartElement()) {
        if (xml.name() != u"table-cell" && xml.name() != u"covered-table-cell") {
            xml.skipCurrentElement();
            continue;
        }
        const auto veces = repeticiones(xml, u"number-columns-repeated");
        if (!veces) {
            return std::nullopt;
        }
        if (columna > 2) {
            xml.skipCurrentElement();
            continue;
        }
        const auto texto = textoDeCelda(xml);
        if (!texto) {
            return std::nullopt;
        }
        // A repeated cell fills every column it spans.
        const qint64 hasta = std::min(columna + std::min(*veces, qint64{2}), qint64{3});
        for (; columna < hasta; ++columna) {
            (columna == 1 ? fila.a : fila.b) = *texto;
        }
    }
    if (xml.hasError()) {
        return std::nullopt;
    }
    return fila;
}

enum class Lectura { Leida, Fallida };

// Feeds the rows of the current table (rows may sit inside header-row and group elements)
// to the collector, until the table ends or the collector has enough.
Lectura leeTabla(QXmlStreamReader& xml, ColectorFilas& colector) {
    int profundidad = 1;
    while (profundidad > 0 && !xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement()) {
            --profundidad;
            continue;
        }
        if (!xml.isStartElement()) {
            continue;
        }
        const QStringView nombre = xml.name();
        if (nombre == u"table-row") {
            const auto veces = repeticiones(xml, u"number-rows-repeated");
            const auto fila = veces ? leeFila(xml) : std::nullopt;
            if (!fila) {
                return Lectura::Fallida;
            }
            if (!colector.anade(*fila, *veces)) {
                return Lectura::Leida;
            }
        } else if (nombre == u"table-header-rows" || nombre == u"table-row-group" ||
                   nombre == u"table-rows") {
            ++profundidad;
        } else {
            xml.skipCurrentElement();
        }
    }
    return xml.hasError() ? Lectura::Fallida : Lectura::Leida;
}

// Reads the sheet named `nombre` (the first sheet when empty) of content.xml. std::nullopt
// when there is no such sheet.
std::optional<ResultadoImportacion> leeHoja(const ArchivoZip& zip, const QString& nombre) {
    const auto parte = zip.abreParte(QStringLiteral("content.xml"), kContenidoMaximo);
    if (!parte) {
        return importacionFallida(QCoreApplication::translate(
            "importar_ods", "La parte content.xml falta, es demasiado grande o está dañada."));
    }
    QXmlStreamReader xml(parte.get());
    while (!xml.atEnd()) {
        xml.readNext();
        if (!esElemento(xml, u"table") ||
            xml.namespaceUri() != u"urn:oasis:names:tc:opendocument:xmlns:table:1.0") {
            continue;
        }
        if (!nombre.isEmpty() && atributo(xml, u"name") != nombre) {
            xml.skipCurrentElement();
            continue;
        }
        const QString tabla = atributo(xml, u"name").toString();
        ColectorFilas colector;
        if (leeTabla(xml, colector) == Lectura::Fallida || !terminaBien(xml)) {
            return importacionFallida(
                QCoreApplication::translate(
                    "importar_ods", "La hoja «%1» de content.xml está dañada (XML incorrecto o una "
                                    "celda ilegible, cerca de la línea %2 de esa parte).")
                    .arg(tabla)
                    .arg(xml.lineNumber()));
        }
        return colector.resultado();
    }
    if (xml.hasError()) {
        return importacionFallida(
            QCoreApplication::translate("importar_ods",
                                        "La parte content.xml está dañada: %1 (línea %2).")
                .arg(xml.errorString())
                .arg(xml.lineNumber()));
    }
    return std::nullopt;
}

} // namespace

ResultadoImportacion importarods(const QString& ruta) {
    const ArchivoZip zip(ruta);
    if (!zip.abierto()) {
        return importacionFallida(
            QCoreApplication::translate("importar_ods", "No es una hoja .ods: el archivo zip no se "
                                                        "puede leer o está incompleto."));
    }
    const auto activa = hojaActiva(zip);
    if (!activa) {
        return importacionFallida(QCoreApplication::translate(
            "importar_ods", "La parte settings.xml está dañada: no dice qué hoja está activa."));
    }
    if (!activa->isEmpty()) {
        if (auto leida = leeHoja(zip, *activa)) {
            return *leida;
        }
    }
    return leeHoja(zip, QString())
        .value_or(importacionFallida(
            QCoreApplication::translate("importar_ods", "content.xml no tiene ninguna hoja.")));
}

} // namespace oscilab
