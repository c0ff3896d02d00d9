#include "document/elementos.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <set>

namespace oscilab {

TEST(Elementos, AllHundredAndThreeWithTheirSymbolsNamesAndMasses) {
    const QStringList simbolos =
        QStringLiteral(
            "H He Li Be B C N O F Ne Na Mg Al Si P S Cl Ar K Ca Sc Ti V Cr Mn Fe Co Ni Cu Zn Ga Ge "
            "As Se Br Kr Rb Sr Y Zr Nb Mo Tc Ru Rh Pd Ag Cd In Sn Sb Te I Xe Cs Ba La Ce Pr Nd Pm "
            "Sm Eu Gd Tb Dy Ho Er Tm Yb Lu Hf Ta W Re Os Ir Pt Au Hg Tl Pb Bi Po At Rn Fr Ra Ac Th "
            "Pa U Np Pu Am Cm Bk Cf Es Fm Md No Lw")
            .split(QLatin1Char(' '));
    ASSERT_EQ(simbolos.size(), numeroElementos);
    for (int z = 1; z <= numeroElementos; ++z) {
        const Elemento e = elemento(z);
        EXPECT_EQ(e.z, z);
        EXPECT_EQ(e.simbolo, simbolos[z - 1]) << z;
        EXPECT_FALSE(e.nombre.isEmpty());
        EXPECT_GT(e.masa, 0.0f);
    }
    // Spot checks of the names and masses as the program spells them.
    EXPECT_EQ(elemento(1).nombre, QStringLiteral("Hidrógeno"));
    EXPECT_EQ(elemento(2).nombre, QStringLiteral("Hélio"));
    EXPECT_EQ(elemento(8).nombre, QStringLiteral("Oxígeno"));
    EXPECT_EQ(elemento(8).masa, 15.999f);
    EXPECT_EQ(elemento(19).nombre, QStringLiteral("Potásio"));
    EXPECT_EQ(elemento(50).nombre, QStringLiteral("Estaño"));
    EXPECT_EQ(elemento(67).masa, 184.93f);
    EXPECT_EQ(elemento(99).nombre, QStringLiteral("Einstenio"));
    EXPECT_EQ(elemento(103).nombre, QStringLiteral("Lawrencio"));
    EXPECT_EQ(elemento(103).masa, 257.0f);
}

TEST(Elementos, MassSumMatchesTheTable) {
    // The sum of all 103 masses, added up from the decimal table.
    double suma = 0.0;
    for (int z = 1; z <= numeroElementos; ++z) {
        suma += static_cast<double>(elemento(z).masa);
    }
    EXPECT_NEAR(suma, 13076.4917, 0.01);
}

TEST(Elementos, FirstMatchByAtomicNumber) {
    EXPECT_EQ(elementoPorMasa(210.0f), 84); // Polonio before Astato
    EXPECT_EQ(elementoPorMasa(247.0f), 96); // Curio before Berkelio
    EXPECT_EQ(elementoPorMasa(254.0f), 99); // Einstenio before Nobelio
    EXPECT_EQ(elementoPorMasa(1.0079f), 1);
    EXPECT_EQ(elementoPorMasa(35.453f), 17);
    EXPECT_EQ(elementoPorMasa(1.008f), 0);
    EXPECT_EQ(elementoDeTextoMasa(QStringLiteral("15.999")), 8);
    EXPECT_EQ(elementoDeTextoMasa(QStringLiteral("210")), 84);
    EXPECT_EQ(elementoDeTextoMasa(QStringLiteral("1.00790")), 1);
    EXPECT_EQ(elementoDeTextoMasa(QStringLiteral("1.008")), 0);
    EXPECT_EQ(elementoDeTextoMasa(QStringLiteral("abc")), 0);
    EXPECT_EQ(elementoDeTextoMasa(QStringLiteral("")), 0);
}

TEST(Elementos, PeriodicTableLayoutHasNoTwoElementsOnOneSquare) {
    std::set<std::pair<int, int>> ocupadas;
    for (int z = 1; z <= numeroElementos; ++z) {
        const Casilla c = casillaElemento(z);
        EXPECT_GE(c.fila, 1);
        EXPECT_LE(c.fila, 9);
        EXPECT_GE(c.columna, 1);
        EXPECT_LE(c.columna, 18);
        EXPECT_TRUE(ocupadas.insert({c.fila, c.columna}).second) << z;
    }
    EXPECT_EQ(casillaElemento(2).columna, 18);
    EXPECT_EQ(casillaElemento(5).columna, 13);
    EXPECT_EQ(casillaElemento(57).fila, 6);
    EXPECT_EQ(casillaElemento(57).columna, 3);
    EXPECT_EQ(casillaElemento(72).columna, 4);
    EXPECT_EQ(casillaElemento(58).fila, 8);
    EXPECT_EQ(casillaElemento(58).columna, 3);
    EXPECT_EQ(casillaElemento(71).columna, 16);
    EXPECT_EQ(casillaElemento(89).fila, 7);
    EXPECT_EQ(casillaElemento(103).fila, 9);
    EXPECT_EQ(casillaElemento(103).columna, 16);
}

} // namespace oscilab
