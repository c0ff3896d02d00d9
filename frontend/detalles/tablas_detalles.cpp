#include "detalles/tablas_detalles.h"

#include "texto_incertidumbre.h"
#include "unidades.h"

#include <QCoreApplication>

#include <algorithm>
#include <charconv>
#include <tuple>
#include <cmath>
#include <map>
#include <set>
#include <string_view>

namespace oscilab {

namespace {

using curvifit::textoExacto;

// "0" for a value that rounds to zero in these digits, never "-0.0000".
std::string fijo(double v, int decimales) {
    const std::string texto = curvifit::textoNumero(v, std::chars_format::fixed, decimales);
    return texto.find_first_not_of("-0.") == std::string::npos ? "0" : texto;
}

std::string significativo(double v, int cifras) {
    return curvifit::textoNumero(v, std::chars_format::general, cifras);
}

std::string opcional(const std::optional<double>& v, int decimales) {
    return v ? fijo(*v, decimales) : "";
}

struct Mostrada {
    const char* nombre;   // in the JSON
    const char* etiqueta; // in the table
    const char* unidad;
    double factor = 1.0; // shown = JSON value times this
};

// The report's order; the distances also in the other unit.
const std::vector<Mostrada>& constantesMostradas() {
    static const std::vector<Mostrada> lista = {
        {"re_bohr", "re", "bohr"},
        {"re_angstrom", "re", "Angstrom"},
        {"e_eq_hartree", "E(re)", "hartree"},
        {"k2_hartree_bohr2", "K2", "hartree/bohr^2"},
        {"k2_mdyn_angstrom", "K2", "mdyn/Angstrom"},
        {"k3_hartree_bohr3", "K3", "hartree/bohr^3"},
        {"k4_hartree_bohr4", "K4", "hartree/bohr^4"},
        {"we_cm1", "we", "1/cm"},
        {"wexe_cm1", "wexe", "1/cm"},
        {"be_cm1", "Be", "1/cm"},
        {"alpha_e_cm1", "alfa_e", "1/cm"},
        {"de_cm1", "De", "1/cm"},
        {"y00_cm1", "Y00", "1/cm"},
        {"dr_j1_angstrom", "dR(J=1)", "bohr", 1.0 / curvifit::BOHR_A_ANGSTROM},
        {"dr_j1_angstrom", "dR(J=1)", "Angstrom"},
        {"dk_j1_mdyn_angstrom", "dK(J=1)", "mdyn/Angstrom"},
    };
    return lista;
}

std::vector<std::string> filaConstante(const std::string& etiqueta, const std::string& unidad,
                                       const curvifit::ValorConError& c, double factor) {
    std::optional<double> error;
    if (c.error) {
        error = *c.error * factor;
    }
    return {etiqueta, curvifit::textoParentesis(c.valor * factor, error), unidad,
            textoExacto(c.valor * factor), error ? textoExacto(*error) : ""};
}

std::string celdaTabulada(const std::string& celda) {
    std::string limpia = celda;
    std::replace_if(
        limpia.begin(), limpia.end(), [](char c) { return c == '\t' || c == '\n'; }, ' ');
    return limpia;
}

std::string celdaCsv(const std::string& celda) {
    if (celda.find_first_of(",\"\r\n") == std::string::npos) {
        return celda;
    }
    std::string citada = "\"";
    for (char c : celda) {
        citada += c;
        if (c == '"') {
            citada += '"';
        }
    }
    return citada + "\"";
}

template <class Celda>
std::string une(const Tabla& t, char separador, const char* finLinea, Celda celda) {
    std::string texto;
    const auto fila = [&](const std::vector<std::string>& celdas) {
        for (std::size_t k = 0; k < celdas.size(); ++k) {
            texto += (k ? std::string(1, separador) : std::string()) + celda(celdas[k]);
        }
        texto += finLinea;
    };
    fila(t.cabecera);
    for (const auto& f : t.filas) {
        fila(f);
    }
    return texto;
}

} // namespace

std::string textoDetalles(const char* texto, const std::vector<std::string>& valores) {
    QString traducido = QCoreApplication::translate("detalles", texto);
    for (const std::string& v : valores) {
        traducido = traducido.arg(QString::fromStdString(v));
    }
    return traducido.toStdString();
}

Tabla tablaConstantes(const curvifit::ResultadoEjecucion& r) {
    Tabla t{{textoDetalles(QT_TRANSLATE_NOOP("detalles", "Constante")),
             textoDetalles(QT_TRANSLATE_NOOP("detalles", "Valor (error típico)")),
             textoDetalles(QT_TRANSLATE_NOOP("detalles", "Unidad")),
             textoDetalles(QT_TRANSLATE_NOOP("detalles", "Valor")),
             textoDetalles(QT_TRANSLATE_NOOP("detalles", "Error típico"))},
            {},
            3};
    for (const Mostrada& m : constantesMostradas()) {
        const auto c = r.constante(m.nombre);
        if (!c) {
            continue;
        }
        // A chemist with eV data reads the minimum in eV as well.
        if (r.ev && std::string_view(m.nombre) == "e_eq_hartree") {
            t.filas.push_back(filaConstante(m.etiqueta, "eV", *c, r.factorEnergia()));
        }
        t.filas.push_back(filaConstante(m.etiqueta, m.unidad, *c, m.factor));
    }
    return t;
}

Tabla tablaPuntos(const curvifit::ResultadoEjecucion& r, EleccionUnidades eleccion) {
    const UnidadesMostradas u = unidadesMostradas(r, eleccion);
    const std::string& e = u.nombreEnergia;
    Tabla t{{"R (" + u.nombreDistancia + ")",
             textoDetalles(QT_TRANSLATE_NOOP("detalles", "E dato (%1)"), {e}),
             textoDetalles(QT_TRANSLATE_NOOP("detalles", "E calculada (%1)"), {e}),
             textoDetalles(QT_TRANSLATE_NOOP("detalles", "E calculada − E dato (%1)"), {e})},
            {}};
    const double fd = u.distancia, fe = u.energia;
    for (const curvifit::PuntoResultado& p : r.puntos) {
        t.filas.push_back({significativo(p.r_bohr * fd, 10), significativo(p.e_hartree * fe, 12),
                           significativo(p.ajuste_hartree * fe, 12),
                           significativo(p.residuo_hartree * fe, 4)});
    }
    return t;
}

Tabla tablaSingulares(const curvifit::ResultadoEjecucion& r) {
    Tabla t{{"N.", textoDetalles(QT_TRANSLATE_NOOP("detalles", "Valor singular")),
             textoDetalles(QT_TRANSLATE_NOOP("detalles", "Estado"))},
            {}};
    const std::size_t usados =
        r.singulares.size() -
        std::min<std::size_t>(r.singulares.size(),
                              static_cast<std::size_t>(std::max(r.descartados, 0)));
    for (std::size_t k = 0; k < r.singulares.size(); ++k) {
        t.filas.push_back({std::to_string(k + 1), significativo(r.singulares[k], 6),
                           k < usados
                               ? textoDetalles(QT_TRANSLATE_NOOP("detalles", "usado"))
                               : textoDetalles(QT_TRANSLATE_NOOP("detalles", "descartado"))});
    }
    return t;
}

std::vector<FilaNivel> filasNiveles(const curvifit::ResultadoEjecucion& r) {
    std::vector<FilaNivel> filas;
    if (!r.exactos) {
        return filas;
    }
    const double we = r.constante("we_cm1") ? r.constante("we_cm1")->valor : NAN;
    const double wexe = r.constante("wexe_cm1") ? r.constante("wexe_cm1")->valor : NAN;
    for (const curvifit::NivelExacto& n : r.exactos->niveles) {
        if (n.J != 0) {
            continue;
        }
        const double x = n.v + 0.5;
        filas.push_back({n.v, n.e_cm1, we * x - wexe * x * x, std::nullopt, n.bv_cm1, n.r_interior,
                         n.r_exterior, n.cerca_pared, n.incertidumbre_cm1, n.extrapolado});
    }
    for (std::size_t k = 0; k + 1 < filas.size(); ++k) {
        if (filas[k + 1].v == filas[k].v + 1) {
            filas[k].salto = filas[k + 1].exacta - filas[k].exacta;
        }
    }
    return filas;
}

Tabla tablaNiveles(const curvifit::ResultadoEjecucion& r, EleccionUnidades eleccion) {
    const UnidadesMostradas u = unidadesMostradas(r, eleccion);
    Tabla t{{"v", textoDetalles(QT_TRANSLATE_NOOP("detalles", "G(v) exacta (1/cm)")),
             textoDetalles(QT_TRANSLATE_NOOP("detalles", "G(v) fórmula (1/cm)")),
             textoDetalles(QT_TRANSLATE_NOOP("detalles", "Diferencia (1/cm)")), "ΔG(v+½) (1/cm)",
             "Bv (1/cm)",
             textoDetalles(QT_TRANSLATE_NOOP("detalles", "R interior (%1)"), {u.nombreDistancia}),
             textoDetalles(QT_TRANSLATE_NOOP("detalles", "R exterior (%1)"), {u.nombreDistancia}),
             textoDetalles(QT_TRANSLATE_NOOP("detalles", "Cerca de pared")),
             textoDetalles(QT_TRANSLATE_NOOP("detalles", "Incertidumbre (1/cm)")),
             textoDetalles(QT_TRANSLATE_NOOP("detalles", "Extrapolado"))},
            {}};
    for (const FilaNivel& f : filasNiveles(r)) {
        t.filas.push_back(
            {std::to_string(f.v), fijo(f.exacta, 4), fijo(f.formula, 4),
             fijo(f.exacta - f.formula, 4), opcional(f.salto, 4), opcional(f.bv, 6),
             fijo(f.rInterior * u.distancia, 6), fijo(f.rExterior * u.distancia, 6),
             f.cercaPared ? textoDetalles(QT_TRANSLATE_NOOP("detalles", "sí")) : "",
             significativo(f.incertidumbre, 2),
             f.extrapolado ? textoDetalles(QT_TRANSLATE_NOOP("detalles", "sí")) : ""});
    }
    return t;
}

Tabla tablaConstantesNiveles(const curvifit::ResultadoEjecucion& r) {
    const auto& de = r.exactos ? r.exactos->constantes : std::nullopt;
    std::string usados;
    for (const int v : de ? de->v_usados : std::vector<int>{}) {
        usados += (usados.empty() ? "" : ", ") + std::to_string(v);
    }
    // Not equilibrium constants: a fit of G(v) and Bv over the best known J = 0 levels.
    Tabla t{
        {textoDetalles(QT_TRANSLATE_NOOP("detalles", "Constante (1/cm)")),
         usados.empty()
             ? textoDetalles(QT_TRANSLATE_NOOP("detalles", "Ajuste de G(v) a los niveles exactos"))
             : textoDetalles(
                   QT_TRANSLATE_NOOP("detalles", "Ajuste de G(v) a los niveles exactos v = %1"),
                   {usados}),
         textoDetalles(QT_TRANSLATE_NOOP("detalles", "Del informe (perturbativa)"))},
        {}};
    const auto informe = [&r](const char* nombre) {
        const auto c = r.constante(nombre);
        return c ? curvifit::textoParentesis(c->valor, c->error) : std::string("-");
    };
    const auto exacta = [&de](double curvifit::ConstantesDeNiveles::*m) {
        return de ? fijo((*de).*m, 6) : std::string("-");
    };
    // The small higher terms, in significant digits.
    const auto pequena = [&de](double curvifit::ConstantesDeNiveles::*m) {
        return de ? significativo((*de).*m, 6) : std::string("-");
    };
    t.filas = {{"we", exacta(&curvifit::ConstantesDeNiveles::we), informe("we_cm1")},
               {"wexe", exacta(&curvifit::ConstantesDeNiveles::wexe), informe("wexe_cm1")},
               {"weye", exacta(&curvifit::ConstantesDeNiveles::weye), "-"},
               {"Be", exacta(&curvifit::ConstantesDeNiveles::be), informe("be_cm1")},
               {"alfa_e", exacta(&curvifit::ConstantesDeNiveles::alfa_e), informe("alpha_e_cm1")},
               {"weze", pequena(&curvifit::ConstantesDeNiveles::weze), "-"},
               {"gamma_e", pequena(&curvifit::ConstantesDeNiveles::gamma_e), "-"},
               {textoDetalles(QT_TRANSLATE_NOOP("detalles", "De (distorsión centrífuga)")),
                pequena(&curvifit::ConstantesDeNiveles::de), "-"},
               {"beta_e", pequena(&curvifit::ConstantesDeNiveles::beta_e), "-"}};
    return t;
}

Tabla tablaEnergiasVJ(const curvifit::ResultadoEjecucion& r) {
    Tabla t{{"v"}, {}};
    if (!r.exactos) {
        return t;
    }
    std::map<std::pair<int, int>, double> energia;
    std::set<int> vs; // a row for each v that has a level, however sparse the file
    std::map<std::pair<int, int>, bool> cuasiligado;
    for (const curvifit::NivelExacto& n : r.exactos->niveles) {
        energia[{n.v, n.J}] = n.e_cm1;
        cuasiligado[{n.v, n.J}] = n.cuasiligado;
        vs.insert(n.v);
    }
    for (int J = 0; J <= r.exactos->JMAX; ++J) {
        t.cabecera.push_back("J=" + std::to_string(J));
    }
    for (int v : vs) {
        std::vector<std::string> fila{std::to_string(v)};
        for (int J = 0; J <= r.exactos->JMAX; ++J) {
            const auto e = energia.find({v, J});
            fila.push_back(e == energia.end() ? ""
                                              : fijo(e->second, 4) +
                                                    (cuasiligado[{v, J}] ? MARCA_CUASILIGADO : ""));
        }
        t.filas.push_back(std::move(fila));
    }
    return t;
}

Tabla tablaDisociacion(const curvifit::ResultadoEjecucion& r) {
    Tabla t{{textoDetalles(QT_TRANSLATE_NOOP("detalles", "Magnitud")),
             textoDetalles(QT_TRANSLATE_NOOP("detalles", "Valor")),
             textoDetalles(QT_TRANSLATE_NOOP("detalles", "Incertidumbre")),
             textoDetalles(QT_TRANSLATE_NOOP("detalles", "Unidad"))},
            {}};
    if (!r.exactos || !r.exactos->disociacion) {
        return t;
    }
    const curvifit::Disociacion& d = *r.exactos->disociacion;
    const std::string u = significativo(d.incertidumbre_cm1, 2);
    const std::string asintota = textoDetalles(QT_TRANSLATE_NOOP("detalles", "V∞ (asíntota)"));
    const UnidadesMostradas documento = unidadesMostradas(r);
    t.filas.push_back(
        {asintota, fijo(d.v_inf_hartree * documento.energia, 8), "", documento.nombreEnergia});
    if (documento.energia != 1.0) {
        t.filas.push_back({asintota, fijo(d.v_inf_hartree, 8), "", "hartree"});
    }
    t.filas.push_back(
        {textoDetalles(QT_TRANSLATE_NOOP("detalles", "De = V∞ − V(re) (profundidad del pozo)")),
         fijo(d.de_cm1, 2), u, "1/cm"});
    t.filas.push_back({"D0 = V∞ − E(v=0, J=0)", fijo(d.d0_cm1, 2), u, "1/cm"});
    return t;
}

std::string notaDisociacion(const curvifit::ResultadoEjecucion& r) {
    if (!r.exactos || !r.exactos->disociacion) {
        return textoDetalles(QT_TRANSLATE_NOOP(
            "detalles", "Sin energía de disociación: la curva no sube hacia una asíntota en la "
                        "distancia más larga de los datos."));
    }
    if (r.exactos->disociacion->desde_datos) {
        return textoDetalles(QT_TRANSLATE_NOOP(
            "detalles", "Los datos llegan casi a la disociación: De y D0 salen de los puntos, "
                        "con la cola −Cn/R^n solo para el último tramo."));
    }
    return textoDetalles(QT_TRANSLATE_NOOP(
        "detalles", "Los datos no llegan a la disociación: De y D0 están extrapolados con la "
                    "cola −Cn/R^n y pueden estar muy lejos del valor real; la incertidumbre "
                    "dice cuánto cambian con otra cola."));
}

std::string notaEnergiasVJ(const curvifit::ResultadoEjecucion& r) {
    if (!r.exactos) {
        return {};
    }
    std::map<int, std::set<int>> jsDe;
    for (const curvifit::NivelExacto& n : r.exactos->niveles) {
        jsDe[n.v].insert(n.J);
    }
    constexpr int LINEAS = 5; // the note stays short above the table
    std::string nota;
    int incompletos = 0;
    for (const auto& [v, js] : jsDe) {
        if (static_cast<int>(js.size()) == r.exactos->JMAX + 1 || ++incompletos > LINEAS) {
            continue;
        }
        const bool seguidos = *js.rbegin() - *js.begin() + 1 == static_cast<int>(js.size());
        std::string cuales;
        if (seguidos) {
            cuales = textoDetalles(QT_TRANSLATE_NOOP("detalles", "%1 a %2"),
                                   {std::to_string(*js.begin()), std::to_string(*js.rbegin())});
        } else {
            for (int J : js) {
                cuales += (cuales.empty() ? "" : ", ") + std::to_string(J);
            }
        }
        nota += textoDetalles(QT_TRANSLATE_NOOP("detalles", "v = %1: ligado solo para J = %2.\n"),
                              {std::to_string(v), cuales});
    }
    if (incompletos > LINEAS) {
        nota += textoDetalles(QT_TRANSLATE_NOOP("detalles", "Y %1 valores de v más.\n"),
                              {std::to_string(incompletos - LINEAS)});
    }
    return nota;
}

std::string notaCuentaNiveles(const curvifit::ResultadoEjecucion& r) {
    const std::size_t formula = r.nivelesSegundoOrden.size();
    const std::size_t exactos = filasNiveles(r).size();
    if (formula == exactos) {
        return {};
    }
    return textoDetalles(
        QT_TRANSLATE_NOOP("detalles",
                          "El informe cuenta %1 niveles de vibración con la fórmula de segundo "
                          "orden, mientras G(v) crece; aquí se listan los %2 niveles exactos "
                          "(J = 0) ligados dentro del intervalo de distancias de los datos."),
        {std::to_string(formula), std::to_string(exactos)});
}

std::string textoTabulado(const Tabla& t) {
    return une(t, '\t', "\n", celdaTabulada);
}

std::string textoCsv(const Tabla& t) {
    return une(t, ',', "\r\n", celdaCsv);
}

Tabla seleccion(const Tabla& t, const std::vector<int>& filas) {
    Tabla s{t.cabecera, {}};
    for (int f : filas) {
        if (f >= 0 && static_cast<std::size_t>(f) < t.filas.size()) {
            s.filas.push_back(t.filas[static_cast<std::size_t>(f)]);
        }
    }
    return s;
}

Tabla ordenada(const Tabla& t, int columna, bool ascendente) {
    Tabla o = t;
    const auto c = static_cast<std::size_t>(columna);
    const auto numero = [](const std::string& texto, double& x) {
        const auto [fin, error] = std::from_chars(texto.data(), texto.data() + texto.size(), x);
        return error == std::errc() && fin == texto.data() + texto.size();
    };
    const auto menor = [&](const std::vector<std::string>& a, const std::vector<std::string>& b) {
        const std::string& x = c < a.size() ? a[c] : std::string();
        const std::string& y = c < b.size() ? b[c] : std::string();
        // Numbers first, then texts (such as "-"): one order for every pair.
        double u = 0.0, v = 0.0;
        const bool nx = numero(x, u), ny = numero(y, v);
        const auto clave = [](bool n, double d, const std::string& texto) {
            return std::tuple(!n, n ? d : 0.0, n ? std::string() : texto);
        };
        return ascendente ? clave(nx, u, x) < clave(ny, v, y) : clave(ny, v, y) < clave(nx, u, x);
    };
    std::stable_sort(o.filas.begin(), o.filas.end(), menor);
    return o;
}

} // namespace oscilab
