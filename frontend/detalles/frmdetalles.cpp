#include "detalles/frmdetalles.h"

#include "compartido/dialogos_fichero.h"
#include "compartido/mensajes.h"
#include "compartido/pantalla.h"
#include "detalles/eleccion_isotopos.h"
#include "detalles/grafico_detalles.h"
#include "detalles/series_detalles.h"
#include "detalles/tabla_detalles.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

namespace oscilab {

namespace {

const QString TITULO = QStringLiteral("Resultados detallados");

QPushButton* boton(const QString& texto, const QString& nombre, QWidget* padre) {
    auto* b = new QPushButton(texto, padre);
    b->setObjectName(nombre);
    b->setAutoDefault(false);
    return b;
}

QLabel* titulo(const QString& texto, QWidget* padre) {
    auto* l = new QLabel(texto, padre);
    l->setWordWrap(true);
    return l;
}

} // namespace

frmdetalles::frmdetalles(std::shared_ptr<const curvifit::ResultadoEjecucion> resultado,
                         const QString& rutaJson, QWidget* padre)
    : QWidget(padre, Qt::Window), resultado_(std::move(resultado)), rutaJson_(rutaJson) {
    setObjectName(QStringLiteral("frmdetalles"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(TITULO + QStringLiteral(" - ") + QString::fromStdString(resultado_->titulo));
    pestanas_ = new QTabWidget(this);
    pestanas_->setObjectName(QStringLiteral("pestanas"));
    pestanas_->addTab(pestanaConstantes(), QStringLiteral("Constantes"));
    pestanas_->addTab(pestanaAjuste(), QStringLiteral("Ajuste"));
    pestanas_->addTab(pestanaNiveles(), QStringLiteral("Niveles"));
    pestanas_->addTab(pestanaEnergias(), QStringLiteral("E(v,J)"));
    pestanas_->addTab(pestanaIsotopologos(), QStringLiteral("Isotopólogos"));

    auto* guardar = boton(QStringLiteral("&Guardar resultados (JSON)..."),
                          QStringLiteral("btguardarjson"), this);
    auto* cerrar = boton(QStringLiteral("&Cerrar"), QStringLiteral("btcerrar"), this);
    connect(guardar, &QPushButton::clicked, this, &frmdetalles::guardarJson);
    connect(cerrar, &QPushButton::clicked, this, &QWidget::close);
    auto* botones = new QHBoxLayout;
    botones->addWidget(guardar);
    botones->addStretch();
    botones->addWidget(cerrar);
    auto* todo = new QVBoxLayout(this);
    todo->addWidget(pestanas_);
    todo->addLayout(botones);
    colocaEnPantalla(*this, QSize(1000, 700));
}

frmdetalles* frmdetalles::abre(std::shared_ptr<const curvifit::ResultadoEjecucion> resultado,
                               const QString& rutaJson, QWidget* padre) {
    if (!resultado) {
        avisar(padre,
               QStringLiteral("No hay resultados detallados de este cálculo (%1).").arg(rutaJson),
               TITULO, IconoMensaje::Stop);
        return nullptr;
    }
    auto* ventana = new frmdetalles(std::move(resultado), rutaJson, padre);
    ventana->show();
    return ventana;
}

TablaDetalles* frmdetalles::tabla(const Tabla& t, const QString& nombre) {
    const QFileInfo json(rutaJson_);
    auto* tabla =
        new TablaDetalles(json.absolutePath() + QLatin1Char('/') + json.completeBaseName() +
                              QLatin1Char('_') + nombre + QStringLiteral(".csv"),
                          this);
    tabla->setObjectName(QStringLiteral("tabla") + nombre);
    tabla->ponTabla(t);
    return tabla;
}

// The table with an "Exportar CSV..." button below it, and optionally something above.
QWidget* frmdetalles::conExportar(TablaDetalles* tabla, QWidget* encima) {
    auto* caja = new QWidget(this);
    auto* v = new QVBoxLayout(caja);
    v->setContentsMargins(0, 0, 0, 0);
    if (encima != nullptr) {
        v->addWidget(encima);
    }
    v->addWidget(tabla, 1);
    auto* exporta = boton(QStringLiteral("Exportar CSV..."),
                          QStringLiteral("btexportar") + tabla->objectName().mid(5), caja);
    connect(exporta, &QPushButton::clicked, tabla, &TablaDetalles::exportarCsv);
    auto* fila = new QHBoxLayout;
    fila->addStretch();
    fila->addWidget(exporta);
    v->addLayout(fila);
    return caja;
}

QWidget* frmdetalles::pestanaConstantes() {
    return conExportar(
        tabla(tablaConstantes(*resultado_), QStringLiteral("constantes")),
        titulo(QStringLiteral("Cada constante con su error típico (1σ) entre paréntesis, en "
                              "las últimas cifras: 1.40188(12) es 1.40188 ± 0.00012."),
               this));
}

QWidget* frmdetalles::pestanaAjuste() {
    auto* grafico = new GraficoDetalles(this);
    grafico->setObjectName(QStringLiteral("graficoResiduos"));
    const QString d = QString::fromStdString(resultado_->unidadDistancia());
    const QString e = QString::fromStdString(resultado_->unidadEnergia());
    grafico->ponSeries(seriesResiduos(*resultado_), QStringLiteral("R (%1)").arg(d),
                       QStringLiteral("E calculada − E dato (%1)").arg(e));
    auto* avisos = new QPlainTextEdit(this);
    avisos->setObjectName(QStringLiteral("avisos"));
    avisos->setReadOnly(true);
    for (const curvifit::AvisoResultado& a : resultado_->avisos) {
        avisos->appendPlainText(QString::fromStdString(a.texto));
    }
    if (resultado_->avisos.empty()) {
        avisos->setPlainText(QStringLiteral("Sin advertencias."));
    }
    auto* derecha = new QSplitter(Qt::Vertical, this);
    derecha->addWidget(tabla(tablaSingulares(*resultado_), QStringLiteral("singulares")));
    derecha->addWidget(avisos);
    auto* abajo = new QSplitter(Qt::Horizontal, this);
    abajo->addWidget(conExportar(tabla(tablaPuntos(*resultado_), QStringLiteral("puntos"))));
    abajo->addWidget(derecha);
    abajo->setStretchFactor(0, 3);
    abajo->setStretchFactor(1, 2);
    auto* todo = new QSplitter(Qt::Vertical, this);
    todo->addWidget(grafico);
    todo->addWidget(abajo);
    return todo;
}

QWidget* frmdetalles::pestanaNiveles() {
    tablaNiveles_ = tabla(tablaNiveles(*resultado_), QStringLiteral("niveles"));
    auto* izquierda = new QSplitter(Qt::Vertical, this);
    QString nota = QStringLiteral("Niveles exactos J = 0 (energías en 1/cm sobre E(re)) frente "
                                  "a la fórmula del informe, G(v) = ωe(v+½) − ωexe(v+½)². "
                                  "Elija una fila para ver χ² del nivel.");
    if (const std::string cuentas = notaCuentaNiveles(*resultado_); !cuentas.empty()) {
        nota += QStringLiteral("\n") + QString::fromStdString(cuentas);
    }
    if (tablaNiveles_->rowCount() == 0) {
        nota = QStringLiteral("No hay niveles exactos dentro del intervalo de distancias de los "
                              "datos: amplíe el intervalo de distancias.");
    }
    izquierda->addWidget(conExportar(tablaNiveles_, titulo(nota, this)));
    izquierda->addWidget(conExportar(
        tabla(tablaConstantesNiveles(*resultado_), QStringLiteral("constantes_niveles"))));
    graficoNiveles_ = new GraficoDetalles(this);
    graficoNiveles_->setObjectName(QStringLiteral("graficoNiveles"));
    connect(tablaNiveles_, &QTableWidget::currentCellChanged, this,
            [this](int fila) { muestraNivel(fila); });
    muestraNivel(-1);
    auto* todo = new QSplitter(Qt::Horizontal, this);
    todo->addWidget(izquierda);
    todo->addWidget(graficoNiveles_);
    return todo;
}

QWidget* frmdetalles::pestanaEnergias() {
    const QString nota = QStringLiteral("E(v,J) exactas en 1/cm sobre E(re): v hacia abajo, J "
                                        "hacia la derecha. Una casilla vacía: ese nivel no está "
                                        "ligado dentro del intervalo de distancias de los datos.");
    QLabel* encima = titulo(nota + QStringLiteral("\n") +
                                QString::fromStdString(notaEnergiasVJ(*resultado_)).trimmed(),
                            this);
    encima->setObjectName(QStringLiteral("notaenergiasvj"));
    return conExportar(tabla(tablaEnergiasVJ(*resultado_), QStringLiteral("energias_vj")), encima);
}

QWidget* frmdetalles::pestanaIsotopologos() {
    TablaDetalles* especies = tabla(Tabla{}, QStringLiteral("isotopologos"));
    return conExportar(especies, new EleccionIsotopos(*resultado_, especies, this));
}

void frmdetalles::muestraNivel(int fila) {
    const std::vector<FilaNivel> filas = filasNiveles(*resultado_);
    curvifit::FuncionOnda onda;
    int v = -1;
    if (fila >= 0 && static_cast<std::size_t>(fila) < filas.size() && resultado_->exactos) {
        v = filas[static_cast<std::size_t>(fila)].v;
        onda = curvifit::funcionOnda(potencialAjustado(*resultado_), resultado_->masaReducida,
                                     resultado_->exactos->RMIN, resultado_->exactos->RMAX, v, 0);
    }
    graficoNiveles_->ponSeries(
        seriesNiveles(*resultado_, v, onda),
        QStringLiteral("R (%1)").arg(QString::fromStdString(resultado_->unidadDistancia())),
        QStringLiteral("V(R) (%1)").arg(QString::fromStdString(resultado_->unidadEnergia())));
}

void frmdetalles::guardarJson() {
    const QFileInfo json(rutaJson_);
    const auto destino = dialogosFichero().guardar(this, QStringLiteral("Guardar resultados"),
                                                   json.absoluteFilePath(),
                                                   QStringLiteral("Resultados JSON (*.json)"));
    if (!destino || QFileInfo(*destino).absoluteFilePath() == json.absoluteFilePath()) {
        return;
    }
    // Through a temporary file: an older file at the destination stays until the copy is whole.
    QFile origen(rutaJson_);
    QSaveFile copia(*destino);
    if (!origen.open(QIODevice::ReadOnly) || !copia.open(QIODevice::WriteOnly) ||
        copia.write(origen.readAll()) != origen.size() || !copia.commit()) {
        avisar(this, QStringLiteral("No se puede escribir el fichero %1.").arg(*destino),
               QStringLiteral("Guardar resultados"), IconoMensaje::Stop);
    }
}

} // namespace oscilab
