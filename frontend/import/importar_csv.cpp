#include "import/importar_csv.h"

#include "import/filas_hoja.h"
#include "import/xml_libro.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace oscilab {

namespace {

// Far more than leading titles and 50 points need; a longer file is read this far.
constexpr qint64 kLecturaMaxima = 1024 * 1024;

char separadorDe(const QByteArray& datos) {
    const qsizetype fin = datos.indexOf('\n');
    const QByteArray primera = fin < 0 ? datos : datos.left(fin);
    if (primera.contains(';')) {
        return ';';
    }
    return primera.contains('\t') ? '\t' : ',';
}

// Files written here are UTF-8; others are taken as Latin-1, like the text import's.
QString decodifica(const QByteArray& bytes) {
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; })) {
        return QString::fromLatin1(bytes); // plain ASCII, the usual case
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texto = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : texto;
}

// Splits `datos` into records and hands the first two fields of each to `colector`.
// Returns false on a damaged record (an unterminated quote, an overlong field).
class LectorCsv {
public:
    LectorCsv(const QByteArray& datos, char separador) : datos_(datos), separador_(separador) {}

    bool lee(ColectorFilas& colector) {
        while (pos_ < datos_.size()) {
            ++registro_;
            const auto fila = leeRegistro();
            if (!fila) {
                return false;
            }
            if (!colector.anade(*fila)) {
                return true;
            }
        }
        return true;
    }
    int registro() const { return registro_; } // the last record read, from 1

private:
    std::optional<FilaHoja> leeRegistro() {
        int campo = 0;
        QByteArray textos[2];
        QByteArray actual;
        bool comillas = false;
        while (pos_ < datos_.size()) {
            const char c = datos_[pos_++];
            if (comillas) {
                if (c != '"') {
                    actual += c;
                } else if (pos_ < datos_.size() && datos_[pos_] == '"') {
                    actual += '"';
                    ++pos_;
                } else {
                    comillas = false;
                }
            } else if (c == '"' && actual.trimmed().isEmpty()) {
                comillas = true;
                actual.clear();
            } else if (c == separador_ || c == '\r' || c == '\n') {
                if (campo < 2) {
                    textos[campo] = actual;
                }
                ++campo;
                actual.clear();
                if (c != separador_) {
                    if (c == '\r' && pos_ < datos_.size() && datos_[pos_] == '\n') {
                        ++pos_;
                    }
                    return fila(textos);
                }
            } else {
                actual += c;
            }
            if (actual.size() > kTextoCeldaMaximo) {
                return std::nullopt;
            }
        }
        if (comillas) {
            return std::nullopt;
        }
        if (campo < 2) {
            textos[campo] = actual;
        }
        return fila(textos);
    }

    static FilaHoja fila(const QByteArray (&textos)[2]) {
        return {decodifica(textos[0]).trimmed(), decodifica(textos[1]).trimmed()};
    }

    const QByteArray& datos_;
    char separador_;
    qsizetype pos_ = 0;
    int registro_ = 0;
};

} // namespace

ResultadoImportacion importarcsv(const QString& ruta) {
    QFile fichero(ruta);
    if (!fichero.open(QIODevice::ReadOnly)) {
        return importacionFallida(
            QCoreApplication::translate("importar_csv", "No se puede abrir: %1.")
                .arg(fichero.errorString()));
    }
    // Asked for no more than the file holds: read(n) sets aside n bytes first, and a
    // megabyte per import was most of the work for a file of a few lines.
    QByteArray datos = fichero.read(std::min(fichero.size(), kLecturaMaxima) + 1);
    if (fichero.error() != QFileDevice::NoError) {
        return importacionFallida(
            QCoreApplication::translate("importar_csv", "No se puede leer: %1.")
                .arg(fichero.errorString()));
    }
    const bool completo = datos.size() <= kLecturaMaxima;
    datos.truncate(kLecturaMaxima);
    if (datos.startsWith("\xEF\xBB\xBF")) {
        datos.remove(0, 3);
    }
    ColectorFilas colector;
    LectorCsv lector(datos, separadorDe(datos));
    if (!lector.lee(colector)) {
        return importacionFallida(
            QCoreApplication::translate("importar_csv",
                                        "El registro %1 está dañado: unas comillas sin "
                                        "cerrar o un campo de más de %2 caracteres.")
                .arg(lector.registro())
                .arg(kTextoCeldaMaximo));
    }
    ResultadoImportacion resultado = colector.resultado();
    if (!completo && resultado.ok()) {
        // The part read did not reach the points' end.
        return importacionFallida(QCoreApplication::translate(
                                      "importar_csv", "Pasa de %1 bytes sin que acaben los puntos.")
                                      .arg(kLecturaMaxima));
    }
    return resultado;
}

} // namespace oscilab
