#include "lectura_libre.h"

#include "errores.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace curvifit {

namespace {

bool esBlanco(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

bool esSeparador(char c) {
    return esBlanco(c) || c == ',';
}

bool esDigito(char c) {
    return c >= '0' && c <= '9';
}

std::size_t cuentaDigitos(std::string_view texto, std::size_t desde) {
    std::size_t i = desde;
    while (i < texto.size() && esDigito(texto[i])) {
        ++i;
    }
    return i - desde;
}

} // namespace

Convertido<double> convierteReal(std::string_view texto) {
    // Check the form first, then hand a normalised copy (no '+', exponent letter 'e') to
    // from_chars, which is locale-independent.
    std::string normal;
    std::size_t i = 0;
    if (i < texto.size() && (texto[i] == '+' || texto[i] == '-')) {
        if (texto[i] == '-') {
            normal += '-';
        }
        ++i;
    }
    const std::size_t enteros = cuentaDigitos(texto, i);
    normal.append(texto.substr(i, enteros));
    i += enteros;
    std::size_t decimales = 0;
    if (i < texto.size() && texto[i] == '.') {
        decimales = cuentaDigitos(texto, i + 1);
        normal.append(texto.substr(i, decimales + 1));
        i += decimales + 1;
    }
    if (enteros + decimales == 0) {
        return {};
    }
    if (i < texto.size()) {
        const char letra = texto[i];
        if (letra != 'E' && letra != 'e' && letra != 'D' && letra != 'd') {
            return {};
        }
        normal += 'e';
        ++i;
        if (i < texto.size() && (texto[i] == '+' || texto[i] == '-')) {
            normal += texto[i];
            ++i;
        }
        const std::size_t exponente = cuentaDigitos(texto, i);
        if (exponente == 0 || i + exponente != texto.size()) {
            return {};
        }
        normal.append(texto.substr(i, exponente));
    }
    double valor = 0.0;
    const auto [fin, error] = std::from_chars(normal.data(), normal.data() + normal.size(), valor);
    if (error == std::errc::result_out_of_range ||
        (error == std::errc() && !std::isfinite(valor))) {
        return {Conversion::FueraDeRango, 0.0};
    }
    if (error != std::errc() || fin != normal.data() + normal.size()) {
        return {};
    }
    return {Conversion::Correcta, valor};
}

Convertido<int> convierteEntero(std::string_view texto) {
    std::size_t i = 0;
    bool negativo = false;
    if (i < texto.size() && (texto[i] == '+' || texto[i] == '-')) {
        negativo = texto[i] == '-';
        ++i;
    }
    const std::size_t digitos = cuentaDigitos(texto, i);
    if (digitos == 0 || i + digitos != texto.size()) {
        return {};
    }
    long long valor = 0;
    const auto error = std::from_chars(texto.data() + i, texto.data() + texto.size(), valor).ec;
    if (negativo) {
        valor = -valor;
    }
    if (error == std::errc::result_out_of_range || valor < std::numeric_limits<int>::min() ||
        valor > std::numeric_limits<int>::max()) {
        return {Conversion::FueraDeRango, 0};
    }
    return {Conversion::Correcta, static_cast<int>(valor)};
}

LectorLibre::LectorLibre(std::istream& entrada, std::string ruta)
    : entrada_(entrada), ruta_(std::move(ruta)) {}

bool LectorLibre::alFinal() {
    return entrada_.peek() == std::istream::traits_type::eof();
}

bool LectorLibre::soloQuedanBlancos() {
    // Blank records are crossed by any read of values, so passing them over here changes
    // nothing but the end-of-file answer.
    while (!alFinal()) {
        const std::istream::int_type c = entrada_.peek();
        if (c == '\n' || c == '\r') {
            cargaRegistro();
        } else if (c == ' ' || c == '\t') {
            entrada_.get();
        } else {
            return false;
        }
    }
    return true;
}

bool LectorLibre::cargaRegistro() {
    if (alFinal()) {
        return false;
    }
    registro_.clear();
    posicion_ = 0;
    // A record ends at CR LF, LF or CR alone.
    std::istream::int_type c;
    while ((c = entrada_.get()) != std::istream::traits_type::eof() && c != '\n' && c != '\r') {
        if (registro_.size() == LONGITUD_MAXIMA) {
            throw errorRegistroLargo(ruta_);
        }
        registro_ += static_cast<char>(c);
    }
    if (c == '\r' && entrada_.peek() == '\n') {
        entrada_.get();
    }
    return true;
}

std::string LectorLibre::leeRegistro(std::size_t ancho) {
    if (!cargaRegistro()) {
        throw errorFinDeFichero(ruta_);
    }
    return registro_.substr(0, ancho);
}

std::string_view LectorLibre::siguienteElemento() {
    // Skip blanks, crossing to the next record when this one is used up.
    for (;;) {
        while (posicion_ < registro_.size() && esBlanco(registro_[posicion_])) {
            ++posicion_;
        }
        if (posicion_ < registro_.size()) {
            break;
        }
        if (!cargaRegistro()) {
            throw errorFinDeFichero(ruta_);
        }
    }
    const char c = registro_[posicion_];
    // An empty value between commas, or a slash ending the read, would leave an item
    // unread: the data file never has them, so they are errors.
    if (c == ',' || c == '/') {
        throw errorSintaxis(ruta_);
    }
    const std::size_t inicio = posicion_;
    while (posicion_ < registro_.size() && !esSeparador(registro_[posicion_])) {
        ++posicion_;
    }
    const std::string_view elemento(registro_.data() + inicio, posicion_ - inicio);
    // The separator after a value: blanks, at most one comma, blanks.
    while (posicion_ < registro_.size() && esBlanco(registro_[posicion_])) {
        ++posicion_;
    }
    if (posicion_ < registro_.size() && registro_[posicion_] == ',') {
        ++posicion_;
    }
    return elemento;
}

std::vector<double> LectorLibre::leeReales(int cuantos) {
    std::vector<double> valores;
    if (!cargaRegistro()) {
        throw errorFinDeFichero(ruta_);
    }
    for (int i = 0; i < cuantos; ++i) {
        const auto numero = convierteReal(siguienteElemento());
        if (numero.estado == Conversion::Sintaxis) {
            throw errorSintaxis(ruta_);
        }
        if (numero.estado == Conversion::FueraDeRango) {
            throw errorConversion(ruta_);
        }
        valores.push_back(numero.valor);
    }
    return valores;
}

std::vector<std::string> LectorLibre::leePalabras(int cuantos) {
    std::vector<std::string> palabras;
    if (!cargaRegistro()) {
        throw errorFinDeFichero(ruta_);
    }
    for (int i = 0; i < cuantos; ++i) {
        palabras.emplace_back(siguienteElemento());
    }
    return palabras;
}

} // namespace curvifit
