#include "modelo/fichero_dipolo.h"

#include "compartido/textos_numero.h"
#include "dipolo.h"
#include "errores.h"
#include "modelo/fichero_datos.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cmath>
#include <sstream>

namespace oscilab {

namespace {

bool enUA(Distancia distancia) {
    return distancia == Distancia::Bohr;
}

} // namespace

QString rutaDipoloDe(const QString& rutaDocumento) {
    return QString::fromStdString(curvifit::rutaDipolo(rutaDocumento.toStdString()));
}

Resultado<DatosDipolo> leeDipoloDocumento(const QString& ruta, Distancia distancia) {
    DatosDipolo datos;
    if (!QFileInfo::exists(ruta)) {
        return datos;
    }
    QFile fichero(ruta);
    if (!fichero.open(QIODevice::ReadOnly)) {
        return Fallo{QCoreApplication::translate("FicheroDipolo", "No se puede leer el archivo %1.")
                         .arg(ruta),
                     {},
                     fichero.errorString()};
    }
    if (fichero.size() > tamanoMaximoFichero) {
        return Fallo{QCoreApplication::translate(
                         "FicheroDipolo",
                         "El archivo %1 ocupa más de 1 MB y no es un archivo de momento dipolar.")
                         .arg(ruta)};
    }
    std::istringstream texto(fichero.readAll().toStdString());
    curvifit::FicheroDipolo leido;
    try {
        leido = curvifit::leeFicheroDipolo(texto, ruta.toStdString());
    } catch (const curvifit::ErrorMotor& e) {
        return Fallo{QString::fromStdString(e.what())};
    }
    datos.unidad = leido.dipoloUA ? UnidadDipolo::UA : UnidadDipolo::Debye;
    const bool convierte =
        distancia != Distancia::SinElegir && enUA(distancia) != leido.distanciaUA;
    for (std::size_t i = 0; i < leido.R.size(); ++i) {
        Celda r{leido.R[i], std::nullopt};
        if (convierte) {
            r = {convierteValor(leido.R[i], leido.distanciaUA ? Conversion::BohrAAngstrom
                                                              : Conversion::AngstromABohr),
                 leido.R[i]};
        }
        datos.filas[i] = {r, Celda{leido.mu[i], std::nullopt}};
    }
    return datos;
}

bool tienePuntosDipolo(const DatosDipolo& dipolo) {
    for (const Fila& f : dipolo.filas) {
        if (f[0].valor || f[1].valor) {
            return true;
        }
    }
    return false;
}

Resultado<void> dipoloGuardable(const DatosDipolo& dipolo) {
    int completas = 0;
    std::optional<double> primeraR;
    bool distintas = false;
    for (std::size_t i = 0; i < dipolo.filas.size(); ++i) {
        const Fila& f = dipolo.filas[i];
        const int fila = static_cast<int>(i) + 1;
        if (!f[0].valor && !f[1].valor) {
            continue;
        }
        if (!f[0].valor || !f[1].valor) {
            return Fallo{
                QCoreApplication::translate(
                    "FicheroDipolo",
                    "La fila %1 del momento dipolar tiene un solo valor: escribe el otro o "
                    "borra la fila.")
                    .arg(fila)};
        }
        if (!(*f[0].valor > 0.0) || !std::isfinite(*f[0].valor) || !std::isfinite(*f[1].valor)) {
            return Fallo{QCoreApplication::translate(
                             "FicheroDipolo",
                             "La fila %1 del momento dipolar no es válida: la distancia debe ser "
                             "positiva y los dos valores, finitos.")
                             .arg(fila)};
        }
        ++completas;
        distintas = distintas || (primeraR && *primeraR != *f[0].valor);
        primeraR = primeraR.value_or(*f[0].valor);
    }
    if (completas > 0 && !distintas) {
        return Fallo{QCoreApplication::translate(
            "FicheroDipolo",
            "El momento dipolar necesita al menos dos puntos con distancias distintas.")};
    }
    return {};
}

Resultado<void> escribeDipoloDocumento(const QString& ruta, const DatosDipolo& dipolo,
                                       Distancia distancia) {
    curvifit::FicheroDipolo f;
    f.distanciaUA = enUA(distancia);
    f.dipoloUA = dipolo.unidad == UnidadDipolo::UA;
    for (const auto& [r, mu] : puntosOrdenados(dipolo.filas)) {
        f.R.push_back(r);
        f.mu.push_back(mu);
    }
    QSaveFile fichero(ruta);
    if (!fichero.open(QIODevice::WriteOnly)) {
        return Fallo{{}, {}, fichero.errorString()};
    }
    const std::string texto = curvifit::textoFicheroDipolo(f);
    fichero.write(texto.data(), static_cast<qint64>(texto.size()));
    if (!fichero.commit()) {
        return Fallo{{}, {}, fichero.errorString()};
    }
    return {};
}

} // namespace oscilab
