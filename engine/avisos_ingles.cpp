// The English texts of the engine's warnings, by code (curvifit --lang en). The Spanish
// texts, written where each warning is raised, stay the source; {1}, {2}... stand for the
// warning's values in order.
#include "avisos.h"

#include <map>

namespace curvifit {

namespace {

const std::map<std::string, std::string>& textosIngles() {
    static const std::map<std::string, std::string> textos = {
        {"singular_values_discarded",
         "The fit discards {1} of {2} singular values: the data do not determine every "
         "coefficient. Fewer powers are advisable."},
        {"rms_above_one_percent",
         "The fit's root-mean-square residual ({1} hartree) exceeds 1 % of the data's energy "
         "range ({2} hartree)."},
        {"re_outside_data",
         "The equilibrium distance ({1} bohr) lies outside the data's distance range ({2} to "
         "{3} bohr): it is an extrapolation."},
        {"no_exact_levels",
         "The points do not reach the energy of the lowest vibrational level: there are no "
         "exact levels within the data's distance range. Widen the distance range."},
        {"inner_wall_kept",
         "The fitted curve is not a repulsive wall at the data's shortest distance (V' < 0 and "
         "V'' > 0 are needed): the exact levels meet a rigid wall there, and those that feel it "
         "are not reliable."},
        {"outer_wall_kept",
         "The fitted curve does not rise towards an asymptote at the data's longest distance "
         "(V' > 0 is needed): the exact levels meet a rigid wall there, and no dissociation "
         "energy is given."},
        {"dipole_file_refused", "{1}. The spectrum is not computed."},
        {"dipole_fit_rms",
         "No polynomial of degree up to {1} fits the dipole moment with a root-mean-square "
         "error below 1e-4 D: the highest degree is used."},
    };
    return textos;
}

std::string conValores(std::string texto, const std::vector<std::string>& valores) {
    for (std::size_t k = valores.size(); k-- > 0;) {
        const std::string marca = "{" + std::to_string(k + 1) + "}";
        for (std::size_t p = texto.find(marca); p != std::string::npos;
             p = texto.find(marca, p + valores[k].size())) {
            texto.replace(p, marca.size(), valores[k]);
        }
    }
    return texto;
}

} // namespace

std::string textoAviso(const Aviso& aviso, IdiomaAvisos idioma) {
    if (idioma == IdiomaAvisos::Espanol) {
        return aviso.texto;
    }
    const auto ingles = textosIngles().find(aviso.codigo);
    return ingles != textosIngles().end() ? conValores(ingles->second, aviso.valores) : aviso.texto;
}

} // namespace curvifit
