#include "import/importar_xlsx.h"

#include "import/filas_hoja.h"
#include "import/xml_libro.h"
#include "import/zip_acotado.h"

#include <QCoreApplication>
#include <QDir>
#include <QXmlStreamReader>

#include <algorithm>
#include <map>
#include <vector>

namespace oscilab {

namespace {

constexpr qint64 kParteMaxima = 4LL * 1024 * 1024;
constexpr qint64 kLibroMaximo = 1LL * 1024 * 1024;
// Rows with something in columns A or B kept from the sheet before the shared strings are
// looked up: far more than leading titles and 50 points need.
constexpr std::size_t kFilasGuardadas = 2000;

// The highest row number a sheet can have (Excel's limit): a larger one is damage, refused
// before any arithmetic on it can overflow.
constexpr qint64 kFilaMaxima = 1048576;

// A cell of column A or B as the sheet stores it; shared strings are resolved later.
struct CeldaXlsx {
    QString texto;
    std::optional<qint64> compartida; // index into the shared strings
    bool vacia() const { return texto.isEmpty() && !compartida; }
};

struct FilaXlsx {
    qint64 numero = 0;
    CeldaXlsx a;
    CeldaXlsx b;
};

struct HojaXlsx {
    std::vector<FilaXlsx> filas;
    bool completa = true; // false when more rows followed the ones kept
};

std::optional<qint64> enteroNoNegativo(QStringView texto) {
    if (texto == u"0") {
        return 0;
    }
    return enteroPositivo(texto);
}

// A path inside the package from a relationship's target, relative to xl/.
QString rutaDeDestino(const QString& destino) {
    const QString ruta =
        destino.startsWith(u'/') ? destino.mid(1) : QStringLiteral("xl/") + destino;
    return QDir::cleanPath(ruta);
}

// The relationship id of the active sheet in xl/workbook.xml.
std::optional<QString> relacionHojaActiva(const ArchivoZip& zip) {
    const auto parte = zip.abreParte(QStringLiteral("xl/workbook.xml"), kLibroMaximo);
    if (!parte) {
        return std::nullopt;
    }
    QXmlStreamReader xml(parte.get());
    qint64 activa = 0;
    std::vector<QString> hojas;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == u"workbookView") {
            const QStringView texto = atributo(xml, u"activeTab");
            const auto indice =
                texto.isEmpty() ? std::optional<qint64>(0) : enteroNoNegativo(texto);
            if (!indice) {
                return std::nullopt;
            }
            activa = *indice;
        } else if (xml.name() == u"sheet") {
            hojas.push_back(atributo(xml, u"id").toString());
        }
    }
    if (xml.hasError() || hojas.empty()) {
        return std::nullopt;
    }
    return hojas[activa < static_cast<qint64>(hojas.size()) ? static_cast<std::size_t>(activa) : 0];
}

struct Partes {
    QString hoja;
    QString cadenas; // empty when the workbook has no shared strings
};

std::optional<Partes> partesDelLibro(const ArchivoZip& zip, const QString& relacion) {
    const auto parte = zip.abreParte(QStringLiteral("xl/_rels/workbook.xml.rels"), kLibroMaximo);
    if (!parte) {
        return std::nullopt;
    }
    QXmlStreamReader xml(parte.get());
    Partes partes;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != u"Relationship") {
            continue;
        }
        const QString destino = rutaDeDestino(atributo(xml, u"Target").toString());
        if (atributo(xml, u"Id") == relacion) {
            partes.hoja = destino;
        } else if (atributo(xml, u"Type").endsWith(u"/sharedStrings")) {
            partes.cadenas = destino;
        }
    }
    if (xml.hasError() || partes.hoja.isEmpty()) {
        return std::nullopt;
    }
    return partes;
}

// The column number of a cell reference such as "B7"; std::nullopt if it has none.
std::optional<qint64> columnaDeReferencia(QStringView referencia) {
    qint64 columna = 0;
    qsizetype i = 0;
    for (; i < referencia.size() && i < 3 && referencia[i] >= u'A' && referencia[i] <= u'Z'; ++i) {
        columna = columna * 26 + (referencia[i].unicode() - u'A' + 1);
    }
    if (i == 0 || i == referencia.size() || !referencia[i].isDigit()) {
        return std::nullopt;
    }
    return columna;
}

