// Number texts of the document: the key filter of numeric boxes, the program's decimal
// readers and the text forms in which numbers go back into the point table. None of them
// depends on the user's locale: the decimal point is always ".".
#pragma once

#include <QString>

#include <optional>

namespace oscilab {

// Filters one key typed into a numeric box whose current text is `cadena`; the key replaces
// the characters [inicio, fin) (the selection, or an empty stretch at the cursor). `tecla`
// is the character code. Digits, one decimal sign, a "-" that becomes the first character,
// and the editing keys (backspace, Enter, codes 25 to 28) pass. A "," is the keypad's
// decimal key on many keyboards: it passes as a "." (`tecla` becomes 46), and the window
// types that instead. Refused keys make `tecla` 0. Returns whether the key passes.
bool validanumfloat(int& tecla, const QString& cadena, qsizetype inicio, qsizetype fin);

// The same with the key typed at the end of the text.
bool validanumfloat(int& tecla, const QString& cadena);

// The single-precision value of a decimal text: an optional "-", digits, at most one
// decimal sign ("." or ","), and an optional exponent part. A "-" anywhere before the
// exponent negates the value.
float Convsng(const QString& cadena);

// The value of a text that is one whole number: blanks around it, an optional sign, digits
// with at most one decimal sign ("." or ","), an optional exponent (E or D). std::nullopt
// for anything else, such as "1.715-317", "-", "1,5,2" or "abc".
std::optional<double> valorCompleto(const QString& cadena);

// direccion 1: every "." becomes ","; -1: every "," becomes "."; anything else empties it.
void cambiapuntocoma(int direccion, QString& cadena);

// The leading number of a text, as the table validation reads it: blanks are skipped, the
// reading stops at the first character that cannot continue the number, exponents are
// understood, a "," counts as the decimal point; an empty or non-numeric text gives 0.
double valorInicial(const QString& cadena);

// General text form of a double: up to 15 significant digits, no trailing zeros, exponent
// form (1.5E-05, 2E+15) below 0.0001 or from 1E15 up.
QString textoGeneral(double valor);

// General text form of a single: up to 7 significant digits, otherwise as textoGeneral.
QString textoGeneralSimple(float valor);

// Unit conversions of the table columns, each the exact inverse of its opposite.
enum class Conversion { AngstromABohr, BohrAAngstrom, EvAHartree, HartreeAEv, DebyeAUA, UAADebye };

Conversion inversa(Conversion c);
double convierteValor(double valor, Conversion c);

// Converts one cell text in double precision. The result is the shortest text, of at most
// 10 significant digits, that converts back to the cell's value (or, failing that, the
// value to 10 digits), so that converting there and back gives the typed text again. A
// text that is not a number is left as it is, for the save to name it.
QString convierteCelda(const QString& texto, Conversion c);

} // namespace oscilab
