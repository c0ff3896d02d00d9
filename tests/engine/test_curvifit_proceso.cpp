// The curvifit program as the front end starts it: a folder with datos/ and result/ as
// the current directory, the document's name as the argument.
#include "calcula.h"
#include "errores.h"
#include "leedatos.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/wait.h>

#include <charconv>
#include <csignal>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace curvifit {

namespace {

namespace fs = std::filesystem;

std::string leeFichero(const fs::path& ruta) {
    std::ifstream fichero(ruta, std::ios::binary);
    std::ostringstream contenido;
    contenido << fichero.rdbuf();
    return contenido.str();
}

void escribeFichero(const fs::path& ruta, const std::string& contenido) {
    std::ofstream fichero(ruta, std::ios::binary);
    fichero << contenido;
}

int cuentaLineas(const std::string& texto) {
    int lineas = 0;
    for (std::size_t i = 0; i + 1 < texto.size(); ++i) {
        lineas += texto[i] == '\r' && texto[i + 1] == '\n';
    }
    return lineas;
}

struct Ejecucion {
    int salida = -1;
    std::string error;
};

// A scratch program folder with datos/ and result/, removed at the end of the test.
class CarpetaPrograma {
public:
    CarpetaPrograma() {
        std::string plantilla = (fs::temp_directory_path() / "curvifit_XXXXXX").string();
        raiz_ = mkdtemp(plantilla.data());
        fs::create_directory(raiz_ / "datos");
        fs::create_directory(raiz_ / "result");
    }
    ~CarpetaPrograma() {
        std::error_code error;
        fs::remove_all(raiz_, error);
    }

    const fs::path& raiz() const { return raiz_; }
    void datos(const std::string& nombre, const std::string& contenido) const {
        escribeFichero(raiz_ / "datos" / (nombre + ".qvd"), contenido);
    }
    void copiaEjemplo(const std::string& nombre) const {
        fs::copy_file(fs::path(OSCILAB_SOURCE_DIR) / "datos" / (nombre + ".qvd"),
                      raiz_ / "datos" / (nombre + ".qvd"));
    }
    std::string informe(const std::string& nombre) const {
        return leeFichero(raiz_ / "result" / (nombre + ".res"));
    }
    std::string curva(const std::string& nombre) const {
        return leeFichero(raiz_ / "result" / (nombre + ".scs"));
    }
    fs::path json(const std::string& nombre) const { return raiz_ / "result" / (nombre + ".json"); }

    // Runs curvifit with the arguments as the shell splits them.
    // `entorno` ("VAR=value") is set for the engine alone.
    Ejecucion ejecuta(const std::string& argumentos, const std::string& entorno = "") const {
        const fs::path errores = raiz_ / "stderr.txt";
        const std::string orden = "cd '" + raiz_.string() + "' && " + entorno +
                                  " '" OSCILAB_PROGRAM_DIR "/curvifit' " + argumentos + " 2> '" +
                                  errores.string() + "' < /dev/null";
        const int estado = std::system(orden.c_str());
        Ejecucion ejecucion;
        ejecucion.salida = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
        ejecucion.error = leeFichero(errores);
        return ejecucion;
    }

private:
    fs::path raiz_;
};

const std::string CABECERA = "prueba\r\n0 1 2 \r\n1.0079   1.0079\r\nUA   UA\r\n";
const std::string PUNTOS = "1.0   0.36\r\n1.2   0.04\r\n1.6   0.04\r\n2.0   0.36\r\n";

int codigo(Salida salida) {
    return static_cast<int>(salida);
}

// The number printed after the n-th occurrence of `etiqueta` in the report.
double numeroTras(const std::string& informe, const std::string& etiqueta, int n = 1) {
    std::size_t inicio = 0;
    for (int i = 0; i < n; ++i) {
        inicio = informe.find(etiqueta, inicio);
        if (inicio == std::string::npos) {
            ADD_FAILURE() << etiqueta;
            return NAN;
        }
        inicio += etiqueta.size();
    }
    inicio = informe.find_first_not_of(' ', inicio);
    double valor = NAN;
    std::from_chars(informe.data() + inicio, informe.data() + informe.size(), valor);
    return valor;
}

// The first number on the line that holds `texto`.
double numeroEnLinea(const std::string& informe, const std::string& texto) {
    const std::size_t donde = informe.find(texto);
    if (donde == std::string::npos) {
        ADD_FAILURE() << texto;
        return NAN;
    }
    std::istringstream linea(informe.substr(informe.rfind('\n', donde) + 1));
    std::string palabra;
    linea >> palabra;
    double valor = NAN;
    std::from_chars(palabra.data(), palabra.data() + palabra.size(), valor);
    return valor;
}

// Equal to the printed digits: within half a unit of the last one, `digitos` significant.
void esperaImpreso(double json, double impreso, int digitos, const std::string& que) {
    EXPECT_NEAR(json, impreso, 0.5 * std::fabs(impreso) * std::pow(10.0, 1 - digitos) + 1e-300)
        << que;
}

} // namespace

