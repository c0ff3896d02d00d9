// Isotopologues from one fitted curve: the mass-scaling laws, equality with a separate run
// whose document carries the other masses, the result file's member and the --masas option.
#include "argumentos.h"
#include "calcula.h"
#include "errores.h"
#include "isotopologos.h"
#include "leedatos.h"
#include "resultado_json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

namespace curvifit {

namespace {

constexpr double H1 = 1.00782503, H2 = 2.01410178, F19 = 18.99840322;

std::string textoHF() {
    std::ifstream fichero(std::string(OSCILAB_SOURCE_DIR) + "/datos/HF.qvd", std::ios::binary);
    std::ostringstream texto;
    texto << fichero.rdbuf();
    return texto.str();
}

// The HF example with its third line (the masses) replaced.
std::string conMasas(const std::string& texto, const std::string& masas) {
    std::size_t inicio = 0;
    for (int linea = 0; linea < 2; ++linea) {
        inicio = texto.find('\n', inicio) + 1;
    }
    return texto.substr(0, inicio) + masas + "\r" + texto.substr(texto.find('\n', inicio));
}

struct Corrida {
    DatosEntrada datos;
    Resultado resultado;
    NivelesExactos exactos;
};

Corrida corre(const std::string& texto, int JMAX) {
    std::istringstream entrada(texto);
    std::ostringstream curva;
    Corrida c;
    c.datos = LEEDATOS(entrada, "HF.qvd", curva);
    c.resultado = CALCULA(c.datos, curva);
    c.exactos = nivelesExactos(c.datos, c.resultado.ajuste, c.resultado.constantes, JMAX);
    return c;
}

} // namespace

TEST(Isotopologos, MassScalingAndASeparateRunAgree) {
    const std::string hf = conMasas(textoHF(), "1.00782503   18.99840322");
    const Corrida principal = corre(hf, 3);
    const Isotopologo df = calculaIsotopologo(principal.datos, principal.resultado, {H2, F19}, 3);
    const double razon = principal.datos.MASARED / df.MASARED; // mu(HF) / mu(DF)
    EXPECT_NEAR(razon, H1 * (H2 + F19) / (H2 * (H1 + F19)), 1e-15);
    const Constantes& k1 = principal.resultado.constantes;
    const Constantes& k2 = df.constantes;
    EXPECT_NEAR(k2.WE / k1.WE / std::sqrt(razon), 1.0, 1e-9);
    EXPECT_NEAR(k2.BE / k1.BE / razon, 1.0, 1e-9);
    EXPECT_EQ(k2.RE, k1.RE);
    EXPECT_EQ(k2.EEQ, k1.EEQ);

    // The document with DF's masses, run on its own, gives the same levels.
    const Corrida separada = corre(conMasas(textoHF(), "2.01410178   18.99840322"), 3);
    EXPECT_NEAR(separada.resultado.constantes.WE / k2.WE, 1.0, 1e-12);
    ASSERT_EQ(separada.exactos.niveles.size(), df.exactos.niveles.size());
    ASSERT_GT(df.exactos.niveles.size(), 8u);
    for (std::size_t i = 0; i < df.exactos.niveles.size(); ++i) {
        const NivelExacto& a = df.exactos.niveles[i];
        const NivelExacto& b = separada.exactos.niveles[i];
        EXPECT_EQ(a.v, b.v);
        EXPECT_EQ(a.J, b.J);
        EXPECT_NEAR(a.e_cm1, b.e_cm1, 1e-6) << "v=" << a.v << " J=" << a.J;
    }
    // A heavier species lies lower: its zero-point energy shrinks by about sqrt(razon).
    EXPECT_NEAR(df.exactos.niveles[0].e_cm1 / principal.exactos.niveles[0].e_cm1, std::sqrt(razon),
                0.01);
}

TEST(Isotopologos, ResultFileMember) {
    const Corrida c = corre(textoHF(), 2);
    const auto sinEspecies = resultadoJson("datos/HF.qvd", c.datos, c.resultado, c.exactos);
    ASSERT_TRUE(sinEspecies.contains("isotopologues"));
    EXPECT_TRUE(sinEspecies["isotopologues"].is_array());
    EXPECT_TRUE(sinEspecies["isotopologues"].empty());

    const auto especies = calculaIsotopologos(c.datos, c.resultado, {{H1, F19}, {H2, F19}}, 2);
    const auto json = resultadoJson("datos/HF.qvd", c.datos, c.resultado, c.exactos, especies);
    // The document's own species keeps its members untouched.
    EXPECT_EQ(json["constants"], sinEspecies["constants"]);
    EXPECT_EQ(json["levels_exact"], sinEspecies["levels_exact"]);
    const auto& lista = json["isotopologues"];
    ASSERT_EQ(lista.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const auto& e = lista[i];
        EXPECT_EQ(e["masses_amu"][0].get<double>(), especies[i].MASA1);
        EXPECT_EQ(e["masses_amu"][1].get<double>(), F19);
        EXPECT_EQ(e["reduced_mass_me"].get<double>(), especies[i].MASARED);
        // Same keys as the run's own constants, each with a standard error where the run's
        // own has one (the constants from the levels have none).
        ASSERT_EQ(e["constants"].size(), json["constants"].size());
        for (const auto& [clave, valor] : json["constants"].items()) {
            ASSERT_TRUE(e["constants"].contains(clave)) << clave;
            EXPECT_EQ(e["constants"][clave]["stderr"].is_number(), valor["stderr"].is_number())
                << clave;
        }
        EXPECT_EQ(e["constants"]["re_bohr"]["value"], json["constants"]["re_bohr"]["value"]);
        EXPECT_EQ(e["levels_exact"]["levels"].size(), especies[i].exactos.niveles.size());
        EXPECT_EQ(e["levels_exact"]["levels"][0]["e_cm1"].get<double>(),
                  especies[i].exactos.niveles[0].e_cm1);
    }
    const double razon = c.datos.MASARED / especies[1].MASARED;
    EXPECT_NEAR(lista[1]["constants"]["we_cm1"]["value"].get<double>() /
                    json["constants"]["we_cm1"]["value"].get<double>(),
                std::sqrt(razon), 1e-9);
    // The relative error of we scales with we itself: one covariance serves every species.
    EXPECT_NEAR(lista[1]["constants"]["we_cm1"]["stderr"].get<double>() /
                    json["constants"]["we_cm1"]["stderr"].get<double>(),
                std::sqrt(razon), 1e-9);
}

TEST(Isotopologos, TheDocumentsOwnSpeciesReusesTheRunsLevelsBitForBit) {
    const Corrida c = corre(textoHF(), 2);
    // Its masses in either order; the other species is solved as always.
    const std::vector<MasasIsotopologo> masas = {
        {c.datos.MASA1, c.datos.MASA2}, {c.datos.MASA2, c.datos.MASA1}, {H2, F19}};
    const auto reusadas = calculaIsotopologos(c.datos, c.resultado, masas, 2, {}, &c.exactos);
    const auto resueltas = calculaIsotopologos(c.datos, c.resultado, masas, 2);
    ASSERT_EQ(reusadas.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const auto& a = reusadas[i].exactos.niveles;
        const auto& b = resueltas[i].exactos.niveles;
        ASSERT_EQ(a.size(), b.size()) << i;
        for (std::size_t k = 0; k < a.size(); ++k) {
            EXPECT_EQ(a[k].e_cm1, b[k].e_cm1) << i << " " << k;
            EXPECT_EQ(a[k].incertidumbre_cm1, b[k].incertidumbre_cm1) << i << " " << k;
        }
        EXPECT_EQ(reusadas[i].constantes.WE, resueltas[i].constantes.WE);
    }
    // Levels of another JMAX are not the ones asked for: solved anew.
    const auto otraJ = calculaIsotopologos(c.datos, c.resultado, {masas[0]}, 3, {}, &c.exactos);
    EXPECT_GT(otraJ[0].exactos.niveles.size(), c.exactos.niveles.size());
}

TEST(Isotopologos, MasasOption) {
    const Argumentos a = leeArgumentos({"HF", "--masas", "1.00782503,18.99840322", "--jmax", "4",
                                        "--masas", "2.01410178,18.99840322"});
    ASSERT_EQ(a.masas.size(), 2u);
    EXPECT_EQ(a.masas[0], (MasasIsotopologo{H1, F19}));
    EXPECT_EQ(a.masas[1], (MasasIsotopologo{H2, F19}));
    EXPECT_EQ(a.jmax, 4);
    EXPECT_TRUE(leeArgumentos({"HF"}).masas.empty());
    for (const char* mal : {"1.0", "1.0,", ",2", "1.0;2.0", "0,2", "-1,2", "1,2,3", "a,b", "1,inf",
                            "1,nan", " 1,2"}) {
        try {
            leeArgumentos({"HF", "--masas", mal});
            ADD_FAILURE() << mal;
        } catch (const ErrorMotor& error) {
            EXPECT_EQ(error.salida(), Salida::DatosNoAdmitidos);
            EXPECT_NE(std::string(error.what()).find("--masas"), std::string::npos);
        }
    }
    EXPECT_THROW(leeArgumentos({"HF", "--masas"}), ErrorMotor);
}

} // namespace curvifit
