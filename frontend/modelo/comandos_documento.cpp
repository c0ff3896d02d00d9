#include "comandos_documento.h"

#include "modelo/documento.h"

#include <QCoreApplication>
#include <utility>

namespace oscilab {

namespace {

QString nombreCelda(ComandoCelda::Tabla tabla, int fila, int columna) {
    if (tabla == ComandoCelda::Tabla::Dipolo) {
        return Documento::tr("edición del momento dipolar");
    }
    return QCoreApplication::translate("comandos_documento", "edición de la celda %1-%2")
        .arg(columna == 1 ? QCoreApplication::translate("comandos_documento", "Distancia")
                          : QCoreApplication::translate("comandos_documento", "Energía"))
        .arg(fila);
}

} // namespace

ComandoCelda::ComandoCelda(Documento& documento, Tabla tabla, int fila, int columna,
                           const Celda& antes, const Celda& despues)
    : QUndoCommand(nombreCelda(tabla, fila, columna)), documento_(documento), tabla_(tabla),
      fila_(fila), columna_(columna), antes_(antes), despues_(despues) {}

void ComandoCelda::undo() {
    aplica(antes_);
}

void ComandoCelda::redo() {
    aplica(despues_);
}

void ComandoCelda::aplica(const Celda& celda) {
    if (tabla_ == Tabla::Dipolo) {
        documento_.aplicaCeldaDipolo(fila_, columna_, celda);
    } else {
        documento_.aplicaCelda(fila_, columna_, celda);
    }
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