TEST(CurvifitProceso, H2WritesTheWholeReportAndCurveFile) {
    CarpetaPrograma carpeta;
    carpeta.copiaEjemplo("H2");
    const Ejecucion ejecucion = carpeta.ejecuta("H2");
    EXPECT_EQ(ejecucion.salida, 0);
    EXPECT_EQ(ejecucion.error, "");

    std::ifstream fichero(carpeta.raiz() / "datos" / "H2.qvd", std::ios::binary);
    std::ostringstream curvaPropia;
    const DatosEntrada datos = LEEDATOS(fichero, "H2", curvaPropia);
    const Resultado resultado = CALCULA(datos, curvaPropia);
    const int N = datos.NPUNTOS();
    const int m = datos.NPOT;
    const int k = static_cast<int>(resultado.niveles.energias.size());
    EXPECT_EQ(cuentaLineas(carpeta.informe("H2")), 54 + m + N);
    EXPECT_EQ(cuentaLineas(carpeta.curva("H2")), 2 * N + 32 + k);
    EXPECT_EQ(carpeta.curva("H2"), curvaPropia.str());
    EXPECT_GT(k, 0);
}

// --lang en: the warnings' texts in English, their codes, the report and the curve file as
// they were. Points only outside the minimum: re lies outside the data.
TEST(CurvifitProceso, EnglishWarningsChangeNoFileAndNoCode) {
    std::string datos = "exterior\r\n0 1 2 3 4 \r\n1.0079   1.0079\r\nUA   UA\r\n";
    for (int i = 0; i < 40; ++i) {
        const double r = 1.6 + 1.4 * i / 39;
        const double e = 1.0 - std::exp(-1.0282 * (r - 1.4011));
        datos += std::to_string(r) + "   " + std::to_string(0.1745 * e * e - 0.1745) + "\r\n";
    }
    CarpetaPrograma es, en;
    es.datos("mol", datos);
    en.datos("mol", datos);
    ASSERT_EQ(es.ejecuta("mol").salida, 0);
    ASSERT_EQ(en.ejecuta("--lang en mol").salida, 0);
    EXPECT_EQ(es.informe("mol"), en.informe("mol"));
    EXPECT_EQ(es.curva("mol"), en.curva("mol"));
    const auto avisosEs = nlohmann::json::parse(leeFichero(es.json("mol")))["warnings"];
    const auto avisosEn = nlohmann::json::parse(leeFichero(en.json("mol")))["warnings"];
    ASSERT_EQ(avisosEs.size(), avisosEn.size());
    ASSERT_FALSE(avisosEs.empty());
    for (std::size_t i = 0; i < avisosEs.size(); ++i) {
        EXPECT_EQ(avisosEs[i]["code"], avisosEn[i]["code"]);
        EXPECT_NE(avisosEs[i]["text"], avisosEn[i]["text"]);
    }
    EXPECT_EQ(avisosEn[0]["code"], "re_outside_data");
    EXPECT_EQ(avisosEn[0]["text"].get<std::string>().rfind("The equilibrium distance", 0), 0u);
}

TEST(CurvifitProceso, TrailingBlanksAndExtraArgumentsNameTheSameFiles) {
    CarpetaPrograma carpeta;
    carpeta.datos("mol", CABECERA + PUNTOS);
    EXPECT_EQ(carpeta.ejecuta("'mol   '").salida, 0);
    const std::string informe = carpeta.informe("mol");
    EXPECT_FALSE(informe.empty());
    EXPECT_EQ(carpeta.ejecuta("mol extra").salida, 0);
    EXPECT_EQ(carpeta.informe("mol"), informe);
}

