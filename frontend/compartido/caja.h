// A plot box in user coordinates: R min, V min, R max, V max.
#pragma once

namespace oscilab {

// All zeros means "no box chosen".
struct Caja {
    double rmin = 0.0;
    double vmin = 0.0;
    double rmax = 0.0;
    double vmax = 0.0;

    bool esNula() const { return rmin == 0.0 && vmin == 0.0 && rmax == 0.0 && vmax == 0.0; }
    friend bool operator==(const Caja&, const Caja&) = default;
};

} // namespace oscilab
