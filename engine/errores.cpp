#include "errores.h"

namespace curvifit {

namespace {

std::string conUnidad(const char* texto, const std::string& ruta) {
    std::string mensaje(texto);
    mensaje.append(", unit ").append(std::to_string(UNIDAD_DATOS)).append(", file ").append(ruta);
    return mensaje;
}

} // namespace

ErrorMotor errorFicheroNoEncontrado(const std::string& ruta) {
    return {Salida::FicheroNoEncontrado, conUnidad("file not found", ruta)};
}

ErrorMotor errorFinDeFichero(const std::string& ruta) {
    return {Salida::ErrorLectura, conUnidad("end-of-file during read", ruta)};
}

ErrorMotor errorSintaxis(const std::string& ruta) {
    return {Salida::ErrorLectura, conUnidad("list-directed I/O syntax error", ruta)};
}

ErrorMotor errorConversion(const std::string& ruta) {
    return {Salida::ErrorLectura, conUnidad("input conversion error", ruta)};
}

ErrorMotor errorRegistroLargo(const std::string& ruta) {
    return {Salida::ErrorLectura, conUnidad("record too long", ruta)};
}

ErrorMotor errorDatosNoAdmitidos(const std::string& ruta, const std::string& motivo) {
    return {Salida::DatosNoAdmitidos, "Fichero de datos " + ruta + ": " + motivo};
}

} // namespace curvifit
