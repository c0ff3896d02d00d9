#include "explorador/documento_explorado.h"

#include "modelo/documento.h"
#include "modelo/texto_exacto.h"

namespace oscilab {

DocumentoExplorado documentoExplorado(const Documento& documento) {
    DocumentoExplorado d;
    const auto puntos = puntosOrdenados(documento.datos());
    for (std::size_t i = 0; i < puntos.size() && i < d.celdas.size(); ++i) {
        d.celdas[i] = {textoExacto(puntos[i][0]), textoExacto(puntos[i][1])};
    }
    d.masa1 = documento.masa(1);
    d.masa2 = documento.masa(2);
    d.bohr = documento.distancia() == Distancia::Bohr;
    d.angstrom = documento.distancia() == Distancia::Angstrom;
    d.hartree = documento.energia() == Energia::Hartree;
    d.ev = documento.energia() == Energia::Ev;
    d.potencias = documento.potencias();
    return d;
}

} // namespace oscilab
