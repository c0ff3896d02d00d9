#include "espectro_json.h"

#include <algorithm>
#include <map>

namespace curvifit {

namespace {

using Json = nlohmann::ordered_json;

Json dipoloJson(const CurvaDipolo& d) {
    Json puntos = Json::array();
    for (std::size_t i = 0; i < d.puntos.R_bohr.size(); ++i) {
        puntos.push_back({{"r_bohr", d.puntos.R_bohr[i]}, {"mu_debye", d.puntos.mu_debye[i]}});
    }
    return {{"unit", "debye"},
            {"powers_of_r_minus_re", d.potencias},
            {"coefficients", d.coeficientes},
            {"rms_debye", d.rms_debye},
            {"r_min_bohr", d.r_min_bohr},
            {"r_max_bohr", d.r_max_bohr},
            {"points", puntos}};
}

Json lineaJson(const LineaEspectral& l) {
    return {{"v_upper", l.v_sup},
            {"j_upper", l.j_sup},
            {"v_lower", l.v_inf},
            {"j_lower", l.j_inf},
            {"branch", std::string(1, l.rama)},
            {"wavenumber_cm1", l.numero_onda_cm1},
            {"transition_moment_debye", l.momento_debye},
            {"einstein_a_s1", l.einstein_a_s1},
            {"e_lower_cm1", l.e_inferior_cm1},
            {"intensity_cm_molecule", l.intensidad}};
}

} // namespace

Json espectroJson(const std::optional<Espectro>& espectro) {
    if (!espectro) {
        return nullptr;
    }
    Json lineas = Json::array();
    for (const LineaEspectral& l : lineasListadas(*espectro)) {
        lineas.push_back(lineaJson(l));
    }
    Json vidas = Json::array();
    for (const VidaRadiativa& v : espectro->vidas) {
        vidas.push_back({{"v", v.v}, {"J", v.J}, {"tau_s", v.tau_s}});
    }
    return {{"temperature_k", espectro->temperatura_k},
            {"partition_function", espectro->funcion_particion},
            {"q_truncated", espectro->q_truncada},
            {"dipole", dipoloJson(espectro->dipolo)},
            {"lines", lineas},
            {"lifetimes", vidas}};
}

std::optional<Espectro> espectroDesdeJson(const nlohmann::json& j, const NivelesExactos& exactos) {
    if (j.is_null()) {
        return std::nullopt;
    }
    Espectro e;
    e.JMAX = exactos.JMAX;
    e.temperatura_k = j.at("temperature_k").get<double>();
    const nlohmann::json& d = j.at("dipole");
    e.dipolo.potencias = d.at("powers_of_r_minus_re").get<std::vector<int>>();
    e.dipolo.coeficientes = d.at("coefficients").get<std::vector<double>>();
    e.dipolo.rms_debye = d.at("rms_debye").get<double>();
    e.dipolo.r_min_bohr = d.at("r_min_bohr").get<double>();
    e.dipolo.r_max_bohr = d.at("r_max_bohr").get<double>();
    double fondo = INFINITY;
    for (const NivelExacto& n : exactos.niveles) {
        fondo = n.cuasiligado ? fondo : std::min(fondo, n.e_cm1);
    }
    std::map<std::pair<int, int>, std::size_t> indice;
    for (const NivelExacto& n : exactos.niveles) {
        if (!n.cuasiligado) {
            indice[{n.v, n.J}] = e.niveles.size();
            e.niveles.push_back({n.v, n.J, n.e_cm1 - fondo, n.bv_cm1});
        }
    }
    for (const nlohmann::json& x : j.at("lines")) {
        LineaEspectral l;
        l.v_sup = x.at("v_upper").get<int>();
        l.j_sup = x.at("j_upper").get<int>();
        l.v_inf = x.at("v_lower").get<int>();
        l.j_inf = x.at("j_lower").get<int>();
        l.rama = x.at("branch").get<std::string>() == "P" ? 'P' : 'R';
        l.numero_onda_cm1 = x.at("wavenumber_cm1").get<double>();
        l.momento_debye = x.at("transition_moment_debye").get<double>();
        l.einstein_a_s1 = x.at("einstein_a_s1").get<double>();
        l.e_inferior_cm1 = x.at("e_lower_cm1").get<double>();
        l.intensidad = x.at("intensity_cm_molecule").get<double>();
        l.superior = indice.at({l.v_sup, l.j_sup});
        l.inferior = indice.at({l.v_inf, l.j_inf});
        e.lineas.push_back(l);
    }
    for (const nlohmann::json& x : j.at("lifetimes")) {
        e.vidas.push_back(
            {x.at("v").get<int>(), x.at("J").get<int>(), x.at("tau_s").get<double>()});
    }
    e.funcion_particion = j.at("partition_function").get<double>();
    e.q_truncada = j.at("q_truncated").get<bool>();
    return e;
}

} // namespace curvifit
