// Building the main window's menus, toolbar and controls, with the names, captions and
// tooltips by which the rest of the program and its tests find them.
#include "document/frmcurvi.h"
#include "document/caja_masa.h"

#include "compartido/idioma.h"
#include "document/menu_idioma.h"
#include "compartido/delegado_numerico.h"
#include "document/tabla_periodica.h"
#include "modelo/documento.h"
#include "modelo/modelo_puntos.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace oscilab {

namespace {

// A small picture made of a short text, for the picture buttons of the points frame.
QIcon iconoTexto(const QString& texto, const QColor& color) {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter pintor(&pixmap);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setPen(QPen(color.darker(150), 1));
    pintor.setBrush(color.lighter(170));
    pintor.drawRoundedRect(QRectF(1.5, 1.5, 21, 21), 3, 3);
    QFont fuente = pintor.font();
    fuente.setBold(true);
    fuente.setPixelSize(texto.size() > 2 ? 8 : 15);
    pintor.setFont(fuente);
    pintor.setPen(color.darker(200));
    pintor.drawText(QRect(0, 0, 24, 24), Qt::AlignCenter, texto);
    return QIcon(pixmap);
}

QGroupBox* marco(const char* nombre, const QString& titulo, QWidget* padre) {
    auto* m = new QGroupBox(titulo, padre);
    m->setObjectName(QString::fromLatin1(nombre));
    return m;
}

QToolButton* botonImagen(const char* nombre, const QString& consejo, const QIcon& icono,
                         QWidget* padre) {
    auto* b = new QToolButton(padre);
    b->setObjectName(QString::fromLatin1(nombre));
    b->setToolTip(consejo);
    b->setAccessibleName(consejo);
    b->setIcon(icono);
    b->setIconSize(QSize(24, 24));
    return b;
}

int pixeles(const QWidget* w, int twips) {
    return twips * w->logicalDpiX() / 1440;
}

} // namespace

void frmcurvi::creaMenusYBarra() {
    QMenu* archivo = menuBar()->addMenu(tr("&Archivos"));
    archivo->setObjectName(QStringLiteral("mnuarchivo"));
    auto item = [](QMenu* menu, const char* nombre, const QString& texto) {
        QAction* a = menu->addAction(texto);
        a->setObjectName(QString::fromLatin1(nombre));
        return a;
    };
    connect(item(archivo, "mnunuevo", tr("&Nuevo")), &QAction::triggered, this, &frmcurvi::nuevo);
    connect(item(archivo, "mnuabrir", tr("&Abrir")), &QAction::triggered, this, &frmcurvi::abrir);
    archivo->addSeparator()->setObjectName(QStringLiteral("mnulinea"));
    QAction* guardar = item(archivo, "mnuguardar", tr("&Guardar"));
    // Ctrl+G, the Spanish convention; Ctrl+S has always left the program.
    guardar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    guardar->setShortcutContext(Qt::WindowShortcut);
    connect(guardar, &QAction::triggered, this, &frmcurvi::guardar);
    connect(item(archivo, "mnuguardarcomo", tr("G&uardar como...")), &QAction::triggered, this,
            &frmcurvi::guardarComo);
    archivo->addSeparator()->setObjectName(QStringLiteral("mnulinea2"));
    connect(item(archivo, "mnudipolo", tr("Momento &dipolar...")), &QAction::triggered, this,
            &frmcurvi::momentoDipolar);
    archivo->addSeparator()->setObjectName(QStringLiteral("mnulinea1"));
    mnusalir_ = item(archivo, "mnusalir", tr("&Salir"));
    // The program's one shortcut leaves it; it does not save.
    // Only while the main window is active: in the other windows Ctrl+S means nothing.
    mnusalir_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnusalir_->setShortcutContext(Qt::WindowShortcut);
    connect(mnusalir_, &QAction::triggered, this, &frmcurvi::salir);

    creaMenuEdicion();
    creaMenuOpciones(*menuBar(), *this, &ajustesUsuario);

    QMenu* ayudas = menuBar()->addMenu(tr("Ay&uda"));
    ayudas->setObjectName(QStringLiteral("mnuayudas"));
    connect(item(ayudas, "mnuacercade", tr("A&cerca de...")), &QAction::triggered, this,
            &frmcurvi::acercade);
    connect(item(ayudas, "mnuayuda", tr("Ay&uda")), &QAction::triggered, this,
            &frmcurvi::muestraayuda);

    auto* barra = addToolBar(tr("Barra de herramientas"));
    barra->setObjectName(QStringLiteral("Toolbar1"));
    barra->setMovable(false);
    barra->setFloatable(false);
    barra->setIconSize(QSize(32, 32));
    const struct {
        const char* nombre;
        const char* consejo; // marked for lupdate, translated below
        QStyle::StandardPixmap icono;
        void (frmcurvi::*orden)();
    } botones[] = {
        {"nuevo", QT_TR_NOOP("Nuevo Archivo"), QStyle::SP_FileIcon, &frmcurvi::nuevo},
        {"abrir", QT_TR_NOOP("Abrir Archivo"), QStyle::SP_DialogOpenButton, &frmcurvi::abrir},
        {"guardar", QT_TR_NOOP("Guardar Archivo"), QStyle::SP_DialogSaveButton, &frmcurvi::guardar},
        {"ejecutar", QT_TR_NOOP("Ejecutar"), QStyle::SP_MediaPlay, &frmcurvi::ejecutar},
        {"acercade", QT_TR_NOOP("Acerca de ..."), QStyle::SP_MessageBoxInformation,
         &frmcurvi::acercade},
        {"ayuda", QT_TR_NOOP("Ayuda"), QStyle::SP_DialogHelpButton, &frmcurvi::muestraayuda},
        {"salir", QT_TR_NOOP("Salir"), QStyle::SP_DialogCloseButton, &frmcurvi::salir},
    };
    for (const auto& b : botones) {
        QAction* a = barra->addAction(style()->standardIcon(b.icono), tr(b.consejo));
        a->setObjectName(QStringLiteral("Toolbar1_") + QLatin1String(b.nombre));
        a->setToolTip(tr(b.consejo));
        connect(a, &QAction::triggered, this, b.orden);
        if (b.orden == &frmcurvi::ejecutar) {
            barraEjecutar_ = a;
        }
    }
}

