// Files dropped on the main window: which command a dropped file stands for.
#pragma once

#include <QString>
#include <optional>

class QMimeData;

namespace oscilab {

enum class ClaseArrastre {
    Documento,        // .qvd: opened as "Abrir" does
    ImportacionTexto, // .txt, .csv: the text import
    ImportacionHoja,  // .xls, .xlsx, .ods: the spreadsheet import
};

// By the extension, case ignored; nullopt for a file the window does not take.
std::optional<ClaseArrastre> claseArrastre(const QString& ruta);

// The one local file of a drop, when it is of a kind the window takes; nullopt for
// several files, a remote address or a kind the window does not take.
std::optional<QString> ficheroArrastrado(const QMimeData& datos);

} // namespace oscilab
