// State shared by the front end's windows: the program folders, the file of the open
// document and the name of the last run. One object, owned by the application and handed
// to the windows that need it; the document itself is the main window's Documento.
#pragma once

#include <QString>

namespace oscilab {

struct EstadoGlobal {
    QString dirprograma; // program folder, always ending in "/"
    QString dirdatos;    // dirprograma + "datos/"
    QString dirresult;   // dirprograma + "result/"
    QString fichero;     // full path of the current data file; "" if never saved or opened
    QString nombrebase;  // bare name of the file last run
};

} // namespace oscilab
