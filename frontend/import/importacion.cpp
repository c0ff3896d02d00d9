#include "import/importacion.h"

#include "import/importar_csv.h"
#include "import/importar_excel.h"
#include "import/importar_ods.h"
#include "import/importar_texto.h"
#include "compartido/dialogos_fichero.h"
#include "compartido/mensajes.h"
#include "import/importar_xlsx.h"
#include "import/lector_xls.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace oscilab {

QString tituloImportacion() {
    return QCoreApplication::translate("importacion", "Importar datos");
}

QString mensajeSeleccionCancelada() {
    return QCoreApplication::translate("importacion", "Seleccion cancelada");
}

Fallo importacionFallida(const QString& causa, const QString& sistema) {
    return Fallo{mensajeErrorImportacion(), causa, sistema};
}

QString tituloUnidades() {
    return QCoreApplication::translate("destino_documento", "Unidades");
}

QString mensajeErrorImportacion() {
    return QCoreApplication::translate("importacion",
                                       "Se ha producido un error al abrir el archivo");
}

QString tooltipImportarTexto(const QString& delimitador) {
    return QCoreApplication::translate("importacion", "Importar datos separados por %1")
        .arg(delimitador);
}

QString filtroImportacion(OrigenImportacion origen) {
    if (origen == OrigenImportacion::Excel) {
        return QCoreApplication::translate("importacion", "Hojas de cálculo (*.xls *.xlsx *.ods);;"
                                                          "Archivos de Excel (*.xls *.xlsx);;"
                                                          "Hojas de cálculo OpenDocument (*.ods)");
    }
    return QCoreApplication::translate("importacion",
                                       "Archivos de texto y datos (*.txt *.csv *.dat);;"
                                       "Todos los archivos (*)");
}

namespace {

// A FIFO or a device would block the window for ever, as Open knows; a folder holds no
// points. Checked before any reader opens it.
Resultado<void> esNormal(const QString& ruta) {
    const QFileInfo info(ruta);
    if (!info.exists() || info.isFile()) {
        return {};
    }
    return importacionFallida(
        QCoreApplication::translate("importacion", "%1 no es un archivo normal (es una carpeta, "
                                                   "una tubería o un dispositivo).")
            .arg(ruta));
}

// The spreadsheet import of a file without the extension of another reader: an .xls
// workbook, for the helper.
bool esLibroXls(OrigenImportacion origen, const QString& ruta) {
    const QString extension = QFileInfo(ruta).suffix().toLower();
    return origen == OrigenImportacion::Excel && extension != u"xlsx" && extension != u"ods" &&
           extension != u"csv";
}

} // namespace

ResultadoImportacion leeImportacion(OrigenImportacion origen, const QString& ruta,
                                    const QString& delimitador) {
    if (auto normal = esNormal(ruta); !normal.ok()) {
        return normal.fallo();
    }
    if (esLibroXls(origen, ruta)) {
        return importarexcel(ruta);
    }
    const QString extension = QFileInfo(ruta).suffix().toLower();
    if (extension == u"xlsx") {
        return importarxlsx(ruta);
    }
    if (extension == u"ods") {
        return importarods(ruta);
    }
    if (extension == u"csv") {
        return importarcsv(ruta);
    }
    return importartexto(ruta, delimitador);
}

ResultadoImportacion leeImportacionSinBloquear(QWidget* padre, OrigenImportacion origen,
                                               const QString& ruta, const QString& delimitador) {
    if (esLibroXls(origen, ruta) && esNormal(ruta).ok()) {
        return leeXlsSinBloquear(padre, ruta);
    }
    return leeImportacion(origen, ruta, delimitador);
}

std::optional<QString> importarDatos(QWidget* padre, OrigenImportacion origen,
                                     const QString& carpetaInicial, const QString& delimitador,
                                     DestinoImportacion& destino) {
    if (const auto unidades = destino.unidadesElegidas(); !unidades.ok()) {
        avisar(padre, unidades.fallo().texto(), tituloUnidades(), IconoMensaje::Informacion);
        return std::nullopt;
    }
    const auto ruta =
        dialogosFichero().abrir(padre, QString(), carpetaInicial, filtroImportacion(origen));
    if (!ruta) {
        avisar(padre, mensajeSeleccionCancelada(), tituloImportacion(), IconoMensaje::Informacion);
        return std::nullopt;
    }
    if (ruta->isEmpty()) {
        return std::nullopt;
    }
    importaFichero(padre, origen, *ruta, delimitador, destino);
    return ruta;
}

void importarFicheroDado(QWidget* padre, OrigenImportacion origen, const QString& ruta,
                         const QString& delimitador, DestinoImportacion& destino) {
    if (const auto unidades = destino.unidadesElegidas(); !unidades.ok()) {
        avisar(padre, unidades.fallo().texto(), tituloUnidades(), IconoMensaje::Informacion);
        return;
    }
    importaFichero(padre, origen, ruta, delimitador, destino);
}

void importaFichero(QWidget* padre, OrigenImportacion origen, const QString& ruta,
                    const QString& delimitador, DestinoImportacion& destino) {
    const ResultadoImportacion leido = leeImportacionSinBloquear(padre, origen, ruta, delimitador);
    // All or nothing, whatever the format: a file that fails half-way leaves the table as
    // it was, and the message says why.
    if (!leido.ok()) {
        avisar(padre, leido.fallo().texto(), tituloImportacion(), IconoMensaje::Stop);
        return;
    }
    const CeldasImportadas& celdas = leido.valor();
    // Rows are made current and written in the order the reader met them.
    std::size_t visitada = 0;
    for (const auto& celda : celdas.celdas) {
        while (visitada < celdas.filasVisitadas.size() &&
               celdas.filasVisitadas[visitada] <= celda.fila) {
            destino.filaActual(celdas.filasVisitadas[visitada++]);
        }
        destino.escribeCelda(celda.fila, celda.columna, celda.texto);
    }
    while (visitada < celdas.filasVisitadas.size()) {
        destino.filaActual(celdas.filasVisitadas[visitada++]);
    }
    if (const auto cambiado = destino.documentoCambiado(); !cambiado.ok()) {
        avisar(padre, cambiado.fallo().texto(), tituloImportacion(), IconoMensaje::Exclamacion);
    }
}

} // namespace oscilab
