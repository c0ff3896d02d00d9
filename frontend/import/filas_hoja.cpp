#include "import/filas_hoja.h"

#include "compartido/dimensiones.h"

#include <QCoreApplication>
#include <algorithm>
#include <charconv>
#include <cmath>

namespace oscilab {

std::optional<double> numeroDeTexto(QStringView texto) {
    QByteArray bytes = texto.trimmed().toLatin1();
    // A decimal comma ("-0,25", as Spanish spreadsheets write), when it is the only sign.
    if (bytes.count(',') == 1 && !bytes.contains('.')) {
        bytes.replace(',', '.');
    }
    const char* inicio = bytes.constData();
    const char* fin = inicio + bytes.size();
    if (inicio != fin && *inicio == '+') {
        ++inicio;
    }
    double valor = 0.0;
    const auto [resto, error] = std::from_chars(inicio, fin, valor);
    if (inicio == fin || error != std::errc() || resto != fin || !std::isfinite(valor)) {
        return std::nullopt;
    }
    return valor;
}

bool ColectorFilas::anade(const FilaHoja& fila, qint64 veces) {
    if (veces <= 0 || sobran_) {
        return !sobran_;
    }
    if (!empezado_) {
        if (!numeroDeTexto(fila.a) && !numeroDeTexto(fila.b)) {
            return true; // still before the points: the whole stretch is skipped
        }
        empezado_ = true;
    }
    const qint64 libres = static_cast<qint64>(puntosMaximos) - static_cast<qint64>(filas_.size());
    const qint64 caben = std::min(veces, libres);
    filas_.insert(filas_.end(), static_cast<std::size_t>(caben), fila);
    if (veces > caben && !fila.vacia()) {
        sobran_ = true;
        return false;
    }
    // Once the table is full, only another non-empty row can still matter.
    return true;
}

ResultadoImportacion ColectorFilas::resultado() const {
    if (!empezado_) {
        return importacionFallida(QCoreApplication::translate(
            "filas_hoja", "Ninguna fila tiene un número en sus dos primeras columnas."));
    }
    if (sobran_) {
        return importacionFallida(
            QCoreApplication::translate("filas_hoja", "Hay más de %1 puntos: la tabla admite %1.")
                .arg(puntosMaximos));
    }
    CeldasImportadas resultado;
    for (std::size_t i = 0; i < static_cast<std::size_t>(puntosMaximos); ++i) {
        const int fila = static_cast<int>(i) + 1;
        const bool leida = i < filas_.size();
        resultado.celdas.push_back({fila, 1, leida ? filas_[i].a : QString()});
        resultado.celdas.push_back({fila, 2, leida ? filas_[i].b : QString()});
    }
    return resultado;
}

} // namespace oscilab
