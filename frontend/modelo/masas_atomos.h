// The masses the periodic table offers for an element and the names a document's masses
// give their atoms: isotopes from the Blue Obelisk data, and the old element table where
// those data are missing or an old document used its weights.
#pragma once

#include <QString>

#include <vector>

namespace oscilab {

class TablaIsotopos;

struct OpcionMasa {
    QString masa;        // the text that goes into the mass box, "34.96885268"
    QString nombre;      // the atom's name beside the box, "Cloro"
    QString etiqueta;    // what the panel and the menu show, "³⁵Cl 34.96885268"
    QString descripcion; // the menu's line, with the abundance
};

// The choices for element z, the default first: its natural isotopes, most abundant first,
// then the standard atomic weight; the standard weight alone for an element without stable
// isotopes; the old table's weight alone without the data (`datos` null).
std::vector<OpcionMasa> opcionesMasa(int z, const TablaIsotopos* datos);

// The hover text of element z: its name, standard atomic weight and natural isotopes.
QString ayudaElemento(int z, const TablaIsotopos* datos);

// The name of the atom whose mass a document holds: the element of the isotope it matches
// to 1e-6 u (the box itself shows which isotope), otherwise the element whose old table or
// standard weight it is, as a document has always been read; empty when it matches none.
QString nombreDeMasa(const QString& textoMasa, const TablaIsotopos* datos);

// The isotope a mass is, as the mass box shows it before the number ("³⁵Cl"); empty when
// the mass matches no isotope to 1e-6 u.
QString isotopoDeMasa(const QString& textoMasa, const TablaIsotopos* datos);

// The atomic number the same reading gives a mass; 0 when it matches none.
int elementoDeMasa(double masa, const TablaIsotopos* datos);

} // namespace oscilab
