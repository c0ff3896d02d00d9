#include "import/importacion.h"

#include "import/importar_excel.h"
#include "import/importar_texto.h"
#include "compartido/dialogos_fichero.h"
#include "compartido/mensajes.h"

namespace oscilab {

QString tituloImportacion() {
    return QStringLiteral("Importar datos");
}

QString mensajeSeleccionCancelada() {
    return QStringLiteral("Seleccion cancelada");
}

QString mensajeErrorImportacion() {
    return QStringLiteral("Se ha producido un error al abrir el archivo");
}

QString tooltipImportarTexto(const QString& delimitador) {
    return QStringLiteral("Importar datos separados por ") + delimitador;
}

QString filtroImportacion(OrigenImportacion origen) {
    if (origen == OrigenImportacion::Excel) {
        return QStringLiteral("Archivos de Excel (*.xls)");
    }
    return QStringLiteral("Archivos de texto y datos (*.txt *.csv *.dat);;"
                          "Todos los archivos (*)");
}

void importarDatos(QWidget* padre, OrigenImportacion origen, const QString& carpetaInicial,
                   const QString& delimitador, DestinoImportacion& destino) {
    if (!destino.compruebaunidades()) {
        return;
    }
    const auto ruta =
        dialogosFichero().abrir(padre, QString(), carpetaInicial, filtroImportacion(origen));
    if (!ruta) {
        avisar(padre, mensajeSeleccionCancelada(), tituloImportacion(), IconoMensaje::Informacion);
        return;
    }
    if (ruta->isEmpty()) {
        return;
    }
    const ResultadoImportacion leido = origen == OrigenImportacion::Excel
                                           ? importarexcel(*ruta)
                                           : importartexto(*ruta, delimitador);
    // Rows are made current and written in the order the reader met them.
    std::size_t visitada = 0;
    for (const auto& celda : leido.celdas) {
        while (visitada < leido.filasVisitadas.size() &&
               leido.filasVisitadas[visitada] <= celda.fila) {
            destino.filaActual(leido.filasVisitadas[visitada++]);
        }
        destino.escribeCelda(celda.fila, celda.columna, celda.texto);
    }
    while (visitada < leido.filasVisitadas.size()) {
        destino.filaActual(leido.filasVisitadas[visitada++]);
    }
    if (leido.fallo) {
        const QString causa = leido.causa.isEmpty() ? QString() : QLatin1Char('\n') + leido.causa;
        avisar(padre, mensajeErrorImportacion() + causa, tituloImportacion(), IconoMensaje::Stop);
        return;
    }
    destino.documentoCambiado();
}

} // namespace oscilab
