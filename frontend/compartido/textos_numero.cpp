#include "textos_numero.h"

#include "compartido/unidades.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace oscilab {

namespace {

bool esDigito(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool esBlanco(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// A typed or imported "," stands for the decimal point.
bool esSignoDecimal(QChar c) {
    return c == QLatin1Char('.') || c == QLatin1Char(',');
}

qsizetype signosDecimales(const QString& texto) {
    return std::count_if(texto.begin(), texto.end(), esSignoDecimal);
}

double leeDouble(const std::string& texto) {
    double valor = 0.0;
    const auto r = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    return r.ec == std::errc() ? valor : 0.0;
}

// Scans an optional sign, digits and at most one decimal sign ("." or ",") from `i`, appends
// them to `salida` in from_chars form and moves `i` past them. False when no digit was read.
bool leeMantisa(const QString& texto, qsizetype& i, std::string& salida) {
    if (i < texto.size() && (texto[i] == QLatin1Char('-') || texto[i] == QLatin1Char('+'))) {
        if (texto[i] == QLatin1Char('-')) {
            salida += '-';
        }
        ++i;
    }
    bool hayCifra = false;
    bool hayPunto = false;
    for (; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (esDigito(c)) {
            hayCifra = true;
            salida += static_cast<char>(c.unicode());
        } else if (esSignoDecimal(c) && !hayPunto) {
            hayPunto = true;
            salida += '.';
        } else {
            break;
        }
    }
    return hayCifra;
}

// Scans the exponent part "E[+-]digits" starting at `i`; appends it to `salida` in from_chars
// form and returns the position after it, or `i` when no complete exponent follows.
qsizetype leeExponente(const QString& texto, qsizetype i, std::string& salida) {
    if (i >= texto.size()) {
        return i;
    }
    const QChar letra = texto[i].toUpper();
    if (letra != QLatin1Char('E') && letra != QLatin1Char('D')) {
        return i;
    }
    qsizetype j = i + 1;
    std::string exponente = "e";
    if (j < texto.size() && (texto[j] == QLatin1Char('+') || texto[j] == QLatin1Char('-'))) {
        exponente += texto[j] == QLatin1Char('-') ? "-" : "+";
        ++j;
    }
    const qsizetype inicioDigitos = j;
    while (j < texto.size() && esDigito(texto[j])) {
        exponente += static_cast<char>(texto[j].unicode());
        ++j;
    }
    if (j == inicioDigitos) {
        return i;
    }
    salida += exponente;
    return j;
}

// Splits the 15 (or 7) significant digits of |valor| into digits and decimal exponent.
void cifrasSignificativas(double valor, int precision, std::string& cifras, int& exponente) {
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(valor),
                                 std::chars_format::scientific, precision - 1);
    const std::string texto(buffer, r.ptr);
    const auto posE = texto.find('e');
    cifras.clear();
    for (std::size_t i = 0; i < posE; ++i) {
        if (texto[i] != '.') {
            cifras += texto[i];
        }
    }
    const char* inicio = texto.data() + posE + 1;
    if (*inicio == '+') {
        ++inicio;
    }
    std::from_chars(inicio, texto.data() + texto.size(), exponente);
    while (cifras.size() > 1 && cifras.back() == '0') {
        cifras.pop_back();
    }
}

// |valor| to `precision` significant digits, laid out in exponent form (1.5E-05) when its
// decimal exponent is below `exponenteMinimo` or from `exponenteMaximo` up, else in fixed form.
std::string formaGeneral(double valor, int precision, int exponenteMinimo, int exponenteMaximo) {
    if (valor == 0.0 || !std::isfinite(valor)) {
        return std::isfinite(valor) ? "0" : "";
    }
    std::string cifras;
    int exponente = 0;
    cifrasSignificativas(valor, precision, cifras, exponente);
    std::string texto = valor < 0 ? "-" : "";
    if (exponente < exponenteMinimo || exponente >= exponenteMaximo) {
        texto += cifras.substr(0, 1);
        if (cifras.size() > 1) {
            texto += "." + cifras.substr(1);
        }
        const int absoluto = std::abs(exponente);
        texto += exponente < 0 ? "E-" : "E+";
        texto += (absoluto < 10 ? "0" : "") + std::to_string(absoluto);
    } else if (exponente < 0) {
        texto += "0." + std::string(static_cast<std::size_t>(-exponente - 1), '0') + cifras;
    } else {
        const auto enteras = static_cast<std::size_t>(exponente) + 1;
        if (cifras.size() <= enteras) {
            texto += cifras + std::string(enteras - cifras.size(), '0');
        } else {
            texto += cifras.substr(0, enteras) + "." + cifras.substr(enteras);
        }
    }
    return texto;
}

// `valor` rounded to `cifras` significant digits, in fixed form: what a user would type.
std::string textoFijo(double valor, int cifras) {
    return formaGeneral(valor, cifras, INT_MIN, INT_MAX);
}

// `valor` rounded to the 10 significant digits a converted cell shows at most.
double diezCifras(double valor) {
    return leeDouble(textoFijo(valor, 10));
}

} // namespace

bool validanumfloat(int& tecla, const QString& cadena, qsizetype inicio, qsizetype fin) {
    const bool edicion = tecla == 8 || tecla == 13 || (tecla >= 25 && tecla <= 28);
    if (edicion) {
        return true;
    }
    if (tecla == 44) {
        tecla = 46;
    }
    inicio = std::clamp<qsizetype>(inicio, 0, cadena.size());
    fin = std::clamp<qsizetype>(fin, inicio, cadena.size());
    const QString resto = cadena.left(inicio) + cadena.mid(fin);
    // Nothing may go before a leading "-": it must stay the first character.
    bool admitida =
        !(inicio == 0 && resto.startsWith(QLatin1Char('-'))) && signosDecimales(resto) < 2;
    if (tecla == 45) {
        admitida = admitida && inicio == 0;
    } else if (tecla == 46) {
        admitida = admitida && signosDecimales(resto) == 0;
    } else {
        admitida = admitida && tecla >= 48 && tecla <= 57;
    }
    if (!admitida) {
        tecla = 0;
    }
    return admitida;
}

bool validanumfloat(int& tecla, const QString& cadena) {
    return validanumfloat(tecla, cadena, cadena.size(), cadena.size());
}

float Convsng(const QString& cadena) {
    std::string mantisa;
    bool negativo = false;
    bool hayPunto = false;
    qsizetype i = 0;
    for (; i < cadena.size(); ++i) {
        const QChar c = cadena[i];
        if (c == QLatin1Char('-')) {
            negativo = true;
        } else if (esDigito(c)) {
            mantisa += static_cast<char>(c.unicode());
        } else if (esSignoDecimal(c) && !hayPunto) {
            hayPunto = true;
            mantisa += '.';
        } else {
            break;
        }
    }
    if (mantisa.empty() || mantisa == ".") {
        return 0.0f;
    }
    leeExponente(cadena, i, mantisa);
    float valor = 0.0f;
    std::from_chars(mantisa.data(), mantisa.data() + mantisa.size(), valor);
    return negativo ? -valor : valor;
}

std::optional<double> valorCompleto(const QString& cadena) {
    const QString texto = cadena.trimmed();
    std::string numero;
    qsizetype i = 0;
    if (!leeMantisa(texto, i, numero)) {
        return std::nullopt;
    }
    i = leeExponente(texto, i, numero);
    double valor = 0.0;
    const auto r = std::from_chars(numero.data(), numero.data() + numero.size(), valor);
    if (i != texto.size() || r.ec != std::errc() || !std::isfinite(valor)) {
        return std::nullopt;
    }
    return valor;
}

void cambiapuntocoma(int direccion, QString& cadena) {
    if (direccion == 1) {
        cadena.replace(QLatin1Char('.'), QLatin1Char(','));
    } else if (direccion == -1) {
        cadena.replace(QLatin1Char(','), QLatin1Char('.'));
    } else {
        cadena.clear();
    }
}

double valorInicial(const QString& cadena) {
    QString limpio;
    for (QChar c : cadena) {
        if (!esBlanco(c)) {
            limpio += c;
        }
    }
    std::string numero;
    qsizetype i = 0;
    if (!leeMantisa(limpio, i, numero)) {
        return 0.0;
    }
    leeExponente(limpio, i, numero);
    return leeDouble(numero);
}

QString textoGeneral(double valor) {
    return QString::fromLatin1(formaGeneral(valor, 15, -4, 15));
}

QString textoGeneralSimple(float valor) {
    return QString::fromLatin1(formaGeneral(static_cast<double>(valor), 7, -4, 7));
}

Conversion inversa(Conversion c) {
    switch (c) {
    case Conversion::AngstromABohr:
        return Conversion::BohrAAngstrom;
    case Conversion::BohrAAngstrom:
        return Conversion::AngstromABohr;
    case Conversion::EvAHartree:
        return Conversion::HartreeAEv;
    case Conversion::HartreeAEv:
        return Conversion::EvAHartree;
    case Conversion::DebyeAUA:
        return Conversion::UAADebye;
    case Conversion::UAADebye:
        return Conversion::DebyeAUA;
    }
    return c;
}

double convierteValor(double valor, Conversion c) {
    switch (c) {
    case Conversion::AngstromABohr:
        return valor / unidades::angstromPorBohr;
    case Conversion::BohrAAngstrom:
        return valor * unidades::angstromPorBohr;
    case Conversion::EvAHartree:
        return valor / unidades::evPorHartree;
    case Conversion::HartreeAEv:
        return valor * unidades::evPorHartree;
    case Conversion::DebyeAUA:
        return valor / unidades::debyePorUA;
    case Conversion::UAADebye:
        return valor * unidades::debyePorUA;
    }
    return valor;
}

QString convierteCelda(const QString& texto, Conversion c) {
    const auto origen = valorCompleto(texto);
    if (!origen) {
        return texto;
    }
    const double valor = convierteValor(*origen, c);
    const double origenDiez = diezCifras(*origen);
    const double valorDiez = diezCifras(valor);
    // A candidate is good when it is the value to 10 digits or when it converts back to the
    // cell's own value; either way the way back finds the typed text among its candidates.
    std::string candidato;
    for (int cifras = 1; cifras <= 10; ++cifras) {
        candidato = textoFijo(valor, cifras);
        const double leido = leeDouble(candidato);
        if (leido == valorDiez || diezCifras(convierteValor(leido, inversa(c))) == origenDiez) {
            break;
        }
    }
    return QString::fromLatin1(candidato);
}

} // namespace oscilab
