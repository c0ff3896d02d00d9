#include "import/destino_documento.h"

#include "compartido/mensajes.h"
#include "compartido/textos_numero.h"
#include "modelo/documento.h"

#include <QCoreApplication>

namespace oscilab {

Resultado<void> DestinoDocumento::unidadesElegidas() const {
    if (documento_.distancia() == Distancia::SinElegir) {
        return Fallo{QCoreApplication::translate("destino_documento",
                                                 "Debes elegir las unidades para la distancia")};
    }
    if (tabla_ == TablaImportada::Curva && documento_.energia() == Energia::SinElegir) {
        return Fallo{QCoreApplication::translate("destino_documento",
                                                 "Debes elegir las unidades para la energía")};
    }
    return {};
}

void DestinoDocumento::escribeCelda(int fila, int columna, const QString& texto) {
    const auto i = static_cast<std::size_t>(fila - 1);
    if (filas_.size() <= i) {
        filas_.resize(i + 1);
    }
    filas_[i][static_cast<std::size_t>(columna - 1)] = texto;
}

Resultado<void> DestinoDocumento::documentoCambiado() {
    std::vector<std::array<double, 2>> puntos;
    for (std::size_t i = 0; i < filas_.size(); ++i) {
        const auto& [textoR, textoV] = filas_[i];
        if (textoR.trimmed().isEmpty() && textoV.trimmed().isEmpty()) {
            continue;
        }
        const auto r = valorCompleto(textoR);
        const auto v = valorCompleto(textoV);
        if (!r || !v) {
            return Fallo{QCoreApplication::translate(
                             "destino_documento",
                             "La fila %1 de los datos leídos no es un punto: «%2» «%3».\n"
                             "No se ha importado nada.")
                             .arg(i + 1)
                             .arg(textoR, textoV)};
        }
        puntos.push_back({*r, *v});
    }
    const bool dipolo = tabla_ == TablaImportada::Dipolo;
    const int actuales = dipolo ? documento_.numeroPuntosDipolo() : documento_.numeroPuntos();
    const QString pregunta =
        dipolo ? QCoreApplication::translate("destino_documento",
                                             "El momento dipolar ya tiene %1 puntos.\n¿Desea "
                                             "sustituirlos por los %2 puntos importados?")
               : QCoreApplication::translate("destino_documento",
                                             "El documento ya tiene %1 puntos.\n¿Desea "
                                             "sustituirlos por los %2 puntos importados?");
    if (actuales > 0 &&
        mensajes().mostrar(padre_, pregunta.arg(actuales).arg(puntos.size()), tituloImportacion(),
                           IconoMensaje::Pregunta, BotonesMensaje::SiNo) != Respuesta::Si) {
        return {}; // the user keeps the points: nothing failed
    }
    if (dipolo) {
        documento_.importaDipolo(puntos);
    } else {
        documento_.importa(puntos);
    }
    return {};
}

} // namespace oscilab
