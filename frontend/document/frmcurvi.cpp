#include "document/frmcurvi.h"
#include "document/caja_masa.h"

#include "compartido/campo_numerico.h"
#include "compartido/carpetas.h"
#include "modelo/documento.h"
#include "modelo/elementos.h"
#include "modelo/modelo_puntos.h"
#include "document/tabla_periodica.h"
#include "compartido/textos_numero.h"
#include "import/destino_documento.h"
#include "import/importacion.h"
#include "results/frmgraficos.h"
#include "run/ejecucion.h"
#include "windows/ayuda.h"
#include "windows/datos_instalacion.h"
#include "compartido/dialogos_fichero.h"
#include "windows/frmacercade.h"
#include "compartido/estado_global.h"
#include "document/arrastre.h"
#include "dipolo/frmdipolo.h"
#include "explorador/frmexplorador.h"
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
#include <QStatusBar>
#include <QTableView>
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
    : QMainWindow(parent), estado_(estado), carpetaDocumentos_(estado.dirdatos),
      carpetaImportacion_(estado.dirprograma) {
    setObjectName(QStringLiteral("frmcurvi"));
    setWindowTitle(nombreprograma_);
    documento_ = new Documento(this);
    modeloPuntos_ = new ModeloPuntos(*documento_, this);
    creaMenusYBarra();
    creaControles();

    atomoactivo_ = 1;
    titulodoc_ = sinTitulo();
    ponTitulo(titulodoc_);
    celdaActual(1, 1);
    alCambiarCelda();
    modogrid_ = 0;
    textdato_->clear();
    cmblimitador_->setCurrentIndex(0);

    frmajuste_ = new frmajuste(*documento_, this);
    calculo_ = new Calculo(this);
    conectaControles();
    conectaDocumento();
    marcaPotenciasIniciales();
    actualizaEjecutar();
    aceptaArrastres();

    adjustSize();
    if (const QScreen* pantalla = QGuiApplication::primaryScreen()) {
        move(pantalla->availableGeometry().center() - rect().center());
    }
}

frmcurvi::~frmcurvi() {
    // The document and the results state outlive the windows that show them: children go in
    // the order they were made, after the members, and a dialog still asks its model for
    // headers while it closes. So the windows this one opened go first.
    for (QWidget* ventana : std::initializer_list<QWidget*>{
             frmgraficos_, frmexplorador_, frmdipolo_, frmajuste_, ayuda_, acercade_}) {
        delete ventana;
    }
    documento_->disconnect(this);
}

void frmcurvi::conectaControles() {
    connect(textnombre_, &QLineEdit::textChanged, this, [this](const QString& texto) {
        if (!mostrando_) {
            documento_->ponTitulo(texto);
        }
    });
    for (int i = 0; i < 2; ++i) {
        connect(textmatom_[static_cast<std::size_t>(i)], &QLineEdit::textChanged, this,
                [this, i](const QString& texto) {
                    if (!mostrando_) {
                        documento_->ponMasa(i + 1, texto);
                    }
                });
    }
    connect(btdato_, &QPushButton::clicked, this, &frmcurvi::btdatoClick);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &frmcurvi::alCambiarCelda);
    connect(grid_, &QTableView::clicked, this, &frmcurvi::editafila);
    connect(ssradd_, &QToolButton::clicked, this, [this] { ponModo(modogrid_ == 0 ? 1 : 0); });
    connect(ssrdel_, &QToolButton::clicked, this, [this] { ponModo(modogrid_ > 0 ? 0 : 2); });
    const std::pair<QRadioButton*, Distancia> distancias[] = {{optdist_[0], Distancia::Bohr},
                                                              {optdist_[1], Distancia::Angstrom}};
    for (const auto& [opcion, unidad] : distancias) {
        connect(opcion, &QRadioButton::toggled, this, [this, u = unidad](bool elegido) {
            if (elegido && !mostrando_) {
                documento_->ponDistancia(u);
            }
        });
    }
    const std::pair<QRadioButton*, Energia> energias[] = {{optener_[0], Energia::Hartree},
                                                          {optener_[1], Energia::Ev}};
    for (const auto& [opcion, unidad] : energias) {
        connect(opcion, &QRadioButton::toggled, this, [this, u = unidad](bool elegido) {
            if (elegido && !mostrando_) {
                documento_->ponEnergia(u);
            }
        });
    }
    connect(btgrado_, &QPushButton::clicked, frmajuste_, &frmajuste::mostrar);

    connect(frmajuste_, &frmajuste::explorarPedido, this, &frmcurvi::abreExplorador);
    connect(frmtp_, &TablaPeriodica::elementoElegido, this, &frmcurvi::eligeElemento);
    connect(cmblimitador_, &QComboBox::activated, this, [this] {
        btimport_->setToolTip(
            tr("Importar datos separados por %1").arg(cmblimitador_->currentText()));
    });
    connect(btejecuta_, &QPushButton::clicked, this, &frmcurvi::ejecutar);
    connect(calculo_, &Calculo::terminado, this, &frmcurvi::calculoTerminado);
    connect(&calculo_->lanzador(), &Lanzador::tardando, this, &frmcurvi::preguntaSiDetener);
    connect(btexcel_, &QToolButton::clicked, this, &frmcurvi::importarHoja);
    connect(btimport_, &QToolButton::clicked, this, &frmcurvi::importarTexto);
}

