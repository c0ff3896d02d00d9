// The results window "Gráficos": the plot of the points, the fitted curve and the levels
// above the engine's report, with the buttons "&Imprimir", "&Escala" and "&Aceptar".
//
// Use: create it after a calculation (it lays itself out at 800 by 600 pixels, its
// minimum size, centred on the screen, and draws the tick marks), call cargaResultados() (reads and
// deletes the run's curve file, draws, warns about a poor fit), cargaInforme() with the report's
// path, then show() it. It is not modal and destroys itself on "&Aceptar".
#pragma once

#include "compartido/unidades_mostradas.h"
#include "results/estado_resultados.h"
#include "results/impresion_grafico.h"
#include "run/resultado_calculo.h"

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace oscilab {

class GraficoCurva;
class MarcoGrafica;
class frmdetalles;
class frmescala;

class frmgraficos : public QWidget {
    Q_OBJECT
public:
    // `resultados` receives what is loaded; `calculo` is the run shown, with its files and
    // its result for "Resultados detallados". `chequeadatos` gives the run's point count:
    // the engine's, from result/NAME.json, never the table's.
    frmgraficos(EstadoResultados& resultados, ResultadoCalculo calculo,
                std::function<int()> chequeadatos, QWidget* principal = nullptr);
    ~frmgraficos() override;

    // The load sequence: leecurva, calculalimites, the full view with points and levels,
    // and the fit diagnostics (at most one warning).
    void cargaResultados();
    const ResultadoCalculo& calculo() const { return calculo_; }
    // The document's units, in which the plot shows R and V(R); atomic units without a result.
    const UnidadesMostradas& unidades() const { return unidades_; }
    // Shows the report file, Latin-1 text, in the report box; false after a message when
    // it cannot be read.
    bool cargaInforme(const QString& ruta);

    // For printing: the plot's persistent picture, the frame picture's geometry in the
    // window, the plot area's geometry in the frame, and the report's text. The corner
    // labels and captions are children of the frame named x0y1, x0y0x, x0y0y, x1y0, lbx
    // and lby.
    const QImage& imagenGrafica() const;
    QRect geometriaMarco() const;
    QRect geometriaGrafico() const;
    QString textoInforme() const;
    // The plot as "&Imprimir" prints it on the first page.
    ComposicionGrafico composicion() const;

    GraficoCurva* grafico() const { return grafico_; }
    // The scale dialog while it is open.
    frmescala* dialogoEscala() const;
    // "Resultados detallados" while it is open.
    frmdetalles* detalles() const;
    // False while the scale dialog is open: the window takes no input then.
    bool habilitada() const;
    void ponHabilitada(bool si);

public slots:
    void imprimir();
    void abreEscala();
    // "Exportar gráfico...": PNG, SVG or PDF, by the name chosen (frmgraficos_exportar.cpp).
    void exportarGrafico();
    // Opens "Resultados detallados" on the run's result.
    void abreDetalles();

protected:
    // While the scale dialog is open the window stays: it takes no input then.
    void closeEvent(QCloseEvent* evento) override;
    // The controls keep their proportions: the plot and the report grow with the window.
    void resizeEvent(QResizeEvent* evento) override;

private:
    void disponControles();
    void muestraVista(const Caja& caja);
    // Fits the corner labels to their whole texts.
    void ajustaEsquinas();
    void colocaMarcas();

    EstadoResultados& resultados_;
    ResultadoCalculo calculo_;
    UnidadesMostradas unidades_;
    std::function<int()> chequeadatos_;
    MarcoGrafica* marco_ = nullptr;
    GraficoCurva* grafico_ = nullptr;
    QLabel* x0y1_ = nullptr;
    QLabel* x0y0y_ = nullptr;
    QLabel* x0y0x_ = nullptr;
    QLabel* x1y0_ = nullptr;
    QLabel* lbx_ = nullptr;
    QLabel* lby_ = nullptr;
    QPlainTextEdit* rtxtdatos_ = nullptr;
    QPushButton* btprint_ = nullptr;
    QPushButton* btescala_ = nullptr;
    QPushButton* btdaceptar_ = nullptr;
    QPushButton* btexportar_ = nullptr;
    QPushButton* btdetalles_ = nullptr;
    QPointer<frmescala> escala_;
    QPointer<frmdetalles> detalles_;
};

} // namespace oscilab
