#include "niveles_exactos_json.h"

#include "constantes_fisicas.h"

namespace curvifit {

namespace {

nlohmann::json nivelJson(const NivelExacto& n) {
    return {{"v", n.v},
            {"J", n.J},
            {"e_cm1", n.e_cm1},
            {"e_hartree", n.e_hartree},
            {"r_inner_bohr", n.r_interior},
            {"r_outer_bohr", n.r_exterior},
            {"bv_cm1", n.bv_cm1 ? nlohmann::json(*n.bv_cm1) : nlohmann::json(nullptr)},
            {"wall_sensitivity_cm1_per_bohr", {n.sensibilidad_interior, n.sensibilidad_exterior}},
            {"near_wall", n.cerca_pared}};
}

NivelExacto nivelDesdeJson(const nlohmann::json& j) {
    NivelExacto n;
    n.v = j.at("v").get<int>();
    n.J = j.at("J").get<int>();
    n.e_cm1 = j.at("e_cm1").get<double>();
    n.e_hartree = j.at("e_hartree").get<double>();
    n.r_interior = j.at("r_inner_bohr").get<double>();
    n.r_exterior = j.at("r_outer_bohr").get<double>();
    if (!j.at("bv_cm1").is_null()) {
        n.bv_cm1 = j.at("bv_cm1").get<double>();
    }
    const nlohmann::json& sensibilidad = j.at("wall_sensitivity_cm1_per_bohr");
    n.sensibilidad_interior = sensibilidad.at(0).get<double>();
    n.sensibilidad_exterior = sensibilidad.at(1).get<double>();
    n.cerca_pared = j.at("near_wall").get<bool>();
    return n;
}

} // namespace

nlohmann::json nivelesExactosJson(const NivelesExactos& exactos) {
    nlohmann::json niveles = nlohmann::json::array();
    for (const NivelExacto& n : exactos.niveles) {
        niveles.push_back(nivelJson(n));
    }
    nlohmann::json constantes = nullptr;
    if (exactos.constantes) {
        const ConstantesDeNiveles& c = *exactos.constantes;
        constantes = {{"we_cm1", c.we},
                      {"wexe_cm1", c.wexe},
                      {"weye_cm1", c.weye},
                      {"be_cm1", c.be},
                      {"alpha_e_cm1", c.alfa_e}};
    }
    return {{"hartree_to_cm1", HARTREE_A_CM1},
            {"jmax", exactos.JMAX},
            {"r_min_bohr", exactos.RMIN},
            {"r_max_bohr", exactos.RMAX},
            {"levels", niveles},
            {"limit_cm1", exactos.limite_cm1},
            {"constants_from_levels", constantes}};
}

NivelesExactos nivelesExactosDesdeJson(const nlohmann::json& j) {
    NivelesExactos exactos;
    exactos.JMAX = j.at("jmax").get<int>();
    exactos.RMIN = j.at("r_min_bohr").get<double>();
    exactos.RMAX = j.at("r_max_bohr").get<double>();
    for (const nlohmann::json& n : j.at("levels")) {
        exactos.niveles.push_back(nivelDesdeJson(n));
    }
    exactos.limite_cm1 = j.at("limit_cm1").get<std::vector<double>>();
    const nlohmann::json& c = j.at("constants_from_levels");
    if (!c.is_null()) {
        exactos.constantes =
            ConstantesDeNiveles{c.at("we_cm1").get<double>(), c.at("wexe_cm1").get<double>(),
                                c.at("weye_cm1").get<double>(), c.at("be_cm1").get<double>(),
                                c.at("alpha_e_cm1").get<double>()};
    }
    return exactos;
}

} // namespace curvifit
