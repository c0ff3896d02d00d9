// The main window: a view of the open Documento (title, masses, units, powers, points)
// with its file commands, undo and redo, and the checks made before a save. The controls
// show the document and turn what the user does into its undoable edits.
#pragma once

#include "compartido/textos_numero.h"
#include "modelo/chequeo_datos.h"
#include "results/estado_resultados.h"
#include "run/resultado_calculo.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class QToolButton;

namespace oscilab {

struct EstadoGlobal;
class CajaMasa;
class Calculo;
class frmacercade;
class frmajuste;
class frmdipolo;
class frmexplorador;
class frmgraficos;
class TablaPeriodica;
class VentanaAyuda;
class Documento;
class ModeloPuntos;

class frmcurvi : public QMainWindow {
    Q_OBJECT
public:
    explicit frmcurvi(EstadoGlobal& estado, QWidget* parent = nullptr);
    ~frmcurvi() override;

    // True while the document has unsaved changes: the undo stack is away from its clean
    // state.
    bool hayCambios() const;
    // The document as it is now counts as saved, or as differing from its file.
    void marcaGuardado();
    void marcaCambio();

    // Compacts and sorts the points, then checks the document; what the check says is shown,
    // and the first missing title or mass takes the focus.
    ResultadoChequeo chequeadatos();
    // False, after saying which, when a distance or an energy unit is still to be chosen.
    bool compruebaunidades();
    // The run command: button btejecuta and toolbar button "ejecutar", always together.
    bool ejecutarHabilitado() const;
    // Why the run command is off ("" when it is on), as its tooltip and the status bar say.
    QString motivoSinEjecutar() const;

    EstadoGlobal& estado() { return estado_; }
    // The results of the last run, kept while the program runs: the view chosen survives.
    EstadoResultados& resultados() { return resultados_; }
    Documento& documento() const { return *documento_; }
    QTableView* grid() const { return grid_; }
    // Cell text of the point table; fila 1..500, columna 1 (R) or 2 (V).
    QString textoCelda(int fila, int columna) const;
    // Sets a cell as typed: a number, or "" to empty it; anything else is refused.
    bool ponTextoCelda(int fila, int columna, const QString& texto);
    frmajuste* ajuste() const;
    // The fit explorer, once opened from the degree dialog.
    frmexplorador* explorador() const;
    // The results window of the last run, while it is open.
    frmgraficos* graficos() const;
    // The dipole-moment dialog, while it is open.
    frmdipolo* dipolo() const;
    // The help window and the about box, while they are open.
    VentanaAyuda* ayuda() const;
    frmacercade* acercaDe() const;
    // The engine run started by the Run command.
    Calculo* calculo() const { return calculo_; }
    // The field delimiter of the text import: the current text of CMBlimitador.
    QString delimitador() const;
    QString titulodoc() const { return titulodoc_; }
    // The mass box (1 or 2) that an element clicked in the periodic table fills.
    int atomoactivo() const { return atomoactivo_; }
    // 0 no row edit, 1 insert mode, 2 delete mode.
    int modogrid() const { return modogrid_; }

public slots:
    // Run, imports, help and about box.
    void ejecutar();
    void importarTexto();
    void importarHoja();
    void muestraayuda();
    void acercade();

    void nuevo();
    void abrir();
    void guardar();
    void guardarComo();
    // "Momento dipolar...": opens (or raises) the dialog of the document's dipole points.
    void momentoDipolar();
    void salir();

    // A file named without the file dialog, dropped or given on the command line
    // (frmcurvi_arrastre.cpp): a document opens as "Abrir" does, with the same question
    // about unsaved changes (the dialog when `ruta` is empty); an import file is imported
    // as its command does.
    void abrirDocumento(const std::optional<QString>& ruta);
    void importarFichero(const QString& ruta);
    void tomaFichero(const QString& ruta);

signals:
    // The window has closed for good: the program should end.
    void programaTerminado();

protected:
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void dragEnterEvent(QDragEnterEvent* evento) override;
    void dropEvent(QDropEvent* evento) override;

private:
    enum class Guardado { Escrito, Invalido, NoSobrescrito, Error };

