// State shared by the front end's windows: the program folders and the current document's
// file and powers. One object, owned by the application and handed to the windows that
// need it.
#pragma once

#include "compartido/dimensiones.h"

#include <QString>

namespace oscilab {

struct EstadoGlobal {
    QString dirprograma; // program folder, always ending in "/"
    QString dirdatos;    // dirprograma + "datos/"
    QString dirresult;   // dirprograma + "result/"
    QString fichero;     // full path of the current data file; "" if never saved or opened
    QString nombrebase;  // bare name of the file last run

    TablaPotencias potencias{}; // included powers

    int numeroPotencias() const {
        int m = 0;
        for (int flag : potencias) {
            m += flag == 1 ? 1 : 0;
        }
        return m;
    }
};

} // namespace oscilab
