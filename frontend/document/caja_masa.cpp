#include "caja_masa.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace oscilab {

CajaMasa::CajaMasa(QWidget* parent) : QLineEdit(parent) {}

void CajaMasa::ponIsotopo(const QString& isotopo) {
    if (isotopo == isotopo_) {
        return;
    }
    isotopo_ = isotopo;
    // The margin keeps the typed number clear of the label painted before it.
    const int ancho =
        isotopo_.isEmpty() ? 0 : fontMetrics().horizontalAdvance(isotopo_ + QLatin1Char(' '));
    setTextMargins(ancho, 0, 0, 0);
    update();
}

QString CajaMasa::textoMostrado() const {
    return isotopo_.isEmpty() ? text() : isotopo_ + QLatin1Char(' ') + text();
}

void CajaMasa::paintEvent(QPaintEvent* evento) {
    QLineEdit::paintEvent(evento);
    if (isotopo_.isEmpty()) {
        return;
    }
    QStyleOptionFrame opcion;
    initStyleOption(&opcion);
    const QRect dentro = style()->subElementRect(QStyle::SE_LineEditContents, &opcion, this);
    QPainter pintor(this);
    pintor.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                  QPalette::PlaceholderText));
    // The contents rectangle is before the margin: the label fills the room it leaves.
    pintor.drawText(QRect(dentro.left() + 2, dentro.top(), textMargins().left(), dentro.height()),
                    Qt::AlignLeft | Qt::AlignVCenter, isotopo_);
}

} // namespace oscilab
