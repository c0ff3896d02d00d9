#include "detalles/frmdetalles.h"

#include "compartido/dialogos_fichero.h"
#include "compartido/mensajes.h"
#include "compartido/pantalla.h"
#include "detalles/avisos_detalles.h"
#include "detalles/eleccion_isotopos.h"
#include "detalles/espectro_detalles.h"
#include "errores.h"
#include "espectro_exomol.h"
#include "detalles/grafico_detalles.h"
#include "detalles/series_detalles.h"
#include "detalles/tabla_detalles.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

namespace oscilab {

namespace {

QString tituloVentana() {
    return QCoreApplication::translate("oscilab::frmdetalles", "Resultados detallados");
}
// Levels whose energy depends on how the curve is continued past the data.
const QColor COLOR_EXTRAPOLADO(160, 60, 0);

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
    : QWidget(padre, Qt::Window), resultado_(std::move(resultado)), rutaJson_(rutaJson),
      espectro_(resultado_->espectro) {
    setObjectName(QStringLiteral("frmdetalles"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tituloVentana() + QStringLiteral(" - ") +
                   QString::fromStdString(resultado_->titulo));
    pestanas_ = new QTabWidget(this);
    pestanas_->setObjectName(QStringLiteral("pestanas"));
    pestanas_->addTab(pestanaConstantes(), tr("Constantes"));
    pestanas_->addTab(pestanaAjuste(), tr("Ajuste"));
    pestanas_->addTab(pestanaNiveles(), tr("Niveles"));
    pestanas_->addTab(pestanaEnergias(), QStringLiteral("E(v,J)"));
    pestanas_->addTab(pestanaIsotopologos(), tr("Isotopólogos"));
    if (espectro_) {
        pestanas_->addTab(pestanaEspectro(), tr("Espectro"));
    }

    auto* guardar =
        boton(tr("&Guardar resultados (JSON)..."), QStringLiteral("btguardarjson"), this);
    auto* cerrar = boton(tr("&Cerrar"), QStringLiteral("btcerrar"), this);
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

QString frmdetalles::tituloDeVentana() {
    return tituloVentana();
}

Resultado<frmdetalles*>
frmdetalles::abre(std::shared_ptr<const curvifit::ResultadoEjecucion> resultado,
                  const QString& rutaJson, QWidget* padre) {
    if (!resultado) {
        return Fallo{tr("No hay resultados detallados de este cálculo (%1).").arg(rutaJson)};
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
    auto* exporta = boton(tr("Exportar CSV..."),
                          QStringLiteral("btexportar") + tabla->objectName().mid(5), caja);
    connect(exporta, &QPushButton::clicked, tabla, &TablaDetalles::exportarCsv);
    auto* fila = new QHBoxLayout;
    fila->addStretch();
    fila->addWidget(exporta);
    v->addLayout(fila);
    return caja;
}

QWidget* frmdetalles::pestanaConstantes() {
    auto* todo = new QSplitter(Qt::Vertical, this);
    todo->addWidget(
        conExportar(tabla(tablaConstantes(*resultado_), QStringLiteral("constantes")),
                    titulo(tr("Cada constante con su error típico (1σ) entre paréntesis, en "
                              "las últimas cifras: 1.40188(12) es 1.40188 ± 0.00012."),
                           this)));
    auto* nota = titulo(QString::fromStdString(notaDisociacion(*resultado_)), this);
    nota->setObjectName(QStringLiteral("notaDisociacion"));
    todo->addWidget(
        conExportar(tabla(tablaDisociacion(*resultado_), QStringLiteral("disociacion")), nota));
    todo->setStretchFactor(0, 3);
    todo->setStretchFactor(1, 1);
    return todo;
}

QWidget* frmdetalles::conCasillaAtomicas(QCheckBox*& casilla, const QString& nombre,
                                         QWidget* contenido) {
    auto* caja = new QWidget(this);
    casilla = new QCheckBox(tr("Unidades &atómicas (bohr, hartree)"), caja);
    casilla->setObjectName(nombre);
    casilla->setEnabled(resultado_->angstrom || resultado_->ev);
    casilla->setToolTip(tr("Muestra las distancias y energías de esta pestaña en bohr y "
                           "hartree en lugar de las unidades del documento"));
    auto* v = new QVBoxLayout(caja);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(casilla);
    v->addWidget(contenido, 1);
    return caja;
}

EleccionUnidades frmdetalles::eleccion(const QCheckBox* casilla) {
    return casilla != nullptr && casilla->isChecked() ? EleccionUnidades::Atomicas
                                                      : EleccionUnidades::Documento;
}

QWidget* frmdetalles::pestanaAjuste() {
    graficoResiduos_ = new GraficoDetalles(this);
    graficoResiduos_->setObjectName(QStringLiteral("graficoResiduos"));
    avisos_ = new QPlainTextEdit(this);
    avisos_->setObjectName(QStringLiteral("avisos"));
    avisos_->setReadOnly(true);
    auto* derecha = new QSplitter(Qt::Vertical, this);
    derecha->addWidget(tabla(tablaSingulares(*resultado_), QStringLiteral("singulares")));
    derecha->addWidget(avisos_);
    tablaPuntos_ = tabla(Tabla{}, QStringLiteral("puntos"));
    auto* abajo = new QSplitter(Qt::Horizontal, this);
    abajo->addWidget(conExportar(tablaPuntos_));
    abajo->addWidget(derecha);
    abajo->setStretchFactor(0, 3);
    abajo->setStretchFactor(1, 2);
    auto* todo = new QSplitter(Qt::Vertical, this);
    todo->addWidget(graficoResiduos_);
    todo->addWidget(abajo);
    QWidget* pestana = conCasillaAtomicas(atomicasAjuste_, QStringLiteral("atomicasAjuste"), todo);
    connect(atomicasAjuste_, &QCheckBox::toggled, this, &frmdetalles::dibujaAjuste);
    dibujaAjuste();
    return pestana;
}

void frmdetalles::dibujaAjuste() {
    const EleccionUnidades e = eleccion(atomicasAjuste_);
    const UnidadesMostradas u = unidadesMostradas(*resultado_, e);
    graficoResiduos_->ponSeries(
        seriesResiduos(*resultado_, e), tr("R (%1)").arg(QString::fromStdString(u.nombreDistancia)),
        tr("E calculada − E dato (%1)").arg(QString::fromStdString(u.nombreEnergia)));
    tablaPuntos_->ponTabla(tablaPuntos(*resultado_, e));
    avisos_->clear();
    for (const std::string& aviso : textosAvisos(*resultado_, e)) {
        avisos_->appendPlainText(QString::fromStdString(aviso));
    }
    if (resultado_->avisos.empty()) {
        avisos_->setPlainText(tr("Sin advertencias."));
    }
}

QWidget* frmdetalles::pestanaNiveles() {
    tablaNiveles_ = tabla(tablaNiveles(*resultado_), QStringLiteral("niveles"));
    auto* izquierda = new QSplitter(Qt::Vertical, this);
    QString nota = tr("Niveles exactos J = 0 (energías en 1/cm sobre E(re)) frente "
                      "a la fórmula del informe, G(v) = ωe(v+½) − ωexe(v+½)². "
                      "Elija una fila para ver χ² del nivel.");
    if (const std::string cuentas = notaCuentaNiveles(*resultado_); !cuentas.empty()) {
        nota += QStringLiteral("<br>") + QString::fromStdString(cuentas).toHtmlEscaped();
    }
    if (tablaNiveles_->rowCount() == 0) {
        nota = tr("No hay niveles exactos dentro del intervalo de distancias de los "
                  "datos: amplíe el intervalo de distancias.");
    }
    if (pintaExtrapolados()) {
        nota += tr(" En <span style=\"color:%1\">este color</span>, los niveles "
                   "extrapolados: un punto de retorno cae fuera de los datos y su "
                   "energía depende de cómo se prolonga la curva (véase la "
                   "incertidumbre).")
                    .arg(COLOR_EXTRAPOLADO.name());
    }
    // Rich text throughout: Qt guesses it from the first line only, which has no tag.
    QLabel* encima = titulo(nota, this);
    encima->setTextFormat(Qt::RichText);
    encima->setObjectName(QStringLiteral("notaniveles"));
    izquierda->addWidget(conExportar(tablaNiveles_, encima));
    izquierda->addWidget(conExportar(
        tabla(tablaConstantesNiveles(*resultado_), QStringLiteral("constantes_niveles"))));
    graficoNiveles_ = new GraficoDetalles(this);
    graficoNiveles_->setObjectName(QStringLiteral("graficoNiveles"));
    connect(tablaNiveles_, &QTableWidget::currentCellChanged, this,
            [this](int fila) { muestraNivel(fila); });
    auto* todo = new QSplitter(Qt::Horizontal, this);
    todo->addWidget(izquierda);
    todo->addWidget(graficoNiveles_);
    QWidget* pestana =
        conCasillaAtomicas(atomicasNiveles_, QStringLiteral("atomicasNiveles"), todo);
    connect(atomicasNiveles_, &QCheckBox::toggled, this, &frmdetalles::dibujaNiveles);
    muestraNivel(-1);
    return pestana;
}

bool frmdetalles::pintaExtrapolados() {
    const std::vector<FilaNivel> filas = filasNiveles(*resultado_);
    bool alguno = false;
    for (std::size_t f = 0; f < filas.size(); ++f) {
        alguno = alguno || filas[f].extrapolado;
        for (int c = 0; filas[f].extrapolado && c < tablaNiveles_->columnCount(); ++c) {
            if (auto* celda = tablaNiveles_->item(static_cast<int>(f), c)) {
                celda->setForeground(COLOR_EXTRAPOLADO);
            }
        }
    }
    return alguno;
}

void frmdetalles::dibujaNiveles() {
    const int fila = tablaNiveles_->currentRow();
    {
        // One redraw of the plot below, not one per change of the table.
        const QSignalBlocker quieta(tablaNiveles_);
        tablaNiveles_->ponTabla(tablaNiveles(*resultado_, eleccion(atomicasNiveles_)));
        pintaExtrapolados();
        if (fila >= 0) {
            tablaNiveles_->setCurrentCell(fila, 0);
        }
    }
    muestraNivel(fila);
}

QWidget* frmdetalles::pestanaEnergias() {
    TablaDetalles* energias = tabla(tablaEnergiasVJ(*resultado_), QStringLiteral("energias_vj"));
    const QString marca = QString::fromUtf8(MARCA_CUASILIGADO);
    for (int f = 0; f < energias->rowCount(); ++f) {
        for (int c = 0; c < energias->columnCount(); ++c) {
            QTableWidgetItem* celda = energias->item(f, c);
            if (celda != nullptr && celda->text().endsWith(marca)) {
                QFont cursiva = celda->font();
                cursiva.setItalic(true);
                celda->setFont(cursiva);
            }
        }
    }
    const QString nota = tr("E(v,J) exactas en 1/cm sobre E(re): v hacia abajo, J "
                            "hacia la derecha. Una casilla vacía: ese nivel no está "
                            "ligado para esa J. En cursiva y con *, los niveles "
                            "cuasiligados: por encima de la asíntota, retenidos por "
                            "la barrera centrífuga.");
    QLabel* encima = titulo(nota + QStringLiteral("\n") +
                                QString::fromStdString(notaEnergiasVJ(*resultado_)).trimmed(),
                            this);
    encima->setObjectName(QStringLiteral("notaenergiasvj"));
    return conExportar(energias, encima);
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
        onda = curvifit::funcionOnda(potencialAjustado(*resultado_),
                                     resultado_->exactos->extensiones, resultado_->masaReducida,
                                     resultado_->exactos->RMIN, resultado_->exactos->RMAX, v, 0);
    }
    const EleccionUnidades e = eleccion(atomicasNiveles_);
    const UnidadesMostradas u = unidadesMostradas(*resultado_, e);
    graficoNiveles_->ponSeries(seriesNiveles(*resultado_, v, onda, e),
                               tr("R (%1)").arg(QString::fromStdString(u.nombreDistancia)),
                               tr("V(R) (%1)").arg(QString::fromStdString(u.nombreEnergia)));
}

void frmdetalles::guardarJson() {
    const QFileInfo json(rutaJson_);
    const auto destino = dialogosFichero().guardar(
        this, tr("Guardar resultados"), json.absoluteFilePath(), tr("Resultados JSON (*.json)"));
    if (!destino || QFileInfo(*destino).absoluteFilePath() == json.absoluteFilePath()) {
        return;
    }
    // Through a temporary file: an older file at the destination stays until the copy is whole.
    QFile origen(rutaJson_);
    QSaveFile copia(*destino);
    if (!origen.open(QIODevice::ReadOnly) || !copia.open(QIODevice::WriteOnly) ||
        copia.write(origen.readAll()) != origen.size() || !copia.commit()) {
        avisar(this, tr("No se puede escribir el fichero %1.").arg(*destino),
               tr("Guardar resultados"), IconoMensaje::Stop);
    }
}

// The stick spectrum over its lines, a temperature that recomputes both at once.
QWidget* frmdetalles::pestanaEspectro() {
    auto* pestana = new QWidget(this);
    auto* temperatura = new QDoubleSpinBox(pestana);
    temperatura->setObjectName(QStringLiteral("temperatura"));
    temperatura->setRange(1.0, 100000.0);
    temperatura->setDecimals(1);
    temperatura->setSuffix(QStringLiteral(" K"));
    temperatura->setValue(espectro_->temperatura_k);
    temperatura->setKeyboardTracking(false);
    logaritmica_ = new QCheckBox(tr("Escala &logarítmica"), pestana);
    logaritmica_->setObjectName(QStringLiteral("logaritmica"));
    perfil_ = new QComboBox(pestana);
    perfil_->setObjectName(QStringLiteral("perfil"));
    perfil_->addItems({tr("Barras"), tr("Gaussiano"), tr("Lorentziano")});
    fwhm_ = new QDoubleSpinBox(pestana);
    fwhm_->setObjectName(QStringLiteral("fwhm"));
    fwhm_->setRange(0.001, 1000.0);
    fwhm_->setDecimals(3);
    fwhm_->setValue(1.0);
    fwhm_->setPrefix(QStringLiteral("FWHM "));
    fwhm_->setSuffix(QStringLiteral(" 1/cm"));
    fwhm_->setKeyboardTracking(false);
    particion_ = new QLabel(pestana);
    particion_->setObjectName(QStringLiteral("particion"));
    auto* arriba = new QHBoxLayout;
    arriba->addWidget(new QLabel(tr("&Temperatura:"), pestana));
    arriba->addWidget(temperatura);
    arriba->addWidget(logaritmica_);
    arriba->addWidget(perfil_);
    arriba->addWidget(fwhm_);
    arriba->addWidget(particion_, 1);
    graficoEspectro_ = new GraficoDetalles(pestana);
    graficoEspectro_->setObjectName(QStringLiteral("graficoespectro"));
    graficoEspectro_->permiteZoom(true);
    graficoEspectro_->setWhatsThis(tr("Arrastra con el botón izquierdo para ampliar una zona; "
                                      "el botón derecho vuelve a la vista completa."));
    tablaLineas_ = tabla(tablaLineas(*espectro_), QStringLiteral("lineas"));
    tablaLineas_->permiteOrdenar();
    auto* partido = new QSplitter(Qt::Vertical, pestana);
    partido->addWidget(graficoEspectro_);
    partido->addWidget(conExportar(tablaLineas_));
    auto* exomol = boton(tr("Exportar E&xoMol..."), QStringLiteral("btexomol"), pestana);
    connect(exomol, &QPushButton::clicked, this, &frmdetalles::exportarExomol);
    arriba->addWidget(exomol);
    auto* completa = boton(tr("&Vista completa"), QStringLiteral("btvistacompleta"), pestana);
    completa->setToolTip(tr("Vuelve a la vista completa tras ampliar una zona arrastrando con el "
                            "botón izquierdo (también con el botón derecho)"));
    connect(completa, &QPushButton::clicked, graficoEspectro_,
            &GraficoDetalles::muestraVistaCompleta);
    arriba->insertWidget(arriba->indexOf(particion_), completa);
    auto* todo = new QVBoxLayout(pestana);
    todo->addLayout(arriba);
    todo->addWidget(partido, 1);
    connect(temperatura, &QDoubleSpinBox::valueChanged, this, &frmdetalles::ponTemperatura);
    connect(logaritmica_, &QCheckBox::toggled, this, &frmdetalles::dibujaEspectro);
    connect(perfil_, &QComboBox::currentIndexChanged, this, &frmdetalles::dibujaEspectro);
    connect(fwhm_, &QDoubleSpinBox::valueChanged, this, &frmdetalles::dibujaEspectro);
    dibujaEspectro();
    return pestana;
}

void frmdetalles::dibujaEspectro() {
    const curvifit::Espectro& e = *espectro_;
    const bool logaritmica = logaritmica_->isChecked();
    const Ensanchamiento ensanchamiento{static_cast<Perfil>(perfil_->currentIndex()),
                                        fwhm_->value()};
    const QString magnitud =
        ensanchamiento.perfil == Perfil::Barras ? tr("I (cm/molécula)") : tr("σ (cm²/molécula)");
    graficoEspectro_->ponSeries(seriesEspectro(e, logaritmica, ensanchamiento), tr("ν (1/cm)"),
                                logaritmica ? QStringLiteral("log₁₀ ") + magnitud : magnitud);
    particion_->setText(QString::fromStdString(textoParticion(e)));
}

void frmdetalles::ponTemperatura(double kelvin) {
    if (!espectro_ || tablaLineas_ == nullptr) {
        return;
    }
    curvifit::aplicaTemperatura(*espectro_, kelvin);
    tablaLineas_->ponTabla(tablaLineas(*espectro_));
    dibujaEspectro();
}

void frmdetalles::exportarExomol() {
    const QFileInfo json(rutaJson_);
    const auto destino =
        dialogosFichero().guardar(this, tr("Exportar ExoMol"),
                                  json.absolutePath() + QLatin1Char('/') + json.completeBaseName() +
                                      QStringLiteral(".states"),
                                  tr("Lista de líneas ExoMol (*.states)"));
    if (!destino) {
        return;
    }
    try {
        curvifit::escribeExomol(destino->toStdString(), *espectro_);
    } catch (const curvifit::ErrorMotor& e) {
        avisar(this, QString::fromStdString(e.what()), tr("Exportar ExoMol"), IconoMensaje::Stop);
    }
}

} // namespace oscilab
