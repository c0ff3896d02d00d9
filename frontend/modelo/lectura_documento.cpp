#include "lectura_documento.h"

#include "compartido/textos_numero.h"

#include <QCoreApplication>
#include <QStringList>

namespace oscilab {

namespace {

// What is wrong with the file, told at its line: "Línea 2: ...".
Fallo enLinea(int linea, const QString& motivo) {
    return Fallo{
        QCoreApplication::translate("lectura_documento", "Línea %1: %2.").arg(linea).arg(motivo)};
}

QStringList palabras(const QString& linea) {
    return linea.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// A text file holds no control characters but tab; a picture or an archive does.
bool esTexto(const QByteArray& linea) {
    for (const char c : linea) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && u != '\t') || (u >= 0x7F && u < 0xA0)) {
            return false;
        }
    }
    return true;
}

std::optional<int> potencia(const QString& palabra) {
    bool ok = false;
    const int p = palabra.toInt(&ok);
    if (!ok || p < potenciaMinima || p > potenciaMaxima) {
        return std::nullopt;
    }
    return p;
}

std::optional<Distancia> distanciaDe(const QString& palabra) {
    const QString p = palabra.toLower();
    if (p == QLatin1String("ua") || p == QLatin1String("bohr")) {
        return Distancia::Bohr;
    }
    if (p == QLatin1String("angstrom")) {
        return Distancia::Angstrom;
    }
    return std::nullopt;
}

std::optional<Energia> energiaDe(const QString& palabra) {
    const QString p = palabra.toLower();
    if (p == QLatin1String("ua") || p == QLatin1String("hartree")) {
        return Energia::Hartree;
    }
    if (p == QLatin1String("ev")) {
        return Energia::Ev;
    }
    return std::nullopt;
}

// Reads the lines after the title into `d`; the first failure is returned.
Resultado<void> leeCabecera(const QList<QString>& lineas, DatosDocumento& d) {
    // The first of lines 2 to 4 that is missing, if it is line `i`.
    const auto falta = [&lineas](int i) -> Resultado<void> {
        const char* partes[] = {"potencias", "masas", "unidades"};
        if (lineas.size() >= i) {
            return {};
        }
        return enLinea(i, QCoreApplication::translate("lectura_documento",
                                                      "el archivo termina antes de la línea de %1")
                              .arg(QLatin1String(partes[i - 2])));
    };
    if (auto hecho = falta(2); !hecho.ok()) {
        return hecho;
    }
    d.potencias = {};
    for (const QString& palabra : palabras(lineas[1])) {
        const auto p = potencia(palabra);
        if (!p) {
            return enLinea(2, QCoreApplication::translate(
                                  "lectura_documento", "«%1» no es una potencia entera de %2 a %3")
                                  .arg(palabra)
                                  .arg(potenciaMinima)
                                  .arg(potenciaMaxima));
        }
        dePotencia(d.potencias, *p) = 1;
    }
    if (auto hecho = falta(3); !hecho.ok()) {
        return hecho;
    }
    const QStringList masas = palabras(lineas[2]);
    if (masas.size() != 2 || !valorCompleto(masas[0]) || !valorCompleto(masas[1])) {
        return enLinea(3, QCoreApplication::translate("lectura_documento",
                                                      "se esperaban las dos masas atómicas"));
    }
    d.masas = {masas[0], masas[1]};
    if (auto hecho = falta(4); !hecho.ok()) {
        return hecho;
    }
    const QStringList unidades = palabras(lineas[3]);
    const auto distancia = unidades.size() == 2 ? distanciaDe(unidades[0]) : std::nullopt;
    const auto energia = unidades.size() == 2 ? energiaDe(unidades[1]) : std::nullopt;
    if (!distancia || !energia) {
        return enLinea(
            4, QCoreApplication::translate("lectura_documento",
                                           "se esperaban las unidades (UA o Angstrom, UA o eV)"));
    }
    d.distancia = *distancia;
    d.energia = *energia;
    return {};
}

} // namespace

Resultado<DatosDocumento> leeDocumento(const QByteArray& bytes) {
    QList<QString> lineas;
    const QList<QByteArray> crudas = bytes.split('\n');
    for (qsizetype i = 0; i < crudas.size(); ++i) {
        QByteArray linea = crudas[i];
        if (linea.endsWith('\r')) {
            linea.chop(1);
        }
        if (!esTexto(linea)) {
            return enLinea(static_cast<int>(i) + 1,
                           QCoreApplication::translate(
                               "lectura_documento", "no es texto: el archivo no es un documento"));
        }
        // The empty piece after the last line end is no line.
        if (i + 1 < crudas.size() || !linea.isEmpty()) {
            lineas.push_back(QString::fromLatin1(linea));
        }
    }
    if (lineas.isEmpty()) {
        return enLinea(1,
                       QCoreApplication::translate("lectura_documento", "el archivo está vacío"));
    }
    DatosDocumento d;
    d.titulo = lineas[0];
    if (auto cabecera = leeCabecera(lineas, d); !cabecera.ok()) {
        return cabecera.fallo();
    }
    std::size_t fila = 0;
    for (qsizetype i = 4; i < lineas.size(); ++i) {
        const QStringList punto = palabras(lineas[i]);
        if (punto.isEmpty()) {
            continue;
        }
        const int numero = static_cast<int>(i) + 1;
        const auto r = punto.size() == 2 ? valorCompleto(punto[0]) : std::nullopt;
        const auto v = punto.size() == 2 ? valorCompleto(punto[1]) : std::nullopt;
        if (!r || !v) {
            return enLinea(numero,
                           QCoreApplication::translate("lectura_documento",
                                                       "se esperaba un punto, dos números R V"));
        }
        if (fila == d.filas.size()) {
            return enLinea(numero,
                           QCoreApplication::translate("lectura_documento", "hay más de %1 puntos")
                               .arg(puntosMaximos));
        }
        d.filas[fila++] = {Celda{*r, std::nullopt}, Celda{*v, std::nullopt}};
    }
    return d;
}

} // namespace oscilab
