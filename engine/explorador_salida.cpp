#include "explorador_salida.h"

#include "abre_fich.h"
#include "dispersion_modelos.h"
#include "leedatos.h"
#include "texto_incertidumbre.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>

namespace curvifit {

namespace {

std::string energia(double hartree, const UnidadesExplorador& u) {
    return std::isfinite(hartree) ? numero(hartree * u.porHartree, std::chars_format::scientific, 3)
                                  : "-";
}

struct Columna {
    std::string titulo;
    bool aLaIzquierda = false;
    std::vector<std::string> celdas;
};

// Widths count characters, not bytes: "±" and accented letters take two bytes in UTF-8.
std::size_t anchoDe(const std::string& texto) {
    return static_cast<std::size_t>(std::count_if(texto.begin(), texto.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string rellena(const std::string& texto, std::size_t ancho, bool aLaIzquierda) {
    const std::size_t caracteres = anchoDe(texto);
    const std::string blancos(ancho > caracteres ? ancho - caracteres : 0, ' ');
    return aLaIzquierda ? texto + blancos : blancos + texto;
}

std::string compone(const std::vector<Columna>& columnas, std::size_t filas) {
    std::vector<std::size_t> anchos;
    for (const Columna& c : columnas) {
        std::size_t ancho = anchoDe(c.titulo);
        for (const std::string& celda : c.celdas) {
            ancho = std::max(ancho, anchoDe(celda));
        }
        anchos.push_back(ancho);
    }
    const auto linea = [&](auto celda) {
        std::string texto;
        for (std::size_t j = 0; j < columnas.size(); ++j) {
            texto += (j == 0 ? "" : "  ") +
                     rellena(celda(columnas[j]), anchos[j], columnas[j].aLaIzquierda);
        }
        texto.erase(texto.find_last_not_of(' ') + 1);
        return texto + "\n";
    };
    std::string tabla = linea([](const Columna& c) { return c.titulo; });
    for (std::size_t i = 0; i < filas; ++i) {
        tabla += linea([i](const Columna& c) { return c.celdas[i]; });
    }
    return tabla;
}

nlohmann::ordered_json numeroJson(double v) {
    return std::isfinite(v) ? nlohmann::ordered_json(v) : nlohmann::ordered_json(nullptr);
}

nlohmann::ordered_json constantesJson(const EvaluacionCandidato& c,
                                      const std::optional<DispersionModelos>& modelos) {
    if (!c.constantes) {
        return nullptr;
    }
    nlohmann::ordered_json constantes = nlohmann::ordered_json::object();
    for (Constante k : CONSTANTES_EXPLORADOR) {
        const ValorConError& v = (*c.constantes)[k];
        constantes[std::string(NOMBRES_CONSTANTES[static_cast<int>(k)])] = {
            {"value", numeroJson(v.valor)},
            {"stderr", v.error ? numeroJson(*v.error) : nlohmann::ordered_json(nullptr)},
            {"model_spread", modelos ? numeroJson(modelos->dispersion[static_cast<int>(k)])
                                     : nlohmann::ordered_json(nullptr)}};
    }
    return constantes;
}

// The sets behind model_spread, with their weights.
nlohmann::ordered_json conjuntosModeloJson(const std::vector<EvaluacionCandidato>& ranking,
                                           const std::optional<DispersionModelos>& modelos) {
    nlohmann::ordered_json conjuntos = nlohmann::ordered_json::array();
    if (modelos) {
        for (std::size_t j = 0; j < modelos->conjuntos.size(); ++j) {
            conjuntos.push_back({{"powers", potenciasDe(ranking[modelos->conjuntos[j]].potencias)},
                                 {"weight", numeroJson(modelos->pesos[j])}});
        }
    }
    return conjuntos;
}

// v fixed with the given decimals; "0" when that rounds to zero, not a row of zeros.
std::string fijo(double v, int decimales) {
    const std::string texto = numero(v, std::chars_format::fixed, decimales);
    return texto.find_first_of("123456789") == std::string::npos ? "0" : texto;
}

} // namespace

UnidadesExplorador unidadesExplorador(const DatosEntrada& datos) {
    UnidadesExplorador u;
    const bool ev = datos.UNIENER == "eV";
    u.energia = ev ? "eV" : "hartree";
    u.porHartree = ev ? datos.FACENER : 1.0;
    u.distancia = datos.enAngstrom() ? "Angstrom" : "bohr";
    u.re = datos.enAngstrom() ? Constante::ReAngstrom : Constante::ReBohr;
    return u;
}

std::array<Constante, 5> constantesMostradas(const UnidadesExplorador& u) {
    std::array<Constante, 5> constantes = CONSTANTES_EXPLORADOR;
    constantes[0] = u.re;
    return constantes;
}

std::string textoValorConError(const ValorConError& v) {
    if (!std::isfinite(v.valor)) {
        return "-";
    }
    if (!v.error || !std::isfinite(*v.error) || *v.error <= 0.0 || std::fabs(v.valor) >= 1e12) {
        return numero(v.valor, std::chars_format::general, 7);
    }
    const int decimales = decimalesSegunError(*v.error);
    return fijo(v.valor, decimales) + " ± " + fijo(*v.error, decimales);
}

std::string textoDispersionModelo(double dispersion) {
    if (!std::isfinite(dispersion)) {
        return "-";
    }
    const std::string valor =
        dispersion > 0.0 ? fijo(dispersion, decimalesSegunError(dispersion)) : "0";
    return "± " + valor + " modelo";
}

std::string tablaExplorador(const std::vector<EvaluacionCandidato>& ranking,
                            const DatosEntrada& datos, int filas) {
    const UnidadesExplorador u = unidadesExplorador(datos);
    const std::size_t n = std::min(ranking.size(), static_cast<std::size_t>(std::max(filas, 0)));
    std::vector<Columna> columnas = {
        {"N.", false, {}},  {"Potencias", true, {}}, {"sqrt(PRESS/N)", false, {}},
        {"rms", false, {}}, {"AICc", false, {}},     {"Desc.", false, {}},
        {"re", false, {}},  {"we", false, {}},       {"wexe", false, {}},
        {"Be", false, {}},  {"alfa_e", false, {}},
    };
    const std::array<Constante, 5> constantes = constantesMostradas(u);
    bool sinMinimo = false;
    for (std::size_t i = 0; i < n; ++i) {
        const EvaluacionCandidato& c = ranking[i];
        sinMinimo = sinMinimo || !c.minimoDentro;
        columnas[0].celdas.push_back(std::to_string(i + 1) + (c.minimoDentro ? " " : "*"));
        columnas[1].celdas.push_back(textoPotencias(c.potencias) +
                                     (c.delDocumento ? " (documento)" : ""));
        columnas[2].celdas.push_back(energia(c.pressRms, u));
        columnas[3].celdas.push_back(energia(c.rms, u));
        columnas[4].celdas.push_back(
            std::isfinite(c.aicc) ? numero(c.aicc, std::chars_format::fixed, 1) : "-");
        columnas[5].celdas.push_back(std::to_string(c.singularesDescartados.size()));
        for (std::size_t k = 0; k < constantes.size(); ++k) {
            columnas[6 + k].celdas.push_back(
                c.constantes ? textoValorConError((*c.constantes)[constantes[k]]) : "-");
        }
    }
    std::string texto = "Energías en " + u.energia + ", re en " + u.distancia +
                        "; we, wexe, Be y alfa_e en 1/cm; cada constante ± su error típico.\n" +
                        compone(columnas, n);
    if (sinMinimo) {
        texto += "* sin mínimo de la curva ajustada dentro del intervalo de distancias de los "
                 "datos\n";
    }
    return texto;
}

std::string jsonExplorador(const std::vector<EvaluacionCandidato>& ranking) {
    const std::optional<DispersionModelos> modelos = dispersionModelos(ranking);
    nlohmann::ordered_json candidatos = nlohmann::ordered_json::array();
    for (const EvaluacionCandidato& c : ranking) {
        candidatos.push_back({{"powers", potenciasDe(c.potencias)},
                              {"press_rms_hartree", numeroJson(c.pressRms)},
                              {"rms_hartree", numeroJson(c.rms)},
                              {"aicc", numeroJson(c.aicc)},
                              {"minimum_inside", c.minimoDentro},
                              {"discarded", c.singularesDescartados.size()},
                              {"constants", constantesJson(c, modelos)}});
    }
    const nlohmann::ordered_json documento = {
        {"format", "oscilab-explorer"},
        {"version", 1},
        {"candidates", std::move(candidatos)},
        {"model_sets", conjuntosModeloJson(ranking, modelos)}};
    return documento.dump(1) + "\n";
}

void exploraDocumento(const std::string& nombre, bool json, std::ostream& salida) {
    const std::string ruta = rutasFicheros(nombre).FICHDATOS;
    std::ifstream fichero = abreDatos(ruta);
    std::ostringstream curvaDescartada;
    const DatosEntrada datos = LEEDATOS(fichero, ruta, curvaDescartada);
    const auto ranking = exploraAjustes(datos, {});
    if (json) {
        salida << jsonExplorador(*ranking);
        return;
    }
    salida << "Exploración de ajustes de " << ruta << ": " << datos.NPUNTOS() << " puntos, "
           << ranking->size() << " conjuntos de potencias\n"
           << tablaExplorador(*ranking, datos);
}

} // namespace curvifit
