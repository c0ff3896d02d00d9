// The front end's data-file reader on any bytes, then a save and reread of what it read:
// a document made of those values (as the main window would save it) reads back the same.
#include "compartido/dimensiones.h"
#include "modelo/fichero_datos.h"

#include <QStringList>

#include <cstddef>
#include <cstdint>

namespace {

using namespace oscilab;

// A word the table or a text box could hold: not empty, no blank, no line end.
QString comoPalabra(const QString& texto) {
    QString palabra = texto;
    palabra.remove(QLatin1Char(' ')).remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    return palabra.isEmpty() ? QStringLiteral("0") : palabra;
}

// A title that the title line keeps as it is: no comma, quote or line end, no blank at the
// start (the reader drops those).
QString comoTitulo(const QString& texto) {
    QString titulo = texto;
    for (QChar c : {QLatin1Char(','), QLatin1Char('"'), QLatin1Char('\r'), QLatin1Char('\n')}) {
        titulo.remove(c);
    }
    while (titulo.startsWith(QLatin1Char(' '))) {
        titulo.remove(0, 1);
    }
    return titulo;
}

ContenidoFichero documentoDe(const FicheroLeido& leido) {
    ContenidoFichero contenido;
    contenido.titulo = comoTitulo(leido.titulo.value_or(QString()));
    TablaPotencias incluidas{};
    for (int p : leido.potencias.value_or(std::vector<int>{})) {
        dePotencia(incluidas, p) = 1;
    }
    contenido.lineaPotencias = sinBlancosIniciales(textoPotencias(incluidas));
    contenido.masa1 = comoPalabra(leido.masas.size() > 0 ? leido.masas[0] : QString());
    contenido.masa2 = comoPalabra(leido.masas.size() > 1 ? leido.masas[1] : QString());
    contenido.distanciaUA = leido.unidades.size() > 0 && esUnidadAtomica(leido.unidades[0]);
    contenido.energiaUA = leido.unidades.size() > 1 && esUnidadAtomica(leido.unidades[1]);
    for (std::size_t i = 0; i + 1 < leido.celdas.size(); i += 2) {
        contenido.puntos.emplace_back(comoPalabra(leido.celdas[i]),
                                      comoPalabra(leido.celdas[i + 1]));
    }
    return contenido;
}

void compruebaRelectura(const ContenidoFichero& guardado) {
    const QByteArray bytes = bytesFicheroDatos(guardado);
    char actual = ' ';
    const FicheroLeido releido = leeFicheroDatos(bytes, actual);
    std::vector<int> potencias;
    for (const QString& p : guardado.lineaPotencias.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        potencias.push_back(p.toInt());
    }
    std::vector<QString> celdas;
    for (const auto& [r, v] : guardado.puntos) {
        celdas.push_back(r);
        celdas.push_back(v);
    }
    const bool igual = releido.titulo == guardado.titulo && releido.potencias == potencias &&
                       releido.masas == std::vector<QString>{guardado.masa1, guardado.masa2} &&
                       releido.unidades.size() == 2 &&
                       esUnidadAtomica(releido.unidades[0]) == guardado.distanciaUA &&
                       esUnidadAtomica(releido.unidades[1]) == guardado.energiaUA &&
                       releido.celdas == celdas;
    if (!igual) {
        __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    const QByteArray bytes(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(tamano));
    char actual = ' ';
    const FicheroLeido leido = leeFicheroDatos(bytes, actual);
    if (leido.celdas.size() > 2u * puntosMaximos || leido.masas.size() > 2 ||
        leido.unidades.size() > 2) {
        __builtin_trap();
    }
    if (leido.potencias) {
        compruebaRelectura(documentoDe(leido));
    }
    return 0;
}
