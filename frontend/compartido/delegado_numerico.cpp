#include "compartido/delegado_numerico.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace oscilab {

QValidator* validadorNumerico(QObject* padre) {
    return new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\s*-?[0-9]*([.,][0-9]*)?([eEdD][-+]?[0-9]*)?\\s*")),
        padre);
}

QWidget* DelegadoNumerico::createEditor(QWidget* padre, const QStyleOptionViewItem& opcion,
                                        const QModelIndex& indice) const {
    QWidget* editor = QStyledItemDelegate::createEditor(padre, opcion, indice);
    if (auto* linea = qobject_cast<QLineEdit*>(editor)) {
        linea->setValidator(validadorNumerico(linea));
    }
    return editor;
}

} // namespace oscilab
