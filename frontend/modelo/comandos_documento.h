// The undo stack's commands. A typed cell keeps only that cell; every other change keeps
// the document before and after, which for 500 points and 500 dipole points is some 130 KB a
// command.
#pragma once

#include "modelo/datos_documento.h"

#include <QUndoCommand>

namespace oscilab {

class Documento;

// A typed cell of the curve's points or of the dipole's.
class ComandoCelda : public QUndoCommand {
public:
    enum class Tabla { Puntos, Dipolo };

    ComandoCelda(Documento& documento, Tabla tabla, int fila, int columna, const Celda& antes,
                 const Celda& despues);
    void undo() override;
    void redo() override;

private:
    void aplica(const Celda& celda);

    Documento& documento_;
    Tabla tabla_;
    int fila_;
    int columna_;
    Celda antes_;
    Celda despues_;
};

class ComandoDocumento : public QUndoCommand {
public:
    // Consecutive commands of the same `id` (not -1) become one: typing a title letter by
    // letter is one change to undo.
    ComandoDocumento(Documento& documento, DatosDocumento antes, DatosDocumento despues,
                     const QString& nombre, int id = -1);
    void undo() override;
    void redo() override;
    int id() const override { return id_; }
    bool mergeWith(const QUndoCommand* otro) override;

private:
    Documento& documento_;
    int id_;
    DatosDocumento antes_;
    DatosDocumento despues_;
};

} // namespace oscilab
