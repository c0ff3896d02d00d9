#include "pestanas_xls.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace leexls {
namespace {

std::optional<PestanasLibro> pestanas(const char* nombre) {
    std::ifstream f(std::string(OSCILAB_SOURCE_DIR "/tests/frontend/fixtures/") + nombre,
                    std::ios::binary);
    return leePestanasXls(f);
}

TEST(PestanasXls, TabsOfTheFixtures) {
    const auto una = pestanas("doce_puntos.xls");
    ASSERT_TRUE(una.has_value());
    EXPECT_EQ(una->pestanaActiva, 0);
    EXPECT_EQ(una->esHojaCalculo, std::vector<bool>{true});
    const auto dos = pestanas("segunda_hoja_activa.xls");
    ASSERT_TRUE(dos.has_value());
    EXPECT_EQ(dos->pestanaActiva, 1);
    EXPECT_EQ(dos->esHojaCalculo, (std::vector<bool>{true, true}));
    EXPECT_FALSE(pestanas("truncado.xls").has_value());
    EXPECT_FALSE(pestanas("firma_sin_contenido.xls").has_value());
    EXPECT_FALSE(pestanas("no_existe.xls").has_value());
}

TEST(PestanasXls, ActiveTabMapsOntoWorksheetIndex) {
    const PestanasLibro conGrafico{2, {true, false, true}};
    EXPECT_EQ(hojaActivaEntreHojas(conGrafico, 3), 2);                    // all tabs counted
    EXPECT_EQ(hojaActivaEntreHojas(conGrafico, 2), 1);                    // chart sheets skipped
    EXPECT_EQ(hojaActivaEntreHojas({1, {true, false}}, 1), std::nullopt); // chart active
    EXPECT_EQ(hojaActivaEntreHojas({5, {true, true}}, 2), std::nullopt);  // out of range
    EXPECT_EQ(hojaActivaEntreHojas({0, {true, true}}, 7), std::nullopt);  // counts disagree
}

} // namespace
} // namespace leexls
