#include "leedatos.h"

#include "errores.h"
#include "lectura_libre.h"
#include "registros_curva.h"

#include <cmath>
#include <utility>

namespace curvifit {

namespace {

std::string ajustaAncho(const std::string& palabra, std::size_t ancho) {
    std::string texto = palabra.substr(0, ancho);
    texto.resize(ancho, ' ');
    return texto;
}

void anadePotencia(ListaPotencias& lista, std::string_view token, const std::string& ruta) {
    const auto potencia = convierteEntero(token);
    if (potencia.estado == Conversion::Sintaxis) {
        throw errorSintaxis(ruta);
    }
    if (potencia.estado == Conversion::FueraDeRango) {
        throw errorConversion(ruta);
    }
    const int p = potencia.valor;
    if (p < POTENCIA_MIN || p > POTENCIA_MAX) {
        throw errorDatosNoAdmitidos(ruta, "la potencia " + std::to_string(p) +
                                              " está fuera del intervalo -15..14");
    }
    if (lista.POTUSADA[indicePotencia(p)] == 1) {
        throw errorDatosNoAdmitidos(ruta,
                                    "la potencia " + std::to_string(p) + " aparece más de una vez");
    }
    lista.POTUSADA[indicePotencia(p)] = 1;
    ++lista.NPOT;
}

void compruebaPuntos(const DatosEntrada& datos, const std::string& ruta) {
    if (datos.NPUNTOS() < 2) {
        throw errorDatosNoAdmitidos(ruta, "hacen falta al menos dos puntos y hay " +
                                              std::to_string(datos.NPUNTOS()));
    }
    if (datos.NPUNTOS() < datos.NPOT) {
        throw errorDatosNoAdmitidos(ruta, "hay " + std::to_string(datos.NPUNTOS()) +
                                              " puntos para ajustar " + std::to_string(datos.NPOT) +
                                              " coeficientes; hacen falta al menos tantos puntos "
                                              "como potencias");
    }
    bool potenciaNegativa = false;
    for (int p = POTENCIA_MIN; p < 0; ++p) {
        potenciaNegativa = potenciaNegativa || datos.POTUSADA[indicePotencia(p)] == 1;
    }
    if (!potenciaNegativa) {
        return;
    }
    for (double r : datos.RDAT) {
        if (r == 0.0) {
            throw errorDatosNoAdmitidos(
                ruta, "hay un punto con R = 0 y el ajuste incluye potencias negativas de R");
        }
    }
}

void compruebaMasas(const DatosEntrada& datos, const std::string& ruta) {
    // Anything else gives NaN or meaningless constants that would look like a result.
    const auto positivaFinita = [](double x) { return std::isfinite(x) && x > 0.0; };
    if (!positivaFinita(datos.MASA1) || !positivaFinita(datos.MASA2) ||
        !positivaFinita(datos.MASARED)) {
        throw errorDatosNoAdmitidos(
            ruta, "las masas atómicas no dan una masa reducida positiva y finita");
    }
}

void leePuntos(LectorLibre& lector, DatosEntrada& datos, std::ostream& curva) {
    // The end-of-file test comes before each read: the last line that is not blank must be
    // a whole point.
    while (!lector.soloQuedanBlancos()) {
        if (datos.NPUNTOS() == MAXIMO_PUNTOS) {
            throw errorDatosNoAdmitidos(
                lector.ruta(), "tiene más de " + std::to_string(MAXIMO_PUNTOS) + " puntos");
        }
        const auto punto = lector.leeReales(2);
        datos.VDAT.push_back(punto[1]);
        datos.RDAT.push_back(punto[0] / datos.FACDIST);
        datos.EDAT.push_back(punto[1] / datos.FACENER);
        datos.SIGMA.push_back(1.0);
        escribeRegistroCurva(curva, datos.RDAT.back());
        escribeRegistroCurva(curva, datos.EDAT.back());
    }
}

} // namespace

ListaPotencias leePotencias(const std::string& linea, const std::string& ruta) {
    ListaPotencias lista;
    const std::string texto = linea.substr(0, ANCHO_POTENCIAS);
    const std::size_t fin = texto.find_last_not_of(' ');
    if (fin == std::string::npos) {
        return lista;
    }
    const std::string_view sinBlancos(texto.data(), fin + 1);
    // Each blank closes one token, so two blanks in a row or a leading blank give an empty
    // one, which is not an integer.
    std::size_t inicio = 0;
    for (std::size_t i = 0; i < sinBlancos.size(); ++i) {
        if (sinBlancos[i] == ' ') {
            anadePotencia(lista, sinBlancos.substr(inicio, i - inicio), ruta);
            inicio = i + 1;
        } else if (i + 1 == sinBlancos.size()) {
            anadePotencia(lista, sinBlancos.substr(inicio), ruta);
        }
    }
    return lista;
}

double masaReducida(double MASA1, double MASA2) {
    return MASA1 * MASAS_ELECTRON_POR_UMA * MASA2 / (MASA1 + MASA2);
}

void fijaUnidades(DatosEntrada& datos, const std::string& palabraDistancia,
                  const std::string& palabraEnergia) {
    datos.UNIDIST = ajustaAncho(palabraDistancia, 8);
    datos.UNIENER = ajustaAncho(palabraEnergia, 2);
    if (datos.UNIDIST == "A       " || datos.UNIDIST == "Angstrom" || datos.UNIDIST == "angstrom") {
        datos.UNIDIST = "ANGSTROM";
    }
    if (datos.UNIDIST == "ANGSTROM") {
        datos.FACDIST = FACDIST_ANGSTROM;
    }
    if (datos.UNIENER == "eV") {
        datos.FACENER = FACENER_EV;
    }
}

void MINIMAX(std::span<const double> valores, double& menor, double& mayor) {
    if (valores.empty()) {
        return;
    }
    menor = valores[0];
    mayor = valores[0];
    for (double v : valores) {
        if (v < menor) {
            menor = v;
        }
        if (v > mayor) {
            mayor = v;
        }
    }
}

std::vector<double> mallaDistancias(double RMIN, double RMAX, int N) {
    std::vector<double> malla;
    for (int i = 0; i < N; ++i) {
        malla.push_back(RMIN + i * (RMAX - RMIN) / (N - 1));
    }
    return malla;
}

namespace {

void derivaIntervalos(DatosEntrada& datos) {
    MINIMAX(datos.EDAT, datos.EMIN, datos.EMAX);
    MINIMAX(datos.RDAT, datos.RMIN, datos.RMAX);
    datos.RMALLA = mallaDistancias(datos.RMIN, datos.RMAX, datos.NPUNTOS());
}

} // namespace

DatosEntrada datosDePuntos(std::vector<double> RDAT, std::vector<double> EDAT,
                           const TablaPotencias& POTUSADA, double MASARED) {
    DatosEntrada datos;
    datos.POTUSADA = POTUSADA;
    for (int usada : POTUSADA) {
        datos.NPOT += usada == 1 ? 1 : 0;
    }
    datos.MASARED = MASARED;
    datos.UNIDIST = "UA      ";
    datos.UNIENER = "UA";
    datos.VDAT = EDAT;
    datos.RDAT = std::move(RDAT);
    datos.EDAT = std::move(EDAT);
    datos.SIGMA.assign(datos.RDAT.size(), 1.0);
    derivaIntervalos(datos);
    return datos;
}

DatosEntrada LEEDATOS(std::istream& datos, const std::string& FICHDATOS, std::ostream& curva) {
    LectorLibre lector(datos, FICHDATOS);
    DatosEntrada leidos;
    leidos.TITULO = lector.leeRegistro(ANCHO_TITULO);
    const auto potencias = leePotencias(lector.leeRegistro(ANCHO_POTENCIAS), FICHDATOS);
    leidos.POTUSADA = potencias.POTUSADA;
    leidos.NPOT = potencias.NPOT;
    const auto masas = lector.leeReales(2);
    leidos.MASA1 = masas[0];
    leidos.MASA2 = masas[1];
    leidos.MASARED = masaReducida(leidos.MASA1, leidos.MASA2);
    compruebaMasas(leidos, FICHDATOS);
    const auto unidades = lector.leePalabras(2);
    fijaUnidades(leidos, unidades[0], unidades[1]);
    leePuntos(lector, leidos, curva);
    compruebaPuntos(leidos, FICHDATOS);
    derivaIntervalos(leidos);
    return leidos;
}

} // namespace curvifit
