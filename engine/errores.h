// Failures that end a calculation. Each carries the text written to standard error and the
// process exit status, so main() is the only place that prints and exits.
#pragma once

#include <stdexcept>
#include <string>

namespace curvifit {

// Exit statuses of curvifit (0 is a complete run).
enum class Salida : int {
    Correcta = 0,
    Inesperada = 1,           // anything not foreseen below
    FicheroNoEncontrado = 2,  // the data file cannot be opened, or its name is refused
    ResultadosNoAbiertos = 3, // result/NAME.res or result/NAME.scs cannot be written
    ErrorLectura = 4,         // end of file, syntax or conversion error, record over 1 MiB
    DatosNoAdmitidos = 5,     // readable but unusable data (powers, point count, R = 0, masses)
    SinMinimo = 6,            // the fitted curve has no minimum within the scan bound
};

class ErrorMotor : public std::runtime_error {
public:
    ErrorMotor(Salida salida, const std::string& mensaje)
        : std::runtime_error(mensaje), salida_(salida) {}
    Salida salida() const { return salida_; }

private:
    Salida salida_;
};

// The channel of the data file in the messages of the read errors.
constexpr int UNIDAD_DATOS = 10;

ErrorMotor errorFicheroNoEncontrado(const std::string& ruta);
ErrorMotor errorFinDeFichero(const std::string& ruta);
ErrorMotor errorSintaxis(const std::string& ruta);
ErrorMotor errorConversion(const std::string& ruta);
ErrorMotor errorRegistroLargo(const std::string& ruta);
ErrorMotor errorDatosNoAdmitidos(const std::string& ruta, const std::string& motivo);

} // namespace curvifit
