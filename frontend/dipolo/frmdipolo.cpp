#include "dipolo/frmdipolo.h"

#include "compartido/carpetas.h"
#include "compartido/delegado_numerico.h"
#include "compartido/mensajes.h"
#include "compartido/pantalla.h"
#include "detalles/grafico_detalles.h"
#include "dipolo/vista_dipolo.h"
#include "import/destino_documento.h"
#include "modelo/documento.h"
#include "modelo/modelo_dipolo.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QUndoStack>
#include <QVBoxLayout>

namespace oscilab {

namespace {

QPushButton* boton(const QString& texto, const QString& nombre, QWidget* padre) {
    auto* b = new QPushButton(texto, padre);
    b->setObjectName(nombre);
    b->setAutoDefault(false);
    return b;
}

} // namespace

frmdipolo::frmdipolo(Documento& documento, const QString& carpetaImportacion, QWidget* padre)
    : QDialog(padre), documento_(documento), carpetaImportacion_(carpetaImportacion) {
    setObjectName(QStringLiteral("frmdipolo"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(titulo());
    modelo_ = new ModeloDipolo(documento_, this);
    tabla_ = new QTableView(this);
    tabla_->setObjectName(QStringLiteral("tabladipolo"));
    tabla_->setModel(modelo_);
    tabla_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tabla_->setItemDelegate(new DelegadoNumerico(tabla_));
    tabla_->setTextElideMode(Qt::ElideNone);
    auto* borrar = new QAction(tr("Borrar"), tabla_);
    borrar->setShortcut(QKeySequence::Delete);
    borrar->setShortcutContext(Qt::WidgetShortcut);
    tabla_->addAction(borrar);
    connect(borrar, &QAction::triggered, this, &frmdipolo::borraSeleccion);
    unidad_ = new QComboBox(this);
    unidad_->setObjectName(QStringLiteral("unidaddipolo"));
    unidad_->addItems({tr("Debye"), tr("Unidades atómicas")});
    unidad_->setAccessibleName(tr("Unidad del momento dipolar"));
    grafico_ = new GraficoDetalles(this);
    grafico_->setObjectName(QStringLiteral("graficodipolo"));
    grafico_->permiteZoom(true);
    resumen_ = new QLabel(this);
    resumen_->setObjectName(QStringLiteral("resumendipolo"));
    resumen_->setWordWrap(true);

    auto* izquierda = new QWidget(this);
    auto* columna = new QVBoxLayout(izquierda);
    columna->setContentsMargins(0, 0, 0, 0);
    auto* fila = new QHBoxLayout;
    auto* etiqueta = new QLabel(tr("&Unidad de μ:"), izquierda);
    etiqueta->setBuddy(unidad_);
    fila->addWidget(etiqueta);
    fila->addWidget(unidad_, 1);
    columna->addLayout(fila);
    columna->addWidget(tabla_, 1);
    columna->addWidget(creaBotonesImportacion());
    auto* partido = new QSplitter(this);
    partido->addWidget(izquierda);
    partido->addWidget(grafico_);
    partido->setStretchFactor(1, 1);
    partido->setSizes({1, 2}); // in proportion: the plot takes two thirds
    auto* cerrar = boton(tr("&Cerrar"), QStringLiteral("btcerrar"), this);
    connect(cerrar, &QPushButton::clicked, this, &QWidget::close);
    auto* abajo = new QHBoxLayout;
    abajo->addWidget(resumen_, 1);
    abajo->addWidget(cerrar);
    auto* todo = new QVBoxLayout(this);
    todo->addWidget(partido, 1);
    todo->addLayout(abajo);

    // Undo and redo reach the document's one stack, as in the main window.
    QAction* deshacer = documento_.pila()->createUndoAction(this, tr("Deshacer"));
    deshacer->setShortcut(QKeySequence::Undo);
    QAction* rehacer = documento_.pila()->createRedoAction(this, tr("Rehacer"));
    rehacer->setShortcut(QKeySequence::Redo);
    addActions({deshacer, rehacer});

    connect(unidad_, &QComboBox::activated, this, [this](int i) {
        documento_.ponUnidadDipolo(i == 1 ? UnidadDipolo::UA : UnidadDipolo::Debye);
    });
    connect(&documento_, &Documento::dipoloCambiado, this, &frmdipolo::muestra);
    connect(&documento_, &Documento::unidadesCambiadas, this, &frmdipolo::muestra);
    muestra();
    colocaEnPantalla(*this, QSize(900, 600));
}

QWidget* frmdipolo::creaBotonesImportacion() {
    auto* caja = new QWidget(this);
    auto* fila = new QHBoxLayout(caja);
    fila->setContentsMargins(0, 0, 0, 0);
    auto* hoja = boton(tr("Importar &hoja de cálculo..."), QStringLiteral("btimportarhoja"), caja);
    auto* texto = boton(tr("Importar &texto..."), QStringLiteral("btimportartexto"), caja);
    delimitador_ = new QComboBox(caja);
    delimitador_->setObjectName(QStringLiteral("delimitador"));
    delimitador_->setEditable(true);
    delimitador_->setInsertPolicy(QComboBox::NoInsert);
    delimitador_->addItems(
        {QStringLiteral(","), QStringLiteral(";"), QStringLiteral(" "), QStringLiteral("Tab")});
    delimitador_->setAccessibleName(tr("Separador"));
    delimitador_->setToolTip(tr("Separador de los valores en un archivo de texto"));
    connect(hoja, &QPushButton::clicked, this, &frmdipolo::importarHoja);
    connect(texto, &QPushButton::clicked, this, &frmdipolo::importarTexto);
    fila->addWidget(hoja);
    fila->addWidget(texto);
    fila->addWidget(delimitador_);
    return caja;
}

Resultado<frmdipolo*> frmdipolo::abre(Documento& documento, const QString& carpetaImportacion,
                                      QWidget* padre) {
    if (documento.distancia() == Distancia::SinElegir) {
        return Fallo{tr("Debes elegir las unidades para la distancia: las distancias del momento "
                        "dipolar se dan en ellas.")};
    }
    auto* ventana = new frmdipolo(documento, carpetaImportacion, padre);
    ventana->show();
    return ventana;
}

void frmdipolo::muestra() {
    const DatosDipolo& dipolo = documento_.dipolo();
    unidad_->setCurrentIndex(dipolo.unidad == UnidadDipolo::UA ? 1 : 0);
    VistaDipolo vista = vistaDipolo(dipolo, documento_.distancia());
    grafico_->ponSeries(std::move(vista.series), modelo_->headerData(0, Qt::Horizontal).toString(),
                        modelo_->headerData(1, Qt::Horizontal).toString());
    resumen_->setText(vista.resumen);
}

void frmdipolo::importa(OrigenImportacion origen) {
    DestinoDocumento destino(this, documento_, TablaImportada::Dipolo);
    if (const auto ruta = importarDatos(this, origen, carpetaImportacion_,
                                        delimitador_->currentText(), destino)) {
        carpetaImportacion_ = carpetaDeFichero(*ruta);
    }
}

void frmdipolo::borraSeleccion() {
    const QModelIndexList celdas = tabla_->selectionModel()->selectedIndexes();
    documento_.pila()->beginMacro(tr("borrado de puntos del momento dipolar"));
    for (const QModelIndex& i : celdas) {
        modelo_->setData(i, QString());
    }
    documento_.pila()->endMacro();
}

void frmdipolo::importarHoja() {
    importa(OrigenImportacion::Excel);
}

void frmdipolo::importarTexto() {
    importa(OrigenImportacion::Texto);
}

} // namespace oscilab
