// The document as an import sees it: the cells read are gathered, and a complete import
// replaces the document's points in one undoable step, after asking when the document
// already has points. Nothing is ever mixed with the old rows.
#pragma once

#include "import/importacion.h"

#include <array>
#include <vector>

namespace oscilab {

class Documento;

class DestinoDocumento : public DestinoImportacion {
public:
    // `padre` is the window the messages belong to.
    DestinoDocumento(QWidget* padre, Documento& documento) : padre_(padre), documento_(documento) {}

    // Both units must be chosen first: the points are read in them.
    bool compruebaunidades() override;
    void escribeCelda(int fila, int columna, const QString& texto) override;
    // Turns the gathered texts into points and replaces the document's, or says which row
    // is no point and leaves the document alone.
    void documentoCambiado() override;

private:
    QWidget* padre_;
    Documento& documento_;
    std::vector<std::array<QString, 2>> filas_;
};

} // namespace oscilab