// The current cell (element c); the reader ends on its end.
std::optional<CeldaXlsx> leeCelda(QXmlStreamReader& xml) {
    const QString tipo = atributo(xml, u"t").toString();
    std::optional<QString> valor;
    std::optional<QString> enLinea;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"v") {
            valor = textoDeElemento(xml);
            if (!valor) {
                return std::nullopt;
            }
        } else if (xml.name() == u"is") {
            enLinea = textoDeElemento(xml, u"rPh");
            if (!enLinea) {
                return std::nullopt;
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    if (xml.hasError()) {
        return std::nullopt;
    }
    CeldaXlsx celda;
    if (tipo == u"inlineStr") {
        celda.texto = enLinea.value_or(QString());
    } else if (!valor || valor->isEmpty()) {
        // no value: an empty cell
    } else if (tipo == u"s") {
        celda.compartida = enteroNoNegativo(*valor);
        if (!celda.compartida) {
            return std::nullopt;
        }
    } else if (tipo.isEmpty() || tipo == u"n") {
        const auto texto = textoDeNumero(*valor);
        if (!texto) {
            return std::nullopt;
        }
        celda.texto = *texto;
    } else if (tipo == u"b") {
        celda.texto = *valor == u"1" ? QStringLiteral("VERDADERO") : QStringLiteral("FALSO");
    } else {
        celda.texto = *valor; // formula text, error value or ISO date, as stored
    }
    return celda;
}

// The current row (element row) with its number; the reader ends on its end.
std::optional<FilaXlsx> leeFila(QXmlStreamReader& xml, qint64 anterior) {
    FilaXlsx fila;
    const QStringView numero = atributo(xml, u"r");
    const auto leido =
        numero.isEmpty() ? std::optional<qint64>(anterior + 1) : enteroPositivo(numero);
    if (!leido || *leido <= anterior || *leido > kFilaMaxima) {
        return std::nullopt; // rows come in ascending order, within the sheet's bound
    }
    fila.numero = *leido;
    qint64 columna = 0;
    while (xml.readNextStartElement()) {
        if (xml.name() != u"c") {
            xml.skipCurrentElement();
            continue;
        }
        const QStringView referencia = atributo(xml, u"r");
        const auto siguiente = referencia.isEmpty() ? std::optional<qint64>(columna + 1)
                                                    : columnaDeReferencia(referencia);
        if (!siguiente) {
            return std::nullopt;
        }
        columna = *siguiente;
        if (columna > 2) {
            xml.skipCurrentElement();
            continue;
        }
        auto celda = leeCelda(xml);
        if (!celda) {
            return std::nullopt;
        }
        (columna == 1 ? fila.a : fila.b) = std::move(*celda);
    }
    if (xml.hasError()) {
        return std::nullopt;
    }
    return fila;
}

std::optional<HojaXlsx> leeHoja(const ArchivoZip& zip, const QString& ruta) {
    const auto parte = zip.abreParte(ruta, kParteMaxima);
    if (!parte) {
        return std::nullopt;
    }
    QXmlStreamReader xml(parte.get());
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != u"sheetData") {
            continue;
        }
        HojaXlsx hoja;
        qint64 anterior = 0;
        while (xml.readNextStartElement()) {
            if (xml.name() != u"row") {
                xml.skipCurrentElement();
                continue;
            }
            auto fila = leeFila(xml, anterior);
            if (!fila) {
                return std::nullopt;
            }
            anterior = fila->numero;
            if (fila->a.vacia() && fila->b.vacia()) {
                continue;
            }
            if (hoja.filas.size() == kFilasGuardadas) {
                hoja.completa = false; // the rest is only checked
                continue;
            }
            hoja.filas.push_back(std::move(*fila));
        }
        if (!terminaBien(xml)) {
            return std::nullopt;
        }
        return hoja;
    }
    return std::nullopt; // no sheetData: not a worksheet
}

