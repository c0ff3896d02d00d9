// The fit explorer: PRESS from the hat matrix against refitting without each point, the
// top-ranked set's constants against closed forms, and curvifit --explorar as a process.
#include "ajuste.h"
#include "datos_motor.h"
#include "dispersion_modelos.h"
#include "explorador.h"
#include "explorador_salida.h"
#include "formulas_constantes.h"
#include "leedatos.h"
#include "unidades.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace curvifit {

namespace {

namespace fs = std::filesystem;

ConjuntoPotencias rangoPotencias(int desde, int hasta) {
    TablaPotencias t{};
    for (int p = desde; p <= hasta; ++p) {
        t[indicePotencia(p)] = 1;
    }
    return conjuntoDe(t);
}

// A potential with its exact derivatives V'' V''' V'''' at re.
struct Potencial {
    const char* nombre;
    double re;
    std::function<double(double)> V;
    std::array<double, 3> derivadas;
};

Potencial morse(double De, double a, double re) {
    return {"Morse",
            re,
            [=](double r) {
                const double e = 1.0 - std::exp(-a * (r - re));
                return De * e * e;
            },
            {2 * De * a * a, -6 * De * a * a * a, 14 * De * a * a * a * a}};
}

Potencial lennardJones(double De, double re) {
    return {"Lennard-Jones",
            re,
            [=](double r) {
                const double s6 = std::pow(re / r, 6);
                return De * (s6 * s6 - 2 * s6);
            },
            {72 * De / (re * re), -1512 * De / std::pow(re, 3), 26712 * De / std::pow(re, 4)}};
}

// -De (1 + a x) exp(-a x), x = r - re.
Potencial rydberg(double De, double a, double re) {
    return {"Rydberg",
            re,
            [=](double r) {
                const double x = a * (r - re);
                return -De * (1 + x) * std::exp(-x);
            },
            {De * a * a, -2 * De * a * a * a, 3 * De * a * a * a * a}};
}

std::string numero(double v) {
    char texto[64];
    const auto fin = std::to_chars(texto, texto + sizeof texto, v);
    return std::string(texto, fin.ptr);
}

// A data file as a user writes it: n points from 0.75 re to 2.5 re, energies rounded to
// 1e-8 hartree, in bohr/hartree or in Angstrom/eV.
std::string documento(const Potencial& v, int n, double masa1, double masa2, bool angstromEv) {
    std::string texto = std::string(v.nombre) + "\r\n0 1 2 3 4\r\n" + numero(masa1) + " " +
                        numero(masa2) + "\r\n" + (angstromEv ? "Angstrom eV" : "UA UA") + "\r\n";
    for (int i = 0; i < n; ++i) {
        const double r = v.re * (0.75 + 1.75 * i / (n - 1));
        const double e = std::round(v.V(r) * 1e8) / 1e8;
        texto += angstromEv ? numero(r * FACDIST_ANGSTROM) + " " + numero(e * FACENER_EV)
                            : numero(r) + " " + numero(e);
        texto += "\r\n";
    }
    return texto;
}

DatosEntrada lee(const std::string& texto) {
    std::istringstream fichero(texto);
    std::ostringstream curva;
    return LEEDATOS(fichero, "prueba", curva);
}

struct Proceso {
    int salida = -1;
    std::string salidaEstandar;
    std::string error;
};

// curvifit run in a scratch folder holding datos/NAME.qvd; the folder is removed afterwards.
Proceso curvifit(const std::string& contenido, const std::string& argumentos,
                 bool* quedanResultados = nullptr) {
    std::string plantilla = (fs::temp_directory_path() / "explorador_XXXXXX").string();
    const fs::path raiz = mkdtemp(plantilla.data());
    fs::create_directories(raiz / "datos");
    fs::create_directories(raiz / "result");
    std::ofstream(raiz / "datos" / "mol.qvd", std::ios::binary) << contenido;
    const std::string orden = "cd '" + raiz.string() + "' && '" OSCILAB_PROGRAM_DIR "/curvifit' " +
                              argumentos + " 2> stderr.txt < /dev/null";
    Proceso p;
    FILE* tubo = popen(orden.c_str(), "r");
    char bloque[4096];
    for (std::size_t n; (n = std::fread(bloque, 1, sizeof bloque, tubo)) > 0;) {
        p.salidaEstandar.append(bloque, n);
    }
    const int estado = pclose(tubo);
    p.salida = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    std::ostringstream error;
    error << std::ifstream(raiz / "stderr.txt").rdbuf();
    p.error = error.str();
    if (quedanResultados != nullptr) {
        *quedanResultados = !fs::is_empty(raiz / "result");
    }
    fs::remove_all(raiz);
    return p;
}

} // namespace

