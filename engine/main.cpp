// curvifit NAME [--jmax N]: reads datos/NAME.qvd, writes result/NAME.res, result/NAME.scs and
// result/NAME.json.
#include "abre_fich.h"
#include "argumentos.h"
#include "calcula.h"
#include "errores.h"
#include "escriberes.h"
#include "leedatos.h"
#include "niveles_exactos.h"
#include "resultado_json.h"

#include <exception>
#include <iostream>

namespace {

using namespace curvifit;

int termina(const std::string& argumento, Salida salida, const std::string& mensaje) {
    // A data file that cannot be opened leaves every earlier result as it was, the JSON
    // too, so the three still belong together; any other failure leaves no JSON behind.
    if (salida != Salida::FicheroNoEncontrado) {
        borraResultadoJson(rutasFicheros(argumento).FICHJSON);
    }
    std::cerr << mensaje << '\n';
    return static_cast<int>(salida);
}

} // namespace

int main(int argc, char** argv) {
    const std::string argumento = argc > 1 ? argv[1] : "";
    try {
        const Argumentos argumentos = leeArgumentos(argc, argv);
        Ficheros ficheros = ABRE_FICH(argumentos.nombre);
        const RutasFicheros& rutas = ficheros.rutas;
        const DatosEntrada datos = LEEDATOS(ficheros.datos, rutas.FICHDATOS, ficheros.scs);
        ficheros.datos.close();
        const Resultado resultado = CALCULA(datos, ficheros.scs);
        ficheros.scs.close();
        ESCRIBERES(ficheros.res, datos, resultado);
        ficheros.res.close();
        if (!ficheros.scs || !ficheros.res) {
            throw ErrorMotor(Salida::ResultadosNoAbiertos,
                             "Error al escribir los ficheros de resultados " + rutas.FICHRES +
                                 " y " + rutas.FICHSCS);
        }
        const NivelesExactos exactos =
            nivelesExactos(datos, resultado.ajuste, resultado.constantes, argumentos.jmax);
        escribeResultadoJson(rutas.FICHJSON,
                             resultadoJson(rutas.FICHDATOS, datos, resultado, exactos));
        return static_cast<int>(Salida::Correcta);
    } catch (const ErrorMotor& error) {
        return termina(argumento, error.salida(), error.what());
    } catch (const std::exception& error) {
        return termina(argumento, Salida::Inesperada,
                       std::string("Error inesperado: ") + error.what());
    }
}
