// The results window's "Exportar gráfico..." command.
#include "results/frmgraficos.h"

#include "compartido/dialogos_fichero.h"
#include "compartido/mensajes.h"
#include "results/dialogo_tamano.h"
#include "results/exportar_grafico.h"
#include "results/grafico_curva.h"

#include <QDir>

namespace oscilab {

void frmgraficos::exportarGrafico() {
    const QString propuesto = QDir(calculo_.carpeta()).filePath(calculo_.nombrebase + ".png");
    const auto ruta =
        dialogosFichero().guardar(this, tr("Exportar gráfico"), propuesto, filtroExportacion());
    if (!ruta || ruta->isEmpty()) {
        return;
    }
    QSize tamano = tamanoPngInicial;
    if (formatoDeFichero(*ruta) == FormatoGrafico::Png) {
        const auto elegido = pideTamanoImagen(this, tamanoPngInicial);
        if (!elegido) {
            return;
        }
        tamano = *elegido;
    }
    DibujoGrafico dibujo;
    dibujo.coeficientes = resultados_.coeficientes;
    dibujo.curva = grafico_->curva();
    dibujo.caja = grafico_->escala().caja();
    dibujo.rcentro = resultados_.rcentro;
    dibujo.unidades = unidades_;
    if (const auto exportado = exportaGrafico(dibujo, *ruta, tamano); !exportado.ok()) {
        avisar(this, exportado.fallo().texto(), tr("Exportar gráfico"), IconoMensaje::Stop);
    }
}

} // namespace oscilab
