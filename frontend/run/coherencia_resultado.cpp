#include "coherencia_resultado.h"

#include <QCoreApplication>
#include <charconv>
#include <cmath>
#include <sstream>

namespace oscilab {

namespace {

const std::string COEFICIENTES = "COEFICIENTES OBTENIDOS:";
const std::string TABLA = " I      R          S           E             ECAL          DESV";

// The report's line ends are CR LF.
std::vector<std::string> lineas(const std::string& texto) {
    std::vector<std::string> resultado;
    std::istringstream flujo(texto);
    for (std::string linea; std::getline(flujo, linea);) {
        if (!linea.empty() && linea.back() == '\r') {
            linea.pop_back();
        }
        resultado.push_back(linea);
    }
    return resultado;
}

// "X**  2   -0.123456E+01 ( MEDIA: ...": the power and the coefficient.
bool leeCoeficiente(const std::string& linea, ResumenInforme& resumen) {
    if (!linea.starts_with("X**")) {
        return false;
    }
    std::istringstream campos(linea.substr(3));
    int potencia = 0;
    std::string numero;
    if (!(campos >> potencia >> numero)) {
        return false;
    }
    // A three-digit exponent drops its "E" ("0.123456-100"): such a value is not compared.
    double coeficiente = NAN;
    const char* fin = numero.data() + numero.size();
    if (std::from_chars(numero.data(), fin, coeficiente).ptr != fin) {
        coeficiente = NAN;
    }
    resumen.potencias.push_back(potencia);
    resumen.coeficientes.push_back(coeficiente);
    return true;
}

// Six significant digits in the report: the last one is rounded.
bool coincide(double informe, double json) {
    return std::isnan(informe) || std::abs(informe - json) <= 1e-5 * std::abs(json) + 1e-300;
}

} // namespace

std::optional<ResumenInforme> leeResumenInforme(const std::string& informe) {
    const std::vector<std::string> l = lineas(informe);
    ResumenInforme resumen;
    bool hayTabla = false;
    for (std::size_t i = 0; i < l.size(); ++i) {
        if (l[i] == COEFICIENTES) {
            // A blank line, then one line per power up to the next blank one.
            for (std::size_t j = i + 2; j < l.size() && leeCoeficiente(l[j], resumen); ++j) {
            }
        } else if (l[i] == TABLA && !hayTabla) {
            hayTabla = true;
            // The ruler, then one row per point up to a blank line.
            for (std::size_t j = i + 2; j < l.size() && !l[j].empty(); ++j) {
                ++resumen.puntos;
            }
        }
    }
    if (resumen.potencias.empty() || !hayTabla) {
        return std::nullopt;
    }
    return resumen;
}

std::string discordanciaResultado(const curvifit::ResultadoEjecucion& resultado,
                                  const std::string& ficheroDatos, const ResumenInforme& informe) {
    if (resultado.ficheroDatos != ficheroDatos) {
        return QCoreApplication::translate("coherencia_resultado", "es de otro fichero de datos")
            .toStdString();
    }
    if (resultado.puntos.size() != static_cast<std::size_t>(informe.puntos)) {
        return QCoreApplication::translate("coherencia_resultado",
                                           "no tiene los %1 puntos del informe")
            .arg(informe.puntos)
            .toStdString();
    }
    if (resultado.potencias != informe.potencias ||
        resultado.coeficientes.size() != informe.coeficientes.size()) {
        return QCoreApplication::translate("coherencia_resultado",
                                           "no tiene las potencias del informe")
            .toStdString();
    }
    for (std::size_t j = 0; j < informe.coeficientes.size(); ++j) {
        if (!coincide(informe.coeficientes[j], resultado.coeficientes[j])) {
            return QCoreApplication::translate("coherencia_resultado",
                                               "sus coeficientes no son los del informe")
                .toStdString();
        }
    }
    return {};
}

} // namespace oscilab
