#include "ajuste.h"
#include "avisos.h"
#include "calcula.h"
#include "leedatos.h"

#include <gtest/gtest.h>

#include <cmath>

namespace curvifit {

namespace {

double morseH2(double r) {
    const double e = 1.0 - std::exp(-1.0282 * (r - 1.4011));
    return 0.1745 * e * e - 0.1745;
}

std::vector<std::string> codigos(double desde, double hasta, int pmin, int pmax,
                                 double (*V)(double)) {
    std::vector<double> r, e;
    for (int i = 0; i < 40; ++i) {
        r.push_back(desde + (hasta - desde) * i / 39);
        e.push_back(V(r.back()));
    }
    TablaPotencias t{};
    for (int p = pmin; p <= pmax; ++p) {
        t[indicePotencia(p)] = 1;
    }
    const DatosEntrada datos = datosDePuntos(r, e, t, 918.64);
    const Ajuste ajuste = ajustaCurva(datos);
    std::vector<std::string> c;
    for (const Aviso& aviso : avisosAjuste(datos, ajuste, *constantesDelAjuste(datos, ajuste))) {
        EXPECT_FALSE(aviso.texto.empty());
        c.push_back(aviso.codigo);
    }
    return c;
}

using Codigos = std::vector<std::string>;

} // namespace

TEST(Avisos, EachConditionGivesItsWarningAndOnlyIt) {
    EXPECT_EQ(codigos(1.0, 3.0, 0, 6, morseH2), Codigos{});
    EXPECT_EQ(codigos(1.0, 3.0, -15, 14, morseH2), Codigos{"singular_values_discarded"});
    // A parabola over the whole well and its tail misses the curve by far more than 1 %.
    EXPECT_EQ(codigos(1.0, 3.0, 0, 2, morseH2), Codigos{"rms_above_one_percent"});
    // Only the outer wall: the fitted minimum lies below the smallest distance.
    EXPECT_EQ(codigos(1.6, 3.0, 0, 4, morseH2), Codigos{"re_outside_data"});
}

} // namespace curvifit
