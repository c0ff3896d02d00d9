// A read-only table of the detailed results that copies as tab-separated text (Ctrl+C, or
// "Copiar" in its context menu: the selected rows, or all of them) and exports as CSV.
#pragma once

#include "detalles/tablas_detalles.h"

#include <QTableWidget>

namespace oscilab {

class TablaDetalles : public QTableWidget {
    Q_OBJECT
public:
    // `rutaCsv` is the file proposed when exporting (a folder and a name).
    TablaDetalles(const QString& rutaCsv, QWidget* padre = nullptr);

    // Shown ordered by the column last clicked, when ordering was allowed.
    void ponTabla(Tabla tabla);
    // A click on a column's header orders the rows by it, a second one the other way.
    void permiteOrdenar();
    const Tabla& tabla() const { return tabla_; }
    // The selected rows, or the whole table when none is selected.
    Tabla tablaACopiar() const;

public slots:
    void copiar();
    // Asks for a file through the dialog seam and writes the whole table as CSV.
    void exportarCsv();

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    Tabla tabla_;
    QString rutaCsv_;
    int columnaOrden_ = -1;
    bool ascendente_ = true;
};

} // namespace oscilab
