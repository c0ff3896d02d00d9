#include "resultado_json.h"

#include "ajuste.h"
#include "avisos.h"
#include "niveles_exactos_json.h"
#include "errores.h"
#include "espectro_json.h"
#include "incertidumbres.h"
#include "unidades.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

namespace curvifit {

namespace {

using Json = nlohmann::ordered_json;

// The data file is Latin-1: each byte is the code point of the same value.
std::string latin1AUtf8(const std::string& texto) {
    std::string utf8;
    for (unsigned char c : texto) {
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}

Json opcional(const std::optional<double>& v) {
    return v ? Json(*v) : Json(nullptr);
}

Json puntos(const DatosEntrada& datos, const std::vector<double>& ajustadas) {
    Json lista = Json::array();
    for (int i = 0; i < datos.NPUNTOS(); ++i) {
        // The residual is the report's DESV: fitted minus given.
        lista.push_back({{"r_bohr", datos.RDAT[i]},
                         {"e_hartree", datos.EDAT[i]},
                         {"e_fit_hartree", ajustadas[i]},
                         {"residual_hartree", ajustadas[i] - datos.EDAT[i]}});
    }
    return lista;
}

Json covarianza(const std::optional<Matriz>& C) {
    if (!C) {
        return nullptr;
    }
    Json filas = Json::array();
    std::vector<double> fila(C->columnas());
    for (int j = 0; j < C->filas(); ++j) {
        for (int l = 0; l < C->columnas(); ++l) {
            fila[l] = (*C)(j, l);
        }
        filas.push_back(fila);
    }
    return filas;
}

double cuadraticoMedio(const DatosEntrada& datos, const std::vector<double>& ajustadas) {
    double suma = 0.0;
    for (int i = 0; i < datos.NPUNTOS(); ++i) {
        const double d = ajustadas[i] - datos.EDAT[i];
        suma += d * d;
    }
    return std::sqrt(suma / static_cast<double>(datos.NPUNTOS()));
}

Json ajusteJson(const DatosEntrada& datos, const Resultado& resultado,
                const std::vector<double>& ajustadas, const std::optional<Matriz>& C) {
    const Ajuste& ajuste = resultado.ajuste;
    const std::vector<int> potencias = potenciasIncluidas(datos.POTUSADA);
    std::vector<double> singulares = ajuste.svd.W;
    std::sort(singulares.begin(), singulares.end(), std::greater<>());
    return {{"powers", potencias},
            {"coefficients", ajuste.ACOEF},
            {"covariance", covarianza(C)},
            {"singular_values", singulares},
            {"discarded", ajuste.svd.descartados},
            {"degrees_of_freedom", datos.NPUNTOS() - datos.NPOT},
            {"rms_hartree", cuadraticoMedio(datos, ajustadas)},
            {"probable_error_hartree", resultado.constantes.ERRPROBE}};
}

Json constantesJson(const ConstantesConError& k) {
    Json objeto = Json::object();
    for (int c = 0; c < NUM_CONSTANTES; ++c) {
        objeto[std::string(NOMBRES_CONSTANTES[c])] = {{"value", k.valores[c].valor},
                                                      {"stderr", opcional(k.valores[c].error)}};
    }
    return objeto;
}

Json nivelesJson(const Niveles& niveles) {
    Json lista = Json::array();
    for (std::size_t v = 0; v < niveles.energias.size(); ++v) {
        lista.push_back({{"v", v}, {"e_hartree", niveles.energias[v]}});
    }
    return lista;
}

Json avisosJson(const DatosEntrada& datos, const Resultado& resultado,
                const NivelesExactos& exactos) {
    std::vector<Aviso> avisos = avisosAjuste(datos, resultado.ajuste, resultado.constantes);
    const std::vector<Aviso> deNiveles = avisosNiveles(exactos);
    avisos.insert(avisos.end(), deNiveles.begin(), deNiveles.end());
    Json lista = Json::array();
    for (const Aviso& aviso : avisos) {
        lista.push_back({{"code", aviso.codigo}, {"text", aviso.texto}});
    }
    return lista;
}

ErrorMotor errorEscritura(const std::string& ruta) {
    return {Salida::ResultadosNoAbiertos, "No se puede escribir el fichero de resultados " + ruta};
}

} // namespace

Json resultadoJson(const std::string& FICHDATOS, const DatosEntrada& datos,
                   const Resultado& resultado, const NivelesExactos& exactos,
                   const EspectroDelResultado& espectro) {
    std::vector<double> ajustadas;
    for (double r : datos.RDAT) {
        ajustadas.push_back(energiaAjustada(resultado.ajuste.ACOEF, datos.POTUSADA, r));
    }
    const std::optional<Matriz> C = covarianzaCoeficientes(resultado.ajuste, datos.NPUNTOS());
    Json documento = {
        {"format", "oscilab-results"},
        {"version", VERSION_RESULTADO_JSON},
        {"title", latin1AUtf8(datos.TITULO)},
        {"data_file", FICHDATOS},
        {"masses_amu", {datos.MASA1, datos.MASA2}},
        {"reduced_mass_me", datos.MASARED},
        {"units",
         {{"distance", datos.enAngstrom() ? "angstrom" : "bohr"},
          {"energy", datos.UNIENER == "eV" ? "eV" : "hartree"}}},
        {"points", puntos(datos, ajustadas)},
        {"fit", ajusteJson(datos, resultado, ajustadas, C)},
        {"constants",
         constantesJson(constantesConError(datos, resultado.ajuste, resultado.constantes, C))},
        {"levels_second_order", nivelesJson(resultado.niveles)},
    };
    documento["levels_exact"] = nivelesExactosJson(exactos);
    documento["spectrum"] = espectroJson(espectro.espectro);
    documento["warnings"] = avisosJson(datos, resultado, exactos);
    for (const Aviso& aviso : espectro.avisos) {
        documento["warnings"].push_back({{"code", aviso.codigo}, {"text", aviso.texto}});
    }
    return documento;
}

void escribeResultadoJson(const std::string& ruta, const Json& documento) {
    // A file name in another encoding than UTF-8 must not stop the run.
    const std::string texto =
        documento.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
    // One run per document at a time, so a fixed name beside the file will do; it is created
    // like the other result files, with the user's permissions.
    const std::string temporal = ruta + ".tmp";
    std::ofstream fichero(temporal, std::ios::binary | std::ios::trunc);
    fichero << texto;
    fichero.close();
    std::error_code error;
    if (fichero) {
        std::filesystem::rename(temporal, ruta, error);
    }
    if (!fichero || error) {
        std::filesystem::remove(temporal, error);
        throw errorEscritura(ruta);
    }
}

void borraResultadoJson(const std::string& ruta) {
    std::error_code error;
    std::filesystem::remove(ruta, error);
}

} // namespace curvifit
