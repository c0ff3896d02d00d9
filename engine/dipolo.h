// The dipole-moment curve: datos/NAME.dip beside the document (a first line with the distance
// and dipole units, `Angstrom` or `UA`, then `Debye` or `UA`; then one "R mu" pair per line)
// and its least-squares polynomial in (R - re).
#pragma once

#include "constantes_fisicas.h"

#include "avisos.h"

#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace curvifit {

constexpr int PUNTOS_DIPOLO_MAXIMOS = 500;
constexpr int GRADO_DIPOLO_MAXIMO = 6;
// The lowest degree whose rms residual is below this many debye is taken.
constexpr double RMS_DIPOLO_DEBYE = 1e-4;

struct PuntosDipolo {
    std::vector<double> R_bohr, mu_debye;
};

struct CurvaDipolo {
    double re_bohr = 0.0;
    std::vector<int> potencias;       // of (R - re), R in bohr: 0..degree
    std::vector<double> coeficientes; // debye per bohr^power
    double rms_debye = 0.0;
    PuntosDipolo puntos;
    double r_min_bohr = 0.0, r_max_bohr = 0.0;

    // mu(R) in debye; held at its end values beyond the points.
    double valor(double R_bohr) const;
};

// The file as written: its two units and the values in them.
struct FicheroDipolo {
    bool distanciaUA = false; // false: angstrom
    bool dipoloUA = false;    // false: debye
    std::vector<double> R, mu;
};

// Reads the file's text; throws ErrorMotor (Salida::ErrorLectura) with a Spanish message
// naming the line for anything out of its rules.
FicheroDipolo leeFicheroDipolo(std::istream& entrada, const std::string& ruta);
PuntosDipolo leeDipolo(std::istream& entrada, const std::string& ruta);

// The file's text, which leeFicheroDipolo reads back to the same doubles: the unit words,
// then one pair a line in the shortest form that round-trips, LF line ends.
std::string textoFicheroDipolo(const FicheroDipolo& fichero);

// The lowest degree up to min(6, N - 2) with an rms below 1e-4 D, or the highest when none
// reaches it; least squares by SVD.
CurvaDipolo ajustaDipolo(const PuntosDipolo& puntos, double re_bohr);

// datos/NAME.dip for datos/NAME.qvd.
std::string rutaDipolo(const std::string& FICHDATOS);

// The dipole curve of a run: none and no warning when the file is missing; none and a warning
// saying why when it is refused; a warning too when no degree reaches the rms goal.
struct DipoloDelDocumento {
    std::optional<CurvaDipolo> curva;
    std::vector<Aviso> avisos;
};
DipoloDelDocumento dipoloDelDocumento(const std::string& rutaDip, double re_bohr);

} // namespace curvifit
