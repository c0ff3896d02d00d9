// Number texts of the document: the key filter of numeric boxes, the program's decimal
// readers and the text forms in which numbers go back into the point table. None of them
// depends on the user's locale: the decimal point is always ".".
#pragma once

#include <QString>

namespace oscilab {

// Filters one key typed into a numeric box whose current text is `cadena`. `tecla` is the
// character code; it becomes 0 when the key is refused. Returns whether the key passes.
bool validanumfloat(int& tecla, const QString& cadena);

// The single-precision value of a decimal text: an optional "-", digits, at most one ".",
// and an optional exponent part. A "-" anywhere before the exponent negates the value.
// Texts holding a "," are read by the program's number locale as a whole (0 if not a number).
float Convsng(const QString& cadena);

// direccion 1: every "." becomes ","; -1: every "," becomes "."; anything else empties it.
void cambiapuntocoma(int direccion, QString& cadena);

// The leading number of a text, as the table validation reads it: blanks are skipped, the
// reading stops at the first character that cannot continue the number, exponents are
// understood; an empty or non-numeric text gives 0.
double valorInicial(const QString& cadena);

// General text form of a double: up to 15 significant digits, no trailing zeros, exponent
// form (1.5E-05, 2E+15) below 0.0001 or from 1E15 up.
QString textoGeneral(double valor);

// General text form of a single: up to 7 significant digits, otherwise as textoGeneral.
QString textoGeneralSimple(float valor);

// Pattern "##0." followed by `decimales` optional digits: rounded, no trailing zeros, no
// grouping, and the point is kept when nothing follows it (2 gives "2.").
QString formatoDecimales(double valor, int decimales);

// Unit conversions of the table columns, with their single-precision factors.
enum class Conversion { AngstromABohr, BohrAAngstrom, EvAHartree, HartreeAEv };

float factorConversion(Conversion c);
int decimalesConversion(Conversion c);

// Converts one cell text: Convsng, times the factor in single precision, formatted.
QString convierteCelda(const QString& texto, Conversion c);

} // namespace oscilab
