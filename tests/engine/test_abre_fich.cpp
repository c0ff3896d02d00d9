#include "abre_fich.h"

#include <gtest/gtest.h>

namespace curvifit {

TEST(AbreFich, PathsAreLowerCaseAndRelativeToTheCurrentFolder) {
    const RutasFicheros rutas = rutasFicheros("H2");
    EXPECT_EQ(rutas.FICHDATOS, "datos/H2.qvd");
    EXPECT_EQ(rutas.FICHRES, "result/H2.res");
    EXPECT_EQ(rutas.FICHSCS, "result/H2.scs");
}

TEST(AbreFich, TrailingBlanksCarryNoMeaningAndTheArgumentIsCutAtOneHundred) {
    EXPECT_EQ(nombreDocumento("H2 "), "H2");
    EXPECT_EQ(nombreDocumento("H2      "), "H2");
    EXPECT_EQ(nombreDocumento(" H2"), " H2");
    EXPECT_EQ(nombreDocumento(""), "");
    EXPECT_EQ(nombreDocumento("   "), "");
    EXPECT_EQ(nombreDocumento(std::string(120, 'a')), std::string(100, 'a'));
    EXPECT_EQ(nombreDocumento(std::string(99, 'a') + "  b"), std::string(99, 'a'));
    EXPECT_EQ(rutasFicheros("").FICHDATOS, "datos/.qvd");
}

} // namespace curvifit
