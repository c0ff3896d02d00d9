// The about box: program name, version, description, authors, the department's web page
// and a button that starts the system's information program.
#pragma once

#include "windows/datos_instalacion.h"

#include <QDialog>
#include <QStringList>
#include <QUrl>
#include <functional>

namespace oscilab {

// System-information programs tried in this order on the PATH.
QStringList programasInformacionSistema();
// The first of them found in `carpetas` (the PATH's folders); empty if none.
QString buscaInformacionSistema(const QStringList& carpetas);

class frmacercade : public QDialog {
    Q_OBJECT
public:
    explicit frmacercade(const DatosInstalacion& datos = DatosInstalacion(),
                         QWidget* padre = nullptr);

    // Stand-ins for the desktop: opening a web address and starting a program.
    void ponAbridorWeb(std::function<bool(const QUrl&)> abridor) { abreWeb_ = std::move(abridor); }
    void ponLanzador(std::function<bool(const QString&)> lanzador) { lanza_ = std::move(lanzador); }

public slots:
    void StartSysInfo();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    void construye(const DatosInstalacion& datos);

    QString web_;
    std::function<bool(const QUrl&)> abreWeb_;
    std::function<bool(const QString&)> lanza_;
};

} // namespace oscilab
