#include "detalles/tabla_detalles.h"

#include "compartido/dialogos_fichero.h"
#include "compartido/mensajes.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QSaveFile>

#include <set>

namespace oscilab {

TablaDetalles::TablaDetalles(const QString& rutaCsv, QWidget* padre)
    : QTableWidget(padre), rutaCsv_(rutaCsv) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    verticalHeader()->setVisible(false);
    auto* copia = new QAction(tr("&Copiar"), this);
    copia->setObjectName(QStringLiteral("accionCopiar"));
    connect(copia, &QAction::triggered, this, &TablaDetalles::copiar);
    auto* exporta = new QAction(tr("&Exportar CSV..."), this);
    exporta->setObjectName(QStringLiteral("accionExportarCsv"));
    connect(exporta, &QAction::triggered, this, &TablaDetalles::exportarCsv);
    addActions({copia, exporta});
}

void TablaDetalles::permiteOrdenar() {
    horizontalHeader()->setSectionsClickable(true);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int columna) {
        ascendente_ = columna == columnaOrden_ ? !ascendente_ : true;
        columnaOrden_ = columna;
        ponTabla(tabla_);
    });
}

void TablaDetalles::ponTabla(Tabla tabla) {
    tabla_ = columnaOrden_ >= 0 ? ordenada(tabla, columnaOrden_, ascendente_) : std::move(tabla);
    clear();
    setColumnCount(static_cast<int>(tabla_.cabecera.size()));
    setRowCount(static_cast<int>(tabla_.filas.size()));
    QStringList cabecera;
    for (const std::string& c : tabla_.cabecera) {
        cabecera << QString::fromStdString(c);
    }
    setHorizontalHeaderLabels(cabecera);
    for (int f = 0; f < rowCount(); ++f) {
        const auto& fila = tabla_.filas[static_cast<std::size_t>(f)];
        for (int c = 0; c < columnCount() && static_cast<std::size_t>(c) < fila.size(); ++c) {
            auto* item =
                new QTableWidgetItem(QString::fromStdString(fila[static_cast<std::size_t>(c)]));
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                          : Qt::AlignRight | Qt::AlignVCenter);
            setItem(f, c, item);
        }
    }
    // The full values of the hidden columns, as the tooltip of each shown cell of the row.
    for (int c = 0; c < columnCount(); ++c) {
        setColumnHidden(c, static_cast<std::size_t>(c) >= tabla_.visibles);
    }
    for (int f = 0; f < rowCount(); ++f) {
        QString completo;
        const auto& fila = tabla_.filas[static_cast<std::size_t>(f)];
        for (std::size_t c = tabla_.visibles; c < fila.size() && c < tabla_.cabecera.size(); ++c) {
            if (!fila[c].empty()) {
                completo += QString::fromStdString(tabla_.cabecera[c] + ": " + fila[c] + "\n");
            }
        }
        for (int c = 0; c < columnCount() && !completo.isEmpty(); ++c) {
            if (QTableWidgetItem* i = item(f, c)) {
                i->setToolTip(completo.trimmed());
            }
        }
    }
    resizeColumnsToContents();
}

Tabla TablaDetalles::tablaACopiar() const {
    std::set<int> filas;
    for (const QModelIndex& i : selectionModel()->selectedIndexes()) {
        filas.insert(i.row());
    }
    if (filas.empty()) {
        return tabla_;
    }
    return seleccion(tabla_, std::vector<int>(filas.begin(), filas.end()));
}

void TablaDetalles::copiar() {
    QApplication::clipboard()->setText(QString::fromStdString(textoTabulado(tablaACopiar())));
}

void TablaDetalles::exportarCsv() {
    const auto ruta =
        dialogosFichero().guardar(this, tr("Exportar CSV"), rutaCsv_, tr("Texto CSV (*.csv)"));
    if (!ruta) {
        return;
    }
    QSaveFile fichero(*ruta);
    const std::string texto = textoCsv(tabla_);
    if (!fichero.open(QIODevice::WriteOnly) ||
        fichero.write(texto.data(), static_cast<qint64>(texto.size())) !=
            static_cast<qint64>(texto.size()) ||
        !fichero.commit()) {
        avisar(this, tr("No se puede escribir el fichero %1.").arg(*ruta), tr("Exportar CSV"),
               IconoMensaje::Stop);
    }
}

void TablaDetalles::keyPressEvent(QKeyEvent* evento) {
    if (evento->matches(QKeySequence::Copy)) {
        copiar();
        return;
    }
    QTableWidget::keyPressEvent(evento);
}

} // namespace oscilab
