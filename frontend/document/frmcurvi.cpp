#include "document/frmcurvi.h"

#include "compartido/campo_numerico.h"
#include "compartido/carpetas.h"
#include "document/elementos.h"
#include "document/fichero_datos.h"
#include "document/tabla_periodica.h"
#include "compartido/textos_numero.h"
#include "import/importacion.h"
#include "results/frmgraficos.h"
#include "run/ejecucion.h"
#include "windows/ayuda.h"
#include "windows/datos_instalacion.h"
#include "compartido/dialogos_fichero.h"
#include "windows/frmacercade.h"
#include "compartido/estado_global.h"
#include "document/arrastre.h"
#include "document/frmajuste.h"
#include "compartido/mensajes.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

namespace oscilab {

namespace {

// Character code of a key as a typed character: Enter 13, backspace 8, else the character
// (control keys such as Ctrl+C or Ctrl+V give their control codes and are filtered like any
// other). -1 for keys that type nothing (arrows, Tab, Delete), which pass unfiltered.
int codigoTecla(const QKeyEvent* evento) {
    switch (evento->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return -1;
    default:
        break;
    }
    const QString texto = evento->text();
    return texto.isEmpty() ? -1 : texto[0].unicode();
}

} // namespace

frmcurvi::frmcurvi(EstadoGlobal& estado, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint),
      estado_(estado), carpetaDocumentos_(estado.dirdatos),
      carpetaImportacion_(estado.dirprograma) {
    setObjectName(QStringLiteral("frmcurvi"));
    setWindowTitle(nombreprograma_);
    creaMenusYBarra();
    creaControles();

    estado_.fichero.clear();
    atomoactivo_ = 1;
    titulodoc_ = sinTitulo_;
    ponTitulo(titulodoc_);
    celdaActual(1, 1);
    alCambiarCelda();
    modogrid_ = 0;
    textdato_->clear();
    cmblimitador_->setCurrentIndex(0);

    frmajuste_ = new frmajuste(estado_, this);
    calculo_ = new Calculo(this);
    conectaControles();
    marcaPotenciasIniciales();
    habilitaEjecutar(false);
    marcaGuardado();
    aceptaArrastres();

    adjustSize();
    setFixedSize(size());
    if (const QScreen* pantalla = QGuiApplication::primaryScreen()) {
        move(pantalla->availableGeometry().center() - rect().center());
    }
}

frmcurvi::~frmcurvi() = default;

void frmcurvi::conectaControles() {
    connect(textnombre_, &QLineEdit::textChanged, this, &frmcurvi::documentoCambiado);
    for (int i = 0; i < 2; ++i) {
        connect(textmatom_[static_cast<std::size_t>(i)], &QLineEdit::textChanged, this,
                [this, i](const QString& texto) { masaCambiada(i + 1, texto); });
    }
    // A typed edit of the editor counts; alCambiarCelda refills it without a signal.
    connect(textdato_, &QLineEdit::textChanged, this, &frmcurvi::documentoCambiado);
    connect(btdato_, &QPushButton::clicked, this, &frmcurvi::btdatoClick);
    connect(grid_, &QTableWidget::currentCellChanged, this, &frmcurvi::alCambiarCelda);
    connect(grid_, &QTableWidget::cellClicked, this, &frmcurvi::editafila);
    connect(ssradd_, &QToolButton::clicked, this, [this] { ponModo(modogrid_ == 0 ? 1 : 0); });
    connect(ssrdel_, &QToolButton::clicked, this, [this] { ponModo(modogrid_ > 0 ? 0 : 2); });
    const std::pair<QRadioButton*, std::pair<int, Conversion>> unidades[] = {
        {optdist_[0], {1, Conversion::AngstromABohr}},
        {optdist_[1], {1, Conversion::BohrAAngstrom}},
        {optener_[0], {2, Conversion::EvAHartree}},
        {optener_[1], {2, Conversion::HartreeAEv}},
    };
    for (const auto& [opcion, conversion] : unidades) {
        connect(opcion, &QRadioButton::toggled, this, [this, c = conversion](bool elegido) {
            if (elegido) {
                cambiaUnidad(c.first, c.second);
            }
        });
    }
    connect(btgrado_, &QPushButton::clicked, frmajuste_, &frmajuste::mostrar);
    connect(frmajuste_, &frmajuste::potenciasCambiadas, this, &frmcurvi::muestraPotencias);
    connect(frmajuste_, &frmajuste::explorarPedido, this, &frmcurvi::abreExplorador);
    connect(frmtp_, &TablaPeriodica::elementoElegido, this, &frmcurvi::eligeElemento);
    connect(cmblimitador_, &QComboBox::activated, this, [this] {
        btimport_->setToolTip(QStringLiteral("Importar datos separados por ") +
                              cmblimitador_->currentText());
    });
    connect(btejecuta_, &QPushButton::clicked, this, &frmcurvi::ejecutar);
    connect(calculo_, &Calculo::terminado, this, &frmcurvi::calculoTerminado);
    connect(btexcel_, &QToolButton::clicked, this, &frmcurvi::importarHoja);
    connect(btimport_, &QToolButton::clicked, this, &frmcurvi::importarTexto);
}

// ---- Public members ----

bool frmcurvi::compruebaunidades() {
    const QString titulo = QStringLiteral("Unidades");
    if (!optdist_[0]->isChecked() && !optdist_[1]->isChecked()) {
        avisar(this, QStringLiteral("Debes elegir las unidades para la distancia"), titulo,
               IconoMensaje::Informacion);
        return false;
    }
    if (!optener_[0]->isChecked() && !optener_[1]->isChecked()) {
        avisar(this, QStringLiteral("Debes elegir las unidades para la energía"), titulo,
               IconoMensaje::Informacion);
        return false;
    }
    return true;
}

void frmcurvi::habilitaEjecutar(bool habilitado) {
    btejecuta_->setEnabled(habilitado);
    barraEjecutar_->setEnabled(habilitado);
}

QString frmcurvi::delimitador() const {
    return cmblimitador_->currentText();
}

bool frmcurvi::ejecutarHabilitado() const {
    return btejecuta_->isEnabled();
}

QString frmcurvi::textoCelda(int fila, int columna) const {
    const QTableWidgetItem* item = grid_->item(fila - 1, columna - 1);
    return item != nullptr ? item->text() : QString();
}

void frmcurvi::ponTextoCelda(int fila, int columna, const QString& texto) {
    QTableWidgetItem* item = grid_->item(fila - 1, columna - 1);
    if (item == nullptr) {
        item = new QTableWidgetItem;
        grid_->setItem(fila - 1, columna - 1, item);
    }
    item->setText(texto);
    if (grid_->currentRow() == fila - 1 && grid_->currentColumn() == columna - 1) {
        // The editor keeps showing the current cell; writing a cell is not an edit of it.
        const QSignalBlocker silencio(textdato_);
        alCambiarCelda();
    }
}

bool frmcurvi::ejecutableTalCual() const {
    CeldasTabla celdas;
    for (int r = 1; r <= filasTabla; ++r) {
        celdas[static_cast<std::size_t>(r - 1)] = {textoCelda(r, 1), textoCelda(r, 2)};
    }
    return !celdaNoNumerica(celdas) &&
           evaluaChequeo(ordenaPuntos(celdas).n, estado_.numeroPotencias(),
                         !textnombre_->text().isEmpty(), !textmatom_[0]->text().isEmpty(),
                         !textmatom_[1]->text().isEmpty())
               .permiteEjecutar;
}

ResultadoChequeo frmcurvi::chequea() {
    CeldasTabla celdas;
    for (int r = 1; r <= filasTabla; ++r) {
        celdas[static_cast<std::size_t>(r - 1)] = {textoCelda(r, 1), textoCelda(r, 2)};
    }
    if (const auto mala = celdaNoNumerica(celdas)) {
        ultimoChequeoPermite_ = false;
        habilitaEjecutar(false);
        avisar(this, mensajeCeldaNoNumerica(*mala), QString(), IconoMensaje::Exclamacion);
        celdaActual(mala->fila, mala->columna);
        textdato_->setFocus();
        ResultadoChequeo r;
        r.codigo = codigoCeldaNoNumerica;
        r.foco = FocoChequeo::Celda;
        return r;
    }
    const PuntosOrdenados puntos = ordenaPuntos(celdas);
    for (int r = 1; r <= filasTabla; ++r) {
        const auto& fila = puntos.celdas[static_cast<std::size_t>(r - 1)];
        ponTextoCelda(r, 1, fila[0]);
        ponTextoCelda(r, 2, fila[1]);
    }
    celdaActual(1, 1);

    const ResultadoChequeo r =
        evaluaChequeo(puntos.n, estado_.numeroPotencias(), !textnombre_->text().isEmpty(),
                      !textmatom_[0]->text().isEmpty(), !textmatom_[1]->text().isEmpty());
    ultimoChequeoPermite_ = r.permiteEjecutar;
    if (!r.mensaje.isEmpty()) {
        avisar(this, r.mensaje, QString(), IconoMensaje::Exclamacion);
    }
    enfoca(r.foco);
    habilitaEjecutar(r.permiteEjecutar);
    return r;
}

// ---- Commands ----

namespace {

// The point table as an import sees it.
class DestinoTabla : public DestinoImportacion {
public:
    explicit DestinoTabla(frmcurvi& ventana) : ventana_(ventana) {}
    bool compruebaunidades() override { return ventana_.compruebaunidades(); }
    void filaActual(int fila) override { ventana_.grid()->setCurrentCell(fila - 1, 0); }
    void escribeCelda(int fila, int columna, const QString& texto) override {
        ventana_.ponTextoCelda(fila, columna, texto);
    }
    void documentoCambiado() override {
        ventana_.habilitaEjecutar(false);
        ventana_.marcaCambio();
    }

private:
    frmcurvi& ventana_;
};

} // namespace

frmgraficos* frmcurvi::graficos() const {
    return frmgraficos_.data();
}

// Refuses, with a message, a document that is not saved directly in the data folder;
// otherwise starts the engine with the run command disabled until it has ended.
void frmcurvi::ejecutar() {
    if (calculo_->enMarcha()) {
        return;
    }
    const NombreEjecucion nombre = nombreDeEjecucion(estado_.fichero, estado_.dirdatos);
    if (!nombre.error.isEmpty()) {
        avisar(this, nombre.error, QString(), IconoMensaje::Exclamacion);
        return;
    }
    // The window of an earlier run shows that run's results: it goes before this one.
    delete frmgraficos_.data();
    estado_.nombrebase = nombre.nombrebase;
    habilitaEjecutar(false);
    calculo_->ejecutarCalculo(estado_);
}

// One message on failure; on success the results window, and the document is unchanged.
void frmcurvi::calculoTerminado(const ResultadoCalculo& resultado) {
    habilitaEjecutar(true);
    if (!resultado.exito()) {
        avisar(this, resultado.fallo, QString(), IconoMensaje::Stop);
        return;
    }
    frmgraficos_ = new frmgraficos(
        resultados_, estado_, [n = resultado.puntos] { return n; }, this);
    frmgraficos_->ponResultado(resultado.datos, resultado.resultado);
    frmgraficos_->cargaResultados();
    frmgraficos_->cargaInforme(resultado.informe);
    frmgraficos_->show();
    marcaGuardado();
}

void frmcurvi::importarTexto() {
    DestinoTabla destino(*this);
    if (const auto ruta = importarDatos(this, OrigenImportacion::Texto, carpetaImportacion_,
                                        delimitador(), destino)) {
        carpetaImportacion_ = carpetaDeFichero(*ruta);
    }
}

void frmcurvi::importarHoja() {
    DestinoTabla destino(*this);
    if (const auto ruta = importarDatos(this, OrigenImportacion::Excel, carpetaImportacion_,
                                        delimitador(), destino)) {
        carpetaImportacion_ = carpetaDeFichero(*ruta);
    }
}

void frmcurvi::importarFichero(const QString& ruta) {
    DestinoTabla destino(*this);
    const auto origen = claseArrastre(ruta) == ClaseArrastre::ImportacionHoja
                            ? OrigenImportacion::Excel
                            : OrigenImportacion::Texto;
    importarFicheroDado(this, origen, ruta, delimitador(), destino);
}

void frmcurvi::muestraayuda() {
    oscilab::muestraayuda(ficheroAyuda(estado_.dirprograma), this);
}

void frmcurvi::acercade() {
    muestraAcercade(leeDatosInstalacion(ficheroInstalacion(estado_.dirprograma)), this);
}

void frmcurvi::nuevo() {
    if (hayCambios() && !preguntarguardarcambios()) {
        return;
    }
    nuevodocumento();
    habilitaEjecutar(false);
}

void frmcurvi::abrir() {
    abrirDocumento(std::nullopt);
}

void frmcurvi::abrirDocumento(const std::optional<QString>& ruta) {
    if (hayCambios() && !preguntarguardarcambios()) {
        return;
    }
    nuevodocumento();
    if (abrirfichero(ruta)) {
        habilitaEjecutar(ejecutableTalCual());
    }
}

void frmcurvi::guardar() {
    if (!hayCambios()) {
        return;
    }
    if (estado_.fichero.isEmpty()) {
        guardaComo();
    } else if (guardarfichero() == Guardado::Error) {
        informaErrorGuardar();
    }
    // Only a file that holds the document, with enough points for its powers, may be run.
    if (!hayCambios()) {
        habilitaEjecutar(ultimoChequeoPermite_);
    }
}

void frmcurvi::guardarComo() {
    guardaComo();
}

void frmcurvi::salir() {
    close();
}

void frmcurvi::closeEvent(QCloseEvent* evento) {
    if (hayCambios() && !preguntarguardarcambios()) {
        evento->ignore();
        return;
    }
    evento->accept();
    frmajuste_->hide();
    emit programaTerminado();
}

// ---- Editing ----

void frmcurvi::celdaActual(int fila, int columna) {
    grid_->setCurrentCell(fila - 1, columna - 1);
}

void frmcurvi::alCambiarCelda() {
    const int fila = std::max(grid_->currentRow(), 0) + 1;
    const int columna = std::max(grid_->currentColumn(), 0) + 1;
    const QString cabecera = grid_->horizontalHeaderItem(columna - 1)->text();
    lbcelda_->setText(cabecera + QLatin1Char('-') + QString::number(fila) + QLatin1Char(':'));
    {
        // Showing the current cell is not an edit of the document.
        const QSignalBlocker silencio(textdato_);
        textdato_->setText(textoCelda(fila, columna));
    }
    if (textdato_->hasFocus()) {
        textdato_->selectAll();
    }
}

void frmcurvi::btdatoClick() {
    const int fila = std::max(grid_->currentRow(), 0) + 1;
    const int columna = std::max(grid_->currentColumn(), 0) + 1;
    const QString texto = textdato_->text();
    if (texto.isEmpty()) {
        // Emptying a cell that held a value is a change too.
        if (!textoCelda(fila, columna).isEmpty()) {
            ponTextoCelda(fila, columna, QString());
            documentoCambiado();
        }
        return;
    }
    ponTextoCelda(fila, columna, texto);
    if (columna == 1) {
        celdaActual(fila, 2);
    } else {
        celdaActual(fila < filasTabla ? fila + 1 : fila, 1);
    }
    textdato_->setFocus();
    textdato_->selectAll();
    marcaCambio();
}

bool frmcurvi::teclaDato(int tecla) {
    const int pulsada = tecla;
    oscilab::validanumfloat(tecla, *textdato_);
    if (!compruebaunidades()) {
        tecla = 0;
    }
    if (tecla == 13) {
        btdatoClick();
        return false;
    }
    return tecla != 0 && !escribeSustituta(*textdato_, pulsada, tecla);
}

void frmcurvi::editafila() {
    if (modogrid_ == 0) {
        textdato_->setFocus();
        return;
    }
    const int fila = grid_->currentRow() + 1;
    const int columna = grid_->currentColumn() + 1;
    if (modogrid_ == 1) {
        for (int k = filasTabla - 1; k >= fila; --k) {
            ponTextoCelda(k + 1, 1, textoCelda(k, 1));
            ponTextoCelda(k + 1, 2, textoCelda(k, 2));
        }
        ponTextoCelda(fila, 1, QString());
        ponTextoCelda(fila, 2, QString());
    } else {
        for (int k = fila; k < filasTabla; ++k) {
            ponTextoCelda(k, 1, textoCelda(k + 1, 1));
            ponTextoCelda(k, 2, textoCelda(k + 1, 2));
        }
        ponTextoCelda(filasTabla, 1, QString());
        ponTextoCelda(filasTabla, 2, QString());
    }
    celdaActual(fila, columna);
    alCambiarCelda();
    // Inserting or removing a row changes the document.
    documentoCambiado();
    textdato_->setFocus();
}

void frmcurvi::ponModo(int modo) {
    modogrid_ = modo;
    ssradd_->setChecked(modogrid_ == 1);
    ssrdel_->setChecked(modogrid_ == 2);
}

void frmcurvi::cambiaUnidad(int columna, Conversion conversion) {
    for (int r = 1; r <= filasTabla; ++r) {
        const QString texto = textoCelda(r, columna);
        if (!texto.isEmpty()) {
            ponTextoCelda(r, columna, convierteCelda(texto, conversion));
        }
    }
    celdaActual(1, std::max(grid_->currentColumn(), 0) + 1);
    alCambiarCelda();
    documentoCambiado();
}

void frmcurvi::ponUnidades(QRadioButton* elegido, QRadioButton* otro, bool activo) {
    if (!activo) {
        // Option buttons cannot be switched off one by one while they exclude each other.
        elegido->setAutoExclusive(false);
        otro->setAutoExclusive(false);
        elegido->setChecked(false);
        otro->setChecked(false);
        elegido->setAutoExclusive(true);
        otro->setAutoExclusive(true);
        return;
    }
    elegido->setChecked(true);
}

void frmcurvi::masaCambiada(int atomo, const QString& texto) {
    documentoCambiado();
    if (texto.isEmpty()) {
        lbato_[static_cast<std::size_t>(atomo - 1)]->setText(QStringLiteral("Atomo %1").arg(atomo));
    }
}

void frmcurvi::eligeElemento(const QString& masa, const QString& nombre) {
    const auto i = static_cast<std::size_t>(atomoactivo_ - 1);
    textmatom_[i]->setText(masa);
    lbato_[i]->setText(nombre);
    marcaCambio();
}

void frmcurvi::muestraPotencias(const QString& lbpot) {
    lbpot_->setText(lbpot);
    documentoCambiado();
}

void frmcurvi::enfoca(FocoChequeo foco) {
    switch (foco) {
    case FocoChequeo::Titulo:
        textnombre_->setFocus();
        break;
    case FocoChequeo::Masa1:
        textmatom_[0]->setFocus();
        break;
    case FocoChequeo::Masa2:
        textmatom_[1]->setFocus();
        break;
    case FocoChequeo::Ninguno:
    case FocoChequeo::Celda: // the cell is already current, its editor focused
        break;
    }
}

bool frmcurvi::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == textdato_ && evento->type() == QEvent::KeyPress) {
        const int tecla = codigoTecla(static_cast<QKeyEvent*>(evento));
        return tecla >= 0 && !teclaDato(tecla);
    }
    if (objeto == textdato_ && evento->type() == QEvent::FocusIn) {
        QTimer::singleShot(0, textdato_, &QLineEdit::selectAll);
    }
    for (int i = 0; i < 2; ++i) {
        if (objeto == textmatom_[static_cast<std::size_t>(i)] &&
            evento->type() == QEvent::MouseButtonPress) {
            atomoactivo_ = i + 1;
        }
    }
    // A character typed into the title, a mass box or an energy option marks the document
    // changed, even when it leaves the text as it was (Ctrl+C, for instance).
    const bool marcaTecla = objeto == textnombre_ || objeto == textmatom_[0] ||
                            objeto == textmatom_[1] || objeto == optener_[0] ||
                            objeto == optener_[1];
    if (marcaTecla && evento->type() == QEvent::KeyPress &&
        codigoTecla(static_cast<QKeyEvent*>(evento)) >= 0) {
        marcaCambio();
    }
    return QMainWindow::eventFilter(objeto, evento);
}

} // namespace oscilab
