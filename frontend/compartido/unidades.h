// Unit factors of the front end's table conversions (CODATA 2018). The engine keeps its own
// factors for reading data files; these only convert what the user sees in the table.
#pragma once

namespace oscilab::unidades {

inline constexpr double angstromPorBohr = 0.529177210903;
inline constexpr double evPorHartree = 27.211386245988;

} // namespace oscilab::unidades
