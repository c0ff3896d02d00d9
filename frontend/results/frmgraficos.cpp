#include "frmgraficos.h"

#include "curva.h"
#include "diagnostico.h"
#include "esquinas.h"
#include "disposicion_graficos.h"
#include "compartido/formato_numeros.h"
#include "frmescala.h"
#include "grafico_curva.h"
#include "impresion.h"
#include "marco_grafica.h"
#include "marcas_vista.h"
#include "polinomio.h"
#include "unidades_grafico.h"
#include "compartido/mensajes.h"
#include "compartido/pantalla.h"
#include "detalles/frmdetalles.h"

#include <QCloseEvent>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace oscilab {

namespace {

constexpr int anchoVentana = 800;
constexpr int altoVentana = 600;
constexpr int anchoMinimo = 640;
constexpr int altoMinimo = 480;

QLabel* etiqueta(const char* nombre, const QString& texto, Qt::Alignment alineacion,
                 QWidget* padre) {
    auto* lb = new QLabel(texto, padre);
    lb->setObjectName(QString::fromLatin1(nombre));
    lb->setAlignment(alineacion | Qt::AlignVCenter);
    return lb;
}

QPushButton* boton(const char* nombre, const QString& texto, QWidget* padre) {
    auto* bt = new QPushButton(texto, padre);
    bt->setObjectName(QString::fromLatin1(nombre));
    bt->setAutoDefault(false);
    return bt;
}

} // namespace

frmgraficos::frmgraficos(EstadoResultados& resultados, ResultadoCalculo calculo,
                         std::function<int()> chequeadatos, QWidget* principal)
    : QWidget(principal, Qt::Dialog), resultados_(resultados), calculo_(std::move(calculo)),
      unidades_(calculo_.datos ? unidadesMostradas(*calculo_.datos) : UnidadesMostradas{}),
      chequeadatos_(std::move(chequeadatos)) {
    setObjectName(QStringLiteral("frmgraficos"));
    setWindowTitle(tr("Gráficos"));
    setAttribute(Qt::WA_DeleteOnClose);

    marco_ = new MarcoGrafica(this);
    grafico_ = new GraficoCurva(resultados_, marco_);
    grafico_->ponUnidades(unidades_);
    QFont pequena = font();
    pequena.setPointSize(8);
    x0y1_ = etiqueta("x0y1", QStringLiteral("Label2"), Qt::AlignRight, marco_);
    x0y0y_ = etiqueta("x0y0y", QStringLiteral("Label1"), Qt::AlignRight, marco_);
    x0y0x_ = etiqueta("x0y0x", QStringLiteral("Label1"), Qt::AlignLeft, marco_);
    x1y0_ = etiqueta("x1y0", QStringLiteral("Label3"), Qt::AlignRight, marco_);
    // The view's extents, kept for reading; every tick is labelled in the frame instead.
    for (QLabel* esquina : {x0y1_, x0y0y_, x0y0x_, x1y0_}) {
        esquina->setFont(pequena);
        esquina->hide();
    }
    lby_ = etiqueta("lby", tituloEjeV(unidades_), Qt::AlignHCenter, marco_);
    lbx_ = etiqueta("lbx", tituloEjeR(unidades_), Qt::AlignHCenter, marco_);

    rtxtdatos_ = new QPlainTextEdit(this);
    rtxtdatos_->setObjectName(QStringLiteral("rtxtdatos"));
    rtxtdatos_->setAccessibleName(tr("Informe de resultados"));
    rtxtdatos_->setReadOnly(true);
    rtxtdatos_->setLineWrapMode(QPlainTextEdit::NoWrap);
    rtxtdatos_->setFont(fuenteInforme());

    btprint_ = boton("btprint", tr("&Imprimir"), this);
    btescala_ = boton("btescala", tr("&Escala"), this);
    btdaceptar_ = boton("btdaceptar", tr("&Aceptar"), this);
    btexportar_ = boton("btexportar", tr("E&xportar gráfico..."), this);
    connect(btprint_, &QPushButton::clicked, this, &frmgraficos::imprimir);
    connect(btescala_, &QPushButton::clicked, this, &frmgraficos::abreEscala);
    connect(btdaceptar_, &QPushButton::clicked, this, &QWidget::close);
    connect(btexportar_, &QPushButton::clicked, this, &frmgraficos::exportarGrafico);
    btdetalles_ = boton("btdetalles", tr("&Detalles..."), this);
    connect(btdetalles_, &QPushButton::clicked, this, &frmgraficos::abreDetalles);
    connect(grafico_, &GraficoCurva::vistaDibujada, this, &frmgraficos::muestraVista);

    // The plot and the report share the room in proportion, so a small screen still shows
    // every control.
    setMinimumSize(anchoMinimo, altoMinimo);
    colocaEnPantalla(*this, QSize(anchoVentana, altoVentana));
    disponControles();
}

frmgraficos::~frmgraficos() = default;

void frmgraficos::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    disponControles();
}

