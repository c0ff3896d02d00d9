// The reader of result/NAME.json (declared beside its writer in resultado_json.h). The file
// may have been edited, cut or made up, so nothing in it is trusted: each member is checked
// for its type and range before it is converted, because converting an out-of-range number
// to int is undefined and a value such as 1e308 would pass into every table built on it.
#include "resultado_json.h"

#include "espectro_json.h"
#include "niveles_exactos_json.h"
#include "unidades.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace curvifit {

namespace {

using Json = nlohmann::json;

// Far beyond any molecule, yet small enough that products and squares stay finite.
constexpr double LIMITE_DISTANCIA = 1e6; // bohr
constexpr double LIMITE_NUMERO = 1e150;
constexpr double LIMITE_MASA = 1e12; // u or electron masses
constexpr int MAX_J = JMAX_MAXIMO;   // what the engine computes
constexpr int MAX_POTENCIA = 1000;
constexpr std::size_t MAX_CORTA = 1000; // powers, constants, warnings
// The schema nests seven deep (isotopologues, levels, wall sensitivities); the bound keeps a
// hostile nesting from costing memory while it is parsed.
constexpr std::size_t MAX_PROFUNDIDAD = 32;

class Ilegible : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void rehusa(const std::string& ruta, const std::string& motivo) {
    throw Ilegible("El dato \"" + ruta + "\" del fichero de resultados " + motivo + ".");
}

std::string hijo(const std::string& ruta, const char* nombre) {
    return ruta.empty() ? std::string(nombre) : ruta + "." + nombre;
}

std::string elemento(const std::string& ruta, std::size_t i) {
    return ruta + "[" + std::to_string(i) + "]";
}

const Json& miembro(const Json& objeto, const std::string& ruta, const char* nombre) {
    if (!objeto.is_object()) {
        rehusa(ruta, "no es un objeto");
    }
    const auto it = objeto.find(nombre);
    if (it == objeto.end()) {
        rehusa(hijo(ruta, nombre), "falta");
    }
    return *it;
}

// A number within ±limite; null (the writer's NaN) reads as NaN where `nulo` admits it.
double numero(const Json& j, const std::string& ruta, double limite = LIMITE_NUMERO,
              bool nulo = true) {
    if (nulo && j.is_null()) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    if (!j.is_number()) {
        rehusa(ruta, "no es un número");
    }
    const double x = j.get<double>();
    if (!std::isfinite(x) || std::fabs(x) > limite) {
        rehusa(ruta, "está fuera del intervalo admitido");
    }
    return x;
}

double campo(const Json& objeto, const std::string& ruta, const char* nombre,
             double limite = LIMITE_NUMERO, bool nulo = true) {
    return numero(miembro(objeto, ruta, nombre), hijo(ruta, nombre), limite, nulo);
}

int entero(const Json& j, const std::string& ruta, int minimo, int maximo) {
    if (!j.is_number_integer()) {
        rehusa(ruta, "no es un número entero");
    }
    // An unsigned number above the largest int64 would wrap when read as one.
    const bool grande =
        j.is_number_unsigned() && j.get<std::uint64_t>() > static_cast<std::uint64_t>(maximo);
    if (grande || j.get<std::int64_t>() < minimo || j.get<std::int64_t>() > maximo) {
        rehusa(ruta, "está fuera del intervalo admitido (" + std::to_string(minimo) + " a " +
                         std::to_string(maximo) + ")");
    }
    return static_cast<int>(j.get<std::int64_t>());
}

const Json& lista(const Json& j, const std::string& ruta, std::size_t maximo) {
    if (!j.is_array()) {
        rehusa(ruta, "no es una lista");
    }
    if (j.size() > maximo) {
        rehusa(ruta, "tiene " + std::to_string(j.size()) + " elementos, más de los " +
                         std::to_string(maximo) + " que el programa lee");
    }
    return j;
}

std::string texto(const Json& objeto, const std::string& ruta, const char* nombre) {
    const Json& j = miembro(objeto, ruta, nombre);
    if (!j.is_string()) {
        rehusa(hijo(ruta, nombre), "no es un texto");
    }
    return j.get<std::string>();
}

std::vector<double> numeros(const Json& j, const std::string& ruta, std::size_t maximo) {
    std::vector<double> valores;
    for (std::size_t i = 0; i < lista(j, ruta, maximo).size(); ++i) {
        valores.push_back(numero(j[i], elemento(ruta, i)));
    }
    return valores;
}

std::vector<PuntoResultado> puntosDe(const Json& j) {
    const std::string ruta = "points";
    std::vector<PuntoResultado> puntos;
    for (std::size_t i = 0; i < lista(j, ruta, MAX_PUNTOS_JSON).size(); ++i) {
        const std::string r = elemento(ruta, i);
        puntos.push_back({campo(j[i], r, "r_bohr", LIMITE_DISTANCIA, false),
                          campo(j[i], r, "e_hartree"), campo(j[i], r, "e_fit_hartree"),
                          campo(j[i], r, "residual_hartree")});
    }
    return puntos;
}

std::vector<std::pair<std::string, ValorConError>> constantesDe(const Json& j) {
    const std::string ruta = "constants";
    if (!j.is_object() || j.size() > MAX_CORTA) {
        rehusa(ruta, "no es un objeto de constantes");
    }
    std::vector<std::pair<std::string, ValorConError>> constantes;
    for (const auto& [nombre, c] : j.items()) {
        const std::string r = hijo(ruta, nombre.c_str());
        ValorConError valor{campo(c, r, "value"), std::nullopt};
        if (!miembro(c, r, "stderr").is_null()) {
            valor.error = campo(c, r, "stderr");
        }
        constantes.emplace_back(nombre, valor);
    }
    return constantes;
}

void ajusteDe(const Json& j, ResultadoEjecucion& r) {
    const std::string ruta = "fit";
    const Json& potencias = lista(miembro(j, ruta, "powers"), "fit.powers", MAX_CORTA);
    for (std::size_t i = 0; i < potencias.size(); ++i) {
        r.potencias.push_back(
            entero(potencias[i], elemento("fit.powers", i), -MAX_POTENCIA, MAX_POTENCIA));
    }
    r.coeficientes = numeros(miembro(j, ruta, "coefficients"), "fit.coefficients", MAX_CORTA);
    r.singulares = numeros(miembro(j, ruta, "singular_values"), "fit.singular_values", MAX_CORTA);
    r.descartados = entero(miembro(j, ruta, "discarded"), "fit.discarded", 0,
                           static_cast<int>(r.singulares.size()));
    r.gradosLibertad = entero(miembro(j, ruta, "degrees_of_freedom"), "fit.degrees_of_freedom",
                              -MAX_POTENCIA, static_cast<int>(MAX_PUNTOS_JSON));
    r.rms_hartree = campo(j, ruta, "rms_hartree");
    if (r.potencias.size() != r.coeficientes.size()) {
        rehusa("fit.coefficients", "no tiene un coeficiente por potencia");
    }
}

std::vector<double> segundoOrdenDe(const Json& j) {
    const std::string ruta = "levels_second_order";
    std::vector<double> energias;
    for (std::size_t v = 0; v < lista(j, ruta, MAX_NIVELES_JSON).size(); ++v) {
        const std::string r = elemento(ruta, v);
        if (entero(miembro(j[v], r, "v"), hijo(r, "v"), 0, MAX_J) != static_cast<int>(v)) {
            rehusa(hijo(r, "v"), "no sigue el orden de los niveles");
        }
        energias.push_back(campo(j[v], r, "e_hartree"));
    }
    return energias;
}

// The integers and the lengths first, which the levels' own reader takes as they come; then
// that reader; then the range of every number it gave.
NivelesExactos exactosDe(const Json& j) {
    const std::string ruta = "levels_exact";
    entero(miembro(j, ruta, "jmax"), "levels_exact.jmax", 0, MAX_J);
    const Json& niveles =
        lista(miembro(j, ruta, "levels"), "levels_exact.levels", MAX_NIVELES_JSON);
    for (std::size_t i = 0; i < niveles.size(); ++i) {
        const std::string r = elemento("levels_exact.levels", i);
        entero(miembro(niveles[i], r, "v"), hijo(r, "v"), 0, static_cast<int>(MAX_NIVELES_JSON));
        entero(miembro(niveles[i], r, "J"), hijo(r, "J"), 0, MAX_J);
    }
    lista(miembro(j, ruta, "limit_cm1"), "levels_exact.limit_cm1", MAX_J + 1);
    NivelesExactos exactos;
    try {
        exactos = nivelesExactosDesdeJson(j);
    } catch (const Json::exception&) {
        rehusa(ruta, "tiene un dato que falta o es de tipo equivocado");
    }
    const auto dentro = [](double x, double limite) {
        return std::isfinite(x) && std::fabs(x) <= limite;
    };
    bool bien = dentro(exactos.RMIN, LIMITE_DISTANCIA) && dentro(exactos.RMAX, LIMITE_DISTANCIA);
    for (const NivelExacto& n : exactos.niveles) {
        bien = bien && dentro(n.e_cm1, LIMITE_NUMERO) && dentro(n.e_hartree, LIMITE_NUMERO) &&
               dentro(n.r_interior, LIMITE_DISTANCIA) && dentro(n.r_exterior, LIMITE_DISTANCIA) &&
               dentro(n.sensibilidad_interior, LIMITE_NUMERO) &&
               dentro(n.sensibilidad_exterior, LIMITE_NUMERO) &&
               (!n.bv_cm1 || dentro(*n.bv_cm1, LIMITE_NUMERO));
    }
    for (double limite : exactos.limite_cm1) {
        bien = bien && (std::isnan(limite) || dentro(limite, LIMITE_NUMERO));
    }
    if (!bien) {
        rehusa(ruta, "tiene un número fuera del intervalo admitido");
    }
    return exactos;
}

std::vector<AvisoResultado> avisosDe(const Json& j) {
    std::vector<AvisoResultado> avisos;
    for (std::size_t i = 0; i < lista(j, "warnings", MAX_CORTA).size(); ++i) {
        const std::string r = elemento("warnings", i);
        avisos.push_back({texto(j[i], r, "code"), texto(j[i], r, "text")});
    }
    return avisos;
}

// The spectrum's own reader checks its members' types; here its lists are bounded first.
std::optional<Espectro> espectroDe(const Json& j, const NivelesExactos& exactos) {
    if (!j.is_object()) {
        rehusa("spectrum", "no es un objeto");
    }
    for (const char* lista : {"lines", "lifetimes"}) {
        if (j.contains(lista) && j[lista].is_array() && j[lista].size() > MAX_LINEAS_JSON) {
            rehusa(std::string("spectrum.") + lista,
                   "tiene más de " + std::to_string(MAX_LINEAS_JSON) + " elementos");
        }
    }
    try {
        return espectroDesdeJson(j, exactos);
    } catch (const Json::exception&) {
        rehusa("spectrum", "le falta un dato o tiene uno de tipo equivocado");
    } catch (const std::out_of_range&) {
        rehusa("spectrum", "nombra un nivel que no está entre los niveles exactos");
    }
}

ResultadoEjecucion resultadoDe(const Json& j) {
    if (!j.is_object() || !j.contains("format") || j["format"] != "oscilab-results") {
        throw Ilegible("El fichero no es un fichero de resultados de este programa.");
    }
    if (entero(miembro(j, "", "version"), "version", 0, MAX_POTENCIA) != VERSION_RESULTADO_JSON) {
        throw Ilegible("El fichero de resultados es de otra versión del programa.");
    }
    ResultadoEjecucion r;
    r.titulo = texto(j, "", "title");
    r.ficheroDatos = texto(j, "", "data_file");
    const std::string distancia = texto(miembro(j, "", "units"), "units", "distance");
    const std::string energia = texto(miembro(j, "", "units"), "units", "energy");
    if ((distancia != "bohr" && distancia != "angstrom") ||
        (energia != "hartree" && energia != "eV")) {
        rehusa("units", "no nombra unidades conocidas");
    }
    r.angstrom = distancia == "angstrom";
    r.ev = energia == "eV";
    r.masaReducida = campo(j, "", "reduced_mass_me", LIMITE_MASA);
    const std::vector<double> masas = numeros(miembro(j, "", "masses_amu"), "masses_amu", 2);
    if (masas.size() != 2) {
        rehusa("masses_amu", "no tiene las masas de los dos átomos");
    }
    r.masas = {masas[0], masas[1]};
    r.puntos = puntosDe(miembro(j, "", "points"));
    ajusteDe(miembro(j, "", "fit"), r);
    r.constantes = constantesDe(miembro(j, "", "constants"));
    r.nivelesSegundoOrden = segundoOrdenDe(miembro(j, "", "levels_second_order"));
    if (j.contains("levels_exact")) {
        r.exactos = exactosDe(j["levels_exact"]);
    }
    if (j.contains("spectrum") && !j["spectrum"].is_null() && r.exactos) {
        r.espectro = espectroDe(j["spectrum"], *r.exactos);
    }
    r.avisos = avisosDe(miembro(j, "", "warnings"));
    return r;
}

std::size_t lineas(std::string_view texto) {
    const auto saltos = static_cast<std::size_t>(std::count(texto.begin(), texto.end(), '\n'));
    return saltos + (!texto.empty() && texto.back() != '\n' ? 1 : 0);
}

// The deepest nesting of arrays and objects in `texto`; brackets inside strings do not
// count. It is measured before parsing rather than by a parser callback, because
// nlohmann's callback parser rescans a container's elements each time one of them ends:
// quadratic in an array's length (seconds for 10 000 empty levels, far more for the
// millions a 64 MiB file can hold).
std::size_t profundidad(std::string_view texto) {
    std::size_t nivel = 0;
    std::size_t maxima = 0;
    bool enCadena = false;
    bool escapado = false;
    for (const char c : texto) {
        if (escapado) {
            escapado = false;
        } else if (enCadena) {
            escapado = c == '\\';
            enCadena = c != '"';
        } else if (c == '"') {
            enCadena = true;
        } else if (c == '[' || c == '{') {
            maxima = std::max(maxima, ++nivel);
        } else if ((c == ']' || c == '}') && nivel > 0) {
            --nivel;
        }
    }
    return maxima;
}

// Parses with a bound on the nesting; an empty optional for text that is not JSON.
std::optional<Json> analiza(std::string_view texto) {
    if (profundidad(texto) > MAX_PROFUNDIDAD) {
        throw Ilegible("El fichero de resultados anida sus datos a más de " +
                       std::to_string(MAX_PROFUNDIDAD) + " niveles.");
    }
    Json j = Json::parse(texto.begin(), texto.end(), nullptr, false);
    if (j.is_discarded()) {
        return std::nullopt;
    }
    return j;
}

} // namespace

