#include "curva.h"

#include "compartido/formato_numeros.h"

#include <QCoreApplication>
#include <QFile>

namespace oscilab {

namespace {

// Free-format fields: separated by commas, blanks, tabs or line ends.
class Campos {
public:
    explicit Campos(const QByteArray& texto) : texto_(texto) {}

    std::optional<QByteArray> siguiente() {
        while (pos_ < texto_.size() && esSeparador(texto_[pos_])) {
            ++pos_;
        }
        if (pos_ >= texto_.size()) {
            return std::nullopt;
        }
        const qsizetype inicio = pos_;
        while (pos_ < texto_.size() && !esSeparador(texto_[pos_])) {
            ++pos_;
        }
        ++leidos_;
        return texto_.mid(inicio, pos_ - inicio);
    }

    int leidos() const { return leidos_; }

private:
    static bool esSeparador(char c) {
        return c == ' ' || c == ',' || c == '\t' || c == '\r' || c == '\n';
    }

    const QByteArray& texto_;
    qsizetype pos_ = 0;
    int leidos_ = 0;
};

QString faltaDato(const QString& que) {
    return QCoreApplication::translate("curva", "El fichero de la curva está incompleto: falta %1.")
        .arg(que);
}

QString noNumerico(const QByteArray& campo, const QString& que) {
    return QCoreApplication::translate(
               "curva", "El fichero de la curva contiene un valor no numérico (\"%1\") en "
                        "lugar de %2.")
        .arg(QString::fromLatin1(campo), que);
}

// Reads one number into `valor`; on failure stores the message in `error`.
bool leeValor(Campos& campos, double& valor, const QString& que, QString& error) {
    const auto campo = campos.siguiente();
    if (!campo) {
        error = faltaDato(que);
        return false;
    }
    const auto numero = numeroCompleto(*campo);
    if (!numero) {
        error = noNumerico(*campo, que);
        return false;
    }
    valor = *numero;
    return true;
}

} // namespace

LecturaCurva leecurvaTexto(const QByteArray& contenido, int npuntos) {
    LecturaCurva lectura;
    DatosCurva& d = lectura.datos;
    if (npuntos < 0 || npuntos > puntosMaximos) {
        lectura.error = QCoreApplication::translate(
                            "curva", "El número de puntos del documento (%1) no es válido para "
                                     "leer el fichero de la curva.")
                            .arg(npuntos);
        return lectura;
    }
    Campos campos(contenido);
    for (int i = 1; i <= npuntos; ++i) {
        Punto p;
        const QString que = QCoreApplication::translate("curva", "el punto %1").arg(i);
        if (!leeValor(campos, p.r, que, lectura.error) ||
            !leeValor(campos, p.v, que, lectura.error)) {
            return lectura;
        }
        d.puntos.push_back(p);
    }
    for (int k = potenciaMinima; k <= potenciaMaxima; ++k) {
        if (!leeValor(campos, dePotencia(d.coeficientes, k),
                      QCoreApplication::translate("curva", "el coeficiente de R^%1").arg(k),
                      lectura.error)) {
            return lectura;
        }
    }
    const QString queError = QCoreApplication::translate("curva", "el error de las energías");
    const auto campoError = campos.siguiente();
    if (!campoError) {
        lectura.error = faltaDato(queError);
        return lectura;
    }
    if (*campoError != "Infinity") {
        const auto numero = numeroCompleto(*campoError);
        if (!numero) {
            lectura.error = noNumerico(*campoError, queError);
            return lectura;
        }
        d.errorenergia = *numero;
    }
    if (!leeValor(campos, d.anchonivel,
                  QCoreApplication::translate("curva", "la anchura de los niveles"),
                  lectura.error)) {
        return lectura;
    }
    while (auto campo = campos.siguiente()) {
        const auto numero = numeroCompleto(*campo);
        if (!numero) {
            lectura.error = noNumerico(*campo, QCoreApplication::translate("curva", "un nivel"));
            return lectura;
        }
        if (static_cast<int>(d.niveles.size()) == maxNivelesCurva) {
            lectura.error = QCoreApplication::translate(
                                "curva", "El fichero de la curva contiene más de %1 niveles; "
                                         "sólo se muestran los %1 primeros.")
                                .arg(maxNivelesCurva);
            return lectura;
        }
        d.niveles.push_back(*numero);
    }
    return lectura;
}

LecturaCurva leecurva(const QString& ruta, int npuntos) {
    QFile fichero(ruta);
    if (!fichero.open(QIODevice::ReadOnly)) {
        LecturaCurva lectura;
        lectura.error =
            QCoreApplication::translate("curva", "No se puede leer el fichero de la curva %1.")
                .arg(ruta);
        return lectura;
    }
    const QByteArray contenido = fichero.readAll();
    fichero.close();
    fichero.remove();
    return leecurvaTexto(contenido, npuntos);
}

} // namespace oscilab
