#include "import/importar_texto.h"

#include "compartido/dimensiones.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace oscilab {

namespace {

// A point line is a few dozen characters; anything far longer is not a point file.
constexpr qsizetype kLineaMaxima = 64 * 1024;

// Only blanks are trimmed: tabs and other characters stay.
QString quitaEspacios(const QString& s) {
    qsizetype inicio = 0;
    qsizetype fin = s.size();
    while (inicio < fin && s[inicio] == u' ') {
        ++inicio;
    }
    while (fin > inicio && s[fin - 1] == u' ') {
        --fin;
    }
    return s.mid(inicio, fin - inicio);
}

bool tieneCifra(const QString& s) {
    return std::any_of(s.begin(), s.end(), [](QChar c) { return c.isDigit(); });
}

QString causaLinea(int linea, const QString& que) {
    return QCoreApplication::translate("importar_texto", "Línea %1: %2").arg(linea).arg(que);
}

QString ceroSiVacio(const QString& s) {
    return s.isEmpty() ? QStringLiteral("0") : s;
}

// The files are 8-bit ANSI; a line that is valid UTF-8 is taken as such, so that files
// written on this platform keep their accents.
QString decodificaLinea(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texto = utf8.decode(bytes);
    if (!utf8.hasError()) {
        return texto;
    }
    return QString::fromLatin1(bytes);
}

// Sequential line reader: a line ends at CR, CR LF or a lone LF (files written on this
// platform end their lines with LF alone); CR LF is one line end, not two.
class LectorLineas {
public:
    explicit LectorLineas(QFile& fichero) : fichero_(fichero) {}

    bool alFinal() {
        rellena();
        return pos_ >= bufer_.size();
    }

    // std::nullopt on a read error or an overlong line.
    std::optional<QByteArray> leeLinea() {
        QByteArray linea;
        for (;;) {
            if (!rellena()) {
                return std::nullopt;
            }
            if (pos_ >= bufer_.size()) {
                return linea; // end of file ends the last line
            }
            const char c = bufer_[pos_++];
            if (c == '\r') {
                if (rellena() && pos_ < bufer_.size() && bufer_[pos_] == '\n') {
                    ++pos_;
                }
                return linea;
            }
            if (c == '\n') {
                return linea;
            }
            linea.append(c);
            if (linea.size() > kLineaMaxima) {
                return std::nullopt;
            }
        }
    }

private:
    bool rellena() {
        if (pos_ < bufer_.size() || error_) {
            return !error_;
        }
        bufer_ = fichero_.read(16 * 1024);
        pos_ = 0;
        if (fichero_.error() != QFileDevice::NoError) {
            error_ = true;
        }
        return !error_;
    }

    QFile& fichero_;
    QByteArray bufer_;
    qsizetype pos_ = 0;
    bool error_ = false;
};

} // namespace

std::optional<CamposLinea> camposDeLinea(const QString& linea, const QString& delimitador) {
    if (linea.isEmpty()) {
        return std::nullopt;
    }
    QStringList campos;
    if (delimitador.isEmpty()) {
        campos << linea; // nothing to split at: one field
    } else {
        campos = linea.split(delimitador, Qt::KeepEmptyParts, Qt::CaseInsensitive);
    }
    if (delimitador == QStringLiteral(" ")) {
        // Runs of blanks separate nothing: the first two non-empty fields are the values.
        int hallados = 0;
        for (qsizetype i = 0; i < campos.size() && hallados < 2; ++i) {
            if (!campos[i].isEmpty()) {
                campos[hallados] = campos[i];
                ++hallados;
            }
        }
    }
    CamposLinea resultado;
    resultado.r = quitaEspacios(ceroSiVacio(campos[0]));
    if (campos.size() >= 2) {
        resultado.v = quitaEspacios(ceroSiVacio(campos[1]));
    }
    return resultado;
}

QString delimitadorReal(const QString& elegido) {
    return elegido == QLatin1String("Tab") ? QStringLiteral("\t") : elegido;
}

ResultadoImportacion importartexto(const QString& ruta, const QString& delimitador) {
    CeldasImportadas resultado;
    QFile fichero(ruta); // closed by its destructor on every path
    if (!fichero.open(QIODevice::ReadOnly)) {
        return importacionFallida({}, fichero.errorString());
    }
    QString d = delimitadorReal(delimitador);
    const auto falla = [](int linea, const QString& que) {
        return importacionFallida(causaLinea(linea, que));
    };
    LectorLineas lector(fichero);
    int linea = 0;
    int n = 0;
    while (!lector.alFinal()) {
        const auto bytes = lector.leeLinea();
        ++linea;
        if (!bytes) {
            return falla(linea, QCoreApplication::translate("importar_texto", "no se puede leer"));
        }
        QByteArray contenido = *bytes;
        if (linea == 1 && contenido.startsWith("\xEF\xBB\xBF")) {
            contenido.remove(0, 3); // a UTF-8 byte order mark is not part of the first value
        }
        const QString texto = decodificaLinea(contenido);
        if (n == 0 && !tieneCifra(texto)) {
            continue; // a heading before the points
        }
        // Spanish spreadsheets write "1,5;-0,25": with the comma chosen, a ";" in the first
        // point line is the real separator and the commas are decimal signs.
        if (n == 0 && d == QStringLiteral(",") && texto.contains(QLatin1Char(';'))) {
            d = QStringLiteral(";");
        }
        ++n;
        if (n > puntosMaximos) {
            return falla(linea, QCoreApplication::translate("importar_texto",
                                                            "la tabla admite %1 puntos como máximo")
                                    .arg(puntosMaximos));
        }
        resultado.filasVisitadas.push_back(n);
        const auto campos = camposDeLinea(texto, d);
        if (!campos) {
            return falla(linea, QCoreApplication::translate("importar_texto", "está vacía"));
        }
        resultado.celdas.push_back({n, 1, campos->r});
        if (!campos->v) {
            return falla(linea,
                         QCoreApplication::translate("importar_texto",
                                                     "«%1» no tiene dos valores separados por «%2»")
                             .arg(texto, delimitador));
        }
        resultado.celdas.push_back({n, 2, *campos->v});
    }
    return resultado;
}

} // namespace oscilab
