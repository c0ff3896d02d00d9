// curvifit with a dipole file beside the document: a good one gives the spectrum and, with
// --exomol, the ExoMol files; a bad one is refused with its reason and the rest of the run.
#include "espectro_exomol.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/wait.h>

#include <filesystem>
#include <fstream>

namespace curvifit {

namespace {

namespace fs = std::filesystem;

class CarpetaEspectro : public ::testing::Test {
protected:
    void SetUp() override {
        std::string plantilla = (fs::temp_directory_path() / "espectro_XXXXXX").string();
        raiz_ = mkdtemp(plantilla.data());
        fs::create_directories(raiz_ / "datos");
        fs::create_directories(raiz_ / "result");
        fs::copy_file(fs::path(OSCILAB_SOURCE_DIR) / "datos" / "CO.qvd",
                      raiz_ / "datos" / "CO.qvd");
    }
    void TearDown() override {
        std::error_code error;
        fs::remove_all(raiz_, error);
    }
    void dipolo(const std::string& texto) const {
        std::ofstream(raiz_ / "datos" / "CO.dip", std::ios::binary) << texto;
    }
    int ejecuta(const std::string& argumentos) const {
        const std::string orden = "cd '" + raiz_.string() +
                                  "' && '" OSCILAB_PROGRAM_DIR "/curvifit' CO " + argumentos +
                                  " 2>/dev/null </dev/null";
        const int estado = std::system(orden.c_str());
        return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    }
    nlohmann::json json() const {
        return nlohmann::json::parse(std::ifstream(raiz_ / "result" / "CO.json"));
    }
    fs::path raiz_;
};

// mu = 0.1 + 1.9 (R - 1.128 A) debye, R in Angstrom: CO's slope near equilibrium.
const std::string DIPOLO_CO = "Angstrom Debye\r\n0.9 -0.3332\r\n1.0 -0.1432\r\n1.1 0.0468\r\n"
                              "1.2 0.2368\r\n1.3 0.4268\r\n1.4 0.6168\r\n\r\n";

} // namespace

TEST_F(CarpetaEspectro, ABadDipoleFileLeavesEverythingElse) {
    dipolo("Angstrom Debye\n1.0 0,5\n1.1 0.6\n");
    ASSERT_EQ(ejecuta(""), 0);
    const nlohmann::json j = json();
    EXPECT_TRUE(j["spectrum"].is_null());
    EXPECT_FALSE(j["levels_exact"].is_null());
    EXPECT_TRUE(fs::exists(raiz_ / "result" / "CO.res"));
    bool avisado = false;
    for (const auto& aviso : j["warnings"]) {
        avisado |= aviso["code"] == "dipole_file_refused" &&
                   aviso["text"].get<std::string>().find("línea 2") != std::string::npos;
    }
    EXPECT_TRUE(avisado) << j["warnings"].dump();
    fs::remove(raiz_ / "datos" / "CO.dip");
    ASSERT_EQ(ejecuta(""), 0);
    EXPECT_TRUE(json()["spectrum"].is_null());
    EXPECT_EQ(json()["warnings"].dump().find("dipole"), std::string::npos);
}

TEST_F(CarpetaEspectro, AGoodOneGivesTheSpectrumAndTheExomolFiles) {
    dipolo(DIPOLO_CO);
    ASSERT_EQ(ejecuta("--temperatura 500 --exomol"), 0);
    const nlohmann::json s = json()["spectrum"];
    ASSERT_TRUE(s.is_object());
    EXPECT_EQ(s["temperature_k"], 500.0);
    EXPECT_EQ(s["dipole"]["powers_of_r_minus_re"].size(), 2u);
    ASSERT_FALSE(s["lines"].empty());
    EXPECT_FALSE(s["lifetimes"].empty());
    std::ifstream estados(raiz_ / "result" / "CO.states"), trans(raiz_ / "result" / "CO.trans");
    const auto e = leeEstadosExomol(estados);
    const auto t = leeTransicionesExomol(trans);
    EXPECT_GT(e.size(), 0u);
    EXPECT_LE(e.size(), json()["levels_exact"]["levels"].size());
    EXPECT_GE(t.size(), s["lines"].size());
}

} // namespace curvifit
