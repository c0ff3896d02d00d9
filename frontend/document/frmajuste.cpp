#include "frmajuste.h"

#include "modelo/documento.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace oscilab {

namespace {

// "a" sub 0 "R" sup 0: a coefficient times R to a power.
QWidget* leyenda(QWidget* padre) {
    auto* caja = new QWidget(padre);
    auto* fila = new QHBoxLayout(caja);
    fila->setContentsMargins(0, 0, 0, 0);
    fila->setSpacing(0);
    auto etiqueta = [caja, fila](const char* nombre, const char* texto, Qt::Alignment alto,
                                 bool pequena) {
        auto* l = new QLabel(QString::fromLatin1(texto), caja);
        l->setObjectName(QString::fromLatin1(nombre));
        QFont f = l->font();
        f.setItalic(!pequena);
        if (pequena) {
            f.setPointSizeF(f.pointSizeF() * 0.7);
        }
        l->setFont(f);
        fila->addWidget(l, 0, alto);
    };
    etiqueta("lcoef", "a", Qt::AlignVCenter, false);
    etiqueta("lsubcoef", "0", Qt::AlignBottom, true);
    etiqueta("lr", "R", Qt::AlignVCenter, false);
    etiqueta("lsupcoef", "0", Qt::AlignTop, true);
    fila->addStretch();
    return caja;
}

} // namespace

frmajuste::frmajuste(Documento& documento, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      documento_(documento) {
    setObjectName(QStringLiteral("frmajuste"));
    setWindowTitle(tr("Potencias incluidas en el ajuste"));
    // This dialog shows no icon.
    QPixmap vacio(16, 16);
    vacio.fill(Qt::transparent);
    setWindowIcon(QIcon(vacio));
    setModal(false);

    auto* rejilla = new QGridLayout(this);
    for (int i = 0; i < numPotencias; ++i) {
        auto* caja = new QCheckBox(tr("Potencia %1").arg(potenciaDeIndice(i)), this);
        caja->setObjectName(QStringLiteral("grado(%1)").arg(i));
        rejilla->addWidget(caja, i % 5, i / 5);
        grado_[static_cast<std::size_t>(i)] = caja;
        connect(caja, &QCheckBox::toggled, this, [this, i] { actualiza(i); });
    }
    auto* aceptar = new QPushButton(tr("&Aceptar"), this);
    aceptar->setObjectName(QStringLiteral("btaceptar"));
    aceptar->setAutoDefault(false);
    connect(aceptar, &QPushButton::clicked, this, &QWidget::hide);
    auto* explorar = new QPushButton(tr("Explorar ajustes..."), this);
    explorar->setObjectName(QStringLiteral("btexplorar"));
    explorar->setAutoDefault(false);
    connect(explorar, &QPushButton::clicked, this, &frmajuste::explorarPedido);
    rejilla->setRowMinimumHeight(5, 8);
    rejilla->addWidget(leyenda(this), 6, 0);
    rejilla->addWidget(explorar, 6, 2, 1, 2);
    rejilla->addWidget(aceptar, 6, 5);
    rejilla->setSizeConstraint(QLayout::SetFixedSize);
    connect(&documento_, &Documento::potenciasCambiadas, this, &frmajuste::muestra);
    muestra();
}

QCheckBox* frmajuste::grado(int i) const {
    return grado_.at(static_cast<std::size_t>(i));
}

void frmajuste::mostrar() {
    muestra();
    show();
    raise();
    activateWindow();
}

void frmajuste::desmarcarTodas() {
    documento_.ponPotencias(TablaPotencias{});
}

void frmajuste::marcaPotencias(const TablaPotencias& potencias) {
    documento_.ponPotencias(potencias);
}

void frmajuste::muestra() {
    mostrando_ = true;
    for (int i = 0; i < numPotencias; ++i) {
        grado(i)->setChecked(documento_.potencias()[static_cast<std::size_t>(i)] == 1);
        actualiza(i);
    }
    mostrando_ = false;
}

void frmajuste::actualiza(int i) {
    QCheckBox* caja = grado(i);
    const bool incluida = caja->isChecked();
    QPalette paleta = caja->parentWidget()->palette();
    if (incluida) {
        paleta.setColor(QPalette::WindowText, Qt::red);
        paleta.setColor(QPalette::ButtonText, Qt::red);
        paleta.setColor(QPalette::Text, Qt::red);
    }
    caja->setPalette(paleta);
    if (!mostrando_) {
        TablaPotencias potencias = documento_.potencias();
        potencias[static_cast<std::size_t>(i)] = incluida ? 1 : 0;
        documento_.ponPotencias(potencias);
    }
}

} // namespace oscilab
