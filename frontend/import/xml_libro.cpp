#include "import/xml_libro.h"

#include "compartido/textos_numero.h"
#include "import/filas_hoja.h"

#include <charconv>

namespace oscilab {

QStringView atributo(const QXmlStreamReader& xml, QStringView nombre) {
    // Held as const: a range-for over the temporary would detach it and copy every
    // attribute, on every lookup.
    const QXmlStreamAttributes atributos = xml.attributes();
    for (const QXmlStreamAttribute& a : atributos) {
        if (a.name() == nombre) {
            return a.value();
        }
    }
    return {};
}

std::optional<qint64> enteroPositivo(QStringView texto) {
    const QByteArray bytes = texto.toLatin1();
    qint64 valor = 0;
    const char* fin = bytes.constData() + bytes.size();
    const auto [resto, error] = std::from_chars(bytes.constData(), fin, valor);
    if (bytes.isEmpty() || error != std::errc() || resto != fin || valor <= 0) {
        return std::nullopt;
    }
    return valor;
}

std::optional<QString> textoDeNumero(QStringView texto) {
    const auto valor = numeroDeTexto(texto);
    if (!valor) {
        return std::nullopt;
    }
    return textoGeneral(*valor);
}

std::optional<QString> textoDeElemento(QXmlStreamReader& xml, QStringView excluido) {
    QString texto;
    int profundidad = 1;
    while (profundidad > 0 && !xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (!excluido.isEmpty() && xml.name() == excluido) {
                xml.skipCurrentElement();
            } else {
                ++profundidad;
            }
            break;
        case QXmlStreamReader::EndElement:
            --profundidad;
            break;
        case QXmlStreamReader::Characters:
            texto += xml.text();
            if (texto.size() > kTextoCeldaMaximo) {
                return std::nullopt;
            }
            break;
        default:
            break;
        }
    }
    if (xml.hasError()) {
        return std::nullopt;
    }
    return texto;
}

bool terminaBien(QXmlStreamReader& xml) {
    while (!xml.atEnd()) {
        xml.readNext();
    }
    return !xml.hasError();
}

} // namespace oscilab