TEST(CurvifitProceso, MissingDataFileLeavesEarlierResultsInPlace) {
    CarpetaPrograma carpeta;
    escribeFichero(carpeta.raiz() / "result" / "mol.res", "informe anterior");
    escribeFichero(carpeta.raiz() / "result" / "mol.scs", "curva anterior");
    const Ejecucion ejecucion = carpeta.ejecuta("mol");
    EXPECT_EQ(ejecucion.salida, codigo(Salida::FicheroNoEncontrado));
    EXPECT_EQ(ejecucion.error, "file not found, unit 10, file datos/mol.qvd\n");
    EXPECT_EQ(carpeta.informe("mol"), "informe anterior");
    EXPECT_EQ(carpeta.curva("mol"), "curva anterior");
}

TEST(CurvifitProceso, MissingDataFileLeavesAnEarlierJsonWithItsReport) {
    CarpetaPrograma carpeta;
    escribeFichero(carpeta.json("mol"), "{}");
    EXPECT_EQ(carpeta.ejecuta("mol").salida, codigo(Salida::FicheroNoEncontrado));
    EXPECT_EQ(leeFichero(carpeta.json("mol")), "{}");
}

TEST(CurvifitProceso, FailedRunsLeaveNoJson) {
    const std::pair<std::string, Salida> casos[] = {
        {CABECERA + "1.0   0.36\r\n1.2   uno\r\n", Salida::ErrorLectura},
        {CABECERA + "1.0   0.36\r\n1.2   0.04\r\n", Salida::DatosNoAdmitidos},
        {CABECERA + "1.0   -1\r\n2.0   -2\r\n3.0   -3\r\n", Salida::SinMinimo},
    };
    for (const auto& [contenido, salida] : casos) {
        CarpetaPrograma carpeta;
        carpeta.datos("mol", CABECERA + PUNTOS);
        ASSERT_EQ(carpeta.ejecuta("mol").salida, 0);
        ASSERT_TRUE(fs::exists(carpeta.json("mol")));
        carpeta.datos("mol", contenido);
        EXPECT_EQ(carpeta.ejecuta("mol").salida, codigo(salida));
        EXPECT_FALSE(fs::exists(carpeta.json("mol"))) << codigo(salida);
        EXPECT_EQ(std::distance(fs::directory_iterator(carpeta.raiz() / "result"),
                                fs::directory_iterator()),
                  2);
    }
}

TEST(CurvifitProceso, JsonAgreesWithTheReport) {
    for (const char* nombre : {"H2", "HF", "CO"}) {
        CarpetaPrograma carpeta;
        carpeta.copiaEjemplo(nombre);
        ASSERT_EQ(carpeta.ejecuta(nombre).salida, 0);
        std::ifstream fichero(carpeta.json(nombre));
        const nlohmann::json j = nlohmann::json::parse(fichero);
        const std::string informe = carpeta.informe(nombre);
        EXPECT_EQ(j["format"], "oscilab-results");
        EXPECT_EQ(j["version"], 1);
        EXPECT_EQ(j["data_file"], std::string("datos/") + nombre + ".qvd");
        const auto& k = j["constants"];
        const double reA = numeroTras(informe, "DISTANCIA DE EQUILIBRIO =");
        EXPECT_NEAR(k["re_angstrom"]["value"], reA, 0.5e-5);
        EXPECT_NEAR(k["re_bohr"]["value"], numeroTras(informe, "(ANGSTROMS)"), 0.5e-5);
        esperaImpreso(k["k2_hartree_bohr2"]["value"], numeroTras(informe, "CTE CUADRATICA ="), 7,
                      "K2");
        EXPECT_NEAR(k["we_cm1"]["value"], numeroTras(informe, "NU Y XNU ="), 0.005);
        EXPECT_NEAR(k["wexe_cm1"]["value"], numeroTras(informe, "(1/cm)"), 0.005);
        esperaImpreso(j["fit"]["probable_error_hartree"], numeroTras(informe, "ERROR PROBABLE:"), 6,
                      "ERROR PROBABLE");
        // Line 10 prints the same energy error, to two digits.
        esperaImpreso(j["fit"]["probable_error_hartree"], numeroTras(informe, "ERROR PROB.="), 2,
                      "ERROR PROB.");
        esperaImpreso(k["be_cm1"]["value"], numeroEnLinea(informe, "\xB7J\xB7(J+1)  +"), 6, "Be");
        esperaImpreso(k["alpha_e_cm1"]["value"],
                      -numeroEnLinea(informe, "\xB7(V+1/2)\xB7J\xB7(J+1)  +"), 6, "alfa");
        // The point table, I R S E ECAL DESV, from the line after its dashes.
        const auto& puntos = j["points"];
        std::istringstream tabla(informe.substr(informe.find(std::string(68, '-')) + 68));
        for (const auto& punto : puntos) {
            double I, R, S, E, ECAL, DESV;
            tabla >> I >> R >> S >> E >> ECAL >> DESV;
            esperaImpreso(punto["r_bohr"], R, 6, "R");
            esperaImpreso(punto["e_fit_hartree"], ECAL, 6, "ECAL");
            esperaImpreso(punto["residual_hartree"], DESV, 6, "DESV");
        }
        EXPECT_GT(k["re_bohr"]["stderr"].get<double>(), 0.0);
        EXPECT_TRUE(j["fit"]["covariance"].is_array());
        EXPECT_EQ(j["fit"]["degrees_of_freedom"], puntos.size() - j["fit"]["powers"].size());
    }
}

