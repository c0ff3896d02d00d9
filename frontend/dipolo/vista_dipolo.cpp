#include "dipolo/vista_dipolo.h"

#include "compartido/textos_numero.h"
#include "modelo/fichero_dipolo.h"

#include <QCoreApplication>

#include <algorithm>
#include <set>

namespace oscilab {

namespace {

double aBohr(double R, Distancia distancia) {
    return distancia == Distancia::Bohr ? R : convierteValor(R, Conversion::AngstromABohr);
}

double deBohr(double R, Distancia distancia) {
    return distancia == Distancia::Bohr ? R : convierteValor(R, Conversion::BohrAAngstrom);
}

double aDebye(double mu, UnidadDipolo unidad) {
    return unidad == UnidadDipolo::UA ? convierteValor(mu, Conversion::UAADebye) : mu;
}

double deDebye(double mu, UnidadDipolo unidad) {
    return unidad == UnidadDipolo::UA ? convierteValor(mu, Conversion::DebyeAUA) : mu;
}

SerieGrafico curvaAjustada(const curvifit::CurvaDipolo& c, const DatosDipolo& dipolo,
                           Distancia distancia) {
    SerieGrafico s;
    s.color = COLOR_AJUSTE_DIPOLO;
    for (int i = 0; i <= MUESTRAS_AJUSTE_DIPOLO; ++i) {
        const double R = c.r_min_bohr + (c.r_max_bohr - c.r_min_bohr) * i / MUESTRAS_AJUSTE_DIPOLO;
        s.puntos.emplace_back(deBohr(R, distancia), deDebye(c.valor(R), dipolo.unidad));
    }
    return s;
}

QString textoAjuste(const curvifit::CurvaDipolo& c) {
    QString texto =
        QCoreApplication::translate("VistaDipolo", "Ajuste: polinomio de grado %1 en (R − re), "
                                                   "error cuadrático medio %2 D")
            .arg(c.coeficientes.size() - 1)
            .arg(QString::number(c.rms_debye, 'g', 3));
    if (c.rms_debye >= curvifit::RMS_DIPOLO_DEBYE) {
        texto += QCoreApplication::translate("VistaDipolo", " (ningún grado baja de 1e-4 D)");
    }
    return texto;
}

} // namespace

curvifit::PuntosDipolo puntosMotor(const DatosDipolo& dipolo, Distancia distancia) {
    curvifit::PuntosDipolo p;
    for (const auto& [R, mu] : puntosOrdenados(dipolo.filas)) {
        p.R_bohr.push_back(aBohr(R, distancia));
        p.mu_debye.push_back(aDebye(mu, dipolo.unidad));
    }
    return p;
}

VistaDipolo vistaDipolo(const DatosDipolo& dipolo, Distancia distancia) {
    VistaDipolo v;
    SerieGrafico puntos;
    puntos.tipo = SerieGrafico::Tipo::Marcas;
    puntos.color = COLOR_PUNTOS_DIPOLO;
    for (const auto& [R, mu] : puntosOrdenados(dipolo.filas)) {
        puntos.puntos.emplace_back(R, mu);
    }
    v.series.push_back(puntos);
    const curvifit::PuntosDipolo p = puntosMotor(dipolo, distancia);
    if (std::set<double>(p.R_bohr.begin(), p.R_bohr.end()).size() >= 2) {
        // The fitted values do not depend on the centre of the powers; the middle of the
        // points keeps the columns of the least-squares matrix well scaled.
        const auto [menor, mayor] = std::minmax_element(p.R_bohr.begin(), p.R_bohr.end());
        v.ajuste = curvifit::ajustaDipolo(p, 0.5 * (*menor + *mayor));
        v.series.push_back(curvaAjustada(*v.ajuste, dipolo, distancia));
        v.resumen = textoAjuste(*v.ajuste);
    } else {
        v.resumen = QCoreApplication::translate(
            "VistaDipolo", "Hacen falta al menos dos puntos con distancias distintas para el "
                           "ajuste.");
    }
    if (const auto guardable = dipoloGuardable(dipolo); !guardable.ok()) {
        v.resumen = guardable.fallo().texto();
    }
    return v;
}

} // namespace oscilab
