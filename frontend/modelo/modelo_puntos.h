// The points of a document as an item model, for the main window's table view: one row
// per table row (puntosMaximos of them), R and V columns.
#pragma once

#include "modelo/modelo_tabla.h"

namespace oscilab {

class Documento;

class ModeloPuntos : public ModeloTabla {
    Q_OBJECT
public:
    explicit ModeloPuntos(Documento& documento, QObject* parent = nullptr);

protected:
    int filas() const override;
    QString textoCelda(int fila, int columna) const override;
    QString cabecera(int columna) const override;
    void ponCelda(int fila, int columna, std::optional<double> valor) override;

private:
    Documento& documento_;
};

} // namespace oscilab
