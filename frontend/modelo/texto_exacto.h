// The text in which the document shows and writes a value: the shortest decimal that reads
// back to the very same double (at most 17 significant digits), so that a value survives
// any number of saves, opens and unit round trips unchanged.
#pragma once

#include <QString>

namespace oscilab {

// "1.5", "-3078.3338289", "1E-05", "2.5E+20": fixed or exponent form, whichever is
// shorter, with a "." and an upper-case "E" whatever the locale.
QString textoExacto(double valor);

} // namespace oscilab
