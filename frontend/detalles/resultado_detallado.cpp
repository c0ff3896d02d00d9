#include "detalles/resultado_detallado.h"

#include "espectro_json.h"
#include "niveles_exactos_json.h"
#include "unidades.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <limits>

namespace oscilab {

namespace {

using nlohmann::json;

// The writer puts null for a value that is not a number.
double numeroONan(const json& j) {
    return j.is_null() ? std::numeric_limits<double>::quiet_NaN() : j.get<double>();
}

std::vector<PuntoAjustado> puntosDe(const json& j) {
    std::vector<PuntoAjustado> puntos;
    for (const json& p : j) {
        puntos.push_back({numeroONan(p.at("r_bohr")), numeroONan(p.at("e_hartree")),
                          numeroONan(p.at("e_fit_hartree")), numeroONan(p.at("residual_hartree"))});
    }
    return puntos;
}

std::vector<std::pair<std::string, ConstanteConError>> constantesDe(const json& j) {
    std::vector<std::pair<std::string, ConstanteConError>> constantes;
    for (const auto& [nombre, c] : j.items()) {
        ConstanteConError valor{numeroONan(c.at("value")), std::nullopt};
        if (!c.at("stderr").is_null()) {
            valor.error = c.at("stderr").get<double>();
        }
        constantes.emplace_back(nombre, valor);
    }
    return constantes;
}

ResultadoDetallado resultadoDe(const json& j) {
    ResultadoDetallado r;
    r.titulo = j.at("title").get<std::string>();
    r.angstrom = j.at("units").at("distance").get<std::string>() == "angstrom";
    r.ev = j.at("units").at("energy").get<std::string>() == "eV";
    r.masaReducida = numeroONan(j.at("reduced_mass_me"));
    r.masas = {numeroONan(j.at("masses_amu").at(0)), numeroONan(j.at("masses_amu").at(1))};
    r.puntos = puntosDe(j.at("points"));
    const json& ajuste = j.at("fit");
    r.potencias = ajuste.at("powers").get<std::vector<int>>();
    for (const json& c : ajuste.at("coefficients")) {
        r.coeficientes.push_back(numeroONan(c));
    }
    for (const json& s : ajuste.at("singular_values")) {
        r.singulares.push_back(numeroONan(s));
    }
    r.descartados = ajuste.at("discarded").get<int>();
    r.rms_hartree = numeroONan(ajuste.at("rms_hartree"));
    r.constantes = constantesDe(j.at("constants"));
    if (j.contains("levels_exact")) {
        r.exactos = curvifit::nivelesExactosDesdeJson(j.at("levels_exact"));
    }
    if (j.contains("spectrum") && r.exactos) {
        r.espectro = curvifit::espectroDesdeJson(j.at("spectrum"), *r.exactos);
    }
    for (const json& a : j.at("warnings")) {
        r.avisos.push_back({a.at("code").get<std::string>(), a.at("text").get<std::string>()});
    }
    if (r.potencias.size() != r.coeficientes.size()) {
        throw ResultadoIlegible("El fichero de resultados no tiene un coeficiente por "
                                "potencia.");
    }
    return r;
}

} // namespace

std::optional<ConstanteConError> ResultadoDetallado::constante(const std::string& nombre) const {
    for (const auto& [n, c] : constantes) {
        if (n == nombre && std::isfinite(c.valor)) {
            return c;
        }
    }
    return std::nullopt;
}

double ResultadoDetallado::factorDistancia() const {
    return angstrom ? curvifit::FACDIST_ANGSTROM : 1.0;
}

double ResultadoDetallado::factorEnergia() const {
    return ev ? curvifit::FACENER_EV : 1.0;
}

std::string ResultadoDetallado::unidadDistancia() const {
    return angstrom ? "Angstrom" : "bohr";
}

std::string ResultadoDetallado::unidadEnergia() const {
    return ev ? "eV" : "hartree";
}

ResultadoDetallado leeResultadoDetallado(const std::string& texto) {
    const json j = json::parse(texto, nullptr, false);
    if (j.is_discarded() || !j.is_object()) {
        throw ResultadoIlegible("El fichero de resultados no es un documento JSON válido.");
    }
    if (j.value("format", "") != "oscilab-results" || j.value("version", 0) != 1) {
        throw ResultadoIlegible("El fichero de resultados no es de este programa o es de otra "
                                "versión.");
    }
    try {
        return resultadoDe(j);
    } catch (const json::exception&) {
        throw ResultadoIlegible("Al fichero de resultados le falta un dato o tiene uno de tipo "
                                "equivocado.");
    } catch (const std::out_of_range&) { // a spectral line whose level is not listed
        throw ResultadoIlegible("El espectro del fichero de resultados nombra un nivel que no "
                                "está entre los niveles exactos.");
    }
}

curvifit::Potencial potencialAjustado(const ResultadoDetallado& r) {
    const auto suma = [p = r.potencias, c = r.coeficientes](double R, bool derivada) {
        double s = 0.0;
        for (std::size_t k = 0; k < p.size(); ++k) {
            s += derivada ? c[k] * p[k] * std::pow(R, p[k] - 1) : c[k] * std::pow(R, p[k]);
        }
        return s;
    };
    return {[suma](double R) { return suma(R, false); },
            [suma](double R) { return suma(R, true); }};
}

} // namespace oscilab
