// What the fit explorer window shows, without widgets: the document's points as the engine
// would read them from the saved file, and the ranked table's rows in the document's units.
#pragma once

#include "compartido/resultado.h"

#include "compartido/dimensiones.h"
#include "modelo/chequeo_datos.h"
#include "explorador.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace oscilab {

// Fewer points leave no contiguous range of 3 powers with 2 degrees of freedom to spare.
constexpr int PUNTOS_MINIMOS_EXPLORADOR = 5;

// The document as its controls hold it when the explorer is opened.
struct DocumentoExplorado {
    CeldasTabla celdas{};
    QString masa1;
    QString masa2;
    bool angstrom = false; // distance option Angstrom chosen
    bool bohr = false;     // distance option atomic units chosen
    bool ev = false;
    bool hartree = false;
    TablaPotencias potencias{}; // the degree dialog's ticks, by power
};

// The points compacted and sorted as chequeadatos does (the table itself is not touched),
// converted to bohr and hartree, with the document's units and its ticked powers; or, when
// they cannot be ranked, the Spanish reason.
Resultado<curvifit::DatosEntrada> puntosParaExplorar(const DocumentoExplorado& documento);

enum ColumnaExplorador {
    ColOrden,
    ColPotencias,
    ColPress,
    ColRms,
    ColAicc,
    ColDescartados,
    ColRe,
    ColWe,
    ColWexe,
    ColBe,
    ColAlfa,
    NUM_COLUMNAS_EXPLORADOR
};

// Column titles with the document's units.
QStringList cabecerasExplorador(const curvifit::DatosEntrada& datos);

struct FilaExplorador {
    curvifit::ConjuntoPotencias potencias = 0;
    bool contiguo = false;
    bool minimoDentro = false;
    bool delDocumento = false;
    double pressRms = 0.0; // in the document's energy unit
    QStringList textos;    // one per column
};

// One row per candidate, in rank order.
std::vector<FilaExplorador>
filasExplorador(const std::vector<curvifit::EvaluacionCandidato>& ranking,
                const curvifit::DatosEntrada& datos);

// The model uncertainty under the table: each shown constant as the weighted mean over the
// sets within 1.5 of the best sqrt(PRESS/N), "± spread modelo", in the document's units;
// empty when no set qualifies.
QString textoIncertidumbreModelo(const std::vector<curvifit::EvaluacionCandidato>& ranking,
                                 const curvifit::DatosEntrada& datos);

// With fewer than 8 points, why the ranking means little and what else is listed; empty
// otherwise.
QString avisoPocosPuntos(int puntos);

// Marks the row of this power set as the document's (and no other).
void marcaDocumento(std::vector<FilaExplorador>& filas, curvifit::ConjuntoPotencias documento);

// Indexes of the rows to show: every row, or only the contiguous ranges.
std::vector<int> filasVisibles(const std::vector<FilaExplorador>& filas, bool soloContiguos);

} // namespace oscilab
