// curvifit NAME: reads datos/NAME.qvd, writes result/NAME.res and result/NAME.scs.
// curvifit --explorar NAME [--json]: ranks candidate power sets for datos/NAME.qvd.
#include "abre_fich.h"
#include "calcula.h"
#include "errores.h"
#include "escriberes.h"
#include "explorador_salida.h"
#include "leedatos.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    using namespace curvifit;
    try {
        if (const auto peticion = peticionExploracion(argc, argv)) {
            exploraDocumento(*peticion, std::cout);
            return static_cast<int>(Salida::Correcta);
        }
        Ficheros ficheros = ABRE_FICH(argc > 1 ? argv[1] : "");
        const DatosEntrada datos = LEEDATOS(ficheros.datos, ficheros.rutas.FICHDATOS, ficheros.scs);
        ficheros.datos.close();
        const Resultado resultado = CALCULA(datos, ficheros.scs);
        ficheros.scs.close();
        ESCRIBERES(ficheros.res, datos, resultado);
        ficheros.res.close();
        if (!ficheros.scs || !ficheros.res) {
            throw ErrorMotor(Salida::ResultadosNoAbiertos,
                             "Error al escribir los ficheros de resultados " +
                                 ficheros.rutas.FICHRES + " y " + ficheros.rutas.FICHSCS);
        }
        return static_cast<int>(Salida::Correcta);
    } catch (const ErrorMotor& error) {
        std::cerr << error.what() << '\n';
        return static_cast<int>(error.salida());
    } catch (const std::exception& error) {
        std::cerr << "Error inesperado: " << error.what() << '\n';
        return static_cast<int>(Salida::Inesperada);
    }
}