void frmgraficos::disponControles() {
    // Every button as wide as the widest text needs, "Exportar gráfico..." included.
    int ancho = 90;
    for (const QPushButton* b : {btprint_, btescala_, btdaceptar_, btexportar_, btdetalles_}) {
        ancho = qMax(ancho, b->sizeHint().width());
    }
    const QSize tamBoton(ancho, btprint_->sizeHint().height());
    const QSize tamX = lbx_->sizeHint();
    const QSize tamY = lby_->sizeHint();
    const int altoEsquina = x0y1_->sizeHint().height();
    const DisposicionGraficos d = disposicionGraficos(size(), tamBoton, tamX, tamY, altoEsquina);

    marco_->setGeometry(d.marco);
    marco_->ponAreaGrafico(d.grafico);
    grafico_->setGeometry(d.grafico);
    lby_->setGeometry(d.lby);
    lbx_->setGeometry(d.lbx);
    x0y1_->setGeometry(d.x0y1);
    x0y0y_->setGeometry(d.x0y0y);
    x0y0x_->setGeometry(d.x0y0x);
    x1y0_->setGeometry(d.x1y0);
    rtxtdatos_->setGeometry(d.informe);
    btprint_->setGeometry(d.imprimir);
    btescala_->setGeometry(d.escala);
    btdaceptar_->setGeometry(d.aceptar);
    // Below the other buttons, right-aligned with them, as wide as its text needs.
    QRect exportar = d.aceptar.translated(0, d.aceptar.top() - d.escala.top());
    exportar.setLeft(exportar.right() + 1 -
                     qMax(exportar.width(), btexportar_->sizeHint().width()));
    btexportar_->setGeometry(exportar);
    // And below it, the same way.
    QRect detalles = exportar.translated(0, d.aceptar.top() - d.escala.top());
    detalles.setLeft(detalles.right() + 1 -
                     qMax(d.aceptar.width(), btdetalles_->sizeHint().width()));
    btdetalles_->setGeometry(detalles);

    ajustaEsquinas();
    colocaMarcas();
}

// Ticks at round values of the view drawn, each labelled: V in the strip left of the plot,
// R under it, above the R caption.
void frmgraficos::colocaMarcas() {
    const QRect plot = grafico_->geometry();
    // The plot's box at the plot's size now, which a hidden window has not yet given it.
    const MarcasVista marcas =
        marcasVista(Escala(grafico_->escala().caja(), QSizeF(plot.size())), unidades_);
    const double largo = 100.0 * logicalDpiX() / 1440.0; // 100 twips, as printed
    const int finV = plot.left() - qRound(largo) - 2;
    QStringList textosV;
    for (const MarcaVista& m : marcas.v) {
        textosV << m.texto;
    }
    // A long value takes a smaller font, the same for all, rather than losing digits.
    const QFont fuente = fuenteQueCabe(x0y0x_->font(), textosV, finV);
    const int abajo = plot.top() + plot.height();
    marco_->ponMarcas(lineasMarcas(plot, marcas, plot.left() - largo, abajo + largo),
                      etiquetasMarcas(plot, marcas, QFontMetrics(fuente), finV,
                                      abajo + qRound(largo) + 1, marco_->width()),
                      fuente);
}

void frmgraficos::muestraVista(const Caja& vista) {
    const Caja caja = cajaMostrada(vista, unidades_);
    x0y0x_->setText(formatoEsquina(caja.rmin));
    x1y0_->setText(formatoEsquina(caja.rmax));
    x0y0y_->setText(formatoEsquina(caja.vmin));
    x0y1_->setText(formatoEsquina(caja.vmax));
    ajustaEsquinas();
    colocaMarcas();
}

void frmgraficos::ajustaEsquinas() {
    // The R labels hug their text, the left one from the plot's left edge and the right one
    // up to its right edge: the printed plot writes each label from its left edge, so a
    // wider R max label would print well inside the axis.
    QRect izquierda = x0y0x_->geometry();
    izquierda.setWidth(x0y0x_->sizeHint().width());
    x0y0x_->setGeometry(izquierda);
    QRect derecha = x1y0_->geometry();
    derecha.setLeft(derecha.right() + 1 - x1y0_->sizeHint().width());
    x1y0_->setGeometry(derecha);
    // The V labels have the strip left of the plot, at the frame's edge: a long value
    // takes a smaller font, the same for both, rather than losing its leading digits.
    const QFont fuente = fuenteQueCabe(x0y0x_->font(), {x0y1_->text(), x0y0y_->text()},
                                       x0y1_->contentsRect().width());
    x0y1_->setFont(fuente);
    x0y0y_->setFont(fuente);
}