TEST(Explorador, FamilyHasEveryRangeOnceAndTheDocumentsAndUsersSets) {
    const ConjuntoPotencias documento = rangoPotencias(-15, 14);
    const ConjuntoPotencias usuario = rangoPotencias(0, 1) | rangoPotencias(6, 6);
    const auto familia = familiaCandidatos(50, documento, {usuario, rangoPotencias(0, 4)});
    // The 235 ranges of 3..12 powers and the document's (all 30) are the contiguous sets;
    // the user's set already in the family keeps its place, the new one comes last.
    std::set<ConjuntoPotencias> distintos(familia.begin(), familia.end());
    EXPECT_EQ(distintos.size(), familia.size());
    EXPECT_EQ(std::count_if(familia.begin(), familia.end(), esContiguo), 235 + 1);
    EXPECT_EQ(familia[familia.size() - 2], documento);
    EXPECT_EQ(familia.back(), usuario);
    EXPECT_EQ(textoPotencias(rangoPotencias(-4, 4) & ~rangoPotencias(1, 1)), "-4..4 sin 1");
    EXPECT_EQ(textoPotencias(usuario), "0 1 6");
    // Five points leave room for ranges of 3 powers only; so few points also list the 26
    // exact fits, the ranges of 5 powers. Eight points do not.
    const auto pocos = familiaCandidatos(5, 0, {});
    EXPECT_EQ(std::count_if(pocos.begin(), pocos.end(),
                            [](ConjuntoPotencias c) { return numeroPotencias(c) == 5; }),
              26);
    for (ConjuntoPotencias c : pocos) {
        EXPECT_TRUE(numeroPotencias(c) == 3 || (numeroPotencias(c) == 5 && esContiguo(c)));
    }
    for (ConjuntoPotencias c : familiaCandidatos(8, 0, {})) {
        EXPECT_LE(numeroPotencias(c), 6);
    }
}

TEST(Explorador, PressFromTheHatMatrixEqualsRefittingWithoutEachPoint) {
    // Points with a scatter of some 1e-5 hartree, and sets whose scaled design matrix is
    // conditioned well enough for double rounding to stay below 1e-8 of PRESS. (The leverages
    // of the family's worst-conditioned sets, such as -8..0, carry errors of some 1e-8, which
    // 1/(1 - h)^2 turns into 1e-5 of PRESS: harmless for a ranking.)
    const Potencial v = morse(0.1697, 1.2139, 1.8324);
    DatosEntrada datos = lee(documento(v, 21, 15.9949, 1.00783, false));
    for (int i = 0; i < datos.NPUNTOS(); ++i) {
        datos.EDAT[i] += 2e-5 * std::sin(7.0 * i);
    }
    for (ConjuntoPotencias conjunto :
         {rangoPotencias(0, 4), rangoPotencias(-2, 3), rangoPotencias(-1, 6),
          rangoPotencias(-2, 4) & ~(1u << 16), rangoPotencias(-6, -1)}) {
        const EvaluacionCandidato c = evaluaCandidato(datos, conjunto);
        ASSERT_TRUE(c.singularesDescartados.empty()) << textoPotencias(conjunto);
        double press = 0.0;
        for (int i = 0; i < datos.NPUNTOS(); ++i) {
            std::vector<double> R = datos.RDAT;
            std::vector<double> E = datos.EDAT;
            R.erase(R.begin() + i);
            E.erase(E.begin() + i);
            const Ajuste sinPunto = ajustaCurva(datosDePuntos(R, E, tablaDe(conjunto), 1.0));
            const double e =
                datos.EDAT[i] - energiaAjustada(sinPunto.ACOEF, tablaDe(conjunto), datos.RDAT[i]);
            press += e * e;
        }
        EXPECT_NEAR(c.press, press, 1e-8 * press) << textoPotencias(conjunto);
        EXPECT_GT(c.pressRms, c.rms);
    }
}

