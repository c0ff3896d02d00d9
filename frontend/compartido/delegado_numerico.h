// Table cells edited like the main window's data box: the editor takes one number, or the
// start of one, as typing and pasting there allow; the model reads what is left.
#pragma once

#include <QStyledItemDelegate>

class QValidator;

namespace oscilab {

// The data box's validator: blanks, an optional "-", digits, one "." or ",", an exponent.
QValidator* validadorNumerico(QObject* padre);

class DelegadoNumerico : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* padre, const QStyleOptionViewItem& opcion,
                          const QModelIndex& indice) const override;
};

} // namespace oscilab
