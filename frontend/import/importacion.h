// The two import commands of the main window ("Importar datos de Excel" and "Importar
// datos separados por ..."): unit check, file choice, reading, writing the table and
// marking the document changed, with the import's messages.
#pragma once

#include "import/celdas_importadas.h"

#include <QString>
#include <optional>

class QWidget;

namespace oscilab {

// What an import needs from the main window.
class DestinoImportacion {
public:
    virtual ~DestinoImportacion() = default;
    // Whether the units the points are read in are chosen, or which one is missing.
    virtual Resultado<void> unidadesElegidas() const = 0;
    // Makes (fila, column 0) the table's current cell before that row is written.
    virtual void filaActual(int fila) { (void)fila; }
    // Writes one cell: fila 1..500, columna 1 (R) or 2 (V(R)).
    virtual void escribeCelda(int fila, int columna, const QString& texto) = 0;
    // After a successful reading: the written cells become the document's points, or the
    // Fallo says why they cannot.
    virtual Resultado<void> documentoCambiado() = 0;
};

enum class OrigenImportacion { Excel, Texto };

QString tituloImportacion();         // "Importar datos"
QString mensajeSeleccionCancelada(); // "Seleccion cancelada"
QString mensajeErrorImportacion();   // "Se ha producido un error al abrir el archivo"
QString tituloUnidades();            // "Unidades", the title of a missing unit's message
// The tooltip of the text-import button for the delimiter last chosen from the list.
QString tooltipImportarTexto(const QString& delimitador);
// The open dialog's filter for each import.
QString filtroImportacion(OrigenImportacion origen);

// Reads the file at `ruta` by its extension (.xlsx, .ods, .csv), else as the command's
// own format (.xls for the spreadsheet import, delimited text for the text import).
ResultadoImportacion leeImportacion(OrigenImportacion origen, const QString& ruta,
                                    const QString& delimitador);

// The same, with an .xls workbook read by the helper while the window keeps painting, behind
// a progress dialog over `padre` that can stop it.
ResultadoImportacion leeImportacionSinBloquear(QWidget* padre, OrigenImportacion origen,
                                               const QString& ruta, const QString& delimitador);

// Runs one import command. `carpetaInicial` is the folder the dialog starts in; `delimitador` is
// the delimiter box's current text (used by the text import only). Returns the file chosen, whose
// folder the next import may start in.
std::optional<QString> importarDatos(QWidget* padre, OrigenImportacion origen,
                                     const QString& carpetaInicial, const QString& delimitador,
                                     DestinoImportacion& destino);

// The same command for a file already chosen (a file dropped on the window): the unit
// check, then the reading and its messages, without the file dialog.
void importarFicheroDado(QWidget* padre, OrigenImportacion origen, const QString& ruta,
                         const QString& delimitador, DestinoImportacion& destino);

// Reads `ruta` into the table and marks the document changed, or tells the failure.
void importaFichero(QWidget* padre, OrigenImportacion origen, const QString& ruta,
                    const QString& delimitador, DestinoImportacion& destino);

} // namespace oscilab
