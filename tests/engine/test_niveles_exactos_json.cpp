// The member "levels_exact": its schema and a round trip through text.
#include "niveles_exactos_json.h"

#include <gtest/gtest.h>

#include <cmath>

namespace curvifit {

namespace {

NivelesExactos morseEntreParedes(double a, double b) {
    const Potencial morse{[](double R) {
                              const double e = 1.0 - std::exp(-1.0282 * (R - 1.4011));
                              return 0.1745 * e * e - 1.1745;
                          },
                          [](double R) {
                              const double x = std::exp(-1.0282 * (R - 1.4011));
                              return 2.0 * 0.1745 * 1.0282 * x * (1.0 - x);
                          }};
    return resuelveNiveles(morse, 918.6, a, b, -1.1745, 2);
}

} // namespace

TEST(NivelesExactosJson, SchemaAndRoundTrip) {
    const NivelesExactos n = morseEntreParedes(0.5, 4.0);
    const nlohmann::json j = nlohmann::json::parse(nivelesExactosJson(n).dump());
    EXPECT_EQ(j.at("hartree_to_cm1").get<double>(), 219474.6313632);
    EXPECT_EQ(j.at("jmax").get<int>(), 2);
    EXPECT_EQ(j.at("limit_cm1").size(), 3u);
    const nlohmann::json& primero = j.at("levels").at(0);
    EXPECT_EQ(primero.size(), 16u);
    EXPECT_EQ(primero.at("wall_sensitivity_cm1_per_bohr").size(), 2u);
    const nlohmann::json& ultimo = j.at("levels").back();
    EXPECT_EQ(ultimo.at("J").get<int>(), 2);
    EXPECT_TRUE(ultimo.at("bv_cm1").is_null());
    EXPECT_TRUE(ultimo.at("near_wall").get<bool>());
    EXPECT_EQ(j.at("constants_from_levels").size(), 10u);
    EXPECT_TRUE(primero.at("dv_cm1").is_number());
    EXPECT_TRUE(j.at("levels").back().at("dv_cm1").is_null()); // J > 0
    EXPECT_TRUE(j.at("extension").at("inner").is_null());
    EXPECT_TRUE(j.at("dissociation").is_null());

    const NivelesExactos leido = nivelesExactosDesdeJson(j);
    ASSERT_EQ(leido.niveles.size(), n.niveles.size());
    for (std::size_t i = 0; i < n.niveles.size(); ++i) {
        EXPECT_EQ(leido.niveles[i].v, n.niveles[i].v);
        EXPECT_EQ(leido.niveles[i].J, n.niveles[i].J);
        EXPECT_EQ(leido.niveles[i].e_cm1, n.niveles[i].e_cm1);
        EXPECT_EQ(leido.niveles[i].e_hartree, n.niveles[i].e_hartree);
        EXPECT_EQ(leido.niveles[i].r_exterior, n.niveles[i].r_exterior);
        EXPECT_EQ(leido.niveles[i].bv_cm1, n.niveles[i].bv_cm1);
        EXPECT_EQ(leido.niveles[i].sensibilidad_interior, n.niveles[i].sensibilidad_interior);
        EXPECT_EQ(leido.niveles[i].cerca_pared, n.niveles[i].cerca_pared);
    }
    EXPECT_EQ(leido.limite_cm1, n.limite_cm1);
    ASSERT_TRUE(leido.constantes);
    EXPECT_EQ(leido.constantes->alfa_e, n.constantes->alfa_e);
    EXPECT_EQ(leido.RMAX, 4.0);
}

TEST(NivelesExactosJson, ExtensionsDissociationAndQuasiboundLevelsRoundTrip) {
    NivelesExactos n = morseEntreParedes(0.5, 4.0);
    n.extensiones.interior = ExtensionInterior{-1.0, 30.0, 3.5};
    n.extensiones.exterior = ExtensionExterior{4, 12.5, -1.0};
    n.disociacion = Disociacion{-1.0, 38000.0, 35800.0, 120.0, false};
    n.niveles.back().cuasiligado = true;
    n.niveles.back().anchura_cm1 = 0.25;
    n.niveles.back().extrapolado = true;
    n.niveles.back().incertidumbre_cm1 = 3.5;
    const nlohmann::json j = nlohmann::json::parse(nivelesExactosJson(n).dump());
    const nlohmann::json& extension = j.at("extension");
    EXPECT_EQ(extension.at("inner").at("form"), "exponential");
    EXPECT_EQ(extension.at("inner").at("c_per_bohr").get<double>(), 3.5);
    EXPECT_EQ(extension.at("outer").at("form"), "inverse_power");
    EXPECT_EQ(extension.at("outer").at("n").get<int>(), 4);
    EXPECT_EQ(j.at("dissociation").at("source"), "extrapolated");
    EXPECT_EQ(j.at("dissociation").at("d0_cm1").get<double>(), 35800.0);
    EXPECT_TRUE(j.at("levels").at(0).at("width_cm1").is_null());
    EXPECT_EQ(j.at("levels").back().at("width_cm1").get<double>(), 0.25);
    EXPECT_TRUE(j.at("constants_from_levels").at("v_used").is_array());

    const NivelesExactos leido = nivelesExactosDesdeJson(j);
    ASSERT_TRUE(leido.extensiones.interior && leido.extensiones.exterior && leido.disociacion);
    EXPECT_EQ(leido.extensiones.interior->B, 30.0);
    EXPECT_EQ(leido.extensiones.exterior->Cn, 12.5);
    EXPECT_EQ(leido.disociacion->incertidumbre_cm1, 120.0);
    EXPECT_FALSE(leido.disociacion->desde_datos);
    EXPECT_TRUE(leido.niveles.back().cuasiligado);
    EXPECT_TRUE(leido.niveles.back().extrapolado);
    EXPECT_EQ(leido.niveles.back().anchura_cm1, 0.25);
    EXPECT_EQ(leido.niveles.back().incertidumbre_cm1, 3.5);
    EXPECT_FALSE(leido.niveles.front().anchura_cm1);
    EXPECT_EQ(leido.constantes->v_usados, n.constantes->v_usados);
    // A bad source word is no silent "extrapolated".
    nlohmann::json malo = j;
    malo["dissociation"]["source"] = 3;
    EXPECT_THROW(nivelesExactosDesdeJson(malo), nlohmann::json::exception);
}

TEST(NivelesExactosJson, NoLevelsGiveAnEmptyListAndNullConstants) {
    const nlohmann::json j = nivelesExactosJson(morseEntreParedes(1.39, 1.41));
    EXPECT_TRUE(j.at("levels").is_array());
    EXPECT_TRUE(j.at("levels").empty());
    EXPECT_TRUE(j.at("constants_from_levels").is_null());
    EXPECT_FALSE(nivelesExactosDesdeJson(j).constantes);
}

} // namespace curvifit
