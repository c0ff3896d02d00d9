// The box of an atom's mass. The chosen isotope is shown inside it, before the number
// ("³⁵Cl 34.96885268"), while the text stays the number alone: the document, the file and
// the validation see nothing but the mass.
#pragma once

#include <QLineEdit>

namespace oscilab {

class CajaMasa : public QLineEdit {
    Q_OBJECT
public:
    explicit CajaMasa(QWidget* parent = nullptr);

    // "³⁵Cl", or "" when the mass is no isotope's.
    void ponIsotopo(const QString& isotopo);
    QString isotopo() const { return isotopo_; }
    // What the box reads as: the isotope, a blank and the mass.
    QString textoMostrado() const;

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QString isotopo_;
};

} // namespace oscilab
