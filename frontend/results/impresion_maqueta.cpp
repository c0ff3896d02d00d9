#include "results/impresion_maqueta.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace oscilab {

using namespace maqueta;

QString tituloPrograma() {
    return QCoreApplication::translate("impresion_maqueta",
                                       "Programa OSCILAB     Versión: Septiembre 2002");
}

QString subtituloPrimeraPagina(const QString& nombrebase, const QDate& fecha) {
    return QCoreApplication::translate("impresion_maqueta", "Archivo: ") + nombrebase +
           QCoreApplication::translate("impresion_maqueta", "     Fecha: ") +
           fecha.toString(QStringLiteral("MM-dd-yyyy"));
}

QRectF areaImprimible(QSizeF hoja, QMarginsF margenesImpresora) {
    const double izquierda = std::max(margenesImpresora.left(), kMargenSeguro);
    const double arriba = std::max(margenesImpresora.top(), kMargenSeguro);
    const double derecha = std::max(margenesImpresora.right(), kMargenSeguro);
    const double abajo = std::max(margenesImpresora.bottom(), kMargenSeguro);
    return QRectF(izquierda, arriba, std::max(hoja.width() - izquierda - derecha, 1.0),
                  std::max(hoja.height() - arriba - abajo, 1.0));
}

EncajePagina encajaEnArea(QSizeF hoja, const QRectF& area) {
    EncajePagina e;
    if (hoja.isEmpty()) {
        return e;
    }
    e.escala = std::min({area.width() / hoja.width(), area.height() / hoja.height(), 1.0});
    e.dx = area.left() + (area.width() - e.escala * hoja.width()) / 2.0;
    e.dy = area.top() + (area.height() - e.escala * hoja.height()) / 2.0;
    return e;
}

void MaquetaInforme::imprime(const QString& texto, bool finLinea) {
    if (!texto.trimmed().isEmpty()) {
        s_.texto(x_, y_, texto);
    }
    x_ += s_.anchoTexto(texto);
    if (finLinea) {
        x_ = 0.0;
        y_ += std::max(s_.altoLinea(), 1.0); // a broken font must not stall the page filling
    }
}

void MaquetaInforme::imprimecabecera(const QString& titulo, const QString& subtitulo) {
    imprime(QStringLiteral(" "), true);
    imprime(QStringLiteral(" "), true);
    x_ = (s_.anchoPagina() - s_.anchoTexto(titulo)) / 2.0;
    imprime(titulo, true);
    if (!subtitulo.isEmpty()) {
        imprime(QStringLiteral(" "), true);
        x_ = (s_.anchoPagina() - s_.anchoTexto(subtitulo)) / 2.0;
        imprime(subtitulo, true);
    }
    imprime(QStringLiteral(" "), true);
    finLinea();
}

void MaquetaInforme::imprimepie(bool ultima) {
    finLinea();
    const QString pie =
        QCoreApplication::translate("impresion_maqueta", "Página: ") + QString::number(pagina_);
    x_ = (s_.anchoPagina() - s_.anchoTexto(pie)) / 2.0;
    imprime(pie, true);
    if (!ultima) {
        s_.nuevaPagina();
        ++pagina_;
        x_ = 0.0;
        y_ = 0.0;
    }
}

void MaquetaInforme::imprimegrafico(const GraficoImpreso& grafico) {
    y_ += kHuecoGrafico;
    s_.imagen(x_, y_, grafico.ancho, grafico.alto, grafico.imagen);
    y_ = kTextoConGrafico;
}

void MaquetaInforme::saltoDePagina(const QString& titulo) {
    imprimepie();
    y_ = kCabecera;
    imprimecabecera(titulo, QStringLiteral(" "));
    x_ = kMargenIzquierdo;
}

// After a line ends inside the report: a new page once the bottom reserve is reached.
void MaquetaInforme::finDeLineaEnTexto(const QString& titulo) {
    if (y_ > s_.altoPagina() - kReservaInferior) {
        saltoDePagina(titulo);
    } else {
        x_ = kMargenIzquierdo;
    }
}

// The next multiple of ten cells counted from the left margin.
void MaquetaInforme::tabulador() {
    const double w = s_.anchoTexto(QStringLiteral("0"));
    if (w <= 0.0) {
        return;
    }
    const auto c = static_cast<long long>(std::nearbyint((x_ - kMargenIzquierdo) / w));
    x_ = kMargenIzquierdo + double(c - c % kCeldasTabulador + kCeldasTabulador) * w;
}

void MaquetaInforme::imprimeinforme(const QString& texto, const QString& titulo,
                                    const QString& subtitulo, const GraficoImpreso* grafico) {
    x_ = 0.0;
    y_ = kCabecera;
    imprimecabecera(titulo, subtitulo);
    if (grafico != nullptr) {
        imprimegrafico(*grafico);
    }
    x_ = kMargenIzquierdo;
    const qsizetype n = texto.size();
    qsizetype i = 0;
    while (i < n) {
        const qsizetype inicio = i;
        while (i < n && texto[i].unicode() > u' ') {
            ++i;
        }
        const QString palabra = texto.mid(inicio, i - inicio);
        if (x_ + s_.anchoTexto(palabra) > s_.anchoPagina()) {
            finLinea();
            finDeLineaEnTexto(titulo);
        }
        if (palabra == QStringLiteral(".../...")) {
            y_ = s_.altoPagina() - kReservaInferior;
            saltoDePagina(titulo);
            continue; // the separators after it come with the next pass
        }
        imprime(palabra, false);
        for (; i < n && texto[i].unicode() <= u' '; ++i) {
            switch (texto[i].unicode()) {
            case u' ':
                imprime(QStringLiteral(" "), false);
                break;
            case u'\n':
                finLinea();
                finDeLineaEnTexto(titulo);
                break;
            case u'\t':
                tabulador();
                break;
            default:
                break; // carriage returns and other controls print nothing
            }
        }
    }
    while (y_ < s_.altoPagina() - kReservaInferior) {
        finLinea();
    }
    imprimepie(true);
}

std::vector<RegistroImpresion::Evento> RegistroImpresion::textos() const {
    std::vector<Evento> t;
    for (const auto& e : eventos) {
        if (e.tipo == Tipo::Texto) {
            t.push_back(e);
        }
    }
    return t;
}

std::vector<RegistroImpresion::Evento> RegistroImpresion::textosDePagina(int pagina) const {
    std::vector<Evento> t;
    for (const auto& e : textos()) {
        if (e.pagina == pagina) {
            t.push_back(e);
        }
    }
    return t;
}

} // namespace oscilab
