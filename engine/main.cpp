// curvifit NAME [--jmax N]: reads datos/NAME.qvd, writes result/NAME.res and result/NAME.scs.
#include "abre_fich.h"
#include "argumentos.h"
#include "calcula.h"
#include "errores.h"
#include "escriberes.h"
#include "leedatos.h"
#include "niveles_exactos.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    using namespace curvifit;
    try {
        const Argumentos argumentos = leeArgumentos(argc, argv);
        Ficheros ficheros = ABRE_FICH(argumentos.nombre);
        const DatosEntrada datos = LEEDATOS(ficheros.datos, ficheros.rutas.FICHDATOS, ficheros.scs);
        ficheros.datos.close();
        const Resultado resultado = CALCULA(datos, ficheros.scs);
        ficheros.scs.close();
        ESCRIBERES(ficheros.res, datos, resultado);
        ficheros.res.close();
        // For result/NAME.json, beside the second-order levels of the report.
        [[maybe_unused]] const NivelesExactos exactos =
            nivelesExactos(datos, resultado.ajuste, resultado.constantes, argumentos.jmax);
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
