// The .xls helper run without blocking the window: the workbook is read by oscilab-leexls
// through the asynchronous launcher, with a progress dialog that can stop it.
#pragma once

#include "import/celdas_importadas.h"
#include "import/importar_excel.h"
#include "run/lanzador.h"

#include <QObject>
#include <QString>

class QWidget;

namespace oscilab {

class LectorXls : public QObject {
    Q_OBJECT
public:
    explicit LectorXls(QObject* padre = nullptr);

    // Starts the helper on `ruta` and returns at once; `leido` follows once. Past
    // kEsperaMaximaMs the helper is stopped and the import fails saying so.
    void lee(const QString& ruta, const QString& programa = programaLeexls());
    bool enMarcha() const { return lanzador_.enMarcha(); }
    // Stops the helper; `leido` follows with the stop's message.
    void detener() { lanzador_.detener(); }

signals:
    void leido(const oscilab::ResultadoImportacion& resultado);

private:
    Lanzador lanzador_;
    QString programa_;
    bool agotado_ = false;
};

// Reads `ruta` with a LectorXls while the window keeps painting: after a moment a progress
// dialog over `padre` (window-modal, "progresoxls") says so and offers "Detener".
ResultadoImportacion leeXlsSinBloquear(QWidget* padre, const QString& ruta,
                                       const QString& programa = programaLeexls());

} // namespace oscilab
