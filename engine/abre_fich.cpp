#include "abre_fich.h"

#include "errores.h"
#include "parada_prueba.h"
#include "resultado_json.h"

#include <filesystem>

namespace curvifit {

namespace {

void abreResultado(std::ofstream& fichero, const std::string& ruta, int unidad) {
    fichero.open(ruta, std::ios::binary | std::ios::trunc);
    if (!fichero) {
        throw ErrorMotor(Salida::ResultadosNoAbiertos,
                         "No se puede escribir el fichero de resultados " + ruta + " (unidad " +
                             std::to_string(unidad) + ")");
    }
}

} // namespace

std::string nombreDocumento(const std::string& ARGUMENTO) {
    std::string nombre = ARGUMENTO.substr(0, ANCHO_ARGUMENTO);
    const std::size_t fin = nombre.find_last_not_of(' ');
    nombre.erase(fin == std::string::npos ? 0 : fin + 1);
    return nombre;
}

RutasFicheros rutasFicheros(const std::string& ARGUMENTO) {
    const std::string nombre = nombreDocumento(ARGUMENTO);
    return {"datos/" + nombre + ".qvd", "result/" + nombre + ".res", "result/" + nombre + ".scs",
            "result/" + nombre + ".json"};
}

std::ifstream abreDatos(const std::string& FICHDATOS) {
    std::error_code error;
    // A folder of that name opens as a stream on Linux but cannot be read as a file.
    if (!std::filesystem::is_regular_file(FICHDATOS, error)) {
        throw errorFicheroNoEncontrado(FICHDATOS);
    }
    std::ifstream datos(FICHDATOS, std::ios::binary);
    if (!datos) {
        throw errorFicheroNoEncontrado(FICHDATOS);
    }
    return datos;
}

Ficheros ABRE_FICH(const std::string& ARGUMENTO) {
    Ficheros ficheros;
    // A name with a folder in it would put the results outside result/.
    if (nombreDocumento(ARGUMENTO).find('/') != std::string::npos) {
        throw ErrorMotor(Salida::FicheroNoEncontrado,
                         "Nombre de documento no admitido: \"" + nombreDocumento(ARGUMENTO) +
                             "\" contiene \"/\"; el documento ha de estar en datos/");
    }
    ficheros.rutas = rutasFicheros(ARGUMENTO);
    ficheros.datos = abreDatos(ficheros.rutas.FICHDATOS);
    puntoDeParada(PARADA_INICIO);
    // A fresh folder has no result/ yet; when it cannot be made, opening the report says so.
    std::error_code error;
    std::filesystem::create_directory("result", error);
    // An earlier run's JSON must never stand beside the report this run is about to write,
    // whenever the run stops; a temporary file left by a killed run goes with it.
    borraResultadoJson(ficheros.rutas.FICHJSON);
    puntoDeParada(PARADA_BORRADO);
    abreResultado(ficheros.res, ficheros.rutas.FICHRES, 3);
    abreResultado(ficheros.scs, ficheros.rutas.FICHSCS, 4);
    return ficheros;
}

} // namespace curvifit
