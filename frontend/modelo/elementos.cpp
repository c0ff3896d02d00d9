#include "elementos.h"

#include <QCoreApplication>
#include <QLocale>

#include <array>

namespace oscilab {

namespace {

struct Registro {
    const char* simbolo;
    const char* nombre;
    float masa;
};

// Indexed by z - 1. The order is by atomic number, not by mass.
constexpr std::array<Registro, numeroElementos> tabla{{
    {"H", QT_TRANSLATE_NOOP("elementos", "Hidrógeno"), 1.0079f},   // 1
    {"He", QT_TRANSLATE_NOOP("elementos", "Hélio"), 4.0026f},      // 2
    {"Li", QT_TRANSLATE_NOOP("elementos", "Litio"), 6.939f},       // 3
    {"Be", QT_TRANSLATE_NOOP("elementos", "Berilio"), 9.0122f},    // 4
    {"B", QT_TRANSLATE_NOOP("elementos", "Boro"), 10.811f},        // 5
    {"C", QT_TRANSLATE_NOOP("elementos", "Carbono"), 12.011f},     // 6
    {"N", QT_TRANSLATE_NOOP("elementos", "Nitrógeno"), 14.006f},   // 7
    {"O", QT_TRANSLATE_NOOP("elementos", "Oxígeno"), 15.999f},     // 8
    {"F", QT_TRANSLATE_NOOP("elementos", "Flúor"), 18.998f},       // 9
    {"Ne", QT_TRANSLATE_NOOP("elementos", "Neón"), 20.183f},       // 10
    {"Na", QT_TRANSLATE_NOOP("elementos", "Sodio"), 22.989f},      // 11
    {"Mg", QT_TRANSLATE_NOOP("elementos", "Magnesio"), 24.312f},   // 12
    {"Al", QT_TRANSLATE_NOOP("elementos", "Aluminio"), 26.981f},   // 13
    {"Si", QT_TRANSLATE_NOOP("elementos", "Silicio"), 28.086f},    // 14
    {"P", QT_TRANSLATE_NOOP("elementos", "Fósforo"), 30.973f},     // 15
    {"S", QT_TRANSLATE_NOOP("elementos", "Azufre"), 32.064f},      // 16
    {"Cl", QT_TRANSLATE_NOOP("elementos", "Cloro"), 35.453f},      // 17
    {"Ar", QT_TRANSLATE_NOOP("elementos", "Argón"), 39.948f},      // 18
    {"K", QT_TRANSLATE_NOOP("elementos", "Potásio"), 39.102f},     // 19
    {"Ca", QT_TRANSLATE_NOOP("elementos", "Calcio"), 40.08f},      // 20
    {"Sc", QT_TRANSLATE_NOOP("elementos", "Escandio"), 44.956f},   // 21
    {"Ti", QT_TRANSLATE_NOOP("elementos", "Titanio"), 47.9f},      // 22
    {"V", QT_TRANSLATE_NOOP("elementos", "Vanadio"), 50.942f},     // 23
    {"Cr", QT_TRANSLATE_NOOP("elementos", "Cromo"), 51.996f},      // 24
    {"Mn", QT_TRANSLATE_NOOP("elementos", "Manganeso"), 54.938f},  // 25
    {"Fe", QT_TRANSLATE_NOOP("elementos", "Hierro"), 55.847f},     // 26
    {"Co", QT_TRANSLATE_NOOP("elementos", "Cobalto"), 58.933f},    // 27
    {"Ni", QT_TRANSLATE_NOOP("elementos", "Níquel"), 58.71f},      // 28
    {"Cu", QT_TRANSLATE_NOOP("elementos", "Cobre"), 63.54f},       // 29
    {"Zn", QT_TRANSLATE_NOOP("elementos", "Cinc"), 65.37f},        // 30
    {"Ga", QT_TRANSLATE_NOOP("elementos", "Galio"), 69.72f},       // 31
    {"Ge", QT_TRANSLATE_NOOP("elementos", "Germanio"), 72.59f},    // 32
    {"As", QT_TRANSLATE_NOOP("elementos", "Arsénico"), 74.922f},   // 33
    {"Se", QT_TRANSLATE_NOOP("elementos", "Selenio"), 78.96f},     // 34
    {"Br", QT_TRANSLATE_NOOP("elementos", "Bromo"), 79.909f},      // 35
    {"Kr", QT_TRANSLATE_NOOP("elementos", "Kriptón"), 83.8f},      // 36
    {"Rb", QT_TRANSLATE_NOOP("elementos", "Rubidio"), 85.47f},     // 37
    {"Sr", QT_TRANSLATE_NOOP("elementos", "Estroncio"), 87.62f},   // 38
    {"Y", QT_TRANSLATE_NOOP("elementos", "Itrio"), 88.905f},       // 39
    {"Zr", QT_TRANSLATE_NOOP("elementos", "Circonio"), 91.22f},    // 40
    {"Nb", QT_TRANSLATE_NOOP("elementos", "Niobio"), 92.906f},     // 41
    {"Mo", QT_TRANSLATE_NOOP("elementos", "Molibdeno"), 95.94f},   // 42
    {"Tc", QT_TRANSLATE_NOOP("elementos", "Tecnecio"), 99.0f},     // 43
    {"Ru", QT_TRANSLATE_NOOP("elementos", "Rutenio"), 101.07f},    // 44
    {"Rh", QT_TRANSLATE_NOOP("elementos", "Rodio"), 102.9f},       // 45
    {"Pd", QT_TRANSLATE_NOOP("elementos", "Paladio"), 106.4f},     // 46
    {"Ag", QT_TRANSLATE_NOOP("elementos", "Plata"), 107.87f},      // 47
    {"Cd", QT_TRANSLATE_NOOP("elementos", "Cadmio"), 112.4f},      // 48
    {"In", QT_TRANSLATE_NOOP("elementos", "Indio"), 114.82f},      // 49
    {"Sn", QT_TRANSLATE_NOOP("elementos", "Estaño"), 118.69f},     // 50
    {"Sb", QT_TRANSLATE_NOOP("elementos", "Antimonio"), 121.75f},  // 51
    {"Te", QT_TRANSLATE_NOOP("elementos", "Telurio"), 127.6f},     // 52
    {"I", QT_TRANSLATE_NOOP("elementos", "Yodo"), 126.9f},         // 53
    {"Xe", QT_TRANSLATE_NOOP("elementos", "Xenón"), 131.3f},       // 54
    {"Cs", QT_TRANSLATE_NOOP("elementos", "Cesio"), 132.9f},       // 55
    {"Ba", QT_TRANSLATE_NOOP("elementos", "Bario"), 137.34f},      // 56
    {"La", QT_TRANSLATE_NOOP("elementos", "Lantano"), 138.91f},    // 57
    {"Ce", QT_TRANSLATE_NOOP("elementos", "Cerio"), 140.12f},      // 58
    {"Pr", QT_TRANSLATE_NOOP("elementos", "Praseodimio"), 140.9f}, // 59
    {"Nd", QT_TRANSLATE_NOOP("elementos", "Neodimio"), 144.24f},   // 60
    {"Pm", QT_TRANSLATE_NOOP("elementos", "Prometio"), 147.0f},    // 61
    {"Sm", QT_TRANSLATE_NOOP("elementos", "Samario"), 150.35f},    // 62
    {"Eu", QT_TRANSLATE_NOOP("elementos", "Europio"), 151.96f},    // 63
    {"Gd", QT_TRANSLATE_NOOP("elementos", "Gadolinio"), 157.95f},  // 64
    {"Tb", QT_TRANSLATE_NOOP("elementos", "Terbio"), 158.92f},     // 65
    {"Dy", QT_TRANSLATE_NOOP("elementos", "Disprosio"), 162.9f},   // 66
    {"Ho", QT_TRANSLATE_NOOP("elementos", "Holmio"), 184.93f},     // 67
    {"Er", QT_TRANSLATE_NOOP("elementos", "Erbio"), 167.26f},      // 68
    {"Tm", QT_TRANSLATE_NOOP("elementos", "Tulio"), 168.93f},      // 69
    {"Yb", QT_TRANSLATE_NOOP("elementos", "Yterbio"), 173.04f},    // 70
    {"Lu", QT_TRANSLATE_NOOP("elementos", "Lutecio"), 174.97f},    // 71
    {"Hf", QT_TRANSLATE_NOOP("elementos", "Hafnio"), 178.49f},     // 72
    {"Ta", QT_TRANSLATE_NOOP("elementos", "Tántalo"), 180.94f},    // 73
    {"W", QT_TRANSLATE_NOOP("elementos", "Volframio"), 183.85f},   // 74
    {"Re", QT_TRANSLATE_NOOP("elementos", "Renio"), 186.2f},       // 75
    {"Os", QT_TRANSLATE_NOOP("elementos", "Osmio"), 190.2f},       // 76
    {"Ir", QT_TRANSLATE_NOOP("elementos", "Iridio"), 192.2f},      // 77
    {"Pt", QT_TRANSLATE_NOOP("elementos", "Platino"), 195.09f},    // 78
    {"Au", QT_TRANSLATE_NOOP("elementos", "Oro"), 196.96f},        // 79
    {"Hg", QT_TRANSLATE_NOOP("elementos", "Mercurio"), 200.59f},   // 80
    {"Tl", QT_TRANSLATE_NOOP("elementos", "Talio"), 204.37f},      // 81
    {"Pb", QT_TRANSLATE_NOOP("elementos", "Plomo"), 207.19f},      // 82
    {"Bi", QT_TRANSLATE_NOOP("elementos", "Bismuto"), 208.98f},    // 83
    {"Po", QT_TRANSLATE_NOOP("elementos", "Polonio"), 210.0f},     // 84
    {"At", QT_TRANSLATE_NOOP("elementos", "Astato"), 210.0f},      // 85
    {"Rn", QT_TRANSLATE_NOOP("elementos", "Radón"), 222.0f},       // 86
    {"Fr", QT_TRANSLATE_NOOP("elementos", "Francio"), 223.0f},     // 87
    {"Ra", QT_TRANSLATE_NOOP("elementos", "Radio"), 226.0f},       // 88
    {"Ac", QT_TRANSLATE_NOOP("elementos", "Actinio"), 227.0f},     // 89
    {"Th", QT_TRANSLATE_NOOP("elementos", "Torio"), 232.03f},      // 90
    {"Pa", QT_TRANSLATE_NOOP("elementos", "Protactinio"), 231.0f}, // 91
    {"U", QT_TRANSLATE_NOOP("elementos", "Uranio"), 238.03f},      // 92
    {"Np", QT_TRANSLATE_NOOP("elementos", "Neptunio"), 237.0f},    // 93
    {"Pu", QT_TRANSLATE_NOOP("elementos", "Plutonio"), 242.0f},    // 94
    {"Am", QT_TRANSLATE_NOOP("elementos", "Americio"), 243.0f},    // 95
    {"Cm", QT_TRANSLATE_NOOP("elementos", "Curio"), 247.0f},       // 96
    {"Bk", QT_TRANSLATE_NOOP("elementos", "Berkelio"), 247.0f},    // 97
    {"Cf", QT_TRANSLATE_NOOP("elementos", "Californio"), 251.0f},  // 98
    {"Es", QT_TRANSLATE_NOOP("elementos", "Einstenio"), 254.0f},   // 99
    {"Fm", QT_TRANSLATE_NOOP("elementos", "Fermio"), 253.0f},      // 100
    {"Md", QT_TRANSLATE_NOOP("elementos", "Mendelevio"), 256.0f},  // 101
    {"No", QT_TRANSLATE_NOOP("elementos", "Nobelio"), 254.0f},     // 102
    {"Lw", QT_TRANSLATE_NOOP("elementos", "Lawrencio"), 257.0f},   // 103
}};

} // namespace

Elemento elemento(int z) {
    const Registro& r = tabla.at(static_cast<std::size_t>(z - 1));
    return {QString::fromUtf8(r.simbolo), QCoreApplication::translate("elementos", r.nombre),
            r.masa, z};
}

int elementoPorMasa(float masa) {
    for (int z = 1; z <= numeroElementos; ++z) {
        if (tabla[static_cast<std::size_t>(z - 1)].masa == masa) {
            return z;
        }
    }
    return 0;
}

int elementoDeTextoMasa(const QString& texto) {
    bool ok = false;
    const double valor = QLocale::c().toDouble(texto.trimmed(), &ok);
    return ok ? elementoPorMasa(static_cast<float>(valor)) : 0;
}

Casilla casillaElemento(int z) {
    // First atomic number of each period and the columns its elements take.
    if (z == 1) {
        return {1, 1};
    }
    if (z == 2) {
        return {1, 18};
    }
    if (z <= 18) {
        const int periodo = z <= 10 ? 2 : 3;
        const int primero = periodo == 2 ? 3 : 11;
        const int k = z - primero; // 0..7
        return {periodo, k < 2 ? k + 1 : k + 11};
    }
    if (z <= 54) {
        const int periodo = z <= 36 ? 4 : 5;
        return {periodo, z - (periodo == 4 ? 18 : 36)};
    }
    if (z <= 57) {
        return {6, z - 54};
    }
    if (z <= 71) {
        return {8, z - 58 + 3};
    }
    if (z <= 86) {
        return {6, z - 72 + 4};
    }
    if (z <= 89) {
        return {7, z - 86};
    }
    return {9, z - 90 + 3};
}

} // namespace oscilab