TEST(CurvifitProceso, AsManyPointsAsPowersGiveNullErrors) {
    CarpetaPrograma carpeta;
    carpeta.datos("tres", CABECERA + "1.0   0.36\r\n1.2   0.04\r\n2.0   0.36\r\n");
    ASSERT_EQ(carpeta.ejecuta("tres").salida, 0);
    std::ifstream fichero(carpeta.json("tres"));
    const nlohmann::json j = nlohmann::json::parse(fichero);
    EXPECT_TRUE(j["fit"]["covariance"].is_null());
    EXPECT_EQ(j["fit"]["degrees_of_freedom"], 0);
    for (const auto& [nombre, constante] : j["constants"].items()) {
        EXPECT_TRUE(constante["stderr"].is_null()) << nombre;
        EXPECT_TRUE(constante["value"].is_number()) << nombre;
    }
}

TEST(CurvifitProceso, NoArgumentIsFileNotFound) {
    CarpetaPrograma carpeta;
    const Ejecucion ejecucion = carpeta.ejecuta("");
    EXPECT_EQ(ejecucion.salida, codigo(Salida::FicheroNoEncontrado));
    EXPECT_EQ(ejecucion.error, "file not found, unit 10, file datos/.qvd\n");
}

TEST(CurvifitProceso, ANameWithABlankArrivesAsTwoArguments) {
    CarpetaPrograma carpeta;
    carpeta.datos("my mol", CABECERA + PUNTOS);
    const Ejecucion ejecucion = carpeta.ejecuta("my mol");
    EXPECT_EQ(ejecucion.salida, codigo(Salida::FicheroNoEncontrado));
    EXPECT_EQ(ejecucion.error, "file not found, unit 10, file datos/my.qvd\n");
}

TEST(CurvifitProceso, AFolderInPlaceOfTheDataFileIsNotFound) {
    CarpetaPrograma carpeta;
    fs::create_directory(carpeta.raiz() / "datos" / "mol.qvd");
    EXPECT_EQ(carpeta.ejecuta("mol").salida, codigo(Salida::FicheroNoEncontrado));
}

TEST(CurvifitProceso, AMissingResultFolderIsCreated) {
    CarpetaPrograma carpeta;
    carpeta.datos("mol", CABECERA + PUNTOS);
    fs::remove(carpeta.raiz() / "result");
    EXPECT_EQ(carpeta.ejecuta("mol").salida, 0);
    EXPECT_TRUE(fs::is_regular_file(carpeta.json("mol")));
    // A file in its place cannot become the folder: that is still reported.
    fs::remove_all(carpeta.raiz() / "result");
    escribeFichero(carpeta.raiz() / "result", "");
    const Ejecucion ejecucion = carpeta.ejecuta("mol");
    EXPECT_EQ(ejecucion.salida, codigo(Salida::ResultadosNoAbiertos));
    EXPECT_NE(ejecucion.error.find("result/mol.res"), std::string::npos);
}

