// The isotopes of the elements: exact masses, their uncertainties, natural abundances and
// standard atomic weights, read from the Blue Obelisk Data Repository (Debian package bodr,
// MIT licence) that open chemistry programs share.
#pragma once

#include "compartido/resultado.h"

#include <QString>

#include <optional>
#include <vector>

namespace oscilab {

// Where the data come from, for the about box; the help says the same. The package's
// version is the one the Debian package depends on.
inline constexpr const char* FUENTE_ISOTOPOS = "Blue Obelisk Data Repository";
inline constexpr const char* VERSION_BODR = "10";
inline constexpr const char* CARPETA_BODR = "/usr/share/bodr";

struct Isotopo {
    int A = 0;                           // mass number
    double masa = 0.0;                   // u
    QString textoMasa;                   // the mass with the file's own digits
    std::optional<double> incertidumbre; // u
    std::optional<double> abundancia;    // natural abundance, per cent; none when not found
};

struct ElementoIsotopos {
    int z = 0;
    QString simbolo;
    double pesoEstandar = 0.0; // standard atomic weight, u
    QString textoPeso;
    std::vector<Isotopo> isotopos; // every isotope with a mass, by mass number
};

struct IsotopoDeMasa {
    int z = 0;
    Isotopo isotopo;
};

class TablaIsotopos {
public:
    // Reads isotopes.xml and elements.xml, or says why not: a file cannot be opened or is not
    // well-formed XML.
    static Resultado<TablaIsotopos> lee(const QString& ficheroIsotopos,
                                        const QString& ficheroElementos);

    // The system's data in CARPETA_BODR, read on first use; none when they cannot be read.
    static const TablaIsotopos* delSistema();

    // Element z, or none when the data do not hold it.
    const ElementoIsotopos* elemento(int z) const;

    // The naturally occurring isotopes of z, the most abundant first.
    std::vector<Isotopo> naturales(int z) const;

    std::optional<Isotopo> isotopo(int z, int A) const;

    // The isotope whose mass is within `tolerancia` u of `masa`: the closest when several.
    std::optional<IsotopoDeMasa> porMasa(double masa, double tolerancia = 1e-6) const;

private:
    std::vector<ElementoIsotopos> elementos_; // by atomic number, from 1
};

// "³⁵Cl": the mass number as superscript digits before the symbol.
QString etiquetaIsotopo(int A, const QString& simbolo);

} // namespace oscilab
