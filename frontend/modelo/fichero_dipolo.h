// datos/NAME.dip beside a document: its dipole points, read into the document's distance unit
// and written in it. The engine's own reader and writer do the text, so that the dialog and
// curvifit agree on every file.
#pragma once

#include "compartido/resultado.h"
#include "modelo/datos_documento.h"

#include <QString>

namespace oscilab {

// The .dip beside the document file `rutaDocumento`.
QString rutaDipoloDe(const QString& rutaDocumento);

// The points of the file at `ruta`, or why it is refused (its line named). A missing file
// gives no points. Values in the file's own distance unit are kept as the cells' other unit,
// so that a save writes them back unchanged.
Resultado<DatosDipolo> leeDipoloDocumento(const QString& ruta, Distancia distancia);

// Whether the points can become a file the engine reads, or why not. No points at all is no
// reason: the document then has no dipole file.
Resultado<void> dipoloGuardable(const DatosDipolo& dipolo);

bool tienePuntosDipolo(const DatosDipolo& dipolo);

// Writes the complete points, by ascending R, through a temporary file that replaces the old
// one only when complete. A failure carries the system's text only; the caller names the file.
Resultado<void> escribeDipoloDocumento(const QString& ruta, const DatosDipolo& dipolo,
                                       Distancia distancia);

} // namespace oscilab
