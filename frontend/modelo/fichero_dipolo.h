// datos/NAME.dip beside a document: its dipole points, read into the document's distance unit
// and written in it. The engine's own reader and writer do the text, so that the dialog and
// curvifit agree on every file.
#pragma once

#include "modelo/datos_documento.h"

#include <QString>

#include <optional>
#include <variant>

namespace oscilab {

// The .dip beside the document file `rutaDocumento`.
QString rutaDipoloDe(const QString& rutaDocumento);

// The points of the file at `ruta`, or why it is refused (its line named). A missing file
// gives no points. Values in the file's own distance unit are kept as the cells' other unit,
// so that a save writes them back unchanged.
using LecturaDipolo = std::variant<DatosDipolo, QString>;
LecturaDipolo leeDipoloDocumento(const QString& ruta, Distancia distancia);

// Why the points cannot become a file the engine reads, or std::nullopt. No points at all
// is no reason: the document then has no dipole file.
std::optional<QString> motivoDipoloNoGuardable(const DatosDipolo& dipolo);

bool tienePuntosDipolo(const DatosDipolo& dipolo);

// Writes the complete points, by ascending R, through a temporary file that replaces the old
// one only when complete. False when it could not be written.
bool escribeDipoloDocumento(const QString& ruta, const DatosDipolo& dipolo, Distancia distancia);

} // namespace oscilab
