#include "chequeo_datos.h"

#include "compartido/textos_numero.h"

#include <QCoreApplication>
#include <utility>
#include <vector>

namespace oscilab {

namespace {

struct Fila {
    double r = 0.0;
    double v = 0.0;
    std::array<QString, 2> textos;
    bool numeros = false; // both cells hold numbers; 0 is a number (V from the dissociation limit)

    bool esPunto() const { return numeros; }
    bool esVacia() const { return textos[0].trimmed().isEmpty() && textos[1].trimmed().isEmpty(); }
};

// Exchange sort by R: row k goes before row i only when its R is strictly smaller.
void ordenaPorR(std::vector<Fila>& puntos) {
    for (std::size_t i = 0; i < puntos.size(); ++i) {
        for (std::size_t k = i + 1; k < puntos.size(); ++k) {
            if (puntos[k].r < puntos[i].r) {
                std::swap(puntos[i], puntos[k]);
            }
        }
    }
}

} // namespace

PuntosOrdenados ordenaPuntos(const CeldasTabla& celdas) {
    std::vector<Fila> filas;
    int ultimoPunto = -1;
    for (int i = 0; i < puntosMaximos; ++i) {
        const auto& t = celdas[static_cast<std::size_t>(i)];
        filas.push_back({valorInicial(t[0]), valorInicial(t[1]), t,
                         valorCompleto(t[0]).has_value() && valorCompleto(t[1]).has_value()});
        if (filas.back().esPunto()) {
            ultimoPunto = i;
        }
    }
    std::vector<Fila> puntos;
    std::vector<Fila> resto; // incomplete rows above the last point, then all rows below it
    for (int i = 0; i < puntosMaximos; ++i) {
        const Fila& f = filas[static_cast<std::size_t>(i)];
        if (f.esPunto()) {
            puntos.push_back(f);
        } else if (i > ultimoPunto || !f.esVacia()) {
            resto.push_back(f);
        }
    }
    ordenaPorR(puntos);

    PuntosOrdenados resultado;
    resultado.n = static_cast<int>(puntos.size());
    std::size_t fila = 0;
    for (const Fila& p : puntos) {
        resultado.celdas[fila++] = {textoGeneral(p.r), textoGeneral(p.v)};
    }
    for (const Fila& f : resto) {
        resultado.celdas[fila++] = f.textos;
    }
    return resultado;
}

std::optional<CeldaNoNumerica> celdaNoNumerica(const CeldasTabla& celdas) {
    for (int i = 0; i < puntosMaximos; ++i) {
        for (int c = 0; c < 2; ++c) {
            const QString& texto = celdas[static_cast<std::size_t>(i)][static_cast<std::size_t>(c)];
            if (!texto.trimmed().isEmpty() && !valorCompleto(texto)) {
                return CeldaNoNumerica{i + 1, c + 1, texto};
            }
        }
    }
    return std::nullopt;
}

QString mensajeCeldaNoNumerica(const CeldaNoNumerica& celda) {
    const QString que = celda.columna == 1
                            ? QCoreApplication::translate("chequeo_datos", "La distancia")
                            : QCoreApplication::translate("chequeo_datos", "La energía");
    return QCoreApplication::translate(
               "chequeo_datos",
               "%1 de la fila %2 no es un número: «%3».\nCorrígela antes de guardar.")
        .arg(que)
        .arg(celda.fila)
        .arg(celda.texto);
}

ResultadoChequeo evaluaChequeo(int n, int m, bool hayTitulo, bool hayMasa1, bool hayMasa2) {
    ResultadoChequeo r;
    r.puntos = n;
    // The first of title, mass 1 and mass 2 still missing stops the check.
    const auto falta = [&r](FocoChequeo foco, const char* mensaje) {
        r.foco = foco;
        r.mensaje = QCoreApplication::translate("chequeo_datos", mensaje);
        return r;
    };
    if (!hayTitulo) {
        return falta(
            FocoChequeo::Titulo,
            QT_TRANSLATE_NOOP("chequeo_datos", "Debes introducir un título para el archivo"));
    }
    if (!hayMasa1) {
        return falta(
            FocoChequeo::Masa1,
            QT_TRANSLATE_NOOP("chequeo_datos", "Debes introducir la masa atómica del átomo1"));
    }
    if (!hayMasa2) {
        return falta(
            FocoChequeo::Masa2,
            QT_TRANSLATE_NOOP("chequeo_datos", "Debes introducir la masa atómica del átomo2"));
    }
    r.permiteEjecutar = n >= m;
    if (n == m + 1) {
        r.mensaje = QCoreApplication::translate(
            "chequeo_datos", "Pocos puntos. Quizás no sean suficientes para hacer\n"
                             "significativo es ajuste minimo-cuadrático");
    } else if (n == m) {
        r.mensaje = QCoreApplication::translate(
            "chequeo_datos", "El número de puntos es mínimo y la curva pasa por ellos");
    } else if (n < m) {
        r.mensaje =
            QCoreApplication::translate(
                "chequeo_datos", "Para ajustar este polinomio hace falta como mínimo %1 puntos")
                .arg(m + 1);
    }
    return r;
}

} // namespace oscilab
