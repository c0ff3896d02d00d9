#include "tabla_periodica.h"

#include "compartido/isotopos.h"
#include "compartido/textos_numero.h"
#include "modelo/masas_atomos.h"
#include "modelo/elementos.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QToolButton>

namespace oscilab {

namespace {

// 255 twips at the screen's resolution, but never so small that "Lw" does not fit.
int ladoBoton(const QWidget* w) {
    const int desdeTwips = 255 * w->logicalDpiX() / 1440;
    return std::max(desdeTwips, w->fontMetrics().height() + 8);
}

} // namespace

TablaPeriodica::TablaPeriodica(QWidget* parent) : QGroupBox(tr("Tabla Periódica"), parent) {
    setObjectName(QStringLiteral("frmtp"));
    const int lado = ladoBoton(this);
    const int margen = lado / 2;
    const int arriba = fontMetrics().height() + 4;
    // The two rows of lanthanides and actinides stand apart by 45/255 of a square.
    const int separacion = lado * 45 / 255;
    for (int z = 1; z <= numeroElementos; ++z) {
        const Elemento e = elemento(z);
        const Casilla c = casillaElemento(z);
        auto* b = new QToolButton(this);
        b->setObjectName(QStringLiteral("lbatomos(%1)").arg(z));
        b->setText(e.simbolo);
        b->setAccessibleName(e.nombre);
        b->setToolTip(ayudaElemento(z, TablaIsotopos::delSistema()));
        b->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(b, &QToolButton::customContextMenuRequested, this,
                [this, z, b](const QPoint& punto) { menuMasas(z)->popup(b->mapToGlobal(punto)); });
        b->setAutoRaise(false);
        const int y = arriba + lado * (c.fila - 1) + (c.fila >= 8 ? separacion : 0);
        b->setGeometry(margen + lado * (c.columna - 1), y, lado, lado);
        b->installEventFilter(this);
        b->setMouseTracking(true);
        connect(b, &QToolButton::clicked, this, [this, z] {
            apunta(z);
            const OpcionMasa defecto = opcionesMasa(z, TablaIsotopos::delSistema()).front();
            emit elementoElegido(defecto.masa, defecto.nombre);
        });
        lbatomos_[static_cast<std::size_t>(z - 1)] = b;
    }
    setFixedSize(2 * margen + 18 * lado, arriba + 9 * lado + separacion + margen);
    creaPanel(lado, margen);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer"));
    timer_->setInterval(3000);
    connect(timer_, &QTimer::timeout, this, [this] {
        lbventana_->hide();
        timer_->stop();
    });
}

void TablaPeriodica::creaPanel(int lado, int margen) {
    lbventana_ = new QWidget(this);
    lbventana_->setObjectName(QStringLiteral("lbventana"));
    lbventana_->setAutoFillBackground(true);
    QPalette paleta = lbventana_->palette();
    paleta.setColor(QPalette::Window, QColor(255, 255, 204));
    paleta.setColor(QPalette::WindowText, Qt::black);
    lbventana_->setPalette(paleta);
    auto* rejilla = new QGridLayout(lbventana_);
    rejilla->setContentsMargins(6, 2, 6, 2);
    rejilla->setVerticalSpacing(0);
    const QString titulos[] = {tr("Nombre:"), tr("Masa atómica:"), tr("Carga nuclear:")};
    QLabel** valores[] = {&lbventnombre_, &lbventmato_, &lbventcn_};
    const char* nombresValor[] = {"lbventnombre", "lbventmato", "lbventcn"};
    for (int i = 0; i < 3; ++i) {
        auto* titulo = new QLabel(titulos[i], lbventana_);
        titulo->setObjectName(QStringLiteral("lbvent%1").arg(i + 1));
        auto* valor = new QLabel(lbventana_);
        valor->setObjectName(QString::fromLatin1(nombresValor[i]));
        QFont negrita = valor->font();
        negrita.setBold(true);
        valor->setFont(negrita);
        rejilla->addWidget(titulo, i, 0);
        rejilla->addWidget(valor, i, 1);
        *valores[i] = valor;
    }
    // Over the gap of periods 1 to 3, between the second and the thirteenth columns.
    const int arriba = lbatomos_[0]->y();
    anchoPanel_ = lado * 10 - lado / 2;
    lbventana_->setGeometry(margen + lado * 2 + lado / 4, arriba, anchoPanel_, lado * 3);
    lbventana_->hide();
}

QToolButton* TablaPeriodica::boton(int z) const {
    return lbatomos_.at(static_cast<std::size_t>(z - 1));
}

QMenu* TablaPeriodica::menuMasas(int z) {
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("menuMasas"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const OpcionMasa& o : opcionesMasa(z, TablaIsotopos::delSistema())) {
        connect(menu->addAction(o.descripcion), &QAction::triggered, this, [this, z, o] {
            apunta(z);
            ponMasaPanel(o.etiqueta);
            emit elementoElegido(o.masa, o.nombre);
        });
    }
    menu->setActiveAction(menu->actions().front());
    return menu;
}

void TablaPeriodica::apunta(int z) {
    const Elemento e = elemento(z);
    lbventnombre_->setText(e.nombre);
    lbventcn_->setText(QString::number(e.z));
    ponMasaPanel(opcionesMasa(z, TablaIsotopos::delSistema()).front().etiqueta);
    lbventana_->show();
    lbventana_->raise();
    timer_->start();
}

void TablaPeriodica::ponMasaPanel(const QString& masa) {
    lbventmato_->setText(masa);
    lbventana_->resize(std::max(anchoPanel_, lbventana_->sizeHint().width()), lbventana_->height());
}

bool TablaPeriodica::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::Enter || evento->type() == QEvent::MouseMove) {
        for (int z = 1; z <= numeroElementos; ++z) {
            if (objeto == lbatomos_[static_cast<std::size_t>(z - 1)]) {
                apunta(z);
                break;
            }
        }
    }
    return QGroupBox::eventFilter(objeto, evento);
}

} // namespace oscilab