std::optional<ValorConError> ResultadoEjecucion::constante(std::string_view nombre) const {
    for (const auto& [n, c] : constantes) {
        if (n == nombre && std::isfinite(c.valor)) {
            return c;
        }
    }
    return std::nullopt;
}

double ResultadoEjecucion::factorDistancia() const {
    return angstrom ? FACDIST_ANGSTROM : 1.0;
}

double ResultadoEjecucion::factorEnergia() const {
    return ev ? FACENER_EV : 1.0;
}

std::string ResultadoEjecucion::unidadDistancia() const {
    return angstrom ? "Angstrom" : "bohr";
}

std::string ResultadoEjecucion::unidadEnergia() const {
    return ev ? "eV" : "hartree";
}

LecturaResultadoJson leeResultadoJson(std::string_view texto) {
    LecturaResultadoJson lectura;
    if (texto.size() > MAX_BYTES_JSON || lineas(texto) > MAX_LINEAS_JSON) {
        lectura.error = "El fichero de resultados es mayor de lo que el programa lee (" +
                        std::to_string(MAX_LINEAS_JSON) + " líneas, " +
                        std::to_string(MAX_BYTES_JSON >> 20) + " MiB); no se lee.";
        return lectura;
    }
    try {
        const std::optional<Json> j = analiza(texto);
        if (!j) {
            lectura.error = "El fichero de resultados no es un documento JSON válido.";
            return lectura;
        }
        lectura.resultado = resultadoDe(*j);
    } catch (const Ilegible& e) {
        lectura.error = e.what();
    } catch (const Json::exception& e) {
        // Nothing above should let one through; the message still names the cause.
        lectura.error = std::string("El fichero de resultados no se puede leer: ") + e.what();
    }
    return lectura;
}

} // namespace curvifit
