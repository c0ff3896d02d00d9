#include "resultado_json.h"

#include "ajuste.h"
#include "avisos.h"
#include "niveles_exactos_json.h"
#include "errores.h"
#include "espectro_json.h"
#include "incertidumbres.h"
#include "parada_prueba.h"
#include "unidades.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
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

// Each species' standard errors come from the one covariance of the shared coefficients.
// Higher constants only the exact levels give; null without them.
void anadeConstantesDeNiveles(Json& constantes, const NivelesExactos& exactos) {
    const auto& deNiveles = exactos.constantes;
    for (const auto& [nombre, valor] :
         {std::pair{"weye_cm1", deNiveles ? Json(deNiveles->weye) : Json(nullptr)},
          {"gamma_e_cm1", deNiveles ? Json(deNiveles->gamma_e) : Json(nullptr)},
          {"beta_e_cm1", deNiveles ? Json(deNiveles->beta_e) : Json(nullptr)}}) {
        constantes[nombre] = {{"value", valor}, {"stderr", nullptr}};
    }
}

Json isotopologosJson(const DatosEntrada& datos, const Ajuste& ajuste,
                      const std::vector<Isotopologo>& isotopologos,
                      const std::optional<Matriz>& C) {
    Json lista = Json::array();
    for (const Isotopologo& especie : isotopologos) {
        const DatosEntrada suyos = datosConMasas(datos, {especie.MASA1, especie.MASA2});
        Json objeto = {{"masses_amu", {especie.MASA1, especie.MASA2}},
                       {"reduced_mass_me", especie.MASARED},
                       {"constants",
                        constantesJson(constantesConError(suyos, ajuste, especie.constantes, C))}};
        anadeConstantesDeNiveles(objeto["constants"], especie.exactos);
        objeto["levels_exact"] = nivelesExactosJson(especie.exactos);
        lista.push_back(std::move(objeto));
    }
    return lista;
}

Json nivelesJson(const Niveles& niveles) {
    Json lista = Json::array();
    for (std::size_t v = 0; v < niveles.energias.size(); ++v) {
        lista.push_back({{"v", v}, {"e_hartree", niveles.energias[v]}});
    }
    return lista;
}

Json avisosJson(const DatosEntrada& datos, const Resultado& resultado,
                const NivelesExactos& exactos, IdiomaAvisos idioma) {
    std::vector<Aviso> avisos = avisosAjuste(datos, resultado.ajuste, resultado.constantes);
    const std::vector<Aviso> deNiveles = avisosNiveles(exactos);
    avisos.insert(avisos.end(), deNiveles.begin(), deNiveles.end());
    Json lista = Json::array();
    for (const Aviso& aviso : avisos) {
        lista.push_back({{"code", aviso.codigo}, {"text", textoAviso(aviso, idioma)}});
    }
    return lista;
}

std::string temporalDe(const std::string& ruta) {
    return ruta + ".tmp";
}

// Writes `texto` to a new file and waits until it is on disk.
bool escribeEnDisco(const std::string& ruta, const std::string& texto) {
    const int fd = ::open(ruta.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    bool bien = true;
    for (std::size_t hecho = 0; bien && hecho < texto.size();) {
        const ssize_t n = ::write(fd, texto.data() + hecho, texto.size() - hecho);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        bien = n > 0;
        hecho += bien ? static_cast<std::size_t>(n) : 0;
    }
    bien = ::fsync(fd) == 0 && bien;
    return ::close(fd) == 0 && bien;
}

// The rename itself on disk; a folder that cannot be synced costs only that guarantee.
void sincronizaCarpeta(const std::filesystem::path& carpeta) {
    const int fd =
        ::open(carpeta.empty() ? "." : carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

ErrorMotor errorEscritura(const std::string& ruta) {
    return {Salida::ResultadosNoAbiertos, "No se puede escribir el fichero de resultados " + ruta};
}

} // namespace

Json resultadoJson(const std::string& FICHDATOS, const DatosEntrada& datos,
                   const Resultado& resultado, const NivelesExactos& exactos,
                   const std::vector<Isotopologo>& isotopologos,
                   const EspectroDelResultado& espectro, IdiomaAvisos idioma) {
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
    documento["isotopologues"] = isotopologosJson(datos, resultado.ajuste, isotopologos, C);
    anadeConstantesDeNiveles(documento["constants"], exactos);
    documento["spectrum"] = espectroJson(espectro.espectro);
    documento["warnings"] = avisosJson(datos, resultado, exactos, idioma);
    for (const Aviso& aviso : espectro.avisos) {
        documento["warnings"].push_back(
            {{"code", aviso.codigo}, {"text", textoAviso(aviso, idioma)}});
    }
    return documento;
}

void escribeResultadoJson(const std::string& ruta, const Json& documento) {
    // A file name in another encoding than UTF-8 must not stop the run.
    const std::string texto =
        documento.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
    // One run per document at a time, so a fixed name beside the file will do; it is created
    // like the other result files, with the user's permissions. On disk before the rename,
    // so that a crash of the machine cannot leave an empty NAME.json in place either.
    const std::string temporal = temporalDe(ruta);
    const bool escrito = escribeEnDisco(temporal, texto);
    puntoDeParada(PARADA_JSON_TEMPORAL);
    std::error_code error;
    if (escrito) {
        std::filesystem::rename(temporal, ruta, error);
    }
    if (!escrito || error) {
        std::filesystem::remove(temporal, error);
        throw errorEscritura(ruta);
    }
    sincronizaCarpeta(std::filesystem::path(ruta).parent_path());
}

void borraResultadoJson(const std::string& ruta) {
    std::error_code error;
    const bool borrado = std::filesystem::remove(ruta, error);
    std::filesystem::remove(temporalDe(ruta), error);
    // Gone on disk too before the report is rewritten, should the machine stop.
    if (borrado) {
        sincronizaCarpeta(std::filesystem::path(ruta).parent_path());
    }
}

} // namespace curvifit
