// The result file's reader against its writer: a real run of the CO example written and read
// back, then the same document spoiled one member at a time, which must be refused by name.
#include "calcula.h"
#include "leedatos.h"
#include "niveles_exactos.h"
#include "resultado_json.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace curvifit {

namespace {

struct Corrida {
    DatosEntrada datos;
    Resultado resultado;
    NivelesExactos exactos;
    nlohmann::json documento;
};

const Corrida& corridaCO() {
    static const Corrida c = [] {
        std::ifstream fichero(std::string(OSCILAB_SOURCE_DIR) + "/datos/CO.qvd", std::ios::binary);
        std::ostringstream curva;
        Corrida r;
        r.datos = LEEDATOS(fichero, "datos/CO.qvd", curva);
        r.resultado = CALCULA(r.datos, curva);
        r.exactos = nivelesExactos(r.datos, r.resultado.ajuste, r.resultado.constantes, 3);
        r.documento = nlohmann::json::parse(
            resultadoJson("datos/CO.qvd", r.datos, r.resultado, r.exactos).dump(2));
        return r;
    }();
    return c;
}

// The error of reading the CO document after `cambia` spoils it ("" when it is read).
template <class Cambio> std::string errorTras(Cambio cambia) {
    nlohmann::json j = corridaCO().documento;
    cambia(j);
    const LecturaResultadoJson l = leeResultadoJson(j.dump(2));
    EXPECT_NE(l.ok(), !l.error.empty());
    return l.error;
}

} // namespace

TEST(ResultadoJsonLectura, ReadsBackWhatTheWriterWrote) {
    const Corrida& c = corridaCO();
    const LecturaResultadoJson l = leeResultadoJson(c.documento.dump(2));
    ASSERT_TRUE(l.ok()) << l.error;
    const ResultadoEjecucion& r = *l.resultado;
    EXPECT_EQ(r.ficheroDatos, "datos/CO.qvd");
    ASSERT_EQ(r.puntos.size(), static_cast<std::size_t>(c.datos.NPUNTOS()));
    for (int i = 0; i < c.datos.NPUNTOS(); ++i) {
        EXPECT_EQ(r.puntos[i].r_bohr, c.datos.RDAT[i]);
        EXPECT_EQ(r.puntos[i].e_hartree, c.datos.EDAT[i]);
        EXPECT_EQ(r.puntos[i].residuo_hartree, r.puntos[i].ajuste_hartree - c.datos.EDAT[i]);
    }
    EXPECT_EQ(r.coeficientes, c.resultado.ajuste.ACOEF);
    EXPECT_EQ(r.potencias.size(), r.coeficientes.size());
    EXPECT_EQ(r.gradosLibertad, c.datos.NPUNTOS() - c.datos.NPOT);
    const ConstantesConError k =
        constantesConError(c.datos, c.resultado.ajuste, c.resultado.constantes);
    ASSERT_TRUE(r.constante("we_cm1"));
    EXPECT_EQ(r.constante("we_cm1")->valor, k[Constante::WeCm1].valor);
    EXPECT_EQ(r.constante("we_cm1")->error, k[Constante::WeCm1].error);
    EXPECT_EQ(r.nivelesSegundoOrden, c.resultado.niveles.energias);
    ASSERT_TRUE(r.exactos);
    ASSERT_EQ(r.exactos->niveles.size(), c.exactos.niveles.size());
    EXPECT_EQ(r.exactos->niveles.back().e_cm1, c.exactos.niveles.back().e_cm1);
    EXPECT_EQ(r.exactos->JMAX, 3);
}

TEST(ResultadoJsonLectura, RefusesWrongTypesAndOutOfRangeNumbers) {
    using J = nlohmann::json;
    EXPECT_NE(errorTras([](J& j) { j["version"] = "1"; }).find("\"version\""), std::string::npos);
    EXPECT_NE(errorTras([](J& j) { j["version"] = 2; }).find("otra versión"), std::string::npos);
    EXPECT_NE(errorTras([](J& j) { j["format"] = 7; }), "");
    EXPECT_NE(errorTras([](J& j) { j["points"][3]["r_bohr"] = 1e308; }).find("points[3].r_bohr"),
              std::string::npos);
    EXPECT_NE(errorTras([](J& j) { j["fit"]["discarded"] = 1e308; }), "");
    EXPECT_NE(errorTras([](J& j) { j["fit"]["discarded"] = 3000000000u; }), "");
    EXPECT_NE(errorTras([](J& j) { j["levels_exact"]["levels"][0]["v"] = 1e300; }), "");
    EXPECT_NE(errorTras([](J& j) { j["levels_exact"]["levels"][0]["J"] = -1; }), "");
    EXPECT_NE(errorTras([](J& j) { j["levels_exact"]["levels"][0]["r_outer_bohr"] = 1e300; }), "");
    EXPECT_NE(errorTras([](J& j) { j["levels_exact"]["levels"][0]["e_cm1"] = "x"; }), "");
    EXPECT_NE(errorTras([](J& j) { j["fit"]["coefficients"].push_back(1.0); }), "");
    EXPECT_NE(errorTras([](J& j) { j["units"]["energy"] = "kcal"; }), "");
    EXPECT_NE(errorTras([](J& j) { j.erase("warnings"); }).find("warnings"), std::string::npos);
    // The writer's NaN (null) where a value may be missing reads as NaN.
    EXPECT_EQ(errorTras([](J& j) { j["points"][0]["e_fit_hartree"] = nullptr; }), "");
}

TEST(ResultadoJsonLectura, RefusesLargeDocumentsWhole) {
    using J = nlohmann::json;
    const std::string puntos = errorTras([](J& j) {
        while (j["points"].size() <= MAX_PUNTOS_JSON) {
            j["points"].push_back(j["points"][0]);
        }
    });
    EXPECT_NE(puntos.find("points"), std::string::npos);
    EXPECT_NE(errorTras([](J& j) {
                  while (j["levels_exact"]["levels"].size() <= MAX_NIVELES_JSON) {
                      j["levels_exact"]["levels"].push_back(j["levels_exact"]["levels"][0]);
                  }
              }),
              "");
    const std::string largo = corridaCO().documento.dump() + std::string(MAX_LINEAS_JSON + 1, '\n');
    EXPECT_NE(leeResultadoJson(largo).error.find("líneas"), std::string::npos);
    const std::string hondo = std::string(100000, '[') + std::string(100000, ']');
    EXPECT_FALSE(leeResultadoJson(hondo).ok());
    const std::string unoDeMas = std::string(33, '[') + std::string(33, ']');
    EXPECT_NE(leeResultadoJson(unoDeMas).error.find("niveles"), std::string::npos);
    // Brackets inside a string, after an escaped quote, are text, not nesting.
    EXPECT_EQ(errorTras([](J& j) { j["title"] = "\"" + std::string(40, '['); }), "");
    EXPECT_FALSE(leeResultadoJson("{").ok());
    EXPECT_FALSE(leeResultadoJson("").ok());
}

} // namespace curvifit
