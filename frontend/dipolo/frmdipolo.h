// The dialog "Momento dipolar": the document's dipole points in a table (R in the document's
// distance unit, mu in the unit chosen here), their imports, and a plot of the points and
// the engine's fit. A view of the Documento like the main window: every edit is one of its
// undoable changes, and the points are saved with it. Not modal; it destroys itself when
// closed.
#pragma once

#include "compartido/resultado.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QTableView;

namespace oscilab {

class Documento;
class GraficoDetalles;
class ModeloDipolo;
enum class OrigenImportacion;

class frmdipolo : public QDialog {
    Q_OBJECT
public:
    // `carpetaImportacion`: where the first import's file dialog starts.
    frmdipolo(Documento& documento, const QString& carpetaImportacion, QWidget* padre = nullptr);

    // Shows the dialog over `documento`, or says why not: its distance unit is still to be
    // chosen, and R is given in it.
    static Resultado<frmdipolo*> abre(Documento& documento, const QString& carpetaImportacion,
                                      QWidget* padre);
    static QString titulo() { return tr("Momento dipolar"); }

    QTableView* tabla() const { return tabla_; }
    GraficoDetalles* grafico() const { return grafico_; }
    QLabel* resumen() const { return resumen_; }
    QComboBox* unidad() const { return unidad_; }

public slots:
    void importarHoja();
    void importarTexto();
    // Empties the selected cells, as one change (the Delete key).
    void borraSeleccion();
    // Redraws the plot and the fit's line from the document.
    void muestra();

private:
    QWidget* creaBotonesImportacion();
    void importa(OrigenImportacion origen);

    Documento& documento_;
    QString carpetaImportacion_;
    ModeloDipolo* modelo_ = nullptr;
    QComboBox* unidad_ = nullptr;
    QComboBox* delimitador_ = nullptr;
    QTableView* tabla_ = nullptr;
    GraficoDetalles* grafico_ = nullptr;
    QLabel* resumen_ = nullptr;
};

} // namespace oscilab