void frmcurvi::creaMenuEdicion() {
    QMenu* edicion = menuBar()->addMenu(tr("&Edición"));
    edicion->setObjectName(QStringLiteral("mnuedicion"));
    QAction* deshacer = documento_->pila()->createUndoAction(this, tr("Deshacer"));
    deshacer->setObjectName(QStringLiteral("mnudeshacer"));
    deshacer->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    QAction* rehacer = documento_->pila()->createRedoAction(this, tr("Rehacer"));
    rehacer->setObjectName(QStringLiteral("mnurehacer"));
    rehacer->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (QAction* a : {deshacer, rehacer}) {
        a->setShortcutContext(Qt::WindowShortcut);
        edicion->addAction(a);
    }
}

QWidget* frmcurvi::creaTitulo() {
    auto* titulo = marco("SSFrame1", tr("Título"), this);
    auto* capaTitulo = new QVBoxLayout(titulo);
    textnombre_ = new QLineEdit(titulo);
    textnombre_->setObjectName(QStringLiteral("textnombre"));
    textnombre_->setToolTip(tr("Comentario / Título del archivo de datos"));
    textnombre_->setAccessibleName(textnombre_->toolTip());
    textnombre_->installEventFilter(this);
    // The data file is Latin-1: what it cannot hold is refused as it is typed.
    textnombre_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[\\x{20}-\\x{7E}\\x{A0}-\\x{FF}]*")), textnombre_));
    capaTitulo->addWidget(textnombre_);
    return titulo;
}

