#include "espectro_exomol.h"

#include "errores.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace curvifit {

namespace {

std::string formatea(const char* formato, auto... valores) {
    char linea[128];
    std::snprintf(linea, sizeof linea, formato, valores...);
    return linea;
}

void escribe(const std::string& ruta, void (*escritor)(std::ostream&, const Espectro&),
             const Espectro& espectro) {
    std::ofstream fichero(ruta, std::ios::binary | std::ios::trunc);
    escritor(fichero, espectro);
    fichero.close();
    if (!fichero) {
        throw ErrorMotor(Salida::ResultadosNoAbiertos,
                         "No se puede escribir el fichero ExoMol " + ruta);
    }
}

} // namespace

void escribeEstadosExomol(std::ostream& salida, const Espectro& espectro) {
    for (std::size_t k = 0; k < espectro.niveles.size(); ++k) {
        const NivelEspectro& n = espectro.niveles[k];
        salida << formatea("%12zu %12.6f %6d %7d %5d\n", k + 1, n.e_cm1, 2 * n.J + 1, n.J, n.v);
    }
}

void escribeTransicionesExomol(std::ostream& salida, const Espectro& espectro) {
    for (const LineaEspectral& l : espectro.lineas) {
        salida << formatea("%12zu %12zu %10.4e\n", l.superior + 1, l.inferior + 1, l.einstein_a_s1);
    }
}

void escribeExomol(const std::string& rutaJson, const Espectro& espectro) {
    std::filesystem::path ruta(rutaJson);
    escribe(ruta.replace_extension(".states").string(), escribeEstadosExomol, espectro);
    escribe(ruta.replace_extension(".trans").string(), escribeTransicionesExomol, espectro);
}

std::vector<EstadoExomol> leeEstadosExomol(std::istream& entrada) {
    std::vector<EstadoExomol> estados;
    std::string linea;
    while (std::getline(entrada, linea)) {
        std::istringstream campos(linea);
        EstadoExomol e;
        if (campos >> e.id >> e.e_cm1 >> e.g >> e.J >> e.v) {
            estados.push_back(e);
        }
    }
    return estados;
}

std::vector<TransicionExomol> leeTransicionesExomol(std::istream& entrada) {
    std::vector<TransicionExomol> transiciones;
    std::string linea;
    while (std::getline(entrada, linea)) {
        std::istringstream campos(linea);
        TransicionExomol t;
        if (campos >> t.superior >> t.inferior >> t.einstein_a_s1) {
            transiciones.push_back(t);
        }
    }
    return transiciones;
}

} // namespace curvifit
