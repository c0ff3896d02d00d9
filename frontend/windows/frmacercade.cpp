#include "windows/frmacercade.h"

#include "windows/dibujos.h"
#include "compartido/isotopos.h"
#include "compartido/mensajes.h"

#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QScreen>

namespace oscilab {

namespace {

QLabel* etiqueta(QWidget* padre, const char* nombre, const QString& texto, const QRect& sitio,
                 const QColor& color = QColor(Qt::black)) {
    auto* e = new QLabel(texto, padre);
    e->setObjectName(QString::fromLatin1(nombre));
    e->setGeometry(sitio);
    QPalette paleta = e->palette();
    paleta.setColor(QPalette::WindowText, color);
    e->setPalette(paleta);
    return e;
}

QFrame* raya(QWidget* padre, const char* nombre, const QRect& sitio, const QColor& color) {
    auto* r = new QFrame(padre);
    r->setObjectName(QString::fromLatin1(nombre));
    r->setGeometry(sitio);
    r->setAutoFillBackground(true);
    QPalette paleta = r->palette();
    paleta.setColor(QPalette::Window, color);
    r->setPalette(paleta);
    return r;
}

} // namespace

QStringList programasInformacionSistema() {
    return {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
            QStringLiteral("gnome-system-monitor")};
}

QString buscaInformacionSistema(const QStringList& carpetas) {
    for (const QString& programa : programasInformacionSistema()) {
        for (const QString& carpeta : carpetas) {
            if (carpeta.isEmpty()) {
                continue;
            }
            const QFileInfo f(QDir(carpeta).filePath(programa));
            if (f.isFile() && f.isExecutable()) {
                return f.absoluteFilePath();
            }
        }
    }
    return QString();
}

frmacercade::frmacercade(const DatosInstalacion& datos, QWidget* padre)
    : QDialog(padre), web_(datos.web),
      abreWeb_([](const QUrl& url) { return QDesktopServices::openUrl(url); }),
      lanza_([](const QString& programa) { return QProcess::startDetached(programa, {}); }) {
    setObjectName(QStringLiteral("frmacercade"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(iconoPrograma());
    construye(datos);
}

void frmacercade::construye(const DatosInstalacion& datos) {
    const double ppp = logicalDpiX();
    auto px = [ppp](int twips) { return twipsAPixeles(twips, ppp); };
    setFixedSize(px(5850), px(3855));
    setFont(fuenteVentana(8));
    const QColor azulOscuro(0, 0, 128), azul(0, 0, 255);

    auto* imagen = new QLabel(this);
    imagen->setObjectName(QStringLiteral("Image1"));
    imagen->setGeometry(0, 0, px(1215), px(3870));
    imagen->setPixmap(dibujoCurvaPotencial(imagen->size()));
    imagen->setAccessibleName(tr("Curva de energía potencial"));

    const int x = px(1380);
    const int ancho = width() - x - px(150);
    auto* titulo = etiqueta(this, "lblTitle", QStringLiteral("OSCILAB"),
                            QRect(x, px(90), ancho, px(600)), azulOscuro);
    titulo->setFont(fuenteVentana(24, true, QStringLiteral("Book Antiqua")));
    setWindowTitle(tr("Acerca de ") + titulo->text());

    etiqueta(this, "lblVersion",
             tr("Versión 1.5 para Windows 98/2000/XP") + QStringLiteral(" (") +
                 QStringLiteral("10/09/2007") + QStringLiteral(")"),
             QRect(x, px(720), ancho, px(260)));
    etiqueta(this, "lblDescription",
             tr("Programa para calcular las propiedades\n"
                "de vibración de las moléculas diatómicas"),
             QRect(x, px(1000), ancho, px(520)));
    raya(this, "Line1(0)", QRect(x, px(1590), ancho, 1), QColor(Qt::white));
    raya(this, "Line1(1)", QRect(x, px(1590) - 1, ancho, 1), QColor(128, 128, 128));
    etiqueta(this, "lblDisclaimer", tr("Realizado por") + QStringLiteral(":"),
             QRect(x, px(1680), ancho, px(260)));
    for (auto [nombre, texto, y] :
         {std::tuple{"Label1", datos.autor1, 1960}, std::tuple{"Label2", datos.autor2, 2220}}) {
        auto* autor = etiqueta(this, nombre, texto, QRect(x, px(y), ancho, px(260)), azul);
        autor->setCursor(Qt::PointingHandCursor);
    }
    auto* web = etiqueta(this, "lblweb", datos.web, QRect(x, px(2520), ancho, px(260)), azul);
    web->setCursor(Qt::PointingHandCursor);
    web->setToolTip(datos.web);
    web->installEventFilter(this);

    // The isotopes' masses of the periodic table: their source, in the space the buttons leave.
    etiqueta(this, "lblDatos",
             tr("Masas isotópicas:\n") + QString::fromLatin1(FUENTE_ISOTOPOS) +
                 QStringLiteral("\n(bodr ") + QString::fromLatin1(VERSION_BODR) +
                 tr(", licencia MIT)"),
             QRect(x, px(2900), width() - px(1600) - x, px(850)));

    auto* aceptar = new QPushButton(tr("Aceptar"), this);
    aceptar->setObjectName(QStringLiteral("cmdOK"));
    aceptar->setGeometry(width() - px(1500), px(2900), px(1350), px(390));
    aceptar->setDefault(true);
    aceptar->setAutoDefault(true);
    connect(aceptar, &QPushButton::clicked, this, &QDialog::close);
    // Escape ends the dialog without a close event: destroy it all the same.
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
    auto* info = new QPushButton(tr("Información") + QStringLiteral("..."), this);
    info->setObjectName(QStringLiteral("cmdSysInfo"));
    info->setGeometry(width() - px(1500), px(3360), px(1350), px(390));
    info->setAutoDefault(false);
    connect(info, &QPushButton::clicked, this, &frmacercade::StartSysInfo);
}

bool frmacercade::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto->objectName() == QLatin1String("lblweb") &&
        evento->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
        abreWeb_(QUrl::fromUserInput(web_)); // a failure to open the browser is not reported
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

void frmacercade::StartSysInfo() {
    const QString programa = buscaInformacionSistema(
        QString::fromLocal8Bit(qgetenv("PATH")).split(QDir::listSeparator(), Qt::SkipEmptyParts));
    if (!programa.isEmpty() && lanza_(programa)) {
        return;
    }
    avisar(this, tr("La información del sistema no se puede mostrar en este momento"), QString(),
           IconoMensaje::Ninguno);
}

void frmacercade::showEvent(QShowEvent* evento) {
    if (const QScreen* pantalla = screen()) {
        move(pantalla->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(evento);
}

} // namespace oscilab
