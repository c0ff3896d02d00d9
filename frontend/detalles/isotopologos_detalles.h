// The tab "Isotopólogos" of the detailed results as plain logic: the isotopes offered for
// each atom, their combinations, and every combination's constants and lowest levels from
// the fitted curve of the result file, which serves every isotopic species alike.
#pragma once

#include "compartido/unidades_mostradas.h"
#include "detalles/tablas_detalles.h"

#include "isotopologos.h"

#include <array>
#include <string>
#include <vector>

namespace oscilab {

class TablaIsotopos;

struct IsotopoElegible {
    std::string etiqueta; // "³⁵Cl", or the mass itself for an atom no data name
    double masa = 0.0;    // u
    bool marcado = false;
};

// Each atom's choices: its natural isotopes (and ²H, ³H for hydrogen), the two most abundant
// ticked; the document's own mass alone when the data do not name the element.
using IsotoposDeAtomos = std::array<std::vector<IsotopoElegible>, 2>;
IsotoposDeAtomos isotoposDeAtomos(const curvifit::ResultadoEjecucion& r,
                                  const TablaIsotopos* datos);

struct Combinacion {
    std::string etiqueta; // "²H³⁵Cl"
    curvifit::MasasIsotopologo masas{};
};

// Every ticked isotope of atom 1 with every ticked one of atom 2; for two atoms of one
// element each pair once.
std::vector<Combinacion> combinaciones(const IsotoposDeAtomos& atomos);

struct FilaIsotopologo {
    std::string etiqueta;
    double mu = 0.0;                                             // u
    double reAngstrom = 0.0;                                     // the same for every species
    double we = 0.0, wexe = 0.0, be = 0.0, alfa = 0.0, de = 0.0; // 1/cm
    std::vector<std::optional<double>> G; // the lowest 6 exact levels, J = 0, 1/cm
    std::optional<double> b0;             // 1/cm
};

constexpr int NIVELES_ISOTOPOLOGO = 6;

// The constants and exact J = 0 levels of each combination from the file's coefficients.
std::vector<FilaIsotopologo> filasIsotopologos(const curvifit::ResultadoEjecucion& r,
                                               const std::vector<Combinacion>& especies);

// One row per species; the first is the reference of the ratios, shown beside the mass
// scaling they should follow: we/we(ref) by sqrt(mu_ref/mu), Be/Be(ref) by mu_ref/mu. re in
// the distance unit of `unidades`.
Tabla tablaIsotopologos(const std::vector<FilaIsotopologo>& filas,
                        const UnidadesMostradas& unidades);

} // namespace oscilab