    // Building the window (frmcurvi_controles.cpp).
    void creaMenusYBarra();
    void creaMenuEdicion();
    void creaControles();
    QWidget* creaTitulo();
    QWidget* creaMasas();
    QWidget* creaDatos();
    QWidget* creaUnidadesYAjuste();
    void conectaControles();
    // The controls follow the document (frmcurvi_vista.cpp).
    void conectaDocumento();
    void muestraTitulo();
    void muestraMasas();
    void muestraUnidades();
    void muestraPotenciasDocumento();
    void actualizaEjecutar();

    // The document and its file (frmcurvi_fichero.cpp).
    void nuevodocumento();
    void marcaPotenciasIniciales();
    bool preguntarguardarcambios();
    Guardado guardarfichero();
    bool guardaComo();
    bool abrirfichero(std::optional<QString> ruta = std::nullopt);
    Guardado escribeEn(const QString& ruta);

    void ponTitulo(const QString& nombre);

    void celdaActual(int fila, int columna);
    void alCambiarCelda();
    void btdatoClick();
    bool teclaDato(int tecla);
    void editafila();
    void ponUnidades(QRadioButton* elegido, QRadioButton* otro, bool activo);
    void eligeElemento(const QString& masa, const QString& nombre);
    void ponModo(int modo);
    // Opens (or raises) the fit explorer over the table as it is now (frmcurvi_explorador.cpp).
    void abreExplorador();
    void enfoca(FocoChequeo foco);
    // Files dropped anywhere on the window reach the window (frmcurvi_arrastre.cpp).
    void aceptaArrastres();
    void calculoTerminado(const CalculoTerminado& terminado);
    void preguntaSiDetener();

    static QString sinTitulo() { return tr("(Sin Título)"); }
    // A new document fits the powers 0 to gradoInicial_.
    static constexpr int gradoInicial_ = 4;
    static inline const QString potenciasIniciales_ = QStringLiteral("0 1 2 3 4");

    EstadoGlobal& estado_;
    EstadoResultados resultados_;
    QString nombreprograma_ = QStringLiteral("OSCILAB");
    QString titulodoc_;
    int atomoactivo_ = 1;
    int modogrid_ = 0;
    // While the controls are being set from the document, their signals are no edits.
    bool mostrando_ = false;
    // Each kind of file dialog starts where it was last used: documents in datos/ at first,
    // imports in the program folder.
    QString carpetaDocumentos_;
    QString carpetaImportacion_;
    Documento* documento_ = nullptr;
    ModeloPuntos* modeloPuntos_ = nullptr;

    QLineEdit* textnombre_ = nullptr;
    std::array<CajaMasa*, 2> textmatom_{};
    std::array<QLabel*, 2> lbato_{};
    QPushButton* btejecuta_ = nullptr;
    QLabel* lbcelda_ = nullptr;
    QLineEdit* textdato_ = nullptr;
    QPushButton* btdato_ = nullptr;
    QTableView* grid_ = nullptr;
    QToolButton* btexcel_ = nullptr;
    QToolButton* btimport_ = nullptr;
    QComboBox* cmblimitador_ = nullptr;
    QToolButton* ssradd_ = nullptr;
    QToolButton* ssrdel_ = nullptr;
    TablaPeriodica* frmtp_ = nullptr;
    std::array<QRadioButton*, 2> optdist_{};
    std::array<QRadioButton*, 2> optener_{};
    QLabel* lbpot_ = nullptr;
    QPushButton* btgrado_ = nullptr;
    // The windows this one opens are its children, each held while it is open; opening one
    // again raises it.
    QPointer<frmajuste> frmajuste_;
    QPointer<frmgraficos> frmgraficos_; // results of the last run
    QPointer<frmexplorador> frmexplorador_;
    QPointer<frmdipolo> frmdipolo_;
    QPointer<VentanaAyuda> ayuda_;
    QPointer<frmacercade> acercade_;
    Calculo* calculo_ = nullptr;
    QAction* barraEjecutar_ = nullptr; // the toolbar's run button
    QAction* mnusalir_ = nullptr;
};

} // namespace oscilab
