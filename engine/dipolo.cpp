#include "dipolo.h"

#include "constantes_fisicas.h"
#include "errores.h"
#include "lectura_libre.h"
#include "svd.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>

namespace curvifit {

namespace {

// Singular values below this share of the largest are dropped, as for the curve.
constexpr double CORTE_SINGULAR = 1e-12;

ErrorMotor errorDipolo(const std::string& ruta, int linea, const std::string& motivo) {
    return {Salida::ErrorLectura, "Fichero de momento dipolar " + ruta + ", línea " +
                                      std::to_string(linea) + ": " + motivo};
}

// Records end at CR LF, LF or CR alone, as in the data file.
std::vector<std::string> registros(std::istream& entrada) {
    std::vector<std::string> lineas(1);
    char c;
    while (entrada.get(c)) {
        if (c == '\r' || c == '\n') {
            if (c == '\r' && entrada.peek() == '\n') {
                entrada.get();
            }
            lineas.emplace_back();
        } else {
            lineas.back() += c;
        }
    }
    return lineas;
}

// Values separated by blanks or one comma.
std::vector<std::string> palabras(const std::string& linea) {
    std::vector<std::string> lista;
    std::string actual;
    for (const char c : linea + ' ') {
        if (c == ' ' || c == '\t' || c == ',') {
            if (!actual.empty()) {
                lista.push_back(actual);
            }
            actual.clear();
        } else {
            actual += c;
        }
    }
    return lista;
}

std::string mayusculas(std::string texto) {
    for (char& c : texto) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return texto;
}

bool enBlanco(const std::string& linea) {
    return palabras(linea).empty();
}

// The columns of (R - re)^k, each divided by its largest value so the SVD sees numbers of one.
struct Ajustado {
    std::vector<double> coeficientes;
    double rms = 0.0;
};

Ajustado ajustaGrado(const PuntosDipolo& p, double re, int grado) {
    const int n = static_cast<int>(p.R_bohr.size()), m = grado + 1;
    double escala = 0.0;
    for (const double R : p.R_bohr) {
        escala = std::max(escala, std::fabs(R - re));
    }
    escala = escala > 0.0 ? escala : 1.0;
    Matriz U(n, m), V(m, m);
    for (int i = 0; i < n; ++i) {
        const double x = (p.R_bohr[static_cast<std::size_t>(i)] - re) / escala;
        double potencia = 1.0;
        for (int k = 0; k < m; ++k, potencia *= x) {
            U(i, k) = potencia;
        }
    }
    std::vector<double> W;
    SVDCMP(U, W, V);
    const double mayor = *std::max_element(W.begin(), W.end());
    for (double& w : W) {
        w = w < CORTE_SINGULAR * mayor ? 0.0 : w;
    }
    Ajustado a;
    a.coeficientes = SVBKSB(U, W, V, p.mu_debye);
    for (int k = 0; k < m; ++k) {
        a.coeficientes[static_cast<std::size_t>(k)] /= std::pow(escala, k);
    }
    double suma = 0.0;
    for (int i = 0; i < n; ++i) {
        double mu = 0.0;
        for (int k = m - 1; k >= 0; --k) {
            mu = mu * (p.R_bohr[static_cast<std::size_t>(i)] - re) +
                 a.coeficientes[static_cast<std::size_t>(k)];
        }
        const double d = mu - p.mu_debye[static_cast<std::size_t>(i)];
        suma += d * d;
    }
    a.rms = std::sqrt(suma / n);
    return a;
}

} // namespace

double CurvaDipolo::valor(double R_bohr) const {
    const double x = std::clamp(R_bohr, r_min_bohr, r_max_bohr) - re_bohr;
    double mu = 0.0;
    for (std::size_t k = coeficientes.size(); k-- > 0;) {
        mu = mu * x + coeficientes[k];
    }
    return mu;
}

FicheroDipolo leeFicheroDipolo(std::istream& entrada, const std::string& ruta) {
    std::vector<std::string> lineas = registros(entrada);
    while (!lineas.empty() && enBlanco(lineas.back())) {
        lineas.pop_back();
    }
    if (lineas.empty()) {
        throw errorDipolo(ruta, 1, "el fichero está vacío");
    }
    const std::vector<std::string> unidades = palabras(lineas[0]);
    const std::string distancia = unidades.size() == 2 ? mayusculas(unidades[0]) : "";
    const std::string dipolo = unidades.size() == 2 ? mayusculas(unidades[1]) : "";
    if ((distancia != "ANGSTROM" && distancia != "UA") || (dipolo != "DEBYE" && dipolo != "UA")) {
        throw errorDipolo(ruta, 1,
                          "se esperan dos palabras, la unidad de distancia (Angstrom o UA) y la "
                          "del momento dipolar (Debye o UA)");
    }
    FicheroDipolo f;
    f.distanciaUA = distancia == "UA";
    f.dipoloUA = dipolo == "UA";
    const double aBohr = f.distanciaUA ? 1.0 : 1.0 / ANGSTROM_POR_BOHR;
    const double aDebye = f.dipoloUA ? DEBYE_POR_UA : 1.0;
    for (std::size_t i = 1; i < lineas.size(); ++i) {
        const int numero = static_cast<int>(i) + 1;
        const std::vector<std::string> valores = palabras(lineas[i]);
        if (valores.size() != 2) {
            throw errorDipolo(ruta, numero, "se esperan dos números, R y el momento dipolar");
        }
        const auto R = convierteReal(valores[0]), mu = convierteReal(valores[1]);
        if (R.estado != Conversion::Correcta || mu.estado != Conversion::Correcta) {
            throw errorDipolo(ruta, numero, "número no válido (use \".\" para los decimales)");
        }
        if (!(R.valor > 0.0)) {
            throw errorDipolo(ruta, numero, "la distancia debe ser positiva");
        }
        // 1e308 reads as a number, but not once it is converted to bohr or debye.
        if (!std::isfinite(R.valor * aBohr) || !std::isfinite(mu.valor * aDebye)) {
            throw errorDipolo(ruta, numero, "número demasiado grande");
        }
        f.R.push_back(R.valor);
        f.mu.push_back(mu.valor);
    }
    const int n = static_cast<int>(f.R.size());
    if (n > PUNTOS_DIPOLO_MAXIMOS) {
        throw errorDipolo(ruta, PUNTOS_DIPOLO_MAXIMOS + 2, "hay más de 500 puntos");
    }
    std::vector<double> distintas = f.R;
    std::sort(distintas.begin(), distintas.end());
    if (std::unique(distintas.begin(), distintas.end()) - distintas.begin() < 2) {
        throw errorDipolo(ruta, static_cast<int>(lineas.size()),
                          "hacen falta al menos dos puntos con distancias distintas");
    }
    return f;
}

PuntosDipolo leeDipolo(std::istream& entrada, const std::string& ruta) {
    const FicheroDipolo f = leeFicheroDipolo(entrada, ruta);
    const double aBohr = f.distanciaUA ? 1.0 : 1.0 / ANGSTROM_POR_BOHR;
    const double aDebye = f.dipoloUA ? DEBYE_POR_UA : 1.0;
    PuntosDipolo p;
    for (std::size_t i = 0; i < f.R.size(); ++i) {
        p.R_bohr.push_back(f.R[i] * aBohr);
        p.mu_debye.push_back(f.mu[i] * aDebye);
    }
    return p;
}

std::string textoFicheroDipolo(const FicheroDipolo& fichero) {
    const auto exacto = [](double v) {
        // Without a precision to_chars gives the shortest form that reads back to v.
        char texto[32];
        return std::string(texto, std::to_chars(texto, texto + sizeof texto, v).ptr);
    };
    std::string texto = std::string(fichero.distanciaUA ? "UA" : "Angstrom") + ' ' +
                        (fichero.dipoloUA ? "UA" : "Debye") + '\n';
    for (std::size_t i = 0; i < fichero.R.size(); ++i) {
        texto += exacto(fichero.R[i]) + ' ' + exacto(fichero.mu[i]) + '\n';
    }
    return texto;
}

CurvaDipolo ajustaDipolo(const PuntosDipolo& puntos, double re_bohr) {
    const int n = static_cast<int>(puntos.R_bohr.size());
    const int mayor = std::max(0, std::min(GRADO_DIPOLO_MAXIMO, n - 2));
    CurvaDipolo curva;
    curva.re_bohr = re_bohr;
    curva.puntos = puntos;
    curva.r_min_bohr = *std::min_element(puntos.R_bohr.begin(), puntos.R_bohr.end());
    curva.r_max_bohr = *std::max_element(puntos.R_bohr.begin(), puntos.R_bohr.end());
    for (int grado = 0; grado <= mayor; ++grado) {
        const Ajustado a = ajustaGrado(puntos, re_bohr, grado);
        curva.coeficientes = a.coeficientes;
        curva.rms_debye = a.rms;
        if (a.rms < RMS_DIPOLO_DEBYE) {
            break;
        }
    }
    for (int k = 0; k < static_cast<int>(curva.coeficientes.size()); ++k) {
        curva.potencias.push_back(k);
    }
    return curva;
}

std::string rutaDipolo(const std::string& FICHDATOS) {
    return std::filesystem::path(FICHDATOS).replace_extension(".dip").string();
}

DipoloDelDocumento dipoloDelDocumento(const std::string& rutaDip, double re_bohr) {
    DipoloDelDocumento d;
    std::error_code error;
    if (!std::filesystem::exists(rutaDip, error)) {
        return d;
    }
    try {
        std::ifstream entrada(rutaDip, std::ios::binary);
        if (!entrada) {
            throw errorDipolo(rutaDip, 1, "no se puede abrir");
        }
        d.curva = ajustaDipolo(leeDipolo(entrada, rutaDip), re_bohr);
    } catch (const ErrorMotor& e) {
        d.avisos.push_back({"dipole_file_refused",
                            std::string(e.what()) + ". No se calcula el espectro.",
                            {e.what()}});
        return d;
    }
    if (d.curva->rms_debye >= RMS_DIPOLO_DEBYE) {
        d.avisos.push_back(
            {"dipole_fit_rms",
             "Ningún polinomio de grado hasta " + std::to_string(d.curva->potencias.size() - 1) +
                 " ajusta el momento dipolar con un error cuadrático medio menor que 1e-4 D: "
                 "se usa el de grado más alto.",
             {std::to_string(d.curva->potencias.size() - 1)}});
    }
    return d;
}

} // namespace curvifit
