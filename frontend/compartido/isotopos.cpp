#include "isotopos.h"

#include <QCoreApplication>
#include <QFile>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

namespace oscilab {

namespace {

using PorNumero = std::map<int, ElementoIsotopos>;

Fallo noSeAbre(const QFile& fichero) {
    return Fallo{
        QCoreApplication::translate("isotopos", "No se pueden leer los datos de isótopos %1")
            .arg(fichero.fileName()),
        {},
        fichero.errorString()};
}

Resultado<void> compruebaLectura(const QXmlStreamReader& xml, const QFile& fichero) {
    if (xml.hasError()) {
        return Fallo{QCoreApplication::translate(
                         "isotopos", "Los datos de isótopos %1 no se pueden leer (línea %2): %3")
                         .arg(fichero.fileName())
                         .arg(xml.lineNumber())
                         .arg(xml.errorString())};
    }
    return {};
}

Resultado<void> leeIsotopos(const QString& ruta, PorNumero& elementos) {
    QFile fichero(ruta);
    if (!fichero.open(QIODevice::ReadOnly)) {
        return noSeAbre(fichero);
    }
    QXmlStreamReader xml(&fichero);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != QLatin1String("isotope")) {
            continue;
        }
        Isotopo isotopo;
        isotopo.A = xml.attributes().value(QStringLiteral("number")).toInt();
        int z = 0;
        while (xml.readNextStartElement()) {
            const QString clave = xml.attributes().value(QStringLiteral("dictRef")).toString();
            const QString error = xml.attributes().value(QStringLiteral("errorValue")).toString();
            const QString texto = xml.readElementText().trimmed();
            if (clave == QLatin1String("bo:exactMass")) {
                isotopo.textoMasa = texto;
                isotopo.masa = texto.toDouble();
                bool ok = false;
                const double incertidumbre = error.toDouble(&ok);
                if (ok) {
                    isotopo.incertidumbre = incertidumbre;
                }
            } else if (clave == QLatin1String("bo:relativeAbundance")) {
                isotopo.abundancia = texto.toDouble();
            } else if (clave == QLatin1String("bo:atomicNumber")) {
                z = texto.toInt();
            }
        }
        if (z > 0 && isotopo.masa > 0.0) {
            elementos[z].isotopos.push_back(isotopo);
        }
    }
    return compruebaLectura(xml, fichero);
}

Resultado<void> leeElementos(const QString& ruta, PorNumero& elementos) {
    QFile fichero(ruta);
    if (!fichero.open(QIODevice::ReadOnly)) {
        return noSeAbre(fichero);
    }
    QXmlStreamReader xml(&fichero);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != QLatin1String("atom")) {
            continue;
        }
        ElementoIsotopos e;
        while (xml.readNextStartElement()) {
            const QString clave = xml.attributes().value(QStringLiteral("dictRef")).toString();
            const QString valor = xml.attributes().value(QStringLiteral("value")).toString();
            const QString texto = xml.readElementText(QXmlStreamReader::SkipChildElements);
            if (clave == QLatin1String("bo:atomicNumber")) {
                e.z = texto.trimmed().toInt();
            } else if (clave == QLatin1String("bo:symbol")) {
                e.simbolo = valor;
            } else if (clave == QLatin1String("bo:mass")) {
                e.textoPeso = texto.trimmed();
                e.pesoEstandar = e.textoPeso.toDouble();
            }
        }
        if (e.z > 0) {
            ElementoIsotopos& destino = elementos[e.z];
            destino.z = e.z;
            destino.simbolo = e.simbolo;
            destino.pesoEstandar = e.pesoEstandar;
            destino.textoPeso = e.textoPeso;
        }
    }
    return compruebaLectura(xml, fichero);
}

} // namespace

Resultado<TablaIsotopos> TablaIsotopos::lee(const QString& ficheroIsotopos,
                                            const QString& ficheroElementos) {
    PorNumero porNumero;
    if (auto leidos = leeIsotopos(ficheroIsotopos, porNumero); !leidos.ok()) {
        return leidos.fallo();
    }
    if (auto leidos = leeElementos(ficheroElementos, porNumero); !leidos.ok()) {
        return leidos.fallo();
    }
    TablaIsotopos tabla;
    for (auto& [z, e] : porNumero) {
        if (z < 1 || e.simbolo.isEmpty()) {
            continue;
        }
        e.z = z;
        std::sort(e.isotopos.begin(), e.isotopos.end(),
                  [](const Isotopo& a, const Isotopo& b) { return a.A < b.A; });
        tabla.elementos_.resize(std::max<std::size_t>(tabla.elementos_.size(), z));
        tabla.elementos_[static_cast<std::size_t>(z - 1)] = std::move(e);
    }
    return tabla;
}

const TablaIsotopos* TablaIsotopos::delSistema() {
    static const std::unique_ptr<TablaIsotopos> tabla = []() -> std::unique_ptr<TablaIsotopos> {
        const QString carpeta = QString::fromLatin1(CARPETA_BODR);
        Resultado<TablaIsotopos> leida = lee(carpeta + QStringLiteral("/isotopes.xml"),
                                             carpeta + QStringLiteral("/elements.xml"));
        return leida.ok() ? std::make_unique<TablaIsotopos>(std::move(leida).valor()) : nullptr;
    }();
    return tabla.get();
}

const ElementoIsotopos* TablaIsotopos::elemento(int z) const {
    if (z < 1 || static_cast<std::size_t>(z) > elementos_.size() ||
        elementos_[static_cast<std::size_t>(z - 1)].z != z) {
        return nullptr;
    }
    return &elementos_[static_cast<std::size_t>(z - 1)];
}

std::vector<Isotopo> TablaIsotopos::naturales(int z) const {
    std::vector<Isotopo> lista;
    if (const ElementoIsotopos* e = elemento(z)) {
        for (const Isotopo& i : e->isotopos) {
            if (i.abundancia && *i.abundancia > 0.0) {
                lista.push_back(i);
            }
        }
    }
    std::stable_sort(lista.begin(), lista.end(), [](const Isotopo& a, const Isotopo& b) {
        return *a.abundancia > *b.abundancia;
    });
    return lista;
}

std::optional<Isotopo> TablaIsotopos::isotopo(int z, int A) const {
    if (const ElementoIsotopos* e = elemento(z)) {
        for (const Isotopo& i : e->isotopos) {
            if (i.A == A) {
                return i;
            }
        }
    }
    return std::nullopt;
}

std::optional<IsotopoDeMasa> TablaIsotopos::porMasa(double masa, double tolerancia) const {
    std::optional<IsotopoDeMasa> mejor;
    double distancia = tolerancia;
    for (const ElementoIsotopos& e : elementos_) {
        for (const Isotopo& i : e.isotopos) {
            if (const double d = std::abs(i.masa - masa); d <= distancia) {
                distancia = d;
                mejor = IsotopoDeMasa{e.z, i};
            }
        }
    }
    return mejor;
}

QString etiquetaIsotopo(int A, const QString& simbolo) {
    static const char16_t volados[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
    QString etiqueta;
    for (const QChar c : QString::number(A)) {
        etiqueta += QChar(volados[c.digitValue()]);
    }
    return etiqueta + simbolo;
}

} // namespace oscilab
