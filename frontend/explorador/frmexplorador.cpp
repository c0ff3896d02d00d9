#include "frmexplorador.h"

#include "compartido/pantalla.h"
#include "explorador/grafico_press.h"
#include "explorador_salida.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <atomic>

namespace oscilab {

namespace {

// The progress bar appears only when the ranking takes longer than this.
constexpr int RETRASO_PROGRESO_MS = 100;

// The ranking as a pool task: its progress and its cancellation go through the promise,
// which the engine sees as its counter and its stop flag.
void clasifica(QPromise<std::vector<curvifit::EvaluacionCandidato>>& promesa,
               const curvifit::DatosEntrada& datos) {
    std::atomic<bool> cancelar = false;
    curvifit::OpcionesExploracion opciones;
    opciones.cancelar = &cancelar;
    opciones.progreso = [&promesa, &cancelar](int hechos, int total) {
        promesa.setProgressRange(0, total);
        promesa.setProgressValue(hechos);
        if (promesa.isCanceled()) {
            cancelar = true;
        }
    };
    if (auto ranking = curvifit::exploraAjustes(datos, opciones)) {
        promesa.addResult(std::move(*ranking));
    }
}

QString avisoSinMinimo() {
    return QCoreApplication::translate(
        "oscilab::frmexplorador",
        "* Sin mínimo de la curva ajustada dentro del intervalo de distancias de los "
        "datos: va al final de la clasificación.");
}

} // namespace

frmexplorador::frmexplorador(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmexplorador"));
    setWindowTitle(tr("Explorar ajustes"));

    estado_ = new QLabel(this);
    estado_->setObjectName(QStringLiteral("lbestado"));
    estado_->setWordWrap(true);

    modelo_ = new QLabel(this);
    modelo_->setObjectName(QStringLiteral("lbmodelo"));
    modelo_->setWordWrap(true);
    modelo_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    pocosPuntos_ = new QLabel(this);
    pocosPuntos_->setObjectName(QStringLiteral("lbpocospuntos"));
    pocosPuntos_->setWordWrap(true);

    tabla_ = new QTableWidget(0, NUM_COLUMNAS_EXPLORADOR, this);
    tabla_->setObjectName(QStringLiteral("tablaexplorador"));
    tabla_->setAccessibleName(tr("Conjuntos de potencias por orden"));
    tabla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabla_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabla_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabla_->verticalHeader()->hide();
    tabla_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);

    grafico_ = new GraficoPress(this);

    soloContiguos_ = new QCheckBox(tr("Mostrar solo intervalos contiguos"), this);
    soloContiguos_->setObjectName(QStringLiteral("chkcontiguos"));
    usar_ = new QPushButton(tr("Usar estas potencias"), this);
    usar_->setObjectName(QStringLiteral("btusar"));
    usar_->setEnabled(false);
    progreso_ = new QProgressBar(this);
    progreso_->setObjectName(QStringLiteral("progreso"));
    progreso_->setAccessibleName(tr("Progreso de la clasificación"));
    progreso_->hide();
    auto* nota = new QLabel(avisoSinMinimo(), this);
    nota->setWordWrap(true);

    auto* capa = new QVBoxLayout(this);
    capa->addWidget(estado_);
    capa->addWidget(pocosPuntos_);
    capa->addWidget(progreso_);
    capa->addWidget(tabla_, 1);
    capa->addWidget(modelo_);
    capa->addWidget(nota);
    auto* abajo = new QHBoxLayout;
    abajo->addWidget(grafico_, 1);
    auto* botones = new QVBoxLayout;
    botones->addWidget(soloContiguos_);
    botones->addStretch();
    botones->addWidget(usar_);
    abajo->addLayout(botones);
    capa->addLayout(abajo);

    retrasoProgreso_ = new QTimer(this);
    retrasoProgreso_->setSingleShot(true);
    connect(retrasoProgreso_, &QTimer::timeout, this, [this] { progreso_->setVisible(ocupado()); });
    connect(soloContiguos_, &QCheckBox::toggled, this, &frmexplorador::llenaTabla);
    connect(tabla_, &QTableWidget::itemSelectionChanged, this, &frmexplorador::seleccionCambiada);
    connect(usar_, &QPushButton::clicked, this, &frmexplorador::usar);
    colocaEnPantalla(*this, QSize(1000, 560));
}

frmexplorador::~frmexplorador() {
    detiene();
}

void frmexplorador::detiene() {
    if (vigilante_ != nullptr) {
        vigilante_->disconnect();
        vigilante_->cancel();
        vigilante_->waitForFinished();
        vigilante_->deleteLater();
        vigilante_ = nullptr;
    }
    retrasoProgreso_->stop();
    progreso_->hide();
}

void frmexplorador::closeEvent(QCloseEvent* evento) {
    detiene();
    evento->accept();
}

