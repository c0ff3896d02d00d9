// The undo stack's commands. A typed cell keeps only that cell; every other change keeps
// the document before and after, which for 500 points is some 30 KB a command.
#pragma once

#include "modelo/datos_documento.h"

#include <QUndoCommand>

namespace oscilab {

class Documento;

class ComandoCelda : public QUndoCommand {
public:
    ComandoCelda(Documento& documento, int fila, int columna, const Celda& antes,
                 const Celda& despues);
    void undo() override;
    void redo() override;

private:
    Documento& documento_;
    int fila_;
    int columna_;
    Celda antes_;
    Celda despues_;
};

class ComandoDocumento : public QUndoCommand {
public:
    ComandoDocumento(Documento& documento, DatosDocumento antes, DatosDocumento despues,
                     const QString& nombre);
    void undo() override;
    void redo() override;

private:
    Documento& documento_;
    DatosDocumento antes_;
    DatosDocumento despues_;
};

} // namespace oscilab
