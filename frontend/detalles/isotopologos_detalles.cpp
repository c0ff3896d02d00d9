#include "detalles/isotopologos_detalles.h"

#include <QCoreApplication>

#include "compartido/isotopos.h"
#include "modelo/elementos.h"
#include "modelo/masas_atomos.h"

#include "constantes_fisicas.h"
#include "incertidumbres.h"
#include "leedatos.h"
#include "texto_incertidumbre.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace oscilab {

namespace {

std::string cifras(double v, int decimales) {
    return curvifit::textoNumero(v, std::chars_format::fixed, decimales);
}

std::string significativas(double v, int n) {
    return curvifit::textoNumero(v, std::chars_format::general, n);
}

std::vector<IsotopoElegible> isotoposDeMasa(double masa, const TablaIsotopos* datos) {
    const int z = datos != nullptr ? elementoDeMasa(masa, datos) : 0;
    std::vector<Isotopo> lista = z != 0 ? datos->naturales(z) : std::vector<Isotopo>{};
    if (lista.empty()) {
        return {{significativas(masa, 10) + " u", masa, true}};
    }
    if (z == 1) {
        // Deuterium and tritium are what hydrogen's isotopologues are usually about.
        for (int A : {2, 3}) {
            const auto i = datos->isotopo(1, A);
            const bool esta =
                std::any_of(lista.begin(), lista.end(), [A](const Isotopo& n) { return n.A == A; });
            if (i && !esta) {
                lista.push_back(*i);
            }
        }
    }
    const QString simbolo = elemento(z).simbolo;
    std::vector<IsotopoElegible> elegibles;
    for (std::size_t k = 0; k < lista.size(); ++k) {
        elegibles.push_back(
            {etiquetaIsotopo(lista[k].A, simbolo).toStdString(), lista[k].masa, k < 2});
    }
    return elegibles;
}

} // namespace

IsotoposDeAtomos isotoposDeAtomos(const curvifit::ResultadoEjecucion& r,
                                  const TablaIsotopos* datos) {
    return {isotoposDeMasa(r.masas[0], datos), isotoposDeMasa(r.masas[1], datos)};
}

std::vector<Combinacion> combinaciones(const IsotoposDeAtomos& atomos) {
    const bool mismoElemento =
        atomos[0].size() == atomos[1].size() &&
        std::equal(atomos[0].begin(), atomos[0].end(), atomos[1].begin(),
                   [](const auto& a, const auto& b) { return a.etiqueta == b.etiqueta; });
    std::vector<Combinacion> lista;
    for (std::size_t i = 0; i < atomos[0].size(); ++i) {
        for (std::size_t j = mismoElemento ? i : 0; j < atomos[1].size(); ++j) {
            const IsotopoElegible& a = atomos[0][i];
            const IsotopoElegible& b = atomos[1][j];
            if (a.marcado && b.marcado) {
                lista.push_back({a.etiqueta + b.etiqueta, {a.masa, b.masa}});
            }
        }
    }
    return lista;
}

std::vector<FilaIsotopologo> filasIsotopologos(const curvifit::ResultadoEjecucion& r,
                                               const std::vector<Combinacion>& especies) {
    std::vector<double> R, E;
    for (const curvifit::PuntoResultado& p : r.puntos) {
        R.push_back(p.r_bohr);
        E.push_back(p.e_hartree);
    }
    curvifit::TablaPotencias usadas{};
    curvifit::Resultado base;
    for (std::size_t k = 0; k < r.potencias.size(); ++k) {
        usadas[curvifit::indicePotencia(r.potencias[k])] = 1;
        base.ajuste.COEFPOT[curvifit::indicePotencia(r.potencias[k])] = r.coeficientes[k];
    }
    base.ajuste.ACOEF = r.coeficientes;
    const auto re = r.constante("re_bohr");
    if (!re || especies.empty()) {
        return {};
    }
    base.constantes.XEQ = re->valor;
    const curvifit::DatosEntrada datos =
        curvifit::datosDePuntos(std::move(R), std::move(E), usadas, r.masaReducida);
    std::vector<curvifit::MasasIsotopologo> masas;
    for (const Combinacion& c : especies) {
        masas.push_back(c.masas);
    }
    const auto calculadas = curvifit::calculaIsotopologos(datos, base, masas, 0);
    std::vector<FilaIsotopologo> filas;
    for (std::size_t s = 0; s < especies.size(); ++s) {
        const curvifit::Isotopologo& e = calculadas[s];
        using curvifit::Constante;
        const auto k = curvifit::constantesConError(curvifit::datosConMasas(datos, masas[s]),
                                                    base.ajuste, e.constantes, std::nullopt);
        FilaIsotopologo f{especies[s].etiqueta,
                          e.MASA1 * e.MASA2 / (e.MASA1 + e.MASA2),
                          k[Constante::ReAngstrom].valor,
                          k[Constante::WeCm1].valor,
                          k[Constante::WexeCm1].valor,
                          k[Constante::BeCm1].valor,
                          k[Constante::AlphaECm1].valor,
                          k[Constante::DeCm1].valor,
                          std::vector<std::optional<double>>(NIVELES_ISOTOPOLOGO),
                          std::nullopt};
        for (const curvifit::NivelExacto& n : e.exactos.niveles) {
            if (n.J == 0 && n.v < NIVELES_ISOTOPOLOGO) {
                f.G[static_cast<std::size_t>(n.v)] = n.e_cm1;
                if (n.v == 0) {
                    f.b0 = n.bv_cm1;
                }
            }
        }
        filas.push_back(std::move(f));
    }
    return filas;
}

Tabla tablaIsotopologos(const std::vector<FilaIsotopologo>& filas,
                        const UnidadesMostradas& unidades) {
    Tabla t;
    t.cabecera = {textoDetalles(QT_TRANSLATE_NOOP("detalles", "Especie")),
                  "μ (u)",
                  "re (" + unidades.nombreDistancia + ")",
                  "ωe (1/cm)",
                  "ωexe (1/cm)",
                  "Be (1/cm)",
                  "αe (1/cm)",
                  "De (1/cm)"};
    for (int v = 0; v < NIVELES_ISOTOPOLOGO; ++v) {
        t.cabecera.push_back("G(" + std::to_string(v) + ") (1/cm)");
    }
    for (const char* c : {"B0 (1/cm)", "ωe/ωe(ref)", "√(μref/μ)", "Be/Be(ref)", "μref/μ"}) {
        t.cabecera.emplace_back(c);
    }
    for (const FilaIsotopologo& f : filas) {
        const FilaIsotopologo& ref = filas.front();
        std::vector<std::string> fila = {
            f.etiqueta,
            cifras(f.mu, 8),
            cifras(f.reAngstrom / curvifit::ANGSTROM_POR_BOHR * unidades.distancia, 6),
            cifras(f.we, 4),
            cifras(f.wexe, 4),
            cifras(f.be, 6),
            cifras(f.alfa, 6),
            significativas(f.de, 6)};
        for (const auto& g : f.G) {
            fila.push_back(g ? cifras(*g, 4) : "");
        }
        fila.push_back(f.b0 ? cifras(*f.b0, 6) : "");
        fila.push_back(cifras(f.we / ref.we, 8));
        fila.push_back(cifras(std::sqrt(ref.mu / f.mu), 8));
        fila.push_back(cifras(f.be / ref.be, 8));
        fila.push_back(cifras(ref.mu / f.mu, 8));
        t.filas.push_back(std::move(fila));
    }
    return t;
}

} // namespace oscilab