void frmexplorador::explora(const DocumentoExplorado& documento) {
    detiene();
    filas_.clear();
    datos_.reset();
    modelo_->clear();
    pocosPuntos_->clear();
    llenaTabla();
    grafico_->ponPuntos({}, QString());
    Resultado<curvifit::DatosEntrada> puntos = puntosParaExplorar(documento);
    if (!puntos.ok()) {
        estado_->setText(puntos.fallo().texto());
        emit exploracionTerminada();
        return;
    }
    datos_ = std::move(puntos).valor();
    estado_->setText(
        tr("Clasificando los conjuntos de potencias para %1 puntos...").arg(datos_->NPUNTOS()));
    tabla_->setHorizontalHeaderLabels(cabecerasExplorador(*datos_));
    progreso_->setValue(0);
    retrasoProgreso_->start(RETRASO_PROGRESO_MS);
    // The task owns a copy of the points; the watcher belongs to this window and goes with
    // the ranking it watches, so a stale ranking's signals never arrive.
    vigilante_ = new QFutureWatcher<Clasificacion>(this);
    connect(vigilante_, &QFutureWatcherBase::progressRangeChanged, progreso_,
            &QProgressBar::setRange);
    connect(vigilante_, &QFutureWatcherBase::progressValueChanged, progreso_,
            &QProgressBar::setValue);
    connect(vigilante_, &QFutureWatcherBase::finished, this, [this] {
        const QFuture<Clasificacion> futuro = vigilante_->future();
        vigilante_->deleteLater();
        vigilante_ = nullptr;
        retrasoProgreso_->stop();
        progreso_->hide();
        if (futuro.resultCount() > 0) {
            recibe(futuro.result());
        }
    });
    vigilante_->setFuture(QtConcurrent::run(clasifica, *datos_));
}

void frmexplorador::recibe(const Clasificacion& ranking) {
    filas_ = filasExplorador(ranking, *datos_);
    modelo_->setText(textoIncertidumbreModelo(ranking, *datos_));
    modelo_->setVisible(!modelo_->text().isEmpty());
    pocosPuntos_->setText(avisoPocosPuntos(datos_->NPUNTOS()));
    pocosPuntos_->setVisible(!pocosPuntos_->text().isEmpty());
    estado_->setText(tr("%1 conjuntos de potencias para %2 puntos, del que mejor "
                        "predice cada punto sin él al que peor.")
                         .arg(filas_.size())
                         .arg(datos_->NPUNTOS()));
    llenaTabla();
    emit exploracionTerminada();
}

void frmexplorador::llenaTabla() {
    visibles_ = filasVisibles(filas_, soloContiguos_->isChecked());
    // Hundreds of rows: filled without repainting, then measured once.
    tabla_->setUpdatesEnabled(false);
    tabla_->clearContents();
    tabla_->setRowCount(static_cast<int>(visibles_.size()));
    std::vector<GraficoPress::Punto> puntos;
    for (int f = 0; f < static_cast<int>(visibles_.size()); ++f) {
        const FilaExplorador& fila = filas_[static_cast<std::size_t>(visibles_[f])];
        for (int c = 0; c < NUM_COLUMNAS_EXPLORADOR; ++c) {
            auto* item = new QTableWidgetItem(fila.textos.value(c));
            item->setTextAlignment(c == ColPotencias ? Qt::AlignLeft | Qt::AlignVCenter
                                                     : Qt::AlignRight | Qt::AlignVCenter);
            if (!fila.minimoDentro) {
                item->setForeground(Qt::gray);
                item->setToolTip(avisoSinMinimo());
            }
            if (fila.delDocumento) {
                QFont negrita = item->font();
                negrita.setBold(true);
                item->setFont(negrita);
            }
            tabla_->setItem(f, c, item);
        }
        puntos.push_back({fila.pressRms, fila.minimoDentro});
    }
    tabla_->resizeColumnsToContents();
    tabla_->setUpdatesEnabled(true);
    grafico_->ponPuntos(
        std::move(puntos),
        datos_ ? QString::fromStdString(curvifit::unidadesExplorador(*datos_).energia) : QString());
    seleccionCambiada();
}

int frmexplorador::filaElegida() const {
    const QList<QTableWidgetItem*> elegidos = tabla_->selectedItems();
    if (elegidos.isEmpty()) {
        return -1;
    }
    const int f = elegidos.front()->row();
    return f >= 0 && f < static_cast<int>(visibles_.size()) ? visibles_[static_cast<std::size_t>(f)]
                                                            : -1;
}

void frmexplorador::seleccionCambiada() {
    usar_->setEnabled(filaElegida() >= 0);
    const QList<QTableWidgetItem*> elegidos = tabla_->selectedItems();
    grafico_->ponSeleccionado(elegidos.isEmpty() ? -1 : elegidos.front()->row());
}

void frmexplorador::usar() {
    const int i = filaElegida();
    if (i < 0) {
        return;
    }
    const curvifit::ConjuntoPotencias elegido = filas_[static_cast<std::size_t>(i)].potencias;
    emit potenciasElegidas(curvifit::tablaDe(elegido));
    marcaDocumento(filas_, elegido);
    const int fila = tabla_->currentRow();
    llenaTabla();
    tabla_->selectRow(fila);
}

} // namespace oscilab