// The shared strings whose indices are `indices` (sorted, without repeats).
std::optional<std::map<qint64, QString>> leeCadenas(const ArchivoZip& zip, const QString& ruta,
                                                    const std::vector<qint64>& indices) {
    std::map<qint64, QString> cadenas;
    if (indices.empty()) {
        return cadenas;
    }
    const auto parte = ruta.isEmpty() ? nullptr : zip.abreParte(ruta, kParteMaxima);
    if (!parte) {
        return std::nullopt;
    }
    QXmlStreamReader xml(parte.get());
    qint64 indice = 0;
    auto buscada = indices.begin();
    while (buscada != indices.end() && !xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != u"si") {
            continue;
        }
        if (indice == *buscada) {
            auto texto = textoDeElemento(xml, u"rPh");
            if (!texto) {
                return std::nullopt;
            }
            cadenas[indice] = std::move(*texto);
            ++buscada;
        } else {
            xml.skipCurrentElement();
        }
        ++indice;
    }
    if (!terminaBien(xml) || buscada != indices.end()) {
        return std::nullopt; // an index past the table, or a damaged table
    }
    return cadenas;
}

std::vector<qint64> indicesCompartidos(const HojaXlsx& hoja) {
    std::vector<qint64> indices;
    for (const FilaXlsx& fila : hoja.filas) {
        for (const CeldaXlsx* celda : {&fila.a, &fila.b}) {
            if (celda->compartida) {
                indices.push_back(*celda->compartida);
            }
        }
    }
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    return indices;
}

} // namespace

ResultadoImportacion importarxlsx(const QString& ruta) {
    const ArchivoZip zip(ruta);
    if (!zip.abierto()) {
        return importacionFallida(QCoreApplication::translate(
            "importar_xlsx", "No es un libro .xlsx: el archivo zip no se "
                             "puede leer o está incompleto."));
    }
    const auto relacion = relacionHojaActiva(zip);
    if (!relacion) {
        return importacionFallida(QCoreApplication::translate(
            "importar_xlsx", "La parte xl/workbook.xml falta, está dañada "
                             "o no nombra ninguna hoja."));
    }
    const auto partes = partesDelLibro(zip, *relacion);
    if (!partes) {
        return importacionFallida(QCoreApplication::translate(
            "importar_xlsx", "La parte xl/_rels/workbook.xml.rels falta, "
                             "está dañada o no sitúa la hoja activa."));
    }
    const auto hoja = leeHoja(zip, partes->hoja);
    if (!hoja) {
        return importacionFallida(
            QCoreApplication::translate(
                "importar_xlsx", "La hoja %1 falta, es demasiado grande o está dañada (XML "
                                 "incorrecto, filas desordenadas o pasadas de la %2, una celda "
                                 "ilegible).")
                .arg(partes->hoja)
                .arg(kFilaMaxima));
    }
    const auto cadenas = leeCadenas(zip, partes->cadenas, indicesCompartidos(*hoja));
    if (!cadenas) {
        return importacionFallida(
            QCoreApplication::translate(
                "importar_xlsx", "Las cadenas compartidas (%1) faltan, están dañadas o no tienen "
                                 "el texto de una celda.")
                .arg(partes->cadenas.isEmpty() ? QStringLiteral("xl/sharedStrings.xml")
                                               : partes->cadenas));
    }
    auto texto = [&cadenas](const CeldaXlsx& celda) {
        return celda.compartida ? cadenas->at(*celda.compartida) : celda.texto;
    };
    ColectorFilas colector;
    qint64 siguiente = 1;
    for (const FilaXlsx& fila : hoja->filas) {
        // Rows the sheet leaves out are empty rows.
        if (!colector.anade({}, fila.numero - siguiente) ||
            !colector.anade({texto(fila.a), texto(fila.b)})) {
            return colector.resultado();
        }
        siguiente = fila.numero + 1;
    }
    if (!hoja->completa) {
        // The kept rows did not reach the points' end.
        return importacionFallida(
            QCoreApplication::translate("importar_xlsx",
                                        "La hoja %1 tiene más de %2 filas con datos.")
                .arg(partes->hoja)
                .arg(kFilasGuardadas));
    }
    return colector.resultado();
}

} // namespace oscilab