void frmgraficos::cargaResultados() {
    const int npuntos = chequeadatos_ ? chequeadatos_() : 0;
    LecturaCurva lectura = leecurva(calculo_.curva, npuntos);
    const DatosCurva& datos = lectura.datos;
    resultados_.coeficientes = datos.coeficientes;
    if (datos.errorenergia) {
        resultados_.errorenergia = *datos.errorenergia;
    }
    grafico_->ponCurva(datos);
    if (!lectura.ok()) {
        avisar(this, lectura.error, tr("Advertencia"), IconoMensaje::Exclamacion);
    }

    const auto limites = calculalimites(datos.puntos, resultados_.coeficientes,
                                        muestrasEnAncho(grafico_->anchoTwips()));
    if (!limites) {
        return; // nothing to draw without points
    }
    resultados_.limites = *limites;
    if (grafico_->dibujaVistaCompleta()) {
        grafico_->dibujapuntos();
        grafico_->dibujaniveles();
    }
    const QString aviso = diagnostico(datos.puntos, datos.niveles.size(), resultados_.limites,
                                      resultados_.errorenergia);
    if (!aviso.isEmpty()) {
        avisar(this, aviso, tr("Advertencia"), IconoMensaje::Stop);
    }
}

bool frmgraficos::cargaInforme(const QString& ruta) {
    QFile fichero(ruta);
    if (!fichero.open(QIODevice::ReadOnly)) {
        rtxtdatos_->clear();
        avisar(this, tr("No se puede leer el informe %1.").arg(ruta), tr("Advertencia"),
               IconoMensaje::Exclamacion);
        return false;
    }
    QString texto = QString::fromLatin1(fichero.readAll());
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    rtxtdatos_->setPlainText(texto);
    return true;
}

const QImage& frmgraficos::imagenGrafica() const {
    return grafico_->imagen();
}

QRect frmgraficos::geometriaMarco() const {
    return marco_->geometry();
}

QRect frmgraficos::geometriaGrafico() const {
    return grafico_->geometry();
}

QString frmgraficos::textoInforme() const {
    return rtxtdatos_->toPlainText();
}

namespace {

EtiquetaGrafico etiquetaImpresa(const QLabel* etiqueta) {
    return {etiqueta->text(), etiqueta->geometry()};
}

} // namespace

// The printed page copies the screen: its ticks, their labels and the captions name the
// document's units as the window does.
ComposicionGrafico frmgraficos::composicion() const {
    ComposicionGrafico c;
    c.imagenGrafico = grafico_->imagen();
    c.marco = marco_->size();
    c.areaGrafico = grafico_->geometry();
    c.marcas = marco_->marcas();
    c.etiquetasMarcas = marco_->etiquetas();
    c.lbx = etiquetaImpresa(lbx_);
    c.lby = etiquetaImpresa(lby_);
    c.fuenteEtiquetas = marco_->fuente();
    c.puntosPorPulgada = logicalDpiX();
    return c;
}

void frmgraficos::imprimir() {
    imprimirResultados(this, textoInforme(), calculo_.nombrebase, composicion(),
                       calculo_.carpeta());
}

void frmgraficos::abreEscala() {
    if (escala_) {
        escala_->raise();
        return;
    }
    if (resultados_.vista.esNula()) {
        resultados_.vista = resultados_.limites;
    }
    escala_ = new frmescala(resultados_.vista, resultados_.limites, resultados_.coeficientes,
                            muestrasEnAncho(grafico_->anchoTwips()), this);
    connect(escala_, &frmescala::vistaElegida, this, [this](const Caja& vista) {
        resultados_.vista = vista;
        grafico_->dibujaVista();
    });
    // The window takes no input while the dialog is open, whichever way it closes.
    connect(escala_, &QDialog::finished, this, [this] { ponHabilitada(true); });
    ponHabilitada(false);
    escala_->ponUnidades(unidades_);
    escala_->abre();
}

void frmgraficos::abreDetalles() {
    if (detalles_) {
        detalles_->raise();
        detalles_->activateWindow();
        return;
    }
    // A window of its own that closes with this one.
    auto abierto = frmdetalles::abre(calculo_.datos, calculo_.resultado, this);
    if (!abierto.ok()) {
        avisar(this, abierto.fallo().texto(), frmdetalles::tituloDeVentana(), IconoMensaje::Stop);
        return;
    }
    detalles_ = abierto.valor();
}

frmdetalles* frmgraficos::detalles() const {
    return detalles_.data();
}

frmescala* frmgraficos::dialogoEscala() const {
    return escala_.data();
}

void frmgraficos::closeEvent(QCloseEvent* evento) {
    if (escala_ && !habilitada()) {
        evento->ignore();
        escala_->raise();
        escala_->activateWindow();
        return;
    }
    QWidget::closeEvent(evento);
}

bool frmgraficos::habilitada() const {
    return marco_->isEnabled();
}

void frmgraficos::ponHabilitada(bool si) {
    // The scale dialog is a child window; only the window's own controls are disabled.
    for (QWidget* control : std::initializer_list<QWidget*>{
             marco_, rtxtdatos_, btprint_, btescala_, btdaceptar_, btexportar_, btdetalles_}) {
        control->setEnabled(si);
    }
}

} // namespace oscilab
