// The dipole-moment points of a document as an item model, for the dialog's table: one row
// per table row (puntosMaximosDipolo of them), R and mu columns whose headers name the
// units.
#pragma once

#include "modelo/modelo_tabla.h"

namespace oscilab {

class Documento;

class ModeloDipolo : public ModeloTabla {
    Q_OBJECT
public:
    explicit ModeloDipolo(Documento& documento, QObject* parent = nullptr);

protected:
    int filas() const override;
    QString textoCelda(int fila, int columna) const override;
    QString cabecera(int columna) const override;
    void ponCelda(int fila, int columna, std::optional<double> valor) override;

private:
    Documento& documento_;
};

} // namespace oscilab
