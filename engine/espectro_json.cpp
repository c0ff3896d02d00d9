#include "espectro_json.h"

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

} // namespace curvifit
