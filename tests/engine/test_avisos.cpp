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

namespace curvifit {

// curvifit --lang en: the same warnings, by code, with the same values in an English text.
TEST(Avisos, EnglishTextsCarryTheSameValuesAndKeepTheCodes) {
    std::vector<double> r, e;
    for (int i = 0; i < 40; ++i) {
        r.push_back(1.6 + 1.4 * i / 39);
        e.push_back(morseH2(r.back()));
    }
    TablaPotencias t{};
    for (int p = 0; p <= 4; ++p) {
        t[indicePotencia(p)] = 1;
    }
    const DatosEntrada datos = datosDePuntos(r, e, t, 918.64);
    const Ajuste ajuste = ajustaCurva(datos);
    const auto avisos = avisosAjuste(datos, ajuste, *constantesDelAjuste(datos, ajuste));
    ASSERT_EQ(avisos.size(), 1u);
    const Aviso& aviso = avisos[0];
    EXPECT_EQ(textoAviso(aviso, IdiomaAvisos::Espanol), aviso.texto);
    const std::string ingles = textoAviso(aviso, IdiomaAvisos::Ingles);
    EXPECT_EQ(ingles.rfind("The equilibrium distance (", 0), 0u) << ingles;
    ASSERT_EQ(aviso.valores.size(), 3u);
    for (const std::string& valor : aviso.valores) {
        EXPECT_NE(aviso.texto.find(valor), std::string::npos) << valor;
        EXPECT_NE(ingles.find(valor), std::string::npos) << valor;
    }
    EXPECT_EQ(ingles.find('{'), std::string::npos) << ingles;
    // A code the table lacks keeps its Spanish text rather than losing it.
    EXPECT_EQ(textoAviso({"nuevo_aviso", "Texto nuevo."}, IdiomaAvisos::Ingles), "Texto nuevo.");
    EXPECT_EQ(textoAviso({"dipole_file_refused", "x", {"Línea 3: no es un número"}},
                         IdiomaAvisos::Ingles),
              "Línea 3: no es un número. The spectrum is not computed.");
}

} // namespace curvifit
