// Where an axis puts its labelled ticks: at round numbers a reader can interpolate between.
#pragma once

#include <vector>

namespace oscilab {

// The multiples of a step of 1, 2 or 5 × 10^n that lie in [a, b]: the smallest such step
// that gives at most `maximo` ticks (`maximo` >= 2). Empty when [a, b] is empty or not
// finite. A tick within rounding of zero is exactly 0.
std::vector<double> marcasEje(double a, double b, int maximo);

} // namespace oscilab
