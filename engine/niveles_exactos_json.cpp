#include "niveles_exactos_json.h"

#include "constantes_fisicas.h"
#include "paralelo.h"

#include <utility>

namespace curvifit {

namespace {

std::optional<double> opcionalDesde(const nlohmann::json& j, const char* nombre) {
    if (!j.contains(nombre) || j.at(nombre).is_null()) {
        return std::nullopt;
    }
    return j.at(nombre).get<double>();
}

nlohmann::ordered_json opcional(const std::optional<double>& x) {
    return x ? nlohmann::ordered_json(*x) : nlohmann::ordered_json(nullptr);
}

// Thousands of these: built in the result file's own ordered type (a conversion would copy
// each), with the keys in the order a sorted map gave them before.
nlohmann::ordered_json nivelJson(const NivelExacto& n) {
    return {{"J", n.J},
            {"bv_cm1", opcional(n.bv_cm1)},
            {"dv_cm1", opcional(n.dv_cm1)},
            {"e_cm1", n.e_cm1},
            {"e_hartree", n.e_hartree},
            {"extrapolated", n.extrapolado},
            {"hv_cm1", opcional(n.hv_cm1)},
            {"lv_cm1", opcional(n.lv_cm1)},
            {"near_wall", n.cerca_pared},
            {"quasibound", n.cuasiligado},
            {"r_inner_bohr", n.r_interior},
            {"r_outer_bohr", n.r_exterior},
            {"uncertainty_cm1", n.incertidumbre_cm1},
            {"v", n.v},
            {"wall_sensitivity_cm1_per_bohr", {n.sensibilidad_interior, n.sensibilidad_exterior}},
            {"width_cm1", opcional(n.anchura_cm1)}};
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
    // Files written before the curve was extended lack these: their levels had walls.
    n.extrapolado = j.value("extrapolated", false);
    n.incertidumbre_cm1 = j.value("uncertainty_cm1", 0.0);
    n.cuasiligado = j.value("quasibound", false);
    n.dv_cm1 = opcionalDesde(j, "dv_cm1");
    n.hv_cm1 = opcionalDesde(j, "hv_cm1");
    n.lv_cm1 = opcionalDesde(j, "lv_cm1");
    if (j.contains("width_cm1") && !j.at("width_cm1").is_null()) {
        n.anchura_cm1 = j.at("width_cm1").get<double>();
    }
    return n;
}

nlohmann::json extensionJson(const Extensiones& e) {
    nlohmann::json interior = nullptr, exterior = nullptr;
    if (e.interior) {
        interior = {{"form", "exponential"},
                    {"a_hartree", e.interior->A},
                    {"b_hartree", e.interior->B},
                    {"c_per_bohr", e.interior->C}};
    }
    if (e.exterior) {
        exterior = {{"form", "inverse_power"},
                    {"n", e.exterior->n},
                    {"cn", e.exterior->Cn},
                    {"v_inf_hartree", e.exterior->Vinf}};
    }
    return {{"inner", interior}, {"outer", exterior}};
}

Extensiones extensionDesdeJson(const nlohmann::json& j) {
    Extensiones e;
    if (const auto& i = j.at("inner"); !i.is_null()) {
        e.interior =
            ExtensionInterior{i.at("a_hartree").get<double>(), i.at("b_hartree").get<double>(),
                              i.at("c_per_bohr").get<double>()};
    }
    if (const auto& x = j.at("outer"); !x.is_null()) {
        e.exterior = ExtensionExterior{x.at("n").get<int>(), x.at("cn").get<double>(),
                                       x.at("v_inf_hartree").get<double>()};
    }
    return e;
}

nlohmann::json disociacionJson(const std::optional<Disociacion>& d) {
    if (!d) {
        return nullptr;
    }
    return {{"v_inf_hartree", d->v_inf_hartree},
            {"de_cm1", d->de_cm1},
            {"d0_cm1", d->d0_cm1},
            {"uncertainty_cm1", d->incertidumbre_cm1},
            {"source", d->desde_datos ? "data" : "extrapolated"}};
}

std::optional<Disociacion> disociacionDesdeJson(const nlohmann::json& j) {
    if (j.is_null()) {
        return std::nullopt;
    }
    Disociacion d;
    d.v_inf_hartree = j.at("v_inf_hartree").get<double>();
    d.de_cm1 = j.at("de_cm1").get<double>();
    d.d0_cm1 = j.at("d0_cm1").get<double>();
    d.incertidumbre_cm1 = j.at("uncertainty_cm1").get<double>();
    d.desde_datos = j.at("source").get<std::string>() == "data";
    return d;
}

} // namespace

nlohmann::ordered_json nivelesExactosJson(const NivelesExactos& exactos) {
    // A heavy molecule has thousands of levels: their objects are built side by side.
    nlohmann::ordered_json::array_t objetos(exactos.niveles.size());
    enParalelo(objetos.size(), [&](std::size_t k) { objetos[k] = nivelJson(exactos.niveles[k]); });
    nlohmann::ordered_json niveles(std::move(objetos));
    nlohmann::json constantes = nullptr;
    if (exactos.constantes) {
        const ConstantesDeNiveles& c = *exactos.constantes;
        constantes = {{"we_cm1", c.we},        {"wexe_cm1", c.wexe},       {"weye_cm1", c.weye},
                      {"be_cm1", c.be},        {"alpha_e_cm1", c.alfa_e},  {"v_used", c.v_usados},
                      {"weze_cm1", c.weze},    {"gamma_e_cm1", c.gamma_e}, {"de_cm1", c.de},
                      {"beta_e_cm1", c.beta_e}};
    }
    nlohmann::json dunham = nullptr;
    if (exactos.dunham) {
        // The coefficients tables list, Y_kl with k the power of (v + 1/2), l of J(J+1).
        const auto& Y = exactos.dunham->Y;
        dunham = {{"Y10", Y[1][0]}, {"Y20", Y[2][0]}, {"Y30", Y[3][0]}, {"Y01", Y[0][1]},
                  {"Y11", Y[1][1]}, {"Y21", Y[2][1]}, {"Y02", Y[0][2]}, {"Y12", Y[1][2]}};
    }
    return {{"constants_from_levels", constantes},
            {"dissociation", disociacionJson(exactos.disociacion)},
            {"dunham", dunham},
            {"extension", extensionJson(exactos.extensiones)},
            {"hartree_to_cm1", HARTREE_A_CM1},
            {"jmax", exactos.JMAX},
            {"levels", std::move(niveles)},
            {"limit_cm1", exactos.limite_cm1},
            {"r_max_bohr", exactos.RMAX},
            {"r_min_bohr", exactos.RMIN}};
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
        exactos.constantes = ConstantesDeNiveles{
            c.at("we_cm1").get<double>(),      c.at("wexe_cm1").get<double>(),
            c.at("weye_cm1").get<double>(),    c.at("be_cm1").get<double>(),
            c.at("alpha_e_cm1").get<double>(), c.value("v_used", std::vector<int>{})};
    }
    if (j.contains("extension")) {
        exactos.extensiones = extensionDesdeJson(j.at("extension"));
    }
    if (j.contains("dissociation")) {
        exactos.disociacion = disociacionDesdeJson(j.at("dissociation"));
    }
    return exactos;
}

} // namespace curvifit
