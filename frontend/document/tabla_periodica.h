// The periodic table of the main window: 103 element buttons, the panel that shows the
// element being pointed at, and the timer that hides that panel again.
#pragma once

#include <QGroupBox>

#include <array>

class QLabel;
class QMenu;
class QTimer;
class QToolButton;

namespace oscilab {

class TablaPeriodica : public QGroupBox {
    Q_OBJECT
public:
    explicit TablaPeriodica(QWidget* parent = nullptr);

    QToolButton* boton(int z) const;
    QWidget* panel() const { return lbventana_; }
    QTimer* temporizador() const { return timer_; }

    // Shows name, default mass and atomic number of element z in the panel for three seconds.
    void apunta(int z);

    // The menu of element z's isotopes and standard weight, as a right click opens it.
    QMenu* menuMasas(int z);

signals:
    // The mass text and the atom's name of the choice: a click takes the default (the most
    // abundant isotope), the button's menu any other.
    void elementoElegido(const QString& masa, const QString& nombre);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void creaPanel(int lado, int margen);
    // An isotope's mass is longer than the old weights: the panel widens to show it whole.
    void ponMasaPanel(const QString& masa);

    std::array<QToolButton*, 103> lbatomos_{};
    QWidget* lbventana_ = nullptr;
    QLabel* lbventnombre_ = nullptr;
    QLabel* lbventmato_ = nullptr;
    QLabel* lbventcn_ = nullptr;
    QTimer* timer_ = nullptr;
    int anchoPanel_ = 0;
};

} // namespace oscilab
