// State shared by the front end's windows: the program folders, and nothing else. One
// object, owned by the application and handed to the windows that need it; the document
// and its file are the main window's Documento, a run's files travel with its result.
#pragma once

#include <QString>

namespace oscilab {

struct EstadoGlobal {
    QString dirprograma; // program folder, always ending in "/"
    QString dirdatos;    // dirprograma + "datos/"
    QString dirresult;   // dirprograma + "result/"
};

} // namespace oscilab
