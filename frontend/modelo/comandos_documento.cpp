#include "comandos_documento.h"

#include "modelo/documento.h"

#include <QCoreApplication>
#include <utility>

namespace oscilab {

ComandoCelda::ComandoCelda(Documento& documento, int fila, int columna, const Celda& antes,
                           const Celda& despues)
    : QUndoCommand(QCoreApplication::translate("comandos_documento", "edición de la celda %1-%2")
                       .arg(columna == 1
                                ? QCoreApplication::translate("comandos_documento", "Distancia")
                                : QCoreApplication::translate("comandos_documento", "Energía"))
                       .arg(fila)),
      documento_(documento), fila_(fila), columna_(columna), antes_(antes), despues_(despues) {}

void ComandoCelda::undo() {
    documento_.aplicaCelda(fila_, columna_, antes_);
}

void ComandoCelda::redo() {
    documento_.aplicaCelda(fila_, columna_, despues_);
}

ComandoCeldaDipolo::ComandoCeldaDipolo(Documento& documento, int fila, int columna,
                                       const Celda& antes, const Celda& despues)
    : QUndoCommand(Documento::tr("edición del momento dipolar")), documento_(documento),
      fila_(fila), columna_(columna), antes_(antes), despues_(despues) {}

void ComandoCeldaDipolo::undo() {
    documento_.aplicaCeldaDipolo(fila_, columna_, antes_);
}

void ComandoCeldaDipolo::redo() {
    documento_.aplicaCeldaDipolo(fila_, columna_, despues_);
}

ComandoDocumento::ComandoDocumento(Documento& documento, DatosDocumento antes,
                                   DatosDocumento despues, const QString& nombre, int id)
    : QUndoCommand(nombre), documento_(documento), id_(id), antes_(std::move(antes)),
      despues_(std::move(despues)) {}

bool ComandoDocumento::mergeWith(const QUndoCommand* otro) {
    despues_ = static_cast<const ComandoDocumento*>(otro)->despues_;
    setObsolete(despues_ == antes_);
    return true;
}

void ComandoDocumento::undo() {
    documento_.aplica(antes_);
}

void ComandoDocumento::redo() {
    documento_.aplica(despues_);
}

} // namespace oscilab
