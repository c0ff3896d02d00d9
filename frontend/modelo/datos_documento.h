// The document as plain data: what a data file holds, with each value as a double.
#pragma once

#include "compartido/dimensiones.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace oscilab {

enum class Distancia { SinElegir, Bohr, Angstrom };
enum class Energia { SinElegir, Hartree, Ev };

// One cell of the point table. `otraUnidad` is the value this cell had in the other unit
// when its column was last converted, and that conversion is undone exactly by restoring
// it: a unit round trip gives back the very double the user typed.
struct Celda {
    std::optional<double> valor;
    std::optional<double> otraUnidad;

    bool operator==(const Celda&) const = default;
};

using Fila = std::array<Celda, 2>; // 0 = R, 1 = V

enum class UnidadDipolo { Debye, UA };

// The dipole-moment points, saved as datos/NAME.dip beside the document: R in the
// document's distance unit, mu in `unidad`.
struct DatosDipolo {
    UnidadDipolo unidad = UnidadDipolo::Debye;
    std::vector<Fila> filas = std::vector<Fila>(puntosMaximosDipolo); // 0 = R, 1 = mu

    bool operator==(const DatosDipolo&) const = default;
};

struct DatosDocumento {
    QString titulo;
    std::array<QString, 2> masas; // the mass texts, as typed or chosen in the table
    Distancia distancia = Distancia::SinElegir;
    Energia energia = Energia::SinElegir;
    TablaPotencias potencias{};
    std::vector<Fila> filas = std::vector<Fila>(puntosMaximos);
    DatosDipolo dipolo;

    bool operator==(const DatosDocumento&) const = default;
};

// The powers 0..4 of a new document, and the title it has.
DatosDocumento documentoNuevo();

// The complete rows (R and V both given), sorted by ascending R, equal R in table order:
// the points as they are written and run.
std::vector<std::array<double, 2>> puntosOrdenados(const DatosDocumento& datos);
std::vector<std::array<double, 2>> puntosOrdenados(const std::vector<Fila>& filas);

int numeroPotencias(const TablaPotencias& potencias);

} // namespace oscilab
