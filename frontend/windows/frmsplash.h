// The splash window: the first window of the program. It hands over to the main window
// after five ticks of its one-second timer or at the first click on one of its parts.
#pragma once

#include "windows/datos_instalacion.h"

#include <QWidget>
#include <functional>

class QTimer;

namespace oscilab {

class frmSplash : public QWidget {
    Q_OBJECT
public:
    // `abrePrincipal` opens the main window; it is called once at most.
    explicit frmSplash(std::function<void()> abrePrincipal,
                       const DatosInstalacion& datos = DatosInstalacion());

    QTimer* temporizador() const { return Timer1_; }
    int ticks() const { return ticks_; }

public slots:
    // One tick of the timer: the fifth one closes the window.
    void Timer1_Timer();
    // Closes the splash and opens the main window.
    void cierra();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    void construye(const DatosInstalacion& datos);

    std::function<void()> abrePrincipal_;
    QTimer* Timer1_;
    int ticks_ = 0;
    bool cerrado_ = false;
};

} // namespace oscilab
