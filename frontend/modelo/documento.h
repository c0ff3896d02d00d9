// The open document, apart from any window: title, masses, units, powers, points and the
// file it belongs to. Every change goes through its undo stack, and the stack's clean
// state is the one "modified" state of the program. Windows are views: they read it, call
// its edits and follow its signals.
#pragma once

#include "compartido/resultado.h"
#include "modelo/datos_documento.h"

#include <QObject>
#include <QUndoStack>

#include <optional>
#include <utility>
#include <vector>

namespace oscilab {

struct ContenidoFichero;

class Documento : public QObject {
    Q_OBJECT
public:
    explicit Documento(QObject* parent = nullptr);
    ~Documento() override;

    const DatosDocumento& datos() const { return datos_; }
    QString titulo() const { return datos_.titulo; }
    QString masa(int atomo) const { return datos_.masas[static_cast<std::size_t>(atomo - 1)]; }
    Distancia distancia() const { return datos_.distancia; }
    Energia energia() const { return datos_.energia; }
    const TablaPotencias& potencias() const { return datos_.potencias; }
    std::optional<double> valor(int fila, int columna) const;
    // The cell as the table shows it: the shortest text of its double, or "".
    QString textoCelda(int fila, int columna) const;
    // Complete rows: the points a save writes.
    int numeroPuntos() const;
    // The file the document was last opened from or saved to; "" for a new one.
    QString ruta() const { return ruta_; }
    bool modificado() const { return !pila_.isClean(); }
    QUndoStack* pila() { return &pila_; }

    // The dipole-moment points (datos/NAME.dip): fila 1..puntosMaximosDipolo, columna 1 (R,
    // in the document's distance unit) or 2 (mu, in dipolo().unidad).
    const DatosDipolo& dipolo() const { return datos_.dipolo; }
    std::optional<double> valorDipolo(int fila, int columna) const;
    QString textoCeldaDipolo(int fila, int columna) const;
    int numeroPuntosDipolo() const;
    // Why the dipole file beside the document last opened was not read, or "".
    QString avisoDipolo() const { return avisoDipolo_; }

    // Undoable edits; fila 1..puntosMaximos, columna 1 (R) or 2 (V). An edit that changes
    // nothing leaves no command.
    void ponCelda(int fila, int columna, std::optional<double> valor);
    void ponTitulo(const QString& titulo);
    void ponMasa(int atomo, const QString& masa);
    // The atom chosen in the periodic table: its mass into box `atomo`.
    void eligeAtomo(int atomo, const QString& masa);
    // Choosing a unit converts the column when another unit was chosen before.
    void ponDistancia(Distancia unidad);
    void ponEnergia(Energia unidad);
    void ponPotencias(const TablaPotencias& potencias);
    // The imported points replace every point of the table.
    void importa(const std::vector<std::array<double, 2>>& puntos);
    void insertaFila(int fila);
    // The points to the top of the table, sorted by ascending R, as a save writes them;
    // rows with one value only stay below them.
    void ordena();
    void eliminaFila(int fila);
    // Undoable edits of the dipole points; another unit converts the mu column.
    void ponCeldaDipolo(int fila, int columna, std::optional<double> valor);
    void ponUnidadDipolo(UnidadDipolo unidad);
    void importaDipolo(const std::vector<std::array<double, 2>>& puntos);

    // A new, unmodified document; the undo history goes.
    void nuevo();
    // Reads `ruta`; on failure the document stays as it was and the Fallo says why.
    // Its dipole file comes too; a bad one leaves the dipole points empty, says why in
    // avisoDipolo() and is kept on disk as it is, for the user to mend.
    Resultado<void> abre(const QString& ruta);
    // Writes the document to `ruta`, and its dipole points to the .dip beside it (with no
    // points, a .dip there goes, unless it is the refused file of the opening). All or
    // nothing: on failure the document, its file and its modified state stay as they were,
    // and the reason is returned.
    Resultado<void> guarda(const QString& ruta);
    // Whether the document can be written yet, or why not.
    Resultado<void> guardable() const;
    ContenidoFichero contenido() const;

    // The stack's commands use these to apply a state; not for windows.
    void aplica(const DatosDocumento& datos);
    void aplicaCelda(int fila, int columna, const Celda& celda);
    void aplicaCeldaDipolo(int fila, int columna, const Celda& celda);

signals:
    void celdaCambiada(int fila, int columna);
    void filasCambiadas(); // any number of cells at once
    void tituloCambiado(const QString& titulo);
    void masasCambiadas();
    void unidadesCambiadas();
    void potenciasCambiadas();
    void dipoloCambiado(); // points or unit
    void rutaCambiada(const QString& ruta);
    void modificadoCambiado(bool modificado);

private:
    void cambia(const DatosDocumento& nuevo, const QString& nombre, int id = -1);
    void ponRuta(const QString& ruta);
    Resultado<void> guardaDipolo(const QString& rutaDocumento) const;

    DatosDocumento datos_ = documentoNuevo();
    QString ruta_;
    QString avisoDipolo_;
    QString dipoloRechazado_; // the refused .dip of the last opening, "" when none
    QUndoStack pila_;
};

} // namespace oscilab
