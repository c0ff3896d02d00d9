// A results window loaded with the example curve file of H2 in a temporary folder.
#pragma once

#include "compartido/estado_global.h"
#include "results/frmgraficos.h"
#include "support/guiones.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace oscilab::prueba {

inline QString ejemploResultados(const char* nombre) {
    return QStringLiteral(OSCILAB_SOURCE_DIR "/tests/frontend/datos/") + QLatin1String(nombre);
}

class VentanaResultados : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        estado.dirprograma = dir.path() + QStringLiteral("/");
        estado.dirresult = estado.dirprograma;
        ASSERT_TRUE(QFile::copy(ejemploResultados("H2.scs"), rutaCurva()));
        ventana = new frmgraficos(
            resultados, ficherosDeCalculo(estado.dirresult, QStringLiteral("H2")), [this] {
                ++llamadasChequeo;
                return puntosDocumento;
            });
    }
    void TearDown() override { delete ventana.data(); }

    QString rutaCurva() const { return estado.dirresult + QStringLiteral("H2.scs"); }
    // Runs deferred deletions, as the event loop would.
    static void procesaBorrados() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QTemporaryDir dir;
    MensajesGuionizados mensajes;
    EstadoGlobal estado;
    EstadoResultados resultados;
    int puntosDocumento = 20;
    int llamadasChequeo = 0;
    QPointer<frmgraficos> ventana;
};

} // namespace oscilab::prueba
