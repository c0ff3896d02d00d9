// curvifit NAME [--jmax N] [--cola N] [--masas M1,M2]... [--temperatura T] [--exomol]: reads
// datos/NAME.qvd (and datos/NAME.dip when there is one), writes result/NAME.res, result/NAME.scs
// and result/NAME.json, which also holds each isotopologue asked for (with --exomol
// result/NAME.states and result/NAME.trans too). The JSON of an earlier run goes before anything
// is written, and the new one is in place before the report is complete on disk, so a JSON beside
// a report always belongs to it. curvifit --explorar NAME [--json]: ranks candidate power sets
// for datos/NAME.qvd on standard output and writes no result file. curvifit --help, curvifit
// --version: on standard output.
#include "abre_fich.h"
#include "argumentos.h"
#include "calcula.h"
#include "dipolo.h"
#include "errores.h"
#include "escriberes.h"
#include "espectro_exomol.h"
#include "isotopologos.h"
#include "explorador_salida.h"
#include "leedatos.h"
#include "niveles_exactos.h"
#include "parada_prueba.h"
#include "resultado_json.h"

#include <exception>
#include <iostream>
#include <optional>

namespace {

using namespace curvifit;

// `json` is the result file of the run that failed, when it got as far as naming one.
int termina(const std::optional<std::string>& json, Salida salida, const std::string& mensaje) {
    // A data file that cannot be opened leaves every earlier result as it was, the JSON
    // too, so the three still belong together; any other failure leaves no JSON behind.
    if (json && salida != Salida::FicheroNoEncontrado) {
        borraResultadoJson(*json);
    }
    std::cerr << mensaje << '\n';
    return static_cast<int>(salida);
}

} // namespace

int main(int argc, char** argv) {
    std::optional<std::string> json;
    try {
        const Argumentos argumentos = leeArgumentos(argc, argv);
        if (argumentos.ayuda || argumentos.version) {
            std::cout << (argumentos.ayuda ? textoAyuda() : textoVersion());
            return static_cast<int>(Salida::Correcta);
        }
        if (argumentos.explorar) {
            exploraDocumento(*argumentos.explorar, argumentos.json, std::cout);
            return static_cast<int>(Salida::Correcta);
        }
        json = rutasFicheros(argumentos.nombre).FICHJSON;
        Ficheros ficheros = ABRE_FICH(argumentos.nombre);
        const RutasFicheros& rutas = ficheros.rutas;
        const DatosEntrada datos = LEEDATOS(ficheros.datos, rutas.FICHDATOS, ficheros.scs);
        ficheros.datos.close();
        const Resultado resultado = CALCULA(datos, ficheros.scs);
        ESCRIBERES(ficheros.res, datos, resultado);
        OpcionesNiveles opciones;
        opciones.cola = argumentos.cola;
        const NivelesExactos exactos = nivelesExactos(datos, resultado.ajuste, resultado.constantes,
                                                      argumentos.jmax, opciones);
        const std::vector<Isotopologo> isotopologos = calculaIsotopologos(
            datos, resultado, argumentos.masas, argumentos.jmax, opciones, &exactos);
        const EspectroDelResultado espectro = espectroDelDocumento(
            rutaDipolo(rutas.FICHDATOS), exactos, resultado.constantes.XEQ, argumentos.temperatura);
        if (argumentos.exomol && espectro.espectro) {
            escribeExomol(rutas.FICHJSON, *espectro.espectro);
        } else if (argumentos.exomol) {
            std::cerr << "Sin momento dipolar válido (" << rutaDipolo(rutas.FICHDATOS)
                      << ") no hay espectro: no se escriben los ficheros ExoMol.\n";
        }
        puntoDeParada(PARADA_INFORME);
        escribeResultadoJson(rutas.FICHJSON,
                             resultadoJson(rutas.FICHDATOS, datos, resultado, exactos, isotopologos,
                                           espectro, argumentos.idioma));
        puntoDeParada(PARADA_JSON);
        ficheros.scs.close();
        ficheros.res.close();
        if (!ficheros.scs || !ficheros.res) {
            throw ErrorMotor(Salida::ResultadosNoAbiertos,
                             "Error al escribir los ficheros de resultados " + rutas.FICHRES +
                                 " y " + rutas.FICHSCS);
        }
        return static_cast<int>(Salida::Correcta);
    } catch (const ErrorMotor& error) {
        return termina(json, error.salida(), error.what());
    } catch (const std::exception& error) {
        return termina(json, Salida::Inesperada, std::string("Error inesperado: ") + error.what());
    }
}
