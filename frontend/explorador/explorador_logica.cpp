#include "explorador_logica.h"

#include "compartido/textos_numero.h"
#include "dispersion_modelos.h"
#include "explorador_salida.h"
#include "leedatos.h"
#include "texto_incertidumbre.h"

#include <QCoreApplication>
#include <cmath>

namespace oscilab {

namespace {

const QString SIN_VALOR = QStringLiteral("—");

QString energia(double hartree, double porHartree) {
    return std::isfinite(hartree) ? QString::number(hartree * porHartree, 'e', 3) : SIN_VALOR;
}

QString textoPotenciasFila(const FilaExplorador& fila) {
    // The engine writes a gap as "0..4 sin 2", in Spanish.
    return QString::fromStdString(curvifit::textoPotencias(fila.potencias))
               .replace(QStringLiteral(" sin "),
                        QCoreApplication::translate("explorador_logica", " sin ")) +
           (fila.delDocumento ? QCoreApplication::translate("explorador_logica", " (documento)")
                              : QString());
}

QString unidadDistancia(const curvifit::UnidadesExplorador& u) {
    return u.re == curvifit::Constante::ReAngstrom ? QStringLiteral("Å") : QStringLiteral("bohr");
}

} // namespace

Resultado<curvifit::DatosEntrada> puntosParaExplorar(const DocumentoExplorado& documento) {
    if (!(documento.angstrom || documento.bohr) || !(documento.ev || documento.hartree)) {
        return Fallo{QCoreApplication::translate(
            "explorador_logica", "Elija primero las unidades de distancia y de energía.")};
    }
    const double masa1 = valorInicial(documento.masa1);
    const double masa2 = valorInicial(documento.masa2);
    if (!(masa1 > 0.0) || !(masa2 > 0.0)) {
        return Fallo{QCoreApplication::translate(
            "explorador_logica", "Escriba primero las masas de los dos átomos: sin ellas no "
                                 "hay constantes moleculares.")};
    }
    const PuntosOrdenados puntos = ordenaPuntos(documento.celdas);
    if (puntos.n < PUNTOS_MINIMOS_EXPLORADOR) {
        return Fallo{
            QCoreApplication::translate("explorador_logica",
                                        "Hacen falta al menos %1 puntos para comparar conjuntos de "
                                        "potencias; la tabla tiene %2.")
                .arg(PUNTOS_MINIMOS_EXPLORADOR)
                .arg(puntos.n)};
    }
    curvifit::DatosEntrada unidades;
    const std::string distancia = documento.angstrom ? "ANGSTROM" : "UA";
    const std::string energia = documento.ev ? "eV" : "UA";
    curvifit::fijaUnidades(unidades, distancia, energia);
    std::vector<double> R;
    std::vector<double> E;
    for (int i = 0; i < puntos.n; ++i) {
        const auto& fila = puntos.celdas[static_cast<std::size_t>(i)];
        R.push_back(valorInicial(fila[0]) / unidades.FACDIST);
        E.push_back(valorInicial(fila[1]) / unidades.FACENER);
    }
    curvifit::DatosEntrada datos = curvifit::datosDePuntos(
        std::move(R), std::move(E), documento.potencias, curvifit::masaReducida(masa1, masa2));
    curvifit::fijaUnidades(datos, distancia, energia);
    return datos;
}

QStringList cabecerasExplorador(const curvifit::DatosEntrada& datos) {
    const curvifit::UnidadesExplorador u = curvifit::unidadesExplorador(datos);
    const QString e = QString::fromStdString(u.energia);
    return {QCoreApplication::translate("explorador_logica", "N.º"),
            QCoreApplication::translate("explorador_logica", "Potencias"),
            QCoreApplication::translate("explorador_logica", "√(PRESS/N) (%1)").arg(e),
            QCoreApplication::translate("explorador_logica", "rms (%1)").arg(e),
            QStringLiteral("AICc"),
            QCoreApplication::translate("explorador_logica", "Desc."),
            QCoreApplication::translate("explorador_logica", "re (%1)").arg(unidadDistancia(u)),
            QCoreApplication::translate("explorador_logica", "ωe (cm⁻¹)"),
            QCoreApplication::translate("explorador_logica", "ωexe (cm⁻¹)"),
            QCoreApplication::translate("explorador_logica", "Be (cm⁻¹)"),
            QCoreApplication::translate("explorador_logica", "αe (cm⁻¹)")};
}

std::vector<FilaExplorador>
filasExplorador(const std::vector<curvifit::EvaluacionCandidato>& ranking,
                const curvifit::DatosEntrada& datos) {
    const curvifit::UnidadesExplorador u = curvifit::unidadesExplorador(datos);
    const std::array<curvifit::Constante, 5> constantes = curvifit::constantesMostradas(u);
    std::vector<FilaExplorador> filas;
    for (std::size_t i = 0; i < ranking.size(); ++i) {
        const curvifit::EvaluacionCandidato& c = ranking[i];
        FilaExplorador fila;
        fila.potencias = c.potencias;
        fila.contiguo = curvifit::esContiguo(c.potencias);
        fila.minimoDentro = c.minimoDentro;
        fila.delDocumento = c.delDocumento;
        fila.pressRms = c.pressRms * u.porHartree;
        fila.textos = {QString::number(i + 1) + (c.minimoDentro ? QString() : QStringLiteral(" *")),
                       textoPotenciasFila(fila),
                       energia(c.pressRms, u.porHartree),
                       energia(c.rms, u.porHartree),
                       std::isfinite(c.aicc) ? QString::number(c.aicc, 'f', 1) : SIN_VALOR,
                       QString::number(c.singularesDescartados.size())};
        for (curvifit::Constante k : constantes) {
            fila.textos << (c.constantes ? QString::fromStdString(
                                               curvifit::textoValorConError((*c.constantes)[k]))
                                         : SIN_VALOR);
        }
        filas.push_back(std::move(fila));
    }
    return filas;
}

QString textoIncertidumbreModelo(const std::vector<curvifit::EvaluacionCandidato>& ranking,
                                 const curvifit::DatosEntrada& datos) {
    const std::optional<curvifit::DispersionModelos> modelos = curvifit::dispersionModelos(ranking);
    if (!modelos) {
        return {};
    }
    const curvifit::UnidadesExplorador u = curvifit::unidadesExplorador(datos);
    const std::array<curvifit::Constante, 5> constantes = curvifit::constantesMostradas(u);
    const QStringList nombres = {QStringLiteral("re"), QStringLiteral("ωe"), QStringLiteral("ωexe"),
                                 QStringLiteral("Be"), QStringLiteral("αe")};
    QStringList partes;
    for (std::size_t k = 0; k < constantes.size(); ++k) {
        const int i = static_cast<int>(constantes[k]);
        const double media = modelos->media[static_cast<std::size_t>(i)];
        const double dispersion = modelos->dispersion[static_cast<std::size_t>(i)];
        // The mean rounded where the spread's second digit falls, as the table rounds at the
        // standard error's.
        std::string valor = curvifit::numero(media, std::chars_format::general, 7);
        if (dispersion > 0.0) {
            const std::string conDispersion = curvifit::textoValorConError({media, dispersion});
            valor = conDispersion.substr(0, conDispersion.find(" ± "));
        }
        partes << QStringLiteral("%1 = %2 %3 %4")
                      .arg(
                          nombres[static_cast<int>(k)], QString::fromStdString(valor),
                          QString::fromStdString(curvifit::textoDispersionModelo(dispersion))
                              .replace(QStringLiteral(" modelo"),
                                       QCoreApplication::translate("explorador_logica", " modelo")),
                          k == 0 ? unidadDistancia(u) : QStringLiteral("cm⁻¹"));
    }
    return QCoreApplication::translate(
               "explorador_logica",
               "Incertidumbre de modelo, entre los %1 conjuntos con √(PRESS/N) hasta "
               "%2 veces el del mejor (media y desviación con pesos exp(−AICc/2)): %3.")
        .arg(modelos->conjuntos.size())
        .arg(QString::number(curvifit::FACTOR_PRESS_MODELOS, 'f', 1).replace('.', ','))
        .arg(partes.join(QStringLiteral("; ")));
}

QString avisoPocosPuntos(int puntos) {
    if (puntos >= curvifit::PUNTOS_CLASIFICACION_FIABLE) {
        return {};
    }
    return QCoreApplication::translate(
               "explorador_logica",
               "Con %1 puntos (menos de %2), el error al predecir cada punto sin él "
               "dice poco de un conjunto de potencias: la lista incluye también el "
               "conjunto del documento y los ajustes exactos, con tantas potencias como "
               "puntos.")
        .arg(puntos)
        .arg(curvifit::PUNTOS_CLASIFICACION_FIABLE);
}

void marcaDocumento(std::vector<FilaExplorador>& filas, curvifit::ConjuntoPotencias documento) {
    for (FilaExplorador& fila : filas) {
        fila.delDocumento = fila.potencias == documento;
        fila.textos[ColPotencias] = textoPotenciasFila(fila);
    }
}

std::vector<int> filasVisibles(const std::vector<FilaExplorador>& filas, bool soloContiguos) {
    std::vector<int> visibles;
    for (std::size_t i = 0; i < filas.size(); ++i) {
        if (!soloContiguos || filas[i].contiguo) {
            visibles.push_back(static_cast<int>(i));
        }
    }
    return visibles;
}

} // namespace oscilab
