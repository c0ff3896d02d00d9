#include "windows/frmsplash.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QTest>
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
