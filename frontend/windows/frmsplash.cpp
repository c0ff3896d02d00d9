#include "windows/frmsplash.h"

#include "windows/dibujos.h"

#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

namespace oscilab {

namespace {

constexpr int kTicksHastaCerrar = 5;

// Controls whose click closes the splash; the others swallow their clicks.
const char* const kCierranAlPulsar[] = {
    "fraMainFrame", "Image1",         "Label1",     "Label2",    "lblCompanyProduct",
    "lblPlatform",  "lblProductName", "lblVersion", "lblWarning"};
const char* const kIgnoranPulsacion[] = {"Picture2", "lblProductDescription", "Label3"};

QLabel* etiqueta(QWidget* padre, const char* nombre, const QString& texto, const QRect& sitio,
                 const QFont& fuente, const QColor& color,
                 Qt::Alignment alineacion = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* e = new QLabel(texto, padre);
    e->setObjectName(QString::fromLatin1(nombre));
    e->setGeometry(sitio);
    e->setFont(fuente);
    e->setAlignment(alineacion);
    QPalette paleta = e->palette();
    paleta.setColor(QPalette::WindowText, color);
    e->setPalette(paleta);
    return e;
}

QFont fuente(const QString& familia, double puntos, bool negrita) {
    return fuenteVentana(puntos, negrita, familia);
}

} // namespace

frmSplash::frmSplash(std::function<void()> abrePrincipal, const DatosInstalacion& datos)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint),
      abrePrincipal_(std::move(abrePrincipal)), Timer1_(new QTimer(this)) {
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    construye(datos);
    Timer1_->setObjectName(QStringLiteral("Timer1"));
    Timer1_->setInterval(1000);
    connect(Timer1_, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    Timer1_->start();
}

void frmSplash::construye(const DatosInstalacion& datos) {
    const double ppp = logicalDpiX();
    auto px = [ppp](int twips) { return twipsAPixeles(twips, ppp); };
    setFixedSize(px(7425), px(4650));
    setAccessibleName(QStringLiteral("OSCILAB"));

    auto* imagen = new QLabel(this);
    imagen->setObjectName(QStringLiteral("Image1"));
    imagen->setGeometry(0, 0, px(2730), px(4770));
    imagen->setPixmap(dibujoCurvaPotencial(imagen->size()));
    imagen->setAccessibleName(tr("Curva de energía potencial"));

    auto* marco = new QFrame(this);
    marco->setObjectName(QStringLiteral("fraMainFrame"));
    marco->setFrameShape(QFrame::Box);
    marco->setFrameShadow(QFrame::Sunken);
    marco->setGeometry(px(2730), 0, width() - px(2730), height());
    const int ancho = marco->width() - px(300);
    const int x = px(150);
    const QColor negro(Qt::black), azulOscuro(0, 0, 128), azul(0, 0, 255);
    const QString verdana = QStringLiteral("Verdana");
    const auto derecha = Qt::AlignRight | Qt::AlignVCenter;

    etiqueta(marco, "lblCompanyProduct", tr("Universidad de Brenava"),
             QRect(x, px(150), ancho, px(360)), fuente(verdana, 12, true), negro);
    etiqueta(marco, "lblProductName", QStringLiteral("OSCILAB"), QRect(x, px(560), ancho, px(500)),
             fuente(QString(), 18, true), negro);
    etiqueta(marco, "lblProductDescription",
             tr("Programa para calcular las propiedades\n"
                "de vibración de las moléculas diatómicas"),
             QRect(x, px(1120), ancho, px(560)), fuente(verdana, 9.75, true), azulOscuro);
    etiqueta(marco, "lblPlatform", QStringLiteral("Windows 98, NT, XP"),
             QRect(x, px(1800), ancho, px(420)), fuente(QString(), 13.5, true), negro, derecha);
    etiqueta(marco, "lblVersion", QStringLiteral("10/10/2007"), QRect(x, px(2240), ancho, px(380)),
             fuente(QString(), 12, true), negro, derecha);
    etiqueta(marco, "lblWarning", tr("Realizado por:"), QRect(x, px(2780), ancho, px(300)),
             fuente(QString(), 8, false), azulOscuro);
    etiqueta(marco, "Label1", datos.autor1Abreviado, QRect(x, px(3100), ancho, px(300)),
             fuente(QString(), 8, false), azul);
    etiqueta(marco, "Label2", datos.autor2Abreviado, QRect(x, px(3400), ancho, px(300)),
             fuente(QString(), 8, false), azul);
    etiqueta(marco, "Label3", QString(), QRect(x, px(3700), ancho - px(600), px(300)),
             fuente(QString(), 8, false), azul);

    auto* icono = new QLabel(marco);
    icono->setObjectName(QStringLiteral("Picture2"));
    icono->setGeometry(marco->width() - px(750), marco->height() - px(750), px(480), px(480));
    icono->setPixmap(iconoPrograma().pixmap(icono->size()));
    icono->setAccessibleName(tr("Icono de OSCILAB"));

    for (const char* nombre : kCierranAlPulsar) {
        findChild<QWidget*>(QString::fromLatin1(nombre))->installEventFilter(this);
    }
    for (const char* nombre : kIgnoranPulsacion) {
        findChild<QWidget*>(QString::fromLatin1(nombre))->installEventFilter(this);
    }
}

bool frmSplash::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() != QEvent::MouseButtonPress &&
        evento->type() != QEvent::MouseButtonRelease) {
        return QWidget::eventFilter(objeto, evento);
    }
    for (const char* nombre : kIgnoranPulsacion) {
        if (objeto->objectName() == QLatin1String(nombre)) {
            return true; // kept from reaching the frame behind
        }
    }
    // A click is a left-button press and release over the same control.
    const auto* raton = static_cast<QMouseEvent*>(evento);
    auto* control = qobject_cast<QWidget*>(objeto);
    if (evento->type() == QEvent::MouseButtonRelease && raton->button() == Qt::LeftButton &&
        control != nullptr && control->rect().contains(raton->position().toPoint())) {
        cierra();
    }
    return true;
}

void frmSplash::showEvent(QShowEvent* evento) {
    if (const QScreen* pantalla = screen()) {
        move(pantalla->availableGeometry().center() - rect().center());
    }
    QWidget::showEvent(evento);
}

void frmSplash::Timer1_Timer() {
    ++ticks_;
    if (ticks_ == kTicksHastaCerrar) {
        cierra();
    }
}

void frmSplash::cierra() {
    if (cerrado_) {
        return;
    }
    cerrado_ = true;
    Timer1_->stop();
    hide();
    if (abrePrincipal_) {
        abrePrincipal_();
    }
    close(); // destroys the window (delete on close)
}

} // namespace oscilab
