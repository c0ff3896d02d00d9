#include "results/dialogo_tamano.h"

#include "results/exportar_grafico.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

namespace oscilab {

namespace {

QSpinBox* lado(const char* nombre, int valor, QWidget* padre) {
    auto* caja = new QSpinBox(padre);
    caja->setObjectName(QString::fromLatin1(nombre));
    caja->setRange(ladoPngMinimo, ladoPngMaximo);
    caja->setSuffix(QStringLiteral(" px"));
    caja->setValue(valor);
    return caja;
}

} // namespace

std::optional<QSize> pideTamanoImagen(QWidget* padre, QSize inicial) {
    QDialog dialogo(padre);
    dialogo.setObjectName(QStringLiteral("frmtamano"));
    dialogo.setWindowTitle(QCoreApplication::translate("dialogo_tamano", "Tamaño de la imagen"));
    auto* ancho = lado("ancho", inicial.width(), &dialogo);
    auto* alto = lado("alto", inicial.height(), &dialogo);
    auto* botones = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialogo);
    QObject::connect(botones, &QDialogButtonBox::accepted, &dialogo, &QDialog::accept);
    QObject::connect(botones, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);
    auto* forma = new QFormLayout(&dialogo);
    forma->addRow(QCoreApplication::translate("dialogo_tamano", "&Ancho:"), ancho);
    forma->addRow(QCoreApplication::translate("dialogo_tamano", "A&lto:"), alto);
    forma->addRow(botones);
    if (dialogo.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return QSize(ancho->value(), alto->value());
}

} // namespace oscilab
