#include "masas_atomos.h"

#include "compartido/isotopos.h"
#include "compartido/textos_numero.h"
#include "modelo/elementos.h"

#include <QCoreApplication>

namespace oscilab {

namespace {

QString textoAbundancia(double porCiento) {
    return QString::number(porCiento, 'g', 6) + QStringLiteral(" %");
}

OpcionMasa opcionIsotopo(const Elemento& e, const Isotopo& i) {
    const QString etiqueta = etiquetaIsotopo(i.A, e.simbolo);
    OpcionMasa o{i.textoMasa, e.nombre, etiqueta + QLatin1Char(' ') + i.textoMasa, QString()};
    o.descripcion = o.etiqueta + QStringLiteral(" u");
    if (i.abundancia) {
        o.descripcion += QStringLiteral("   (") + textoAbundancia(*i.abundancia) + QLatin1Char(')');
    }
    return o;
}

OpcionMasa opcionPesoEstandar(const Elemento& e, const ElementoIsotopos& datos) {
    return {datos.textoPeso, e.nombre, e.simbolo + QLatin1Char(' ') + datos.textoPeso,
            QCoreApplication::translate("masas_atomos", "Peso atómico estándar: %1 u")
                .arg(datos.textoPeso)};
}

} // namespace

std::vector<OpcionMasa> opcionesMasa(int z, const TablaIsotopos* datos) {
    const Elemento e = elemento(z);
    const ElementoIsotopos* suyos = datos != nullptr ? datos->elemento(z) : nullptr;
    if (suyos == nullptr || suyos->textoPeso.isEmpty()) {
        const QString masa = textoGeneralSimple(e.masa);
        return {{masa, e.nombre, masa, masa + QStringLiteral(" u")}};
    }
    std::vector<OpcionMasa> opciones;
    for (const Isotopo& i : datos->naturales(z)) {
        opciones.push_back(opcionIsotopo(e, i));
    }
    opciones.push_back(opcionPesoEstandar(e, *suyos));
    return opciones;
}

QString ayudaElemento(int z, const TablaIsotopos* datos) {
    const Elemento e = elemento(z);
    QString texto = e.nombre + QStringLiteral(" (Z = ") + QString::number(z) + QLatin1Char(')');
    const ElementoIsotopos* suyos = datos != nullptr ? datos->elemento(z) : nullptr;
    if (suyos == nullptr) {
        return texto + QCoreApplication::translate("masas_atomos", "\nMasa atómica: ") +
               textoGeneralSimple(e.masa) + QStringLiteral(" u");
    }
    texto += QCoreApplication::translate("masas_atomos", "\nPeso atómico estándar: %1 u")
                 .arg(suyos->textoPeso);
    const std::vector<Isotopo> naturales = datos->naturales(z);
    if (naturales.empty()) {
        return texto + QCoreApplication::translate("masas_atomos", "\nSin isótopos estables");
    }
    for (const Isotopo& i : naturales) {
        texto += QLatin1Char('\n') + opcionIsotopo(e, i).descripcion;
    }
    return texto;
}

QString nombreDeMasa(const QString& textoMasa, const TablaIsotopos* datos) {
    const std::optional<double> valor = valorCompleto(textoMasa);
    if (!valor) {
        return {};
    }
    if (datos != nullptr) {
        if (const auto i = datos->porMasa(*valor)) {
            return elemento(i->z).nombre;
        }
    }
    const int z = elementoDeMasa(*valor, datos);
    return z != 0 ? elemento(z).nombre : QString();
}

QString isotopoDeMasa(const QString& textoMasa, const TablaIsotopos* datos) {
    const std::optional<double> valor = valorCompleto(textoMasa);
    if (!valor || datos == nullptr) {
        return {};
    }
    const auto i = datos->porMasa(*valor);
    return i ? etiquetaIsotopo(i->isotopo.A, elemento(i->z).simbolo) : QString();
}

int elementoDeMasa(double masa, const TablaIsotopos* datos) {
    if (datos != nullptr) {
        if (const auto i = datos->porMasa(masa)) {
            return i->z;
        }
    }
    // Old documents hold the old table's single-precision weights.
    if (const int z = elementoPorMasa(static_cast<float>(masa)); z != 0) {
        return z;
    }
    for (int z = 1; datos != nullptr && z <= numeroElementos; ++z) {
        const ElementoIsotopos* suyos = datos->elemento(z);
        if (suyos != nullptr && !suyos->textoPeso.isEmpty() &&
            std::abs(suyos->pesoEstandar - masa) <= 1e-6) {
            return z;
        }
    }
    return 0;
}

} // namespace oscilab