// A run killed anywhere leaves no JSON of an earlier run beside its report: at each point of
// the run where the engine can be stopped, the JSON in result/ is either absent or the new
// run's own (three points here, four before), and a temporary file is never the old one's.
TEST(CurvifitProceso, AKilledRunLeavesNoEarlierJson) {
    const std::string tresPuntos = CABECERA + "1.0   0.36\r\n1.2   0.04\r\n2.0   0.36\r\n";
    for (const char* punto : {"inicio", "borrado", "informe", "temporal", "json"}) {
        CarpetaPrograma carpeta;
        carpeta.datos("mol", CABECERA + PUNTOS);
        ASSERT_EQ(carpeta.ejecuta("mol").salida, 0);
        escribeFichero(carpeta.json("mol").string() + ".tmp", "de otra ejecución");
        carpeta.datos("mol", tresPuntos);
        const Ejecucion ejecucion = carpeta.ejecuta("mol", std::string("CURVIFIT_PARADA=") + punto);
        // The shell reports a killed command as 128 + the signal.
        EXPECT_TRUE(ejecucion.salida == -1 || ejecucion.salida == 128 + SIGKILL)
            << punto << ": not killed, " << ejecucion.salida;
        const bool antesDeBorrar = std::string(punto) == "inicio";
        const bool conJson = std::string(punto) == "json";
        ASSERT_EQ(fs::exists(carpeta.json("mol")), antesDeBorrar || conJson) << punto;
        if (fs::exists(carpeta.json("mol"))) {
            const auto j = nlohmann::json::parse(leeFichero(carpeta.json("mol")));
            EXPECT_EQ(j["points"].size(), antesDeBorrar ? 4u : 3u) << punto;
        }
        const fs::path temporal = carpeta.json("mol").string() + ".tmp";
        EXPECT_EQ(fs::exists(temporal), antesDeBorrar || std::string(punto) == "temporal") << punto;
        if (!antesDeBorrar && fs::exists(temporal)) {
            EXPECT_EQ(nlohmann::json::parse(leeFichero(temporal))["points"].size(), 3u);
        }
        if (antesDeBorrar) {
            // Stopped before the report was touched: the earlier set is still whole.
            EXPECT_NE(carpeta.informe("mol").find("COEFICIENTES"), std::string::npos);
        }
    }
}

TEST(CurvifitProceso, ALongerEarlierReportIsReplacedWhole) {
    CarpetaPrograma carpeta;
    carpeta.datos("mol", CABECERA + PUNTOS);
    escribeFichero(carpeta.raiz() / "result" / "mol.res", std::string(100000, 'x'));
    escribeFichero(carpeta.raiz() / "result" / "mol.scs", std::string(100000, 'x'));
    EXPECT_EQ(carpeta.ejecuta("mol").salida, 0);
    EXPECT_EQ(cuentaLineas(carpeta.informe("mol")), 54 + 3 + 4);
    EXPECT_EQ(carpeta.informe("mol").find('x'), std::string::npos);
    EXPECT_EQ(carpeta.curva("mol").find('x'), std::string::npos);
}

