#include "modelo/elementos.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <iterator>
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

TEST(Elementos, EveryNameAndMassAsTheProgramShowsThem) {
    const struct {
        const char* nombre;
        float masa;
    } tabla[] = {
        {"Hidrógeno", 1.0079f},  {"Hélio", 4.0026f},      {"Litio", 6.939f},
        {"Berilio", 9.0122f},    {"Boro", 10.811f},       {"Carbono", 12.011f},
        {"Nitrógeno", 14.006f},  {"Oxígeno", 15.999f},    {"Flúor", 18.998f},
        {"Neón", 20.183f},       {"Sodio", 22.989f},      {"Magnesio", 24.312f},
        {"Aluminio", 26.981f},   {"Silicio", 28.086f},    {"Fósforo", 30.973f},
        {"Azufre", 32.064f},     {"Cloro", 35.453f},      {"Argón", 39.948f},
        {"Potásio", 39.102f},    {"Calcio", 40.08f},      {"Escandio", 44.956f},
        {"Titanio", 47.9f},      {"Vanadio", 50.942f},    {"Cromo", 51.996f},
        {"Manganeso", 54.938f},  {"Hierro", 55.847f},     {"Cobalto", 58.933f},
        {"Níquel", 58.71f},      {"Cobre", 63.54f},       {"Cinc", 65.37f},
        {"Galio", 69.72f},       {"Germanio", 72.59f},    {"Arsénico", 74.922f},
        {"Selenio", 78.96f},     {"Bromo", 79.909f},      {"Kriptón", 83.8f},
        {"Rubidio", 85.47f},     {"Estroncio", 87.62f},   {"Itrio", 88.905f},
        {"Circonio", 91.22f},    {"Niobio", 92.906f},     {"Molibdeno", 95.94f},
        {"Tecnecio", 99.0f},     {"Rutenio", 101.07f},    {"Rodio", 102.9f},
        {"Paladio", 106.4f},     {"Plata", 107.87f},      {"Cadmio", 112.4f},
        {"Indio", 114.82f},      {"Estaño", 118.69f},     {"Antimonio", 121.75f},
        {"Telurio", 127.6f},     {"Yodo", 126.9f},        {"Xenón", 131.3f},
        {"Cesio", 132.9f},       {"Bario", 137.34f},      {"Lantano", 138.91f},
        {"Cerio", 140.12f},      {"Praseodimio", 140.9f}, {"Neodimio", 144.24f},
        {"Prometio", 147.0f},    {"Samario", 150.35f},    {"Europio", 151.96f},
        {"Gadolinio", 157.95f},  {"Terbio", 158.92f},     {"Disprosio", 162.9f},
        {"Holmio", 184.93f},     {"Erbio", 167.26f},      {"Tulio", 168.93f},
        {"Yterbio", 173.04f},    {"Lutecio", 174.97f},    {"Hafnio", 178.49f},
        {"Tántalo", 180.94f},    {"Volframio", 183.85f},  {"Renio", 186.2f},
        {"Osmio", 190.2f},       {"Iridio", 192.2f},      {"Platino", 195.09f},
        {"Oro", 196.96f},        {"Mercurio", 200.59f},   {"Talio", 204.37f},
        {"Plomo", 207.19f},      {"Bismuto", 208.98f},    {"Polonio", 210.0f},
        {"Astato", 210.0f},      {"Radón", 222.0f},       {"Francio", 223.0f},
        {"Radio", 226.0f},       {"Actinio", 227.0f},     {"Torio", 232.03f},
        {"Protactinio", 231.0f}, {"Uranio", 238.03f},     {"Neptunio", 237.0f},
        {"Plutonio", 242.0f},    {"Americio", 243.0f},    {"Curio", 247.0f},
        {"Berkelio", 247.0f},    {"Californio", 251.0f},  {"Einstenio", 254.0f},
        {"Fermio", 253.0f},      {"Mendelevio", 256.0f},  {"Nobelio", 254.0f},
        {"Lawrencio", 257.0f},
    };
    static_assert(std::size(tabla) == numeroElementos);
    for (int z = 1; z <= numeroElementos; ++z) {
        const auto& esperado = tabla[z - 1];
        EXPECT_EQ(elemento(z).nombre, QString::fromUtf8(esperado.nombre)) << z;
        EXPECT_EQ(elemento(z).masa, esperado.masa) << z;
    }
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