// ---- Public members ----

bool frmcurvi::compruebaunidades() {
    const QString titulo = tr("Unidades");
    if (!optdist_[0]->isChecked() && !optdist_[1]->isChecked()) {
        avisar(this, tr("Debes elegir las unidades para la distancia"), titulo,
               IconoMensaje::Informacion);
        return false;
    }
    if (!optener_[0]->isChecked() && !optener_[1]->isChecked()) {
        avisar(this, tr("Debes elegir las unidades para la energía"), titulo,
               IconoMensaje::Informacion);
        return false;
    }
    return true;
}

bool frmcurvi::hayCambios() const {
    return documento_->modificado();
}

void frmcurvi::marcaGuardado() {
    documento_->pila()->setClean();
}

void frmcurvi::marcaCambio() {
    documento_->pila()->resetClean();
}

QString frmcurvi::delimitador() const {
    return cmblimitador_->currentText();
}

bool frmcurvi::ejecutarHabilitado() const {
    return btejecuta_->isEnabled();
}

QString frmcurvi::textoCelda(int fila, int columna) const {
    return documento_->textoCelda(fila, columna);
}

bool frmcurvi::ponTextoCelda(int fila, int columna, const QString& texto) {
    std::optional<double> valor;
    if (!texto.trimmed().isEmpty()) {
        valor = valorCompleto(texto);
        if (!valor) {
            return false;
        }
    }
    documento_->ponCelda(fila, columna, valor);
    return true;
}

ResultadoChequeo frmcurvi::chequeadatos() {
    documento_->ordena();
    celdaActual(1, 1);
    const ResultadoChequeo r =
        evaluaChequeo(documento_->numeroPuntos(), numeroPotencias(documento_->potencias()),
                      !documento_->titulo().isEmpty(), !documento_->masa(1).isEmpty(),
                      !documento_->masa(2).isEmpty());
    if (!r.mensaje.isEmpty()) {
        avisar(this, r.mensaje, QString(), IconoMensaje::Exclamacion);
    }
    enfoca(r.foco);
    return r;
}

// ---- Commands ----

frmgraficos* frmcurvi::graficos() const {
    return frmgraficos_.data();
}

// Refuses, with a message, a document that is not saved directly in the data folder;
// otherwise starts the engine with the run command disabled until it has ended.
void frmcurvi::ejecutar() {
    if (calculo_->enMarcha()) {
        return;
    }
    if (const auto nombre = nombreDeEjecucion(documento_->ruta(), estado_.dirdatos); !nombre.ok()) {
        avisar(this, nombre.fallo().texto(), QString(), IconoMensaje::Exclamacion);
        return;
    }
    // The window of an earlier run shows that run's results: it goes before this one.
    delete frmgraficos_.data();
    calculo_->ejecutarCalculo(*documento_, estado_);
    actualizaEjecutar();
}

// Each time the engine has run a while longer, the user may stop it.
void frmcurvi::preguntaSiDetener() {
    const auto segundos =
        std::chrono::duration_cast<std::chrono::seconds>(calculo_->lanzador().espera()).count();
    const Respuesta r = mensajes().mostrar(this,
                                           tr("El programa de cálculo lleva más de %1 s en "
                                              "marcha.\n¿Desea detenerlo?")
                                               .arg(segundos),
                                           QString(), IconoMensaje::Pregunta, BotonesMensaje::SiNo);
    if (r == Respuesta::Si) {
        calculo_->lanzador().detener();
    }
}

// One message on failure; on success the results window, and the document is unchanged.
void frmcurvi::calculoTerminado(const CalculoTerminado& terminado) {
    actualizaEjecutar();
    if (!terminado.ok()) {
        avisar(this, terminado.fallo().texto(), QString(), IconoMensaje::Stop);
        return;
    }
    const ResultadoCalculo& resultado = terminado.valor();
    frmgraficos_ = new frmgraficos(
        resultados_, resultado, [n = resultado.puntos] { return n; }, this);
    frmgraficos_->cargaResultados();
    frmgraficos_->cargaInforme(resultado.informe);
    frmgraficos_->show();
}

void frmcurvi::importarTexto() {
    DestinoDocumento destino(this, *documento_);
    if (const auto ruta = importarDatos(this, OrigenImportacion::Texto, carpetaImportacion_,
                                        delimitador(), destino)) {
        carpetaImportacion_ = carpetaDeFichero(*ruta);
    }
}

