#include "escriberes.h"

#include "formato.h"

#include <cmath>
#include <limits>

namespace curvifit {

namespace {

constexpr double BOHR_A_ANGSTROM = 0.529177;
// Lines 6, 18 and 19 use these two at single precision.
constexpr double BOHR_A_ANGSTROM_SIMPLE = 0.5291770100593567;
constexpr double MILIDINAS_SIMPLE = 15.569100379943848;

const double INDEFINIDO = std::numeric_limits<double>::quiet_NaN();

double elemento(const std::vector<double>& v, std::size_t i, double porDefecto) {
    return i < v.size() ? v[i] : porDefecto;
}

std::vector<int> potenciasIncluidas(const TablaPotencias& POTUSADA) {
    std::vector<int> p;
    for (int potencia = POTENCIA_MIN; potencia <= POTENCIA_MAX; ++potencia) {
        if (POTUSADA[indicePotencia(potencia)] == 1) {
            p.push_back(potencia);
        }
    }
    return p;
}

// The fitted energy at distance r.
double energiaAjustada(double r, const DatosEntrada& datos, const std::vector<double>& ACOEF) {
    const std::vector<double> f = FUNBAS(r, datos.POTUSADA);
    double suma = 0.0;
    for (std::size_t j = 0; j < f.size(); ++j) {
        suma += elemento(ACOEF, j, INDEFINIDO) * f[j];
    }
    return suma;
}

void constantes(std::vector<std::string>& l, const DatosEntrada& datos, const Resultado& res) {
    const Constantes& c = res.constantes;
    const Niveles& n = res.niveles;
    const bool angstrom = datos.enAngstrom();
    const double reAngstrom = angstrom ? c.RE : c.RE * BOHR_A_ANGSTROM;
    const double reBohr = angstrom ? c.RE / BOHR_A_ANGSTROM : c.RE;
    l.push_back("");
    l.push_back("PARAMETROS MOLECULARES CALCULADOS:");
    l.push_back(std::string(34, '-'));
    l.push_back("");
    l.push_back("DISTANCIA DE EQUILIBRIO =" + formatoF(reAngstrom, 10, 5) + " (ANGSTROMS)" +
                formatoF(reBohr, 10, 5) + " (BOHR)");
    l.push_back("CTE CUADRATICA =" + formato1PE(c.K2, 13, 6) + " (U.A.) " +
                formato1PE(c.K2 * MILIDINAS_SIMPLE, 13, 6) + " (milidinas/angstrom)");
    l.push_back("CTE CUBICA         =" + formato1PE(c.K3, 16, 7) + " (U.A.)");
    l.push_back("CTE CUARTICA       =" + formato1PE(c.K4, 16, 7) + " (U.A.)");
    l.push_back("NU Y XNU =" + formatoF(c.NU, 10, 2) + " (1/cm)" + espacios(3) +
                formatoF(c.XNU, 8, 2) + " (1/cm)");
    l.push_back("ENERGIA EN EL EQUILIBRIO =" + formatoG(c.EEQ, 15, 8) + "(U.A.)" +
                "  ERROR PROB.=" + formatoG(c.ERRPROBE, 9, 2));
    l.push_back("");
    l.push_back("");
    l.push_back("NIVELES VIBRACIONALES INCLUIDOS =" + formatoI(n.NNIVELES, 3));
    // 0 means the only level written already lies above the data.
    l.push_back(
        std::string(n.NNIVELES == 0 ? "ENERGIA DEL PRIMER NIVEL =" : "ENERGIA DEL ULTIMO NIVEL =") +
        formatoG(n.ENIVEL, 15, 8) + "(U.A.)");
    l.push_back("");
    l.push_back("");
    l.push_back("EFECTOS DE LA ROTACION (CALCULADOS PARA J=1):");
    l.push_back("ALARGAMIENTO DE LA DISTANCIA DE ENLACE =" +
                formatoF(c.DR * BOHR_A_ANGSTROM_SIMPLE, 9, 5) + " Angstrom");
    l.push_back("INCREMENTO  DE LA  CONSTANTE DE FUERZA =" +
                formatoF(c.DK * MILIDINAS_SIMPLE, 9, 5) + " milidinas/Angstrom");
    l.push_back("");
    l.push_back("");
}

void coeficientes(std::vector<std::string>& l, const DatosEntrada& datos, const Ajuste& a) {
    l.push_back(".../...");
    l.push_back("");
    l.push_back("AJUSTE MINIMOCUADR\xC1TICO:");
    l.push_back(std::string(24, '-'));
    l.push_back("");
    l.push_back("COEFICIENTES OBTENIDOS:");
    l.push_back("");
    const std::vector<int> potencias = potenciasIncluidas(datos.POTUSADA);
    for (std::size_t j = 0; j < potencias.size(); ++j) {
        l.push_back("X**" + formatoI(potencias[j], 3) + espacios(1) +
                    formatoG(elemento(a.ACOEF, j, INDEFINIDO), 14, 6) + espacios(1) + "( MEDIA:" +
                    formatoG(elemento(a.MEDIACOEF, j, INDEFINIDO), 14, 7) + espacios(1) +
                    "ERROR PROB.:" + formatoG(elemento(a.ERRCOEF, j, INDEFINIDO), 14, 8) + ")");
    }
    l.push_back("");
    l.push_back("");
}

// The point table at the points' own distances and the quasi-variance of the fit.
void puntos(std::vector<std::string>& l, const DatosEntrada& datos, const Ajuste& a) {
    l.push_back(" I      R          S           E             ECAL          DESV");
    l.push_back(std::string(68, '-'));
    const int n = datos.NPUNTOS();
    double S = 0.0;
    double SW = 0.0;
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const double r = datos.RDAT[k];
        const double e = elemento(datos.EDAT, k, INDEFINIDO);
        const double sigma = elemento(datos.SIGMA, k, 1.0);
        const double ecal = energiaAjustada(r, datos, a.ACOEF);
        const double desv = ecal - e;
        S += desv * desv / sigma;
        SW += 1.0 / sigma;
        l.push_back(formatoI(i + 1, 2) + espacios(1) + formatoG(r, 13, 6) + espacios(1) +
                    formatoG(sigma, 8, 3) + espacios(1) + formatoG(e, 13, 6) + espacios(1) +
                    formatoG(ecal, 14, 6) + espacios(1) + formatoG(desv, 12, 6));
    }
    const double S2 = n == datos.NPOT ? 0.0 : S / ((n - datos.NPOT) * SW);
    l.push_back("");
    l.push_back("");
    l.push_back("CUASIVARIANZA MUESTRAL: " + formatoG(S2, 14, 6));
    l.push_back("");
    l.push_back("ERROR PROBABLE:" + formatoG(0.7 * std::sqrt(S2), 14, 6));
    l.push_back("");
    l.push_back("");
}

// The level expansion E(v, J) - E(Re), each term's signed coefficient in 1/cm.
void terminos(std::vector<std::string>& l, const Constantes& c) {
    l.push_back(" NIVELES DE VIBRACION-ROTACION EN 1/CM (respecto a E(Re) como origen):");
    l.push_back(std::string(71, '-'));
    l.push_back("");
    l.push_back("");
    const double f = c.FACFREC;
    const std::pair<double, const char*> termino[] = {
        {c.Y00 / f, "   +"},
        {c.WE / f, "\xB7(V+1/2)  +"},
        {c.BE / f, "\xB7J\xB7(J+1)  +"},
        {-c.WEXE / f, "\xB7(V+1/2)^2  +"},
        {-c.ALFA / f, "\xB7(V+1/2)\xB7J\xB7(J+1)  +"},
        {-c.DE / f, "\xB7J^2\xB7(J+1)^2"},
    };
    bool primero = true;
    for (const auto& [valor, texto] : termino) {
        if (!primero) {
            l.push_back("");
        }
        primero = false;
        l.push_back(espacios(25) + formatoG(valor, 12, 6) + espacios(2) + texto);
    }
}

} // namespace

std::vector<std::string> lineasInforme(const DatosEntrada& datos, const Resultado& resultado) {
    std::vector<std::string> l;
    constantes(l, datos, resultado);
    coeficientes(l, datos, resultado.ajuste);
    puntos(l, datos, resultado.ajuste);
    terminos(l, resultado.constantes);
    return l;
}

void ESCRIBERES(std::ostream& informe, const DatosEntrada& datos, const Resultado& resultado) {
    for (const std::string& linea : lineasInforme(datos, resultado)) {
        informe << linea << "\r\n";
    }
}

} // namespace curvifit
