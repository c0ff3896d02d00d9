// The document as an import sees it: the cells read are gathered, and a complete import
// replaces the document's points (or its dipole points) in one undoable step, after asking
// when there are points already. Nothing is ever mixed with the old rows.
#pragma once

#include "import/importacion.h"

#include <array>
#include <vector>

namespace oscilab {

class Documento;

// Which of the document's tables an import fills.
enum class TablaImportada { Curva, Dipolo };

class DestinoDocumento : public DestinoImportacion {
public:
    // `padre` is the window the replace question belongs to.
    DestinoDocumento(QWidget* padre, Documento& documento,
                     TablaImportada tabla = TablaImportada::Curva)
        : padre_(padre), documento_(documento), tabla_(tabla) {}

    // The units the points are read in must be chosen first: both for the curve, the
    // distance for the dipole (whose own unit always is).
    Resultado<void> unidadesElegidas() const override;
    void escribeCelda(int fila, int columna, const QString& texto) override;
    // Turns the gathered texts into points and replaces the document's (after asking, when it
    // has points), or says which row is no point and leaves the document alone.
    Resultado<void> documentoCambiado() override;

private:
    QWidget* padre_;
    Documento& documento_;
    TablaImportada tabla_;
    std::vector<std::array<QString, 2>> filas_;
};

} // namespace oscilab
