// Small pieces shared by the .xlsx and .ods readers: attributes found by local name (the
// prefixes vary between writers), bounded counts and texts, and the text form of numbers.
#pragma once

#include <QString>
#include <QStringView>
#include <QXmlStreamReader>

#include <optional>

namespace oscilab {

// The longest cell text taken from a workbook; longer ones are not point values.
inline constexpr qsizetype kTextoCeldaMaximo = 64 * 1024;

// The value of the current element's first attribute named `nombre` (any namespace), or
// an empty view.
QStringView atributo(const QXmlStreamReader& xml, QStringView nombre);

// A whole positive count such as a repeat or an index; std::nullopt for anything else.
std::optional<qint64> enteroPositivo(QStringView texto);

// The general text form (as the .xls import gives) of a number written in the file;
// std::nullopt when the text is not a number.
std::optional<QString> textoDeNumero(QStringView texto);

// The text inside the current element and its descendants, skipping descendants named
// `excluido`; leaves the reader on the element's end. std::nullopt on an XML error or a
// text longer than kTextoCeldaMaximo.
std::optional<QString> textoDeElemento(QXmlStreamReader& xml, QStringView excluido = {});

// Reads the rest of the part: true when the whole of it is well-formed XML. A part that is
// not is a damaged file, even where the cells already read looked whole.
bool terminaBien(QXmlStreamReader& xml);

} // namespace oscilab
