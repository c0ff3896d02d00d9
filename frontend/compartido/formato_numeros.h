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

// "##,##0.0000": thousands separators, at least one integer digit, four decimals.
QString formatoEsquina(double valor);

// "####0.0000": no thousands separators, at least one integer digit, four decimals.
QString formatoTooltip(double valor);

// An edge of a view `ancho` wide, to the digits that matter: four beyond those that tell
// the edges apart, at least 6 and at most 15 significant digits, no floating-point noise
// ("1.535", not "1.53499999999992").
QString formatoBorde(double valor, double ancho);

} // namespace oscilab
