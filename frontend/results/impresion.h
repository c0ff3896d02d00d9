// "&Imprimir" of the results window: the question, the choice of printer (the default
// printer, else a PDF file the user names) and the print job itself.
#pragma once

#include "results/impresion_grafico.h"

#include <QDate>
#include <QFont>
#include <QString>

class QPrinter;
class QWidget;

namespace oscilab {

enum class ResultadoImpresion { Cancelada, Impresa, Fallida };

// The report's font: "Courier New" 10 pt, else the closest monospaced font installed
// that the printer can embed.
QFont fuenteInforme();

// Prints one job on `impresora` (A4, the whole paper as the page). `grafico` null: report
// only. false when the printer cannot be opened.
bool imprimirEn(QPrinter& impresora, const QString& informe, const QString& nombrebase,
                const ComposicionGrafico* grafico, const QDate& fecha = QDate::currentDate());

// The whole command: asks "¿Quiere imprimir los resultados con el gráfico?", then prints
// on the default printer or, without one, to a PDF chosen in a save dialog that starts
// at `carpetaPdf`.
ResultadoImpresion imprimirResultados(QWidget* padre, const QString& informe,
                                      const QString& nombrebase, const ComposicionGrafico& grafico,
                                      const QString& carpetaPdf = QString());

} // namespace oscilab