TEST(Explorador, TopRankedSetGivesTheClosedFormConstants) {
    const double FACFREC = Constantes{}.FACFREC;
    struct Caso {
        Potencial v;
        int puntos;
        double masa1, masa2;
    };
    const Caso casos[] = {
        {morse(0.1697, 1.2139, 1.8324), 21, 15.9949, 1.00783},
        {lennardJones(0.0165, 4.0), 25, 35.0, 35.0},
        {rydberg(0.1745, 2.0, 1.4011), 15, 1.00783, 1.00783},
        {rydberg(0.1, 1.4, 2.13), 30, 12.0, 15.9949},
    };
    for (const Caso& caso : casos) {
        const auto [K2, K3, K4] = caso.v.derivadas;
        const double mu = masaReducida(caso.masa1, caso.masa2);
        const auto exacta = formulasConstantes(caso.v.re, K2, K3, K4, mu);
        for (bool angstromEv : {false, true}) {
            const DatosEntrada datos =
                lee(documento(caso.v, caso.puntos, caso.masa1, caso.masa2, angstromEv));
            const auto ranking = exploraAjustes(datos, {});
            ASSERT_TRUE(ranking && !ranking->empty());
            const EvaluacionCandidato& mejor = ranking->front();
            ASSERT_TRUE(mejor.minimoDentro && mejor.constantes);
            const std::string caso_ = std::string(caso.v.nombre) + (angstromEv ? " A/eV " : " ") +
                                      textoPotencias(mejor.potencias);
            const double we = (*mejor.constantes)[Constante::WeCm1].valor;
            const double wexe = (*mejor.constantes)[Constante::WexeCm1].valor;
            EXPECT_NEAR(we, exacta.WE / FACFREC, 1e-4 * exacta.WE / FACFREC) << caso_;
            EXPECT_NEAR(wexe, exacta.WEXE / FACFREC, 5e-3 * exacta.WEXE / FACFREC) << caso_;
        }
    }
}

TEST(Explorador, CancelledExplorationReturnsNothingAndProgressCounts) {
    const DatosEntrada datos = lee(documento(morse(0.1697, 1.2139, 1.8324), 15, 16, 1, false));
    std::atomic<bool> cancelar = false;
    int ultimo = 0;
    int total = 0;
    OpcionesExploracion opciones;
    opciones.progreso = [&](int hechos, int de) {
        EXPECT_EQ(hechos, ultimo + 1);
        ultimo = hechos;
        total = de;
        cancelar = hechos == 10;
    };
    opciones.cancelar = &cancelar;
    EXPECT_FALSE(exploraAjustes(datos, opciones));
    EXPECT_EQ(ultimo, 10);
    EXPECT_GT(total, 10);
}

TEST(Explorador, CommandLineBadFilesFailAsAPlainRun) {
    const std::string cabecera = "mal\r\n0 1 2 \r\n1 1\r\nUA UA\r\n";
    const std::string casos[] = {
        cabecera + "1.0 uno\r\n",
        cabecera + "1.0 2.0\r\n",
        "mal\r\n0 1 15 \r\n1 1\r\nUA UA\r\n1 1\r\n2 2\r\n3 3\r\n",
        cabecera + "1 1\r\n2 2",
    };
    for (const std::string& contenido : casos) {
        bool quedanResultados = true;
        const Proceso normal = curvifit(contenido, "mol");
        const Proceso explorar = curvifit(contenido, "--explorar mol", &quedanResultados);
        EXPECT_NE(normal.salida, 0);
        EXPECT_EQ(explorar.salida, normal.salida) << contenido;
        EXPECT_EQ(explorar.error, normal.error) << contenido;
        EXPECT_EQ(explorar.salidaEstandar, "");
        EXPECT_FALSE(quedanResultados);
    }
    const Proceso sinNombre = curvifit("", "--explorar");
    EXPECT_EQ(sinNombre.salida, curvifit("", "").salida);
    EXPECT_EQ(sinNombre.error, "file not found, unit 10, file datos/.qvd\n");
    const Proceso ausente = curvifit("", "--explorar otro --json");
    EXPECT_EQ(ausente.salida, 2);
    EXPECT_EQ(ausente.error, "file not found, unit 10, file datos/otro.qvd\n");
}