TEST(CurvifitProceso, MalformedFilesEndWithTheirMessageAndStatus) {
    struct Caso {
        std::string contenido;
        Salida salida;
        std::string mensaje; // start of the message on standard error
    };
    std::string muchos = CABECERA;
    for (int i = 1; i <= 501; ++i) {
        muchos += std::to_string(i) + " " + std::to_string(i) + "\r\n";
    }
    const std::string eof = "end-of-file during read, unit 10, file datos/mal.qvd\n";
    const std::string sintaxis = "list-directed I/O syntax error, unit 10, file datos/mal.qvd\n";
    const std::string conversion = "input conversion error, unit 10, file datos/mal.qvd\n";
    const std::string masas = "Fichero de datos datos/mal.qvd: las masas atómicas no dan";
    const Caso casos[] = {
        {"", Salida::ErrorLectura, eof},
        {"titulo", Salida::ErrorLectura, eof},
        {"titulo\r\n0 1 2 \r\n1.0079", Salida::ErrorLectura, eof},
        {"titulo\r\n0 1 2 \r\n1.0079 1.0079\r\n", Salida::ErrorLectura, eof},
        {CABECERA + PUNTOS + "2.2", Salida::ErrorLectura, eof},
        {CABECERA + "1.0 uno\r\n" + PUNTOS, Salida::ErrorLectura, sintaxis},
        {"titulo\r\n0 1 2 \r\nH H\r\nUA UA\r\n" + PUNTOS, Salida::ErrorLectura, sintaxis},
        {CABECERA + "1.0 1E99999\r\n" + PUNTOS, Salida::ErrorLectura, conversion},
        {CABECERA + "1.0,,0.36\r\n" + PUNTOS, Salida::ErrorLectura, sintaxis},
        {"titulo\r\n0  1 \r\n1 1\r\nUA UA\r\n" + PUNTOS, Salida::ErrorLectura, sintaxis},
        {"titulo\r\n 0 1\r\n1 1\r\nUA UA\r\n" + PUNTOS, Salida::ErrorLectura, sintaxis},
        {"titulo\r\nx y\r\n1 1\r\nUA UA\r\n" + PUNTOS, Salida::ErrorLectura, sintaxis},
        {"titulo\r\n0 1 15 \r\n1 1\r\nUA UA\r\n" + PUNTOS, Salida::DatosNoAdmitidos,
         "Fichero de datos datos/mal.qvd: la potencia 15"},
        {"titulo\r\n0 1 1 \r\n1 1\r\nUA UA\r\n" + PUNTOS, Salida::DatosNoAdmitidos,
         "Fichero de datos datos/mal.qvd: la potencia 1 aparece"},
        {muchos, Salida::DatosNoAdmitidos, "Fichero de datos datos/mal.qvd: tiene más de 500"},
        {CABECERA, Salida::DatosNoAdmitidos, "Fichero de datos datos/mal.qvd: hacen falta"},
        {CABECERA + "1.0 2.0\r\n", Salida::DatosNoAdmitidos,
         "Fichero de datos datos/mal.qvd: hacen falta"},
        {"titulo\r\n-1 0 \r\n1 1\r\nUA UA\r\n0 1\r\n1 2\r\n", Salida::DatosNoAdmitidos,
         "Fichero de datos datos/mal.qvd: hay un punto con R = 0"},
        {std::string("\0\xff\xfe\r\n\x01\r\n", 8), Salida::ErrorLectura, ""},
        {CABECERA + "1.0 " + std::string(1 << 20, '0') + "\r\n" + PUNTOS, Salida::ErrorLectura,
         "record too long, unit 10, file datos/mal.qvd\n"},
        {"t\r\n0 1 2 \r\n0 1.0079\r\nUA UA\r\n" + PUNTOS, Salida::DatosNoAdmitidos, masas},
        {"t\r\n0 1 2 \r\n-2 1\r\nUA UA\r\n" + PUNTOS, Salida::DatosNoAdmitidos, masas},
        {"t\r\n0 1 2 \r\n1 -1\r\nUA UA\r\n" + PUNTOS, Salida::DatosNoAdmitidos, masas},
        {"t\r\n0 1 2 \r\n1E300 1E300\r\nUA UA\r\n" + PUNTOS, Salida::DatosNoAdmitidos, masas},
    };
    for (const Caso& caso : casos) {
        CarpetaPrograma carpeta;
        carpeta.datos("mal", caso.contenido);
        const Ejecucion ejecucion = carpeta.ejecuta("mal");
        EXPECT_EQ(ejecucion.salida, codigo(caso.salida)) << caso.contenido.substr(0, 80);
        EXPECT_EQ(ejecucion.error.rfind(caso.mensaje, 0), 0u)
            << ejecucion.error << " / " << caso.contenido.substr(0, 80);
        EXPECT_EQ(carpeta.informe("mal"), "") << caso.contenido.substr(0, 80);
    }
}

// Files the front end opens without complaint run: blank lines at the end, CR-only lines.
TEST(CurvifitProceso, TrailingBlankLinesAndCrOnlyLineEndsRunLikeTheCleanFile) {
    CarpetaPrograma carpeta;
    carpeta.datos("limpio", CABECERA + PUNTOS);
    ASSERT_EQ(carpeta.ejecuta("limpio").salida, 0);
    std::string soloCr = CABECERA + PUNTOS;
    std::erase(soloCr, '\n');
    const std::string variantes[] = {CABECERA + PUNTOS + "\r\n\r\n", CABECERA + PUNTOS + "  \n\t",
                                     soloCr, soloCr + "\r\r"};
    for (const std::string& contenido : variantes) {
        carpeta.datos("variante", contenido);
        const Ejecucion ejecucion = carpeta.ejecuta("variante");
        EXPECT_EQ(ejecucion.salida, 0) << ejecucion.error;
        EXPECT_EQ(carpeta.curva("variante"), carpeta.curva("limpio"));
    }
}

