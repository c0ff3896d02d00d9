// State shared by the front end's windows: the program folders, the current document's
// file and powers, and the results of the last calculation. One object, owned by the
// application and handed to the windows that need it.
#pragma once

#include "compartido/dimensiones.h"

#include <QString>

namespace oscilab {

// A plot box: R min, V min, R max, V max. All zeros means "no box chosen".
struct Caja {
    double rmin = 0.0;
    double vmin = 0.0;
    double rmax = 0.0;
    double vmax = 0.0;

    bool esNula() const { return rmin == 0.0 && vmin == 0.0 && rmax == 0.0 && vmax == 0.0; }
    friend bool operator==(const Caja&, const Caja&) = default;
};

struct EstadoGlobal {
    QString dirprograma; // program folder, always ending in "/"
    QString dirdatos;    // dirprograma + "datos/"
    QString dirresult;   // dirprograma + "result/"
    QString fichero;     // full path of the current data file; "" if never saved or opened
    QString nombrebase;  // bare name of the file last run

    TablaPotencias potencias{}; // included powers

    // Results of the last calculation.
    CoeficientesPotencia coeficientes{};
    double errorenergia = 0.0;
    Caja limites;
    Caja vista;
    double rcentro = 0.0;

    double coeficiente(int k) const { return dePotencia(coeficientes, k); }
    void ponCoeficiente(int k, double c) { dePotencia(coeficientes, k) = c; }
    int numeroPotencias() const {
        int m = 0;
        for (int flag : potencias) {
            m += flag == 1 ? 1 : 0;
        }
        return m;
    }
};

} // namespace oscilab
