#include "import/lector_xls.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

namespace oscilab {

namespace {

// A quick workbook comes and goes without a dialog flashing by.
constexpr int kRetrasoDialogoMs = 300;

} // namespace

LectorXls::LectorXls(QObject* padre) : QObject(padre) {
    lanzador_.capturaSalida(kSalidaMaxima);
    lanzador_.ponEspera(std::chrono::milliseconds(kEsperaMaximaMs));
    connect(&lanzador_, &Lanzador::tardando, this, [this] {
        agotado_ = true;
        lanzador_.detener();
    });
    connect(&lanzador_, &Lanzador::terminado, this,
            [this](const ResultadoLanzamiento& lanzamiento) {
                emit leido(interpretaLeexls(lanzamiento, programa_, agotado_));
            });
}

void LectorXls::lee(const QString& ruta, const QString& programa) {
    if (enMarcha()) {
        return;
    }
    programa_ = programa;
    agotado_ = false;
    lanzador_.lanza(programa, {ruta}, QString());
}

ResultadoImportacion leeXlsSinBloquear(QWidget* padre, const QString& ruta,
                                       const QString& programa) {
    LectorXls lector;
    QProgressDialog progreso(QCoreApplication::translate("lector_xls", "Leyendo el libro .xls..."),
                             QCoreApplication::translate("lector_xls", "Detener"), 0, 0, padre);
    progreso.setObjectName(QStringLiteral("progresoxls"));
    progreso.setWindowTitle(QCoreApplication::translate("importacion", "Importar datos"));
    progreso.setWindowModality(Qt::WindowModal);
    progreso.setAutoReset(false);
    progreso.setAutoClose(false);
    QObject::connect(&progreso, &QProgressDialog::canceled, &lector, &LectorXls::detener);

    ResultadoImportacion resultado = CeldasImportadas{};
    bool terminado = false;
    QEventLoop bucle;
    QObject::connect(&lector, &LectorXls::leido, &bucle, [&](const ResultadoImportacion& leido) {
        resultado = leido;
        terminado = true;
        bucle.quit();
    });
    lector.lee(ruta, programa);
    // Until the dialog shows, the window paints but takes no clicks or keys: they wait, as
    // they would for a quick workbook. Then the window-modal dialog keeps them off.
    QTimer::singleShot(kRetrasoDialogoMs, &bucle, &QEventLoop::quit);
    if (!terminado) {
        bucle.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (!terminado) {
        progreso.show();
        bucle.exec();
    }
    return resultado;
}

} // namespace oscilab
