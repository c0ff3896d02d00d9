#include "fichero_datos.h"

#include <QSaveFile>

#include <charconv>

namespace oscilab {

namespace {

const QByteArray finLinea = QByteArrayLiteral("\r\n");
const QByteArray tresBlancos = QByteArrayLiteral("   ");

QByteArray latin1(const QString& texto) {
    return texto.toLatin1();
}

std::optional<int> potenciaDePalabra(const QString& palabra) {
    const QByteArray bytes = palabra.toLatin1();
    const char* inicio = bytes.constData();
    const char* fin = inicio + bytes.size();
    if (inicio != fin && *inicio == '+') {
        ++inicio;
    }
    int p = 0;
    const auto r = std::from_chars(inicio, fin, p);
    if (r.ec != std::errc() || r.ptr != fin || p < potenciaMinima || p > potenciaMaxima) {
        return std::nullopt;
    }
    return p;
}

} // namespace

std::optional<QString> caracterFueraDeLatin1(const QString& texto) {
    for (const char32_t c : texto.toUcs4()) {
        if (c > 0xFF) {
            return QString::fromUcs4(&c, 1);
        }
    }
    return std::nullopt;
}

QByteArray bytesFicheroDatos(const ContenidoFichero& c) {
    QByteArray bytes;
    bytes += latin1(c.titulo) + finLinea;
    bytes += latin1(c.lineaPotencias) + ' ' + finLinea;
    bytes += latin1(c.masa1) + tresBlancos + latin1(c.masa2) + finLinea;
    bytes += QByteArray(c.distanciaUA ? "UA" : "Angstrom") + tresBlancos +
             QByteArray(c.energiaUA ? "UA" : "eV") + finLinea;
    for (const auto& [r, v] : c.puntos) {
        bytes += latin1(r) + tresBlancos + latin1(v) + finLinea;
    }
    return bytes;
}

Resultado<void> escribeFicheroDatos(const QString& ruta, const ContenidoFichero& contenido) {
    QSaveFile fichero(ruta);
    fichero.setDirectWriteFallback(false);
    if (!fichero.open(QIODevice::WriteOnly)) {
        return Fallo{{}, {}, fichero.errorString()};
    }
    const QByteArray bytes = bytesFicheroDatos(contenido);
    if (fichero.write(bytes) != bytes.size()) {
        const QString sistema = fichero.errorString();
        fichero.cancelWriting();
        return Fallo{{}, {}, sistema};
    }
    if (!fichero.commit()) {
        return Fallo{{}, {}, fichero.errorString()};
    }
    return {};
}

QString textoPotencias(const TablaPotencias& potencias) {
    QString texto;
    for (int p = potenciaMinima; p <= potenciaMaxima; ++p) {
        if (dePotencia(potencias, p) == 1) {
            texto += QLatin1Char(' ') + QString::number(p);
        }
    }
    return texto;
}

QString sinBlancosIniciales(const QString& texto) {
    qsizetype i = 0;
    while (i < texto.size() && texto[i] == QLatin1Char(' ')) {
        ++i;
    }
    return texto.mid(i);
}

bool LectorPalabras::leeCaracter(char& c) {
    if (posicion_ >= bytes_.size()) {
        return false;
    }
    c = bytes_[posicion_++];
    return true;
}

std::optional<QString> LectorPalabras::leeLinea() {
    if (posicion_ >= bytes_.size()) {
        return std::nullopt;
    }
    // The whole line, without its end.
    qsizetype fin = bytes_.indexOf('\n', posicion_);
    const qsizetype siguiente = fin < 0 ? bytes_.size() : fin + 1;
    if (fin < 0) {
        fin = bytes_.size();
    }
    if (fin > posicion_ && bytes_[fin - 1] == '\r') {
        --fin;
    }
    const QString linea = QString::fromLatin1(bytes_.mid(posicion_, fin - posicion_));
    posicion_ = siguiente;
    return linea;
}

std::optional<Palabra> LectorPalabras::leepalabra() {
    if (actual_ == ' ') {
        do {
            if (!leeCaracter(actual_)) {
                return std::nullopt;
            }
        } while (actual_ == ' ');
        --posicion_;
    }
    Palabra palabra;
    QByteArray texto;
    while (true) {
        if (actual_ == ' ' && !texto.isEmpty()) {
            palabra.fin = FinPalabra::Blanco;
            break;
        }
        if (!leeCaracter(actual_)) {
            // A last word without line end still counts; nothing at all is the end.
            if (texto.isEmpty()) {
                return std::nullopt;
            }
            palabra.fin = FinPalabra::FinFichero;
            break;
        }
        if (actual_ == '\r' || actual_ == '\n') {
            palabra.fin = FinPalabra::FinLinea;
            break;
        }
        // Blanks before a word (a line that starts with blanks) do not make an empty word:
        // only a line end does, and that is what ends the powers list.
        if (actual_ == ' ' && !texto.isEmpty()) {
            palabra.fin = FinPalabra::Blanco;
            break;
        }
        if (actual_ != ' ') {
            texto += actual_;
        }
    }
    // Over the line feed of a CR LF pair; an LF alone has already ended the line.
    if (palabra.fin == FinPalabra::FinLinea && actual_ == '\r' && posicion_ < bytes_.size() &&
        bytes_[posicion_] == '\n') {
        ++posicion_;
    }
    palabra.texto = QString::fromLatin1(texto);
    return palabra;
}

FicheroLeido leeFicheroDatos(const QByteArray& bytes, char& caracteractual) {
    FicheroLeido leido;
    LectorPalabras lector(bytes, caracteractual);
    leido.titulo = lector.leeLinea();
    if (!leido.titulo) {
        return leido;
    }
    leido.potencias.emplace();
    for (int i = 0; i < numPotencias; ++i) {
        const auto palabra = lector.leepalabra();
        if (!palabra) {
            return leido;
        }
        if (palabra->texto.isEmpty()) {
            break;
        }
        const auto p = potenciaDePalabra(palabra->texto);
        if (!p) {
            return leido;
        }
        leido.potencias->push_back(*p);
        // A powers line written without its trailing blank still ends at its line end.
        if (palabra->fin != FinPalabra::Blanco) {
            break;
        }
        // After all 30 powers the trailing blank still leaves the line's empty last word,
        // which must not be taken for the first mass; anything else there is a 31st power.
        if (i + 1 == numPotencias) {
            const auto fin = lector.leepalabra();
            if (!fin || !fin->texto.isEmpty()) {
                return leido;
            }
        }
    }
    for (auto* destino : {&leido.masas, &leido.unidades}) {
        for (int i = 0; i < 2; ++i) {
            const auto palabra = lector.leepalabra();
            if (!palabra) {
                return leido;
            }
            destino->push_back(palabra->texto);
        }
    }
    // The table holds the first puntosMaximos points; the rest are only counted, so that the user
    // is told.
    qsizetype palabras = 0;
    while (const auto palabra = lector.leepalabra()) {
        if (leido.celdas.size() < 2 * static_cast<std::size_t>(puntosMaximos)) {
            leido.celdas.push_back(palabra->texto);
        }
        ++palabras;
    }
    leido.puntosEnFichero = static_cast<int>((palabras + 1) / 2);
    return leido;
}

bool esUnidadAtomica(const QString& palabra) {
    return palabra == QLatin1String("ua") || palabra == QLatin1String("UA");
}

} // namespace oscilab
