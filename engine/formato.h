// Number notations of the report and the curve file, built on std::to_chars so that the
// output never depends on the process locale. Every function returns exactly the field
// (no line end); a value that does not fit fills its field with asterisks.
#pragma once

#include <string>

namespace curvifit {

// One curve-file record: a blank and a general field of 25 characters with 15 significant
// digits; fixed point when 0.1 <= |v| < 1e15 (followed by 5 blanks), otherwise
// 0.ddd...E+nnn. Infinite and undefined values are "Infinity", "-Infinity", "NaN".
std::string registroCurva(double v);

// Iw: integer right-justified in w characters.
std::string formatoI(long long n, int w);

// Fw.d: fixed point with d decimals; the 0 before the point only when there is room.
std::string formatoF(double v, int w, int d);

// 1PEw.d: one non-zero digit, the point, d decimals, E, sign and two exponent digits
// (three digits in place of the letter E beyond +-99).
std::string formato1PE(double v, int w, int d);

// Gw.d: fixed point with d significant digits in w-4 characters plus 4 blanks when the
// value rounded to d digits lies in [0.1, 10^d) or is zero; otherwise 0.ddd...E+nn.
std::string formatoG(double v, int w, int d);

// nX: n blanks.
std::string espacios(int n);

} // namespace curvifit
