#include "escriberes.h"

#include "ajuste.h"
#include "formato.h"
#include "unidades.h"

#include <cmath>

namespace curvifit {

namespace {

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
                formato1PE(c.K2 * MILIDINAS_POR_UA, 13, 6) + " (milidinas/angstrom)");
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
                formatoF(c.DR * ANGSTROM_POR_BOHR, 9, 5) + " Angstrom");
    l.push_back("INCREMENTO  DE LA  CONSTANTE DE FUERZA =" +
                formatoF(c.DK * MILIDINAS_POR_UA, 9, 5) + " milidinas/Angstrom");
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
        l.push_back("X**" + formatoI(potencias[j], 3) + espacios(1) + formatoG(a.ACOEF[j], 14, 6) +
                    espacios(1) + "( MEDIA:" + formatoG(a.MEDIACOEF[j], 14, 7) + espacios(1) +
                    "ERROR PROB.:" + formatoG(a.ERRCOEF[j], 14, 8) + ")");
    }
    l.push_back("");
    l.push_back("");
}

// The point table at the points' own distances and the quasi-variance of the fit.
void puntos(std::vector<std::string>& l, const DatosEntrada& datos, const Ajuste& a) {
    l.push_back(" I      R          S           E             ECAL          DESV");
    l.push_back(std::string(68, '-'));
    for (std::size_t i = 0; i < datos.RDAT.size(); ++i) {
        const double r = datos.RDAT[i];
        const double ecal = energiaAjustada(a.ACOEF, datos.POTUSADA, r);
        const double desv = ecal - datos.EDAT[i];
        l.push_back(formatoI(static_cast<long long>(i) + 1, 2) + espacios(1) + formatoG(r, 13, 6) +
                    espacios(1) + formatoG(datos.SIGMA[i], 8, 3) + espacios(1) +
                    formatoG(datos.EDAT[i], 13, 6) + espacios(1) + formatoG(ecal, 14, 6) +
                    espacios(1) + formatoG(desv, 12, 6));
    }
    const double S2 = cuasivarianza(datos, a.ACOEF);
    l.push_back("");
    l.push_back("");
    l.push_back("CUASIVARIANZA MUESTRAL: " + formatoG(S2, 14, 6));
    l.push_back("");
    l.push_back("ERROR PROBABLE:" + formatoG(FACTOR_ERROR_PROBABLE * std::sqrt(S2), 14, 6));
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
