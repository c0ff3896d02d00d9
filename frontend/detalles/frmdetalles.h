// The window "Resultados detallados": a run's result in five tabs, "Constantes",
// "Ajuste", "Niveles", "E(v,J)" and "Isotopólogos". Not modal; it destroys itself when closed.
#pragma once

#include "detalles/resultado_detallado.h"

#include <QWidget>

#include <map>
#include <memory>

class QTabWidget;

namespace oscilab {

class GraficoDetalles;
class TablaDetalles;
struct Tabla;

class frmdetalles : public QWidget {
    Q_OBJECT
public:
    // The run's result as read from `rutaJson`, the file the window can save elsewhere.
    frmdetalles(std::shared_ptr<const curvifit::ResultadoEjecucion> resultado,
                const QString& rutaJson, QWidget* padre = nullptr);

    // Shows the window on a run's result; nullptr after a message when there is none.
    static frmdetalles* abre(std::shared_ptr<const curvifit::ResultadoEjecucion> resultado,
                             const QString& rutaJson, QWidget* padre);

    const curvifit::ResultadoEjecucion& resultado() const { return *resultado_; }
    QTabWidget* pestanas() const { return pestanas_; }
    GraficoDetalles* graficoNiveles() const { return graficoNiveles_; }

public slots:
    // Copies the result file to a place the user chooses.
    void guardarJson();
    // Draws the levels plot with the chi^2 of the level in row `fila` of the levels table
    // (none for -1).
    void muestraNivel(int fila);

private:
    QWidget* pestanaConstantes();
    QWidget* pestanaAjuste();
    QWidget* pestanaNiveles();
    QWidget* pestanaEnergias();
    QWidget* pestanaIsotopologos();
    TablaDetalles* tabla(const Tabla& t, const QString& nombre);
    QWidget* conExportar(TablaDetalles* tabla, QWidget* encima = nullptr);

    std::shared_ptr<const curvifit::ResultadoEjecucion> resultado_;
    QString rutaJson_;
    QTabWidget* pestanas_ = nullptr;
    GraficoDetalles* graficoNiveles_ = nullptr;
    TablaDetalles* tablaNiveles_ = nullptr;
};

} // namespace oscilab
