#include "explorador.h"

#include "ajuste.h"
#include "calcula.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <utility>

namespace curvifit {

namespace {

constexpr double INFINITO = std::numeric_limits<double>::infinity();

ConjuntoPotencias bitDe(int p) {
    return ConjuntoPotencias{1} << indicePotencia(p);
}

ConjuntoPotencias rango(int desde, int hasta) {
    ConjuntoPotencias conjunto = 0;
    for (int p = desde; p <= hasta; ++p) {
        conjunto |= bitDe(p);
    }
    return conjunto;
}

class Familia {
public:
    void anade(ConjuntoPotencias conjunto) {
        if (conjunto != 0 && std::find(lista_.begin(), lista_.end(), conjunto) == lista_.end()) {
            lista_.push_back(conjunto);
        }
    }
    std::vector<ConjuntoPotencias> lista() && { return std::move(lista_); }

private:
    std::vector<ConjuntoPotencias> lista_;
};

bool hayDistanciaNula(const DatosEntrada& datos) {
    return std::any_of(datos.RDAT.begin(), datos.RDAT.end(), [](double r) { return r == 0.0; });
}

bool tienePotenciaNegativa(ConjuntoPotencias conjunto) {
    return (conjunto & rango(POTENCIA_MIN, -1)) != 0;
}

// sqrt(PRESS/N) with an undefined PRESS (or NaN) after every number.
double claveOrden(const EvaluacionCandidato& c) {
    return std::isnan(c.pressRms) ? INFINITO : c.pressRms;
}

double criterioAkaike(double rss, int N, int k) {
    if (N - k - 1 <= 0) {
        return INFINITO;
    }
    return N * std::log(rss / N) + 2.0 * k + 2.0 * k * (k + 1.0) / (N - k - 1.0);
}

} // namespace

ConjuntoPotencias conjuntoDe(const TablaPotencias& POTUSADA) {
    ConjuntoPotencias conjunto = 0;
    for (int p = POTENCIA_MIN; p <= POTENCIA_MAX; ++p) {
        if (POTUSADA[indicePotencia(p)] == 1) {
            conjunto |= bitDe(p);
        }
    }
    return conjunto;
}

TablaPotencias tablaDe(ConjuntoPotencias conjunto) {
    TablaPotencias tabla{};
    for (int p = POTENCIA_MIN; p <= POTENCIA_MAX; ++p) {
        tabla[indicePotencia(p)] = (conjunto & bitDe(p)) != 0 ? 1 : 0;
    }
    return tabla;
}

std::vector<int> potenciasDe(ConjuntoPotencias conjunto) {
    std::vector<int> potencias;
    for (int p = POTENCIA_MIN; p <= POTENCIA_MAX; ++p) {
        if ((conjunto & bitDe(p)) != 0) {
            potencias.push_back(p);
        }
    }
    return potencias;
}

int numeroPotencias(ConjuntoPotencias conjunto) {
    return std::popcount(conjunto);
}

bool esContiguo(ConjuntoPotencias conjunto) {
    if (conjunto == 0) {
        return false;
    }
    const ConjuntoPotencias bajo = conjunto >> std::countr_zero(conjunto);
    return (bajo & (bajo + 1)) == 0;
}

std::string textoPotencias(ConjuntoPotencias conjunto) {
    const std::vector<int> p = potenciasDe(conjunto);
    if (p.empty()) {
        return "";
    }
    const std::string extremos = std::to_string(p.front()) + ".." + std::to_string(p.back());
    if (p.size() >= 3 && esContiguo(conjunto)) {
        return extremos;
    }
    const ConjuntoPotencias hueco = rango(p.front(), p.back()) & ~conjunto;
    if (p.size() >= 3 && std::popcount(hueco) == 1) {
        return extremos + " sin " + std::to_string(potenciasDe(hueco).front());
    }
    std::string texto;
    for (int q : p) {
        texto += (texto.empty() ? "" : " ") + std::to_string(q);
    }
    return texto;
}

std::vector<ConjuntoPotencias> familiaCandidatos(int N, ConjuntoPotencias documento,
                                                 const std::vector<ConjuntoPotencias>& usuario) {
    Familia familia;
    const int maximo = std::min(N - 2, POTENCIAS_MAXIMAS_CANDIDATO);
    std::vector<ConjuntoPotencias> rangos;
    for (int cuenta = POTENCIAS_MINIMAS_CANDIDATO; cuenta <= maximo; ++cuenta) {
        for (int p = POTENCIA_MIN; p + cuenta - 1 <= POTENCIA_MAX; ++p) {
            rangos.push_back(rango(p, p + cuenta - 1));
        }
    }
    for (ConjuntoPotencias r : rangos) {
        familia.anade(r);
    }
    for (int quitada : {1, -1}) {
        for (ConjuntoPotencias r : rangos) {
            const ConjuntoPotencias sin = r & ~bitDe(quitada);
            if (sin != r && numeroPotencias(sin) >= POTENCIAS_MINIMAS_CANDIDATO) {
                familia.anade(sin);
            }
        }
    }
    familia.anade(documento);
    if (N < PUNTOS_CLASIFICACION_FIABLE) {
        for (int p = POTENCIA_MIN; p + N - 1 <= POTENCIA_MAX; ++p) {
            familia.anade(rango(p, p + N - 1));
        }
    }
    for (ConjuntoPotencias u : usuario) {
        familia.anade(u);
    }
    return std::move(familia).lista();
}

bool candidatoAjustable(const DatosEntrada& datos, ConjuntoPotencias potencias) {
    const int m = numeroPotencias(potencias);
    return m >= 1 && m <= datos.NPUNTOS() &&
           !(tienePotenciaNegativa(potencias) && hayDistanciaNula(datos));
}

EvaluacionCandidato evaluaCandidato(const DatosEntrada& datos, ConjuntoPotencias potencias) {
    DatosEntrada propios = datos;
    propios.POTUSADA = tablaDe(potencias);
    propios.NPOT = numeroPotencias(potencias);
    const Ajuste ajuste = ajustaCurva(propios);
    const std::vector<double> h = apalancamientos(ajuste);

    EvaluacionCandidato c;
    c.potencias = potencias;
    c.delDocumento = potencias == conjuntoDe(datos.POTUSADA);
    const int N = datos.NPUNTOS();
    double rss = 0.0;
    for (int i = 0; i < N; ++i) {
        const double e =
            datos.EDAT[i] - energiaAjustada(ajuste.ACOEF, propios.POTUSADA, datos.RDAT[i]);
        rss += e * e;
        const double libre = 1.0 - h[i];
        c.press += libre < APALANCAMIENTO_LIMITE ? INFINITO : (e / libre) * (e / libre);
    }
    c.rms = std::sqrt(rss / N);
    c.pressRms = std::sqrt(c.press / N);
    const DescomposicionEscalada& svd = ajuste.svd;
    c.rango = static_cast<int>(svd.W.size()) - svd.descartados;
    c.aicc = criterioAkaike(rss, N, c.rango);
    for (std::size_t j = 0; j < svd.W.size(); ++j) {
        if (!svd.conservado[j]) {
            c.singularesDescartados.push_back(svd.W[j]);
        }
    }
    std::sort(c.singularesDescartados.rbegin(), c.singularesDescartados.rend());

    if (const std::optional<Constantes> k = constantesDelAjuste(propios, ajuste)) {
        c.minimo = k->XEQ;
        c.minimoDentro = k->XEQ >= datos.RMIN && k->XEQ <= datos.RMAX;
        c.constantes = constantesConError(propios, ajuste, *k);
    }
    return c;
}

void ordenaCandidatos(std::vector<EvaluacionCandidato>& candidatos) {
    std::stable_sort(candidatos.begin(), candidatos.end(),
                     [](const EvaluacionCandidato& a, const EvaluacionCandidato& b) {
                         if (a.minimoDentro != b.minimoDentro) {
                             return a.minimoDentro;
                         }
                         return claveOrden(a) < claveOrden(b);
                     });
}

std::optional<std::vector<EvaluacionCandidato>>
exploraAjustes(const DatosEntrada& datos, const OpcionesExploracion& opciones) {
    std::vector<ConjuntoPotencias> familia =
        familiaCandidatos(datos.NPUNTOS(), conjuntoDe(datos.POTUSADA), opciones.usuario);
    std::erase_if(familia, [&](ConjuntoPotencias c) { return !candidatoAjustable(datos, c); });
    const int total = static_cast<int>(familia.size());
    std::vector<EvaluacionCandidato> evaluados;
    evaluados.reserve(familia.size());
    for (ConjuntoPotencias conjunto : familia) {
        if (opciones.cancelar != nullptr && opciones.cancelar->load()) {
            return std::nullopt;
        }
        evaluados.push_back(evaluaCandidato(datos, conjunto));
        if (opciones.progreso) {
            opciones.progreso(static_cast<int>(evaluados.size()), total);
        }
    }
    ordenaCandidatos(evaluados);
    return evaluados;
}

} // namespace curvifit