TEST(CurvifitProceso, ANameWithASlashIsRefusedAndWritesNothing) {
    CarpetaPrograma carpeta;
    fs::create_directory(carpeta.raiz() / "datos" / "sub");
    carpeta.datos("sub/mol", CABECERA + PUNTOS);
    fs::create_directory(carpeta.raiz() / "result" / "sub");
    const Ejecucion ejecucion = carpeta.ejecuta("sub/mol");
    EXPECT_EQ(ejecucion.salida, codigo(Salida::FicheroNoEncontrado));
    EXPECT_NE(ejecucion.error.find("\"/\""), std::string::npos) << ejecucion.error;
    EXPECT_FALSE(fs::exists(carpeta.raiz() / "result" / "sub" / "mol.res"));
    EXPECT_EQ(carpeta.ejecuta("../datos/x").salida, codigo(Salida::FicheroNoEncontrado));
}

TEST(CurvifitProceso, TheCurveFileKeepsThePointsReadBeforeAnError) {
    CarpetaPrograma carpeta;
    carpeta.datos("mal", CABECERA + "1.0 0.36\r\n1.2 0.04\r\n1.6 x\r\n");
    EXPECT_EQ(carpeta.ejecuta("mal").salida, codigo(Salida::ErrorLectura));
    EXPECT_EQ(cuentaLineas(carpeta.curva("mal")), 4);
}

TEST(CurvifitProceso, ARepulsiveCurveEndsWithNoMinimum) {
    CarpetaPrograma carpeta;
    std::string contenido = "repulsiva\r\n-12 -6 0 \r\n39.948   39.948\r\nUA   UA\r\n";
    for (int i = 0; i < 20; ++i) {
        const double r = 2.0 + 0.5 * i;
        contenido += std::to_string(r) + "   " + std::to_string(1.0 / std::pow(r, 6)) + "\r\n";
    }
    carpeta.datos("rep", contenido);
    const Ejecucion ejecucion = carpeta.ejecuta("rep");
    EXPECT_EQ(ejecucion.salida, codigo(Salida::SinMinimo));
    EXPECT_EQ(ejecucion.error.rfind("No se encuentra un mínimo en la curva ajustada", 0), 0u)
        << ejecucion.error;
    EXPECT_EQ(carpeta.informe("rep"), "");
    EXPECT_EQ(cuentaLineas(carpeta.curva("rep")), 40);
}

TEST(CurvifitProceso, FewerPointsThanPowersAreRefused) {
    CarpetaPrograma carpeta;
    carpeta.datos("dos", CABECERA + "1.0   -2.0\r\n2.0   0.0\r\n");
    const Ejecucion ejecucion = carpeta.ejecuta("dos");
    EXPECT_EQ(ejecucion.salida, codigo(Salida::DatosNoAdmitidos));
    EXPECT_NE(ejecucion.error.find("datos/dos.qvd"), std::string::npos) << ejecucion.error;
    EXPECT_EQ(carpeta.informe("dos"), "");
}

TEST(CurvifitProceso, ExampleMoleculesComeCloseToTheExperimentalConstants) {
    struct Referencia {
        const char* nombre;
        double re, we, wexe, be; // Angstrom and 1/cm
    };
    // A quartic over the whole curve is a rough fit: a few per cent is what it gives.
    for (const Referencia& ref : {Referencia{"HF", 0.9168, 4138.3, 89.9, 20.956},
                                  Referencia{"CO", 1.1283, 2169.8, 13.29, 1.9313}}) {
        std::ifstream fichero(fs::path(OSCILAB_SOURCE_DIR) / "datos" /
                                  (std::string(ref.nombre) + ".qvd"),
                              std::ios::binary);
        std::ostringstream curva;
        const DatosEntrada datos = LEEDATOS(fichero, ref.nombre, curva);
        const Constantes k = CALCULA(datos, curva).constantes;
        const double reAngstrom = k.XEQ * 0.529177210903;
        EXPECT_NEAR(reAngstrom, ref.re, 0.02 * ref.re) << ref.nombre;
        EXPECT_NEAR(k.NU, ref.we, 0.06 * ref.we) << ref.nombre;
        EXPECT_NEAR(k.XNU, ref.wexe, 0.10 * ref.wexe) << ref.nombre;
        EXPECT_NEAR(k.BE / k.FACFREC, ref.be, 0.04 * ref.be) << ref.nombre;
    }
}

} // namespace curvifit
