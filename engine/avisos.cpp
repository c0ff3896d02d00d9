#include "avisos.h"

#include "incertidumbres.h"

#include <charconv>

namespace curvifit {

namespace {

// Four significant digits, "." as decimal point whatever the locale.
std::string numero(double v) {
    char texto[32];
    const auto fin = std::to_chars(texto, texto + sizeof texto, v, std::chars_format::general, 4);
    return std::string(texto, fin.ptr);
}

} // namespace

std::vector<Aviso> avisosAjuste(const DatosEntrada& datos, const Ajuste& ajuste,
                                const Constantes& k) {
    std::vector<Aviso> avisos;
    const int m = static_cast<int>(ajuste.svd.W.size());
    if (ajuste.svd.descartados > 0) {
        avisos.push_back({"singular_values_discarded",
                          "El ajuste descarta " + std::to_string(ajuste.svd.descartados) + " de " +
                              std::to_string(m) +
                              " valores singulares: los datos no determinan todos los "
                              "coeficientes. Conviene usar menos potencias.",
                          {std::to_string(ajuste.svd.descartados), std::to_string(m)}});
    }
    const double rms = residuoCuadraticoMedio(datos, ajuste);
    const double intervalo = datos.EMAX - datos.EMIN;
    if (rms > 0.01 * intervalo) {
        avisos.push_back({"rms_above_one_percent",
                          "El residuo cuadrático medio del ajuste (" + numero(rms) +
                              " hartree) supera el 1 % del intervalo de energías de los datos (" +
                              numero(intervalo) + " hartree).",
                          {numero(rms), numero(intervalo)}});
    }
    if (k.XEQ < datos.RMIN || k.XEQ > datos.RMAX) {
        avisos.push_back({"re_outside_data",
                          "La distancia de equilibrio (" + numero(k.XEQ) +
                              " bohr) queda fuera del intervalo de distancias de los datos (" +
                              numero(datos.RMIN) + " a " + numero(datos.RMAX) +
                              " bohr): es una extrapolación.",
                          {numero(k.XEQ), numero(datos.RMIN), numero(datos.RMAX)}});
    }
    return avisos;
}

} // namespace curvifit