QWidget* frmcurvi::creaMasas() {
    auto* masas = marco("SSFrame2", tr("Masas Atómicas"), this);
    auto* rejilla = new QGridLayout(masas);
    for (int i = 0; i < 2; ++i) {
        auto* etiqueta = new QLabel(tr("Atomo %1:").arg(i + 1), masas);
        etiqueta->setObjectName(QStringLiteral("lbato(%1)").arg(i + 1));
        etiqueta->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Praseodimio ")));
        auto* caja = new CajaMasa(masas);
        caja->setObjectName(QStringLiteral("textmatom(%1)").arg(i + 1));
        caja->setToolTip(
            tr("Haz click en esta casilla y seleccina un átomo de la tabla periódica."));
        caja->setAccessibleName(etiqueta->text());
        caja->installEventFilter(this);
        // Room for the isotope and the data file's digits: "³⁵Cl 34.96885268".
        caja->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("²⁰⁰Hg 000.0000000")) +
                              12);
        auto* umas = new QLabel(tr("UMAS"), masas);
        umas->setObjectName(QStringLiteral("Label%1").arg(i + 2));
        // Columns 0-2 hold atom 1, 4-6 atom 2; column 3 keeps "UMAS" apart from the next name.
        rejilla->addWidget(etiqueta, 0, i * 4);
        rejilla->addWidget(caja, 0, i * 4 + 1);
        rejilla->addWidget(umas, 0, i * 4 + 2);
        lbato_[static_cast<std::size_t>(i)] = etiqueta;
        textmatom_[static_cast<std::size_t>(i)] = caja;
    }
    rejilla->setColumnMinimumWidth(3, fontMetrics().horizontalAdvance(QStringLiteral("MM")));
    return masas;
}

QWidget* frmcurvi::creaDatos() {
    auto* datos = marco("SSFrame3", tr("Datos"), this);
    auto* capa = new QVBoxLayout(datos);

    lbcelda_ = new QLabel(datos);
    lbcelda_->setObjectName(QStringLiteral("Label1"));
    capa->addWidget(lbcelda_);
    auto* editor = new QHBoxLayout;
    textdato_ = new QLineEdit(datos);
    textdato_->setObjectName(QStringLiteral("textdato"));
    textdato_->setToolTip(tr("En esta casilla se introducen los datos de la tabla adjunta"));
    textdato_->setAccessibleName(textdato_->toolTip());
    textdato_->installEventFilter(this);
    // What may be pasted: one number, or the start of one, as typing allows.
    textdato_->setValidator(validadorNumerico(textdato_));
    btdato_ = new QPushButton(tr("Aceptar"), datos);
    btdato_->setObjectName(QStringLiteral("btdato"));
    btdato_->setAutoDefault(false);
    editor->addWidget(textdato_, 1);
    editor->addWidget(btdato_);
    capa->addLayout(editor);

    grid_ = new QTableView(datos);
    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setAccessibleName(tr("Tabla de puntos"));
    grid_->setModel(modeloPuntos_);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Numbers are never cut: the columns share the width and a long value widens its column.
    grid_->setTextElideMode(Qt::ElideNone);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    const int ancho = fontMetrics().horizontalAdvance(QStringLiteral("-0.00000000000000000E-000"));
    grid_->horizontalHeader()->setMinimumSectionSize(std::max(pixeles(this, 1000), ancho));
    grid_->verticalHeader()->setMinimumWidth(pixeles(this, 250));
    grid_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->setMinimumHeight(grid_->verticalHeader()->defaultSectionSize() * 12);
    capa->addWidget(grid_, 1);

    auto* botones = new QHBoxLayout;
    btexcel_ = botonImagen("BTNexcel", tr("Importar datos de Excel"),
                           iconoTexto(QStringLiteral("XLS"), QColor(30, 130, 60)), datos);
    btimport_ = botonImagen("BTimport", tr("Importar datos separados por %1").arg(QLatin1Char(',')),
                            iconoTexto(QStringLiteral("TXT"), QColor(40, 80, 160)), datos);
    btimport_->setAccessibleName(tr("Importar datos separados"));
    cmblimitador_ = new QComboBox(datos);
    cmblimitador_->setObjectName(QStringLiteral("CMBlimitador"));
    cmblimitador_->setEditable(true);
    cmblimitador_->addItems(
        {QStringLiteral(","), QStringLiteral(";"), QStringLiteral(" "), QStringLiteral("Tab")});
    // Typing sets the delimiter of the next import only; the list stays as it is.
    cmblimitador_->setInsertPolicy(QComboBox::NoInsert);
    cmblimitador_->setCurrentIndex(0);
    cmblimitador_->setAccessibleName(tr("Separador"));
    cmblimitador_->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("MMMM")) + 24);
    ssradd_ = botonImagen("ssradd", tr("Inserta nuevos puntos"),
                          iconoTexto(QStringLiteral("+"), QColor(40, 140, 40)), datos);
    ssrdel_ = botonImagen("ssrdel", tr("Elimina puntos existentes"),
                          iconoTexto(QStringLiteral("−"), QColor(180, 40, 40)), datos);
    ssradd_->setCheckable(true);
    ssrdel_->setCheckable(true);
    for (QWidget* w :
         std::initializer_list<QWidget*>{btexcel_, btimport_, cmblimitador_, ssradd_, ssrdel_}) {
        botones->addWidget(w);
    }
    botones->addStretch();
    capa->addLayout(botones);
    return datos;
}

