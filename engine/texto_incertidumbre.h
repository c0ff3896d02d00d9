// A value with its standard error as text: where the error decides the digits shown.
#pragma once

#include <charconv>
#include <optional>
#include <string>

namespace curvifit {

// v with to_chars in the given form and precision: locale-free, "." decimal point.
std::string numero(double v, std::chars_format formato, int precision);

// The same for a table cell: "-" for a value that is not a number.
std::string textoNumero(double v, std::chars_format formato, int precision);

// The shortest text that reads back as the same double; "-" for a value that is not a number.
std::string textoExacto(double v);

// The decimals that keep two significant digits of `error` (> 0), from 0 to 15.
int decimalesSegunError(double error);

// "1.40188(12)": the value rounded at the error's second significant digit and the error in
// those last digits, in brackets. Values below 1e-3 or from 1e5 in magnitude take a power of
// ten, "5.327(55)e-06". Without a usable error, the value alone to 7 significant digits; "-"
// for a value that is not a number. Always a "." decimal point.
std::string textoParentesis(double valor, std::optional<double> error);

} // namespace curvifit
