#include "frmescala.h"

#include "compartido/campo_numerico.h"
#include "compartido/textos_numero.h"
#include "compartido/formato_numeros.h"
#include "polinomio.h"
#include "unidades_grafico.h"
#include "compartido/mensajes.h"
#include "compartido/pantalla.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace oscilab {

namespace {

const char* const nombresEtiquetas[4] = {"Label1", "Label2", "Label3", "Label4"};
const char* const textosEtiquetas[4] = {QT_TRANSLATE_NOOP("oscilab::frmescala", "R mínimo:"),
                                        QT_TRANSLATE_NOOP("oscilab::frmescala", "R máximo:"),
                                        QT_TRANSLATE_NOOP("oscilab::frmescala", "V(R) mínimo:"),
                                        QT_TRANSLATE_NOOP("oscilab::frmescala", "V(R) máximo:")};

void avisoEscala(QWidget* padre, const QString& texto) {
    avisar(padre, texto, QStringLiteral("OSCILAB"), IconoMensaje::Ninguno);
}

} // namespace

frmescala::frmescala(const Caja& vista, const Caja& limites,
                     const CoeficientesPotencia& coeficientes, int muestras, QWidget* padre)
    : QDialog(padre, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), vista_(vista),
      limites_(limites), coeficientes_(coeficientes), muestras_(muestras) {
    setObjectName(QStringLiteral("frmescala"));
    setWindowTitle(tr("Escala"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    auto* rejilla = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        auto* lb = new QLabel(tr(textosEtiquetas[i]), this);
        lb->setObjectName(QString::fromLatin1(nombresEtiquetas[i]));
        auto* campo = new QLineEdit(this);
        campo->setObjectName(QStringLiteral("txtmm(%1)").arg(i + 1));
        campo->setAccessibleName(lb->text());
        campo->setMinimumWidth(
            campo->fontMetrics().horizontalAdvance(QStringLiteral("-0.00000000000000E-000")));
        campo->installEventFilter(this);
        lb->setBuddy(campo);
        rejilla->addWidget(lb, i, 0);
        rejilla->addWidget(campo, i, 1);
        auto* unidad = new QLabel(this);
        unidad->setObjectName(QStringLiteral("unidad%1").arg(i + 1));
        rejilla->addWidget(unidad, i, 2);
        nombresUnidades_[static_cast<std::size_t>(i)] = unidad;
        etiquetas_[static_cast<std::size_t>(i)] = lb;
        txtmm_[static_cast<std::size_t>(i)] = campo;
    }
    ponUnidades(unidades_); // bohr and hartree, the widest names, before the size is fixed
    chky_ = new QCheckBox(tr("Escala V(R) automática"), this);
    chky_->setObjectName(QStringLiteral("chky"));
    btaceptar_ = new QPushButton(tr("&Aceptar"), this);
    btaceptar_->setObjectName(QStringLiteral("btaceptar"));
    btcancelar_ = new QPushButton(tr("&Cancelar"), this);
    btcancelar_->setObjectName(QStringLiteral("btcancelar"));
    for (QPushButton* bt : {btaceptar_, btcancelar_}) {
        bt->setAutoDefault(false);
    }

    auto* botones = new QHBoxLayout;
    botones->addWidget(btaceptar_);
    botones->addWidget(btcancelar_);
    auto* columna = new QVBoxLayout(this);
    columna->addLayout(rejilla);
    columna->addWidget(chky_);
    columna->addLayout(botones);
    setFixedSize(qMax(217, sizeHint().width()), qMax(207, sizeHint().height()));

    connect(chky_, &QCheckBox::clicked, this, &frmescala::aplicaCasilla);
    connect(btaceptar_, &QPushButton::clicked, this, &frmescala::aceptar);
    connect(btcancelar_, &QPushButton::clicked, this, &frmescala::reject);
    aplicaCasilla();
}

void frmescala::ponUnidades(const UnidadesMostradas& unidades) {
    unidades_ = unidades;
    for (std::size_t i = 0; i < nombresUnidades_.size(); ++i) {
        nombresUnidades_[i]->setText(
            QString::fromStdString(i < 2 ? unidades_.nombreDistancia : unidades_.nombreEnergia));
    }
}

void frmescala::abre() {
    if (vista_.esNula()) {
        vista_ = limites_;
    }
    const Caja v = cajaMostrada(vista_, unidades_);
    txtmm(1)->setText(formatoBorde(v.rmin, v.rmax - v.rmin));
    txtmm(2)->setText(formatoBorde(v.rmax, v.rmax - v.rmin));
    txtmm(3)->setText(formatoBorde(v.vmin, v.vmax - v.vmin));
    txtmm(4)->setText(formatoBorde(v.vmax, v.vmax - v.vmin));
    for (QLineEdit* campo : txtmm_) {
        campo->setCursorPosition(0); // the leading digits matter most
    }
    chky_->setCheckState(Qt::Checked);
    aplicaCasilla();
    centraEnPantalla(*this);
    show();
}

void frmescala::aplicaCasilla() {
    const Qt::CheckState estado = chky_->checkState();
    if (estado == Qt::PartiallyChecked) {
        return;
    }
    const bool manual = estado == Qt::Unchecked;
    for (std::size_t i : {2u, 3u}) {
        etiquetas_[i]->setEnabled(manual);
        txtmm_[i]->setEnabled(manual);
    }
}

void frmescala::aceptar() {
    const double rmin = valorInicial(txtmm(1)->text());
    const double rmax = valorInicial(txtmm(2)->text());
    if (rmax <= rmin) {
        avisoEscala(this, tr("El valor de R máximo debe ser mayor que R mínimo"));
        return;
    }
    const Qt::CheckState automatica = chky_->checkState();
    double vmin = 0.0;
    double vmax = 0.0;
    if (automatica == Qt::Unchecked) {
        vmin = valorInicial(txtmm(3)->text());
        vmax = valorInicial(txtmm(4)->text());
        if (vmax <= vmin) {
            avisoEscala(this, tr("El valor de V(R) máximo debe ser mayor que V(R) mínimo"));
            return;
        }
    }
    // The fields are in the units shown; the view is in bohr and hartree.
    const Caja escrita = cajaAtomica({rmin, vmin, rmax, vmax}, unidades_);
    Caja& vista = vista_;
    vista.rmin = escrita.rmin;
    vista.rmax = escrita.rmax;
    if (automatica == Qt::Unchecked) {
        vista.vmin = escrita.vmin;
        vista.vmax = escrita.vmax;
    } else if (automatica == Qt::Checked) {
        if (!ajustaVAlIntervaloR(vista, coeficientes_, muestras_)) {
            escalaauto(vista, coeficientes_, muestras_);
        }
    }
    emit vistaElegida(vista);
    done(QDialog::Accepted);
}

bool frmescala::eventFilter(QObject* objeto, QEvent* evento) {
    auto* campo = qobject_cast<QLineEdit*>(objeto);
    if (campo == nullptr) {
        return QDialog::eventFilter(objeto, evento);
    }
    if (evento->type() == QEvent::FocusIn) {
        // After the click that gave the focus has placed the cursor.
        QTimer::singleShot(0, campo, &QLineEdit::selectAll);
    } else if (evento->type() == QEvent::KeyPress) {
        const QString texto = static_cast<QKeyEvent*>(evento)->text();
        // Printable keys go through the numeric filter; editing and shortcut keys pass.
        const int pulsada = texto.isEmpty() ? 0 : texto.at(0).unicode();
        int tecla = pulsada;
        if (tecla >= 32 &&
            (!validanumfloat(tecla, *campo) || escribeSustituta(*campo, pulsada, tecla))) {
            return true;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

} // namespace oscilab