QWidget* frmcurvi::creaUnidadesYAjuste() {
    auto* fila = new QWidget(this);
    auto* capa = new QHBoxLayout(fila);
    capa->setContentsMargins(0, 0, 0, 0);

    auto* unidades = marco("SSFrame4", tr("Unidades"), fila);
    auto* capaUnidades = new QHBoxLayout(unidades);
    auto opciones = [unidades, capaUnidades](const char* nombreMarco, const QString& titulo,
                                             const char* nombre, const QString& ua,
                                             const QString& otra, std::array<QRadioButton*, 2>& o) {
        auto* m = marco(nombreMarco, titulo, unidades);
        auto* v = new QVBoxLayout(m);
        const QString textos[] = {ua, otra};
        for (int i = 0; i < 2; ++i) {
            auto* b = new QRadioButton(textos[i], m);
            b->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(nombre)).arg(i + 1));
            v->addWidget(b);
            o[static_cast<std::size_t>(i)] = b;
        }
        capaUnidades->addWidget(m);
    };
    opciones("SSFrame5", tr("Distancia"), "optdist", tr("U.A."), tr("ANGSTROM"), optdist_);
    opciones("SSFrame6", tr("Energía"), "optener", tr("U.A."), tr("e.V."), optener_);
    for (QRadioButton* b : optener_) {
        b->installEventFilter(this);
    }
    capa->addWidget(unidades);

    auto* ajuste = marco("SSFrame7", tr("Tipo de ajuste"), fila);
    auto* capaAjuste = new QVBoxLayout(ajuste);
    lbpot_ = new QLabel(QStringLiteral("0 1 2 3 4"), ajuste);
    lbpot_->setObjectName(QStringLiteral("Lbpot"));
    lbpot_->setAlignment(Qt::AlignCenter);
    lbpot_->setWordWrap(true);
    lbpot_->setFrameShape(QFrame::StyledPanel);
    btgrado_ = new QPushButton(tr("Cambiar tipo de ajuste"), ajuste);
    btgrado_->setObjectName(QStringLiteral("btgrado"));
    btgrado_->setAutoDefault(false);
    capaAjuste->addWidget(lbpot_, 1);
    capaAjuste->addWidget(btgrado_);
    capa->addWidget(ajuste, 1);
    return fila;
}

void frmcurvi::creaControles() {
    auto* central = new QWidget(this);
    auto* columnas = new QHBoxLayout(central);

    auto* izquierda = new QVBoxLayout;
    auto* derecha = new QVBoxLayout;
    izquierda->addWidget(creaTitulo());
    derecha->addWidget(creaMasas());

    btejecuta_ = new QPushButton(tr("Ejecutar"), central);
    btejecuta_->setObjectName(QStringLiteral("btejecuta"));
    btejecuta_->setToolTip(tr("Ejecuta el programa de cálculo"));
    btejecuta_->setAutoDefault(false);
    QFont negrita = btejecuta_->font();
    negrita.setBold(true);
    btejecuta_->setFont(negrita);
    btejecuta_->setMinimumHeight(fontMetrics().height() * 2);
    izquierda->addWidget(btejecuta_);
    izquierda->addWidget(creaDatos(), 1);

    frmtp_ = new TablaPeriodica(central);
    derecha->addWidget(frmtp_, 0, Qt::AlignHCenter);
    derecha->addWidget(creaUnidadesYAjuste(), 1);

    columnas->addLayout(izquierda);
    columnas->addLayout(derecha);
    setCentralWidget(central);
}

} // namespace oscilab