TEST(Explorador, CommandLineJsonParsesAndComesInRankOrder) {
    const std::string texto = documento(rydberg(0.1745, 2.0, 1.4011), 20, 1.00783, 1.00783, true);
    bool quedanResultados = true;
    const Proceso p = curvifit(texto, "--explorar mol --json", &quedanResultados);
    ASSERT_EQ(p.salida, 0) << p.error;
    EXPECT_FALSE(quedanResultados);
    const nlohmann::json j = nlohmann::json::parse(p.salidaEstandar);
    EXPECT_EQ(j.at("format"), "oscilab-explorer");
    EXPECT_EQ(j.at("version"), 1);
    const auto& candidatos = j.at("candidates");
    ASSERT_EQ(candidatos.size(), exploraAjustes(lee(texto), {})->size());
    bool dentro = true;
    double anterior = 0.0;
    for (const auto& c : candidatos) {
        const bool minimo = c.at("minimum_inside");
        ASSERT_TRUE(dentro || !minimo) << "a set with a minimum inside after one without";
        const double press = c.at("press_rms_hartree").is_null()
                                 ? INFINITY
                                 : c.at("press_rms_hartree").get<double>();
        if (minimo == dentro) {
            EXPECT_GE(press, anterior);
        }
        anterior = minimo == dentro ? press : 0.0;
        dentro = minimo;
        EXPECT_GE(press, c.at("rms_hartree").get<double>());
        EXPECT_TRUE(c.at("powers").is_array());
        if (minimo) {
            EXPECT_TRUE(c.at("constants").at("re_bohr").at("value").is_number());
        }
    }
    const double re = candidatos[0].at("constants").at("re_bohr").at("value");
    EXPECT_NEAR(re, 1.4011, 1e-4);
    // One model spread for the ranking, the same in every candidate, over the weighted sets.
    const auto& spread = candidatos[0].at("constants").at("we_cm1").at("model_spread");
    ASSERT_TRUE(spread.is_number());
    EXPECT_EQ(candidatos.back().at("constants").at("we_cm1").at("model_spread"), spread);
    double suma = 0.0;
    for (const auto& m : j.at("model_sets")) {
        suma += m.at("weight").get<double>();
    }
    EXPECT_NEAR(suma, 1.0, 1e-12);
    // The plain table shows the first 20 rows under its two header lines and its titles.
    const Proceso tabla = curvifit(texto, "--explorar mol");
    ASSERT_EQ(tabla.salida, 0);
    EXPECT_EQ(std::count(tabla.salidaEstandar.begin(), tabla.salidaEstandar.end(), '\n'),
              3 + 20 + (tabla.salidaEstandar.find("* sin") != std::string::npos ? 1 : 0));
}

// Akaike weights exp(-AICc/2) normalised, taken relative to the smallest AICc: the same for
// AICc values shifted by a constant, even one that would underflow exp on its own.
TEST(DispersionModelos, AkaikeWeightsAndTheWeightedSpread) {
    const double e1 = std::exp(-1.0);
    const std::vector<double> pesos = pesosAkaike({10.0, 12.0, INFINITY, 10.0});
    ASSERT_EQ(pesos.size(), 4u);
    EXPECT_DOUBLE_EQ(pesos[0], 1.0 / (2.0 + e1));
    EXPECT_DOUBLE_EQ(pesos[1], e1 / (2.0 + e1));
    EXPECT_EQ(pesos[2], 0.0);
    EXPECT_EQ(pesosAkaike({-5000.0, -4998.0, INFINITY, -5000.0}), pesos);
    EXPECT_TRUE(pesosAkaike({INFINITY, NAN}).empty());

    // Four candidates: the best sqrt(PRESS/N) is 1, so 1.4 is in and 1.6 out; one without
    // a minimum inside the data and one with an undefined PRESS never count.
    const auto candidato = [](double press, double aicc, double we, bool dentro) {
        EvaluacionCandidato c;
        c.pressRms = press;
        c.aicc = aicc;
        c.minimoDentro = dentro;
        c.constantes.emplace();
        c.constantes->valores[static_cast<int>(Constante::WeCm1)].valor = we;
        return c;
    };
    const std::vector<EvaluacionCandidato> ranking = {
        candidato(1.0, -100.0, 4400.0, true), candidato(1.4, -98.0, 4410.0, true),
        candidato(1.6, -120.0, 4000.0, true), candidato(0.5, -130.0, 3000.0, false),
        candidato(INFINITY, -140.0, 2000.0, true)};
    const std::optional<DispersionModelos> d = dispersionModelos(ranking);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->conjuntos, (std::vector<std::size_t>{0, 1}));
    const double w0 = 1.0 / (1.0 + e1);
    const double w1 = e1 / (1.0 + e1);
    const double media = w0 * 4400.0 + w1 * 4410.0;
    const int we = static_cast<int>(Constante::WeCm1);
    EXPECT_DOUBLE_EQ(d->media[we], media);
    EXPECT_DOUBLE_EQ(d->dispersion[we], std::sqrt(w0 * std::pow(4400.0 - media, 2) +
                                                  w1 * std::pow(4410.0 - media, 2)));
    EXPECT_FALSE(dispersionModelos({ranking[3], ranking[4]}));
    // Texts: a number that rounds to zero at the shown decimals is "0".
    EXPECT_EQ(textoDispersionModelo(0.0012345), "± 0.0012 modelo");
    EXPECT_EQ(textoDispersionModelo(3e-19), "± 0 modelo");
    EXPECT_EQ(textoValorConError({-2e-20, 3e-3}), "0 ± 0.0030");
    EXPECT_EQ(textoValorConError({1.40113, 3e-20}), "1.401130000000000 ± 0");
}

} // namespace curvifit
