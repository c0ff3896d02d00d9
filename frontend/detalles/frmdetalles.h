// The window "Resultados detallados": result/NAME.json in five tabs, "Constantes", "Ajuste",
// "Niveles", "E(v,J)" and "Isotopólogos", and "Espectro" when the run had a dipole curve. Not
// modal; it destroys itself when closed.
#pragma once

#include "compartido/resultado.h"
#include "compartido/unidades_mostradas.h"
#include "detalles/resultado_detallado.h"

#include <QWidget>

#include <map>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPlainTextEdit;
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

    // Shows the window on a run's result, or says that there is none.
    static Resultado<frmdetalles*>
    abre(std::shared_ptr<const curvifit::ResultadoEjecucion> resultado, const QString& rutaJson,
         QWidget* padre);
    // "Resultados detallados": the title of the window and of its messages.
    static QString tituloDeVentana();

    const curvifit::ResultadoEjecucion& resultado() const { return *resultado_; }
    QTabWidget* pestanas() const { return pestanas_; }
    GraficoDetalles* graficoNiveles() const { return graficoNiveles_; }
    GraficoDetalles* graficoResiduos() const { return graficoResiduos_; }
    GraficoDetalles* graficoEspectro() const { return graficoEspectro_; }
    // The spectrum as the window shows it, at the temperature chosen there.
    const std::optional<curvifit::Espectro>& espectro() const { return espectro_; }

public slots:
    // Copies the result file to a place the user chooses.
    void guardarJson();
    // Draws the levels plot with the chi^2 of the level in row `fila` of the levels table
    // (none for -1).
    void muestraNivel(int fila);
    // Applies another temperature to the spectrum's intensities and Q, without a rerun.
    void ponTemperatura(double kelvin);
    // Writes the shown lines and the bound levels as NAME.states and NAME.trans (ExoMol) where
    // the user chooses; every line of the run comes from curvifit NAME --exomol.
    void exportarExomol();
    // Each tab's switch to bohr and hartree redraws that tab's tables, plot and warnings.
    void dibujaAjuste();
    void dibujaNiveles();

private:
    QWidget* pestanaConstantes();
    QWidget* pestanaAjuste();
    QWidget* pestanaNiveles();
    QWidget* pestanaEnergias();
    QWidget* pestanaIsotopologos();
    QWidget* pestanaEspectro();
    void dibujaEspectro();
    TablaDetalles* tabla(const Tabla& t, const QString& nombre);
    QWidget* conExportar(TablaDetalles* tabla, QWidget* encima = nullptr);
    // "Unidades atómicas (bohr, hartree)" above a tab's `contenido`; disabled when the
    // document's units are already those.
    QWidget* conCasillaAtomicas(QCheckBox*& casilla, const QString& nombre, QWidget* contenido);
    static EleccionUnidades eleccion(const QCheckBox* casilla);
    // Colours the extrapolated levels' rows; whether there are any.
    bool pintaExtrapolados();

    std::shared_ptr<const curvifit::ResultadoEjecucion> resultado_;
    QString rutaJson_;
    // The window's own copy: another temperature changes its intensities, not the result.
    std::optional<curvifit::Espectro> espectro_;
    QTabWidget* pestanas_ = nullptr;
    GraficoDetalles* graficoNiveles_ = nullptr;
    TablaDetalles* tablaNiveles_ = nullptr;
    QCheckBox* atomicasNiveles_ = nullptr;
    GraficoDetalles* graficoResiduos_ = nullptr;
    TablaDetalles* tablaPuntos_ = nullptr;
    QPlainTextEdit* avisos_ = nullptr;
    QCheckBox* atomicasAjuste_ = nullptr;
    GraficoDetalles* graficoEspectro_ = nullptr;
    TablaDetalles* tablaLineas_ = nullptr;
    QLabel* particion_ = nullptr;
    QCheckBox* logaritmica_ = nullptr;
    QComboBox* perfil_ = nullptr;
    QDoubleSpinBox* fwhm_ = nullptr;
};

} // namespace oscilab
