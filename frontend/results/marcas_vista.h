// The results plot's axis ticks: R and V at 1, 2 or 5 × 10^n, each placed where the plot's
// scale puts it and labelled, so that a reader can interpolate between round numbers.
#pragma once

#include "compartido/unidades_mostradas.h"
#include "results/impresion_grafico.h"
#include "results/trazado.h"

#include <QFontMetrics>
#include <QLineF>
#include <QString>
#include <vector>

namespace oscilab {

struct MarcaVista {
    double valor = 0.0; // in the units shown
    double pixel = 0.0; // along the axis in the plot area's pixels: x for R, y for V
    QString texto;
};

struct MarcasVista {
    std::vector<MarcaVista> r, v;
};

// At most `maximo` ticks a side, inside the scale's box (bohr and hartree), at round values
// of the units shown.
MarcasVista marcasVista(const Escala& escala, const UnidadesMostradas& unidades = {},
                        int maximo = 11);

// `valor`, a multiple of `paso`, with the decimals the step needs and no more.
QString textoMarca(double valor, double paso);

// The tick marks on the frame around the plot area `plot` (frame pixels): a short row left
// of it for each V tick, from `inicioV`, and a short column below it for each R tick, down
// to `finR`.
std::vector<QLineF> lineasMarcas(const QRect& plot, const MarcasVista& marcas, double inicioV,
                                 double finR);

// Each tick's label, its rect hugging its text in `medidas`: V ending at `finV` and centred
// on its tick, R centred under its tick from `arribaR`, kept inside [0, anchoMarco).
std::vector<EtiquetaGrafico> etiquetasMarcas(const QRect& plot, const MarcasVista& marcas,
                                             const QFontMetrics& medidas, int finV, int arribaR,
                                             int anchoMarco);

} // namespace oscilab
