// LEEDATOS: reads the data file, converts the points to atomic units, copies them to the
// curve file and derives the ranges and the distance grid.
#pragma once

#include "datos_motor.h"
#include "unidades.h"

#include <istream>
#include <ostream>
#include <span>
#include <string>

namespace curvifit {

constexpr int MAXIMO_PUNTOS = 500;
constexpr std::size_t ANCHO_TITULO = 60;
constexpr std::size_t ANCHO_POTENCIAS = 85; // the 30 powers -15..14 separated by one blank

struct ListaPotencias {
    TablaPotencias POTUSADA{};
    int NPOT = 0;
};

// Line 2: tokens separated by exactly one blank, trailing blanks ignored.
ListaPotencias leePotencias(const std::string& linea, const std::string& ruta);

// Reduced mass in electron masses from two masses in atomic mass units.
double masaReducida(double MASA1, double MASA2);

// Normalises UNIDIST and UNIENER (cut or blank-padded to 8 and 2 characters) and sets
// FACDIST and FACENER from them.
void fijaUnidades(DatosEntrada& datos, const std::string& palabraDistancia,
                  const std::string& palabraEnergia);

void MINIMAX(std::span<const double> valores, double& menor, double& mayor);

// N distances equally spaced from RMIN to RMAX.
std::vector<double> mallaDistancias(double RMIN, double RMAX, int N);

// Points (bohr, hartree) and powers given in memory, with everything LEEDATOS derives from
// them (SIGMA = 1, ranges, grid): the fit explorer fits them without a data file.
DatosEntrada datosDePuntos(std::vector<double> RDAT, std::vector<double> EDAT,
                           const TablaPotencias& POTUSADA, double MASARED);

DatosEntrada LEEDATOS(std::istream& datos, const std::string& FICHDATOS, std::ostream& curva);

} // namespace curvifit
