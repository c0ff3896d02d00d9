#include "elementos.h"

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
    {"H", "Hidrógeno", 1.0079f},   // 1
    {"He", "Hélio", 4.0026f},      // 2
    {"Li", "Litio", 6.939f},       // 3
    {"Be", "Berilio", 9.0122f},    // 4
    {"B", "Boro", 10.811f},        // 5
    {"C", "Carbono", 12.011f},     // 6
    {"N", "Nitrógeno", 14.006f},   // 7
    {"O", "Oxígeno", 15.999f},     // 8
    {"F", "Flúor", 18.998f},       // 9
    {"Ne", "Neón", 20.183f},       // 10
    {"Na", "Sodio", 22.989f},      // 11
    {"Mg", "Magnesio", 24.312f},   // 12
    {"Al", "Aluminio", 26.981f},   // 13
    {"Si", "Silicio", 28.086f},    // 14
    {"P", "Fósforo", 30.973f},     // 15
    {"S", "Azufre", 32.064f},      // 16
    {"Cl", "Cloro", 35.453f},      // 17
    {"Ar", "Argón", 39.948f},      // 18
    {"K", "Potásio", 39.102f},     // 19
    {"Ca", "Calcio", 40.08f},      // 20
    {"Sc", "Escandio", 44.956f},   // 21
    {"Ti", "Titanio", 47.9f},      // 22
    {"V", "Vanadio", 50.942f},     // 23
    {"Cr", "Cromo", 51.996f},      // 24
    {"Mn", "Manganeso", 54.938f},  // 25
    {"Fe", "Hierro", 55.847f},     // 26
    {"Co", "Cobalto", 58.933f},    // 27
    {"Ni", "Níquel", 58.71f},      // 28
    {"Cu", "Cobre", 63.54f},       // 29
    {"Zn", "Cinc", 65.37f},        // 30
    {"Ga", "Galio", 69.72f},       // 31
    {"Ge", "Germanio", 72.59f},    // 32
    {"As", "Arsénico", 74.922f},   // 33
    {"Se", "Selenio", 78.96f},     // 34
    {"Br", "Bromo", 79.909f},      // 35
    {"Kr", "Kriptón", 83.8f},      // 36
    {"Rb", "Rubidio", 85.47f},     // 37
    {"Sr", "Estroncio", 87.62f},   // 38
    {"Y", "Itrio", 88.905f},       // 39
    {"Zr", "Circonio", 91.22f},    // 40
    {"Nb", "Niobio", 92.906f},     // 41
    {"Mo", "Molibdeno", 95.94f},   // 42
    {"Tc", "Tecnecio", 99.0f},     // 43
    {"Ru", "Rutenio", 101.07f},    // 44
    {"Rh", "Rodio", 102.9f},       // 45
    {"Pd", "Paladio", 106.4f},     // 46
    {"Ag", "Plata", 107.87f},      // 47
    {"Cd", "Cadmio", 112.4f},      // 48
    {"In", "Indio", 114.82f},      // 49
    {"Sn", "Estaño", 118.69f},     // 50
    {"Sb", "Antimonio", 121.75f},  // 51
    {"Te", "Telurio", 127.6f},     // 52
    {"I", "Yodo", 126.9f},         // 53
    {"Xe", "Xenón", 131.3f},       // 54
    {"Cs", "Cesio", 132.9f},       // 55
    {"Ba", "Bario", 137.34f},      // 56
    {"La", "Lantano", 138.91f},    // 57
    {"Ce", "Cerio", 140.12f},      // 58
    {"Pr", "Praseodimio", 140.9f}, // 59
    {"Nd", "Neodimio", 144.24f},   // 60
    {"Pm", "Prometio", 147.0f},    // 61
    {"Sm", "Samario", 150.35f},    // 62
    {"Eu", "Europio", 151.96f},    // 63
    {"Gd", "Gadolinio", 157.95f},  // 64
    {"Tb", "Terbio", 158.92f},     // 65
    {"Dy", "Disprosio", 162.9f},   // 66
    {"Ho", "Holmio", 184.93f},     // 67
    {"Er", "Erbio", 167.26f},      // 68
    {"Tm", "Tulio", 168.93f},      // 69
    {"Yb", "Yterbio", 173.04f},    // 70
    {"Lu", "Lutecio", 174.97f},    // 71
    {"Hf", "Hafnio", 178.49f},     // 72
    {"Ta", "Tántalo", 180.94f},    // 73
    {"W", "Volframio", 183.85f},   // 74
    {"Re", "Renio", 186.2f},       // 75
    {"Os", "Osmio", 190.2f},       // 76
    {"Ir", "Iridio", 192.2f},      // 77
    {"Pt", "Platino", 195.09f},    // 78
    {"Au", "Oro", 196.96f},        // 79
    {"Hg", "Mercurio", 200.59f},   // 80
    {"Tl", "Talio", 204.37f},      // 81
    {"Pb", "Plomo", 207.19f},      // 82
    {"Bi", "Bismuto", 208.98f},    // 83
    {"Po", "Polonio", 210.0f},     // 84
    {"At", "Astato", 210.0f},      // 85
    {"Rn", "Radón", 222.0f},       // 86
    {"Fr", "Francio", 223.0f},     // 87
    {"Ra", "Radio", 226.0f},       // 88
    {"Ac", "Actinio", 227.0f},     // 89
    {"Th", "Torio", 232.03f},      // 90
    {"Pa", "Protactinio", 231.0f}, // 91
    {"U", "Uranio", 238.03f},      // 92
    {"Np", "Neptunio", 237.0f},    // 93
    {"Pu", "Plutonio", 242.0f},    // 94
    {"Am", "Americio", 243.0f},    // 95
    {"Cm", "Curio", 247.0f},       // 96
    {"Bk", "Berkelio", 247.0f},    // 97
    {"Cf", "Californio", 251.0f},  // 98
    {"Es", "Einstenio", 254.0f},   // 99
    {"Fm", "Fermio", 253.0f},      // 100
    {"Md", "Mendelevio", 256.0f},  // 101
    {"No", "Nobelio", 254.0f},     // 102
    {"Lw", "Lawrencio", 257.0f},   // 103
}};

} // namespace

Elemento elemento(int z) {
    const Registro& r = tabla.at(static_cast<std::size_t>(z - 1));
    return {QString::fromUtf8(r.simbolo), QString::fromUtf8(r.nombre), r.masa, z};
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
