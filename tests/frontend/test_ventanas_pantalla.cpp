// Every window within the screen: the placing rule itself, then each window opened on the
// offscreen test screen, with every control it shows inside the screen. ctest runs these
// once more on an 800 x 600 screen (VentanasEnPantalla.800x600 in tests/CMakeLists.txt).
#include "compartido/pantalla.h"
#include "detalles/frmdetalles.h"
#include "dipolo/frmdipolo.h"
#include "explorador/frmexplorador.h"
#include "modelo/documento.h"
#include "results/frmescala.h"
#include "support/resultados_prueba.h"
#include "windows/ayuda.h"

#include "resultado_json.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <memory>

namespace oscilab {
namespace {

TEST(GeometriaEnPantalla, AtMostNinetyPercentCentredOnTheParentAndInside) {
    const QRect libre(0, 0, 800, 600);
    EXPECT_EQ(geometriaEnPantalla(QSize(1000, 700), libre), QRect(40, 30, 720, 540));
    EXPECT_EQ(geometriaEnPantalla(QSize(200, 100), libre, QRect(100, 100, 200, 200)),
              QRect(100, 150, 200, 100));
    // A parent near the corner would take the window off the screen.
    EXPECT_EQ(geometriaEnPantalla(QSize(400, 300), libre, QRect(700, 550, 100, 50)),
              QRect(400, 300, 400, 300));
    // A screen with a panel on top and on the left.
    EXPECT_EQ(geometriaEnPantalla(QSize(1000, 700), QRect(50, 30, 750, 570)),
              QRect(87, 58, 675, 513));
}

// The window and every control it shows lie on the screen.
void todoEnPantalla(QWidget& ventana) {
    ventana.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana));
    const QRect libre = ventana.screen()->availableGeometry();
    EXPECT_TRUE(libre.contains(ventana.frameGeometry())) << ventana.objectName().toStdString();
    int controles = 0;
    for (QWidget* w : ventana.findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                             qobject_cast<QAbstractScrollArea*>(w);
        if (!control || !w->isVisibleTo(&ventana) || !w->isVisible()) {
            continue;
        }
        ++controles;
        const QRect global(w->mapToGlobal(QPoint(0, 0)), w->size());
        EXPECT_TRUE(libre.contains(global))
            << ventana.objectName().toStdString() << " " << w->objectName().toStdString();
    }
    EXPECT_GT(controles, 0);
}

TEST(VentanasEnPantalla, DetailsExplorerHelpAtEightHundredBySixHundred) {
    prueba::MensajesGuionizados mensajes;
    QFile f(prueba::ejemploResultados("H2.json"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    auto lectura = curvifit::leeResultadoJson(f.readAll().toStdString());
    ASSERT_TRUE(lectura.ok()) << lectura.error;
    frmdetalles detalles(
        std::make_shared<const curvifit::ResultadoEjecucion>(std::move(*lectura.resultado)),
        f.fileName());
    todoEnPantalla(detalles);
    frmexplorador explorador;
    todoEnPantalla(explorador);
    VentanaAyuda ayuda(nullptr);
    ayuda.setAttribute(Qt::WA_DeleteOnClose, false);
    todoEnPantalla(ayuda);
    Documento documento;
    documento.ponDistancia(Distancia::Bohr);
    frmdipolo dipolo(documento, QString());
    dipolo.setAttribute(Qt::WA_DeleteOnClose, false);
    todoEnPantalla(dipolo);
}

using prueba::VentanaResultados;

TEST_F(VentanaResultados, ResultsAndScaleAtEightHundredBySixHundred) {
    ventana->cargaResultados();
    todoEnPantalla(*ventana);
    // "Exportar gráfico..." as wide as the other buttons, and they as wide as each other.
    const int ancho = ventana->findChild<QPushButton*>(QStringLiteral("btexportar"))->width();
    for (const char* b : {"btprint", "btescala", "btdaceptar", "btdetalles"}) {
        EXPECT_EQ(ventana->findChild<QPushButton*>(QLatin1String(b))->width(), ancho) << b;
    }
    QTest::mouseClick(ventana->findChild<QPushButton*>(QStringLiteral("btescala")), Qt::LeftButton);
    ASSERT_NE(ventana->dialogoEscala(), nullptr);
    todoEnPantalla(*ventana->dialogoEscala());
}

} // namespace
} // namespace oscilab
