// Number texts of the results viewer: reading the curve file's fields and the scale
// dialog's fields, and the formats of the corner labels, the tooltip and the dialog.
// Always with "." as decimal point, whatever the locale.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace oscilab {

// The whole field as a finite number ("1.5", "-2E-03", "+7"); nullopt otherwise.
std::optional<double> numeroCompleto(const QByteArray& campo);

// The leading number of a text (blanks skipped, point as decimal sign, exponent forms
// understood), 0 when the text does not begin with a number.
double valornumerico(const QString& texto);

// General form with up to 15 significant digits, the form valornumerico reads back.
QString textoGeneral(double valor);

// "##,##0.0000": thousands separators, at least one integer digit, four decimals.
QString formatoEsquina(double valor);

// "####0.0000": no thousands separators, at least one integer digit, four decimals.
QString formatoTooltip(double valor);

// Key filter of the numeric fields: returns `tecla` when the key may be typed into a
// field whose text is `cadena`, 0 when it is discarded. Digits, backspace, ".", "-",
// Enter and the codes 25 to 28 pass; a second decimal point does not.
int validanumfloat(int tecla, const QString& cadena);

} // namespace oscilab