void frmcurvi::importarHoja() {
    DestinoDocumento destino(this, *documento_);
    if (const auto ruta = importarDatos(this, OrigenImportacion::Excel, carpetaImportacion_,
                                        delimitador(), destino)) {
        carpetaImportacion_ = carpetaDeFichero(*ruta);
    }
}

void frmcurvi::importarFichero(const QString& ruta) {
    DestinoDocumento destino(this, *documento_);
    const auto origen = claseArrastre(ruta) == ClaseArrastre::ImportacionHoja
                            ? OrigenImportacion::Excel
                            : OrigenImportacion::Texto;
    importarFicheroDado(this, origen, ruta, delimitador(), destino);
}

void frmcurvi::muestraayuda() {
    const QString ruta = ficheroAyuda(estado_.dirprograma);
    if (const auto legible = compruebaAyuda(ruta); !legible.ok()) {
        avisar(this, legible.fallo().texto(), windowTitle(), IconoMensaje::Informacion);
        return;
    }
    if (!ayuda_) {
        ayuda_ = new VentanaAyuda(this);
    }
    ayuda_->muestraIndice(ruta);
    ayuda_->show();
    ayuda_->raise();
    ayuda_->activateWindow();
}

frmajuste* frmcurvi::ajuste() const {
    return frmajuste_;
}

VentanaAyuda* frmcurvi::ayuda() const {
    return ayuda_;
}

void frmcurvi::acercade() {
    if (!acercade_) {
        acercade_ =
            new frmacercade(leeDatosInstalacion(ficheroInstalacion(estado_.dirprograma)), this);
    }
    acercade_->show();
    acercade_->raise();
    acercade_->activateWindow();
}

frmacercade* frmcurvi::acercaDe() const {
    return acercade_;
}

void frmcurvi::nuevo() {
    if (hayCambios() && !preguntarguardarcambios()) {
        return;
    }
    nuevodocumento();
}

void frmcurvi::abrir() {
    abrirDocumento(std::nullopt);
}

void frmcurvi::abrirDocumento(const std::optional<QString>& ruta) {
    if (hayCambios() && !preguntarguardarcambios()) {
        return;
    }
    abrirfichero(ruta);
}

void frmcurvi::guardar() {
    if (!hayCambios()) {
        return;
    }
    if (documento_->ruta().isEmpty()) {
        guardaComo();
    } else {
        guardarfichero();
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
    grid_->setCurrentIndex(modeloPuntos_->index(fila - 1, columna - 1));
}

void frmcurvi::alCambiarCelda() {
    const int fila = std::max(grid_->currentIndex().row(), 0) + 1;
    const int columna = std::max(grid_->currentIndex().column(), 0) + 1;
    const QString cabecera = modeloPuntos_->headerData(columna - 1, Qt::Horizontal).toString();
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
    const int fila = std::max(grid_->currentIndex().row(), 0) + 1;
    const int columna = std::max(grid_->currentIndex().column(), 0) + 1;
    const QString texto = textdato_->text();
    if (!ponTextoCelda(fila, columna, texto)) {
        avisar(this, mensajeCeldaNoNumerica({fila, columna, texto}), QString(),
               IconoMensaje::Exclamacion);
        textdato_->setFocus();
        return;
    }
    if (texto.isEmpty()) {
        return;
    }
    if (columna == 1) {
        celdaActual(fila, 2);
    } else {
        celdaActual(fila < puntosMaximos ? fila + 1 : fila, 1);
    }
    textdato_->setFocus();
    textdato_->selectAll();
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
    const int fila = grid_->currentIndex().row() + 1;
    const int columna = grid_->currentIndex().column() + 1;
    if (modogrid_ == 1) {
        documento_->insertaFila(fila);
    } else {
        documento_->eliminaFila(fila);
    }
    celdaActual(fila, columna);
    alCambiarCelda();
    textdato_->setFocus();
}

void frmcurvi::ponModo(int modo) {
    modogrid_ = modo;
    ssradd_->setChecked(modogrid_ == 1);
    ssrdel_->setChecked(modogrid_ == 2);
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

void frmcurvi::eligeElemento(const QString& masa, const QString& nombre) {
    documento_->eligeAtomo(atomoactivo_, masa);
    lbato_[static_cast<std::size_t>(atomoactivo_ - 1)]->setText(nombre);
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
        // Select all, copy, cut and paste work as in any box; the box's validator keeps a
        // pasted text to what could be typed.
        const auto* pulsada = static_cast<QKeyEvent*>(evento);
        for (const auto orden : {QKeySequence::SelectAll, QKeySequence::Copy, QKeySequence::Cut,
                                 QKeySequence::Paste}) {
            if (pulsada->matches(orden)) {
                return false;
            }
        }
        const int tecla = codigoTecla(pulsada);
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
    return QMainWindow::eventFilter(objeto, evento);
}

} // namespace oscilab
