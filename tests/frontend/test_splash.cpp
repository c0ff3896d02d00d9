#include "windows/dibujos.h"
#include "windows/frmsplash.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QColor>
#include <QTimer>
#include <gtest/gtest.h>

namespace oscilab {
namespace {

void borraPendientes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString texto(const QWidget& w, const char* nombre) {
    const auto* e = w.findChild<QLabel*>(QString::fromLatin1(nombre));
    return e != nullptr ? e->text() : QStringLiteral("<sin %1>").arg(QLatin1String(nombre));
}

TEST(Splash, ShowsEveryTextOfTheWindow) {
    DatosInstalacion datos;
    datos.autor1Abreviado = "A. Uno  uno@ejemplo.example";
    datos.autor2Abreviado = "B. Dos  dos@ejemplo.example";
    frmSplash s([] {}, datos);
    EXPECT_EQ(texto(s, "lblCompanyProduct"), "Universidad de Brenava");
    EXPECT_EQ(texto(s, "lblProductName"), "OSCILAB");
    EXPECT_EQ(texto(s, "lblProductDescription"),
              "Programa para calcular las propiedades\nde vibración de las moléculas diatómicas");
    EXPECT_EQ(texto(s, "lblPlatform"), "Windows 98, NT, XP");
    EXPECT_EQ(texto(s, "lblVersion"), "10/10/2007");
    EXPECT_EQ(texto(s, "lblWarning"), "Realizado por:");
    EXPECT_EQ(texto(s, "Label1"), "A. Uno  uno@ejemplo.example");
    EXPECT_EQ(texto(s, "Label2"), "B. Dos  dos@ejemplo.example");
    EXPECT_EQ(texto(s, "Label3"), "");
    EXPECT_TRUE(s.findChild<QLabel*>("lblPlatform")->alignment() & Qt::AlignRight);
    EXPECT_TRUE(s.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(s.temporizador()->interval(), 1000);
    EXPECT_TRUE(s.temporizador()->isActive());
}

struct Aspecto {
    const char* nombre;
    const char* familia; // nullptr: the window's usual font
    double puntos;
    bool negrita;
    QColor color;
    bool derecha;
};

TEST(Splash, FontsColoursAndAlignmentOfEachLabel) {
    frmSplash s([] {});
    const QColor negro(Qt::black), azulOscuro(0, 0, 128), azul(0, 0, 255);
    const Aspecto aspectos[] = {
        {"lblCompanyProduct", "Verdana", 12, true, negro, false},
        {"lblProductName", nullptr, 18, true, negro, false},
        {"lblProductDescription", "Verdana", 9.75, true, azulOscuro, false},
        {"lblPlatform", nullptr, 13.5, true, negro, true},
        {"lblVersion", nullptr, 12, true, negro, true},
        {"lblWarning", nullptr, 8, false, azulOscuro, false},
        {"Label1", nullptr, 8, false, azul, false},
        {"Label2", nullptr, 8, false, azul, false},
        {"Label3", nullptr, 8, false, azul, false},
    };
    for (const Aspecto& a : aspectos) {
        const auto* e = s.findChild<QLabel*>(QString::fromLatin1(a.nombre));
        ASSERT_NE(e, nullptr) << a.nombre;
        if (a.familia != nullptr) {
            EXPECT_EQ(e->font().families().value(0), QString::fromLatin1(a.familia)) << a.nombre;
        }
        EXPECT_DOUBLE_EQ(e->font().pointSizeF(), a.puntos) << a.nombre;
        EXPECT_EQ(e->font().bold(), a.negrita) << a.nombre;
        EXPECT_EQ(e->palette().color(QPalette::WindowText), a.color) << a.nombre;
        EXPECT_EQ(bool(e->alignment() & Qt::AlignRight), a.derecha) << a.nombre;
    }
}

// Every text must be readable in full: no label narrower or lower than its text.
TEST(Splash, NoTextIsClipped) {
    frmSplash s([] {});
    for (const QLabel* e : s.findChildren<QLabel*>()) {
        if (e->text().isEmpty()) {
            continue;
        }
        const QSize necesario = e->sizeHint();
        EXPECT_LE(necesario.width(), e->width()) << e->objectName().toStdString();
        EXPECT_LE(necesario.height(), e->height()) << e->objectName().toStdString();
        EXPECT_LE(e->geometry().right(), e->parentWidget()->width())
            << e->objectName().toStdString();
    }
}

TEST(Splash, ARightClickOrADragOffTheControlDoesNotClose) {
    int abiertas = 0;
    QPointer<frmSplash> s = new frmSplash([&] { ++abiertas; });
    s->show();
    auto* imagen = s->findChild<QWidget*>("Image1");
    ASSERT_NE(imagen, nullptr);
    QTest::mouseClick(imagen, Qt::RightButton);
    QTest::mousePress(imagen, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(imagen, Qt::LeftButton, {}, QPoint(imagen->width() + 40, 5));
    EXPECT_EQ(abiertas, 0);
    QTest::mouseClick(imagen, Qt::LeftButton);
    EXPECT_EQ(abiertas, 1);
    borraPendientes();
    EXPECT_TRUE(s.isNull());
}

TEST(Splash, MainWindowOpensAtTheFifthTickOnly) {
    int abiertas = 0;
    QPointer<frmSplash> s = new frmSplash([&] { ++abiertas; });
    s->show();
    for (int i = 0; i < 4; ++i) {
        s->Timer1_Timer();
    }
    EXPECT_EQ(abiertas, 0);
    EXPECT_TRUE(s->isVisible());
    s->Timer1_Timer();
    EXPECT_EQ(abiertas, 1);
    borraPendientes();
    EXPECT_TRUE(s.isNull()); // destroyed, with its timer
}

TEST(Splash, TheRunningTimerDrivesTheTicks) {
    int abiertas = 0;
    QPointer<frmSplash> s = new frmSplash([&] { ++abiertas; });
    s->temporizador()->setInterval(1); // the same five ticks, without the wait
    QElapsedTimer reloj;
    reloj.start();
    while (abiertas == 0 && reloj.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    EXPECT_EQ(abiertas, 1);
    borraPendientes();
    EXPECT_TRUE(s.isNull());
}

TEST(Splash, AClickOpensTheMainWindowAtOnceAndNeverASecondOne) {
    int abiertas = 0;
    QPointer<frmSplash> s = new frmSplash([&] { ++abiertas; });
    s->show();
    s->Timer1_Timer();
    QTest::mouseClick(s->findChild<QWidget*>("Image1"), Qt::LeftButton);
    EXPECT_EQ(abiertas, 1);
    s->cierra();
    for (int i = 0; i < 5; ++i) {
        s->Timer1_Timer();
    }
    EXPECT_EQ(abiertas, 1);
    EXPECT_FALSE(s->temporizador()->isActive());
    borraPendientes();
    EXPECT_TRUE(s.isNull());
}

TEST(Splash, EveryListedControlClosesOnClick) {
    for (const char* nombre : {"fraMainFrame", "Image1", "Label1", "Label2", "lblCompanyProduct",
                               "lblPlatform", "lblProductName", "lblVersion", "lblWarning"}) {
        int abiertas = 0;
        auto* s = new frmSplash([&] { ++abiertas; });
        s->show();
        QWidget* control = s->findChild<QWidget*>(nombre);
        ASSERT_NE(control, nullptr) << nombre;
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(2, 2));
        EXPECT_EQ(abiertas, 1) << nombre;
        borraPendientes();
    }
}

TEST(Splash, ClicksOnTheIconDescriptionAndLabel3DoNothing) {
    int abiertas = 0;
    frmSplash s([&] { ++abiertas; });
    s.show();
    for (const char* nombre : {"Picture2", "lblProductDescription", "Label3"}) {
        QWidget* control = s.findChild<QWidget*>(nombre);
        ASSERT_NE(control, nullptr) << nombre;
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(2, 2));
        EXPECT_EQ(abiertas, 0) << nombre;
    }
    EXPECT_TRUE(s.isVisible());
}

} // namespace
} // namespace oscilab

namespace oscilab {
namespace {

bool esAzul(QRgb c) {
    return qBlue(c) > 200 && qRed(c) < 90 && qGreen(c) < 90;
}
bool esRojo(QRgb c) {
    return qRed(c) > 200 && qGreen(c) < 90 && qBlue(c) < 90;
}

// The picture of both windows shows a potential well: its lowest point lies between the
// repulsive wall and the dissociation side, and the levels lie above it.
TEST(Dibujos, ThePotentialCurveIsAWellWithItsLevelsAboveTheMinimum) {
    const QImage imagen = dibujoCurvaPotencial(QSize(180, 320)).toImage();
    int primera = -1, ultima = -1, xFondo = -1, yFondo = -1, yRojoMasBajo = -1;
    for (int x = 0; x < imagen.width(); ++x) {
        for (int y = 0; y < imagen.height(); ++y) {
            const QRgb c = imagen.pixel(x, y);
            if (esAzul(c)) {
                primera = primera < 0 ? x : primera;
                ultima = x;
                if (y > yFondo) {
                    yFondo = y;
                    xFondo = x;
                }
            } else if (esRojo(c)) {
                yRojoMasBajo = std::max(yRojoMasBajo, y);
            }
        }
    }
    ASSERT_GE(primera, 0);
    ASSERT_GE(yRojoMasBajo, 0);
    const int tramo = ultima - primera;
    EXPECT_GT(xFondo, primera + tramo / 10);
    EXPECT_LT(xFondo, ultima - tramo / 10);
    EXPECT_LT(yRojoMasBajo, yFondo);
}

} // namespace
} // namespace oscilab
