#include "support/guiones.h"
#include "windows/datos_instalacion.h"
#include "windows/frmacercade.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace oscilab {
namespace {

QString texto(const QWidget& w, const char* nombre) {
    const auto* e = w.findChild<QLabel*>(QString::fromLatin1(nombre));
    return e != nullptr ? e->text() : QStringLiteral("<sin %1>").arg(QLatin1String(nombre));
}

void ejecutable(const QString& ruta) {
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\nexit 0\n");
    f.close();
    f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
}

// Sets PATH for one test and puts it back afterwards.
class PathTemporal {
public:
    explicit PathTemporal(const QString& path) : anterior_(qgetenv("PATH")) {
        qputenv("PATH", path.toLocal8Bit());
    }
    ~PathTemporal() { qputenv("PATH", anterior_); }

private:
    QByteArray anterior_;
};

TEST(AcercaDe, TitleVersionAndTexts) {
    DatosInstalacion datos;
    datos.autor1 = "Ana Uno  uno@ejemplo.example";
    datos.autor2 = "Berta Dos  dos@ejemplo.example";
    datos.web = "https://ejemplo.example/oscilab/";
    frmacercade a(datos);
    EXPECT_EQ(a.windowTitle(), "Acerca de OSCILAB");
    EXPECT_EQ(texto(a, "lblTitle"), "OSCILAB");
    EXPECT_EQ(texto(a, "lblVersion"), "Versión 1.5 para Windows 98/2000/XP (10/09/2007)");
    EXPECT_EQ(texto(a, "lblDescription"),
              "Programa para calcular las propiedades\nde vibración de las moléculas diatómicas");
    EXPECT_EQ(texto(a, "lblDisclaimer"), "Realizado por:");
    EXPECT_EQ(texto(a, "Label1"), "Ana Uno  uno@ejemplo.example");
    EXPECT_EQ(texto(a, "Label2"), "Berta Dos  dos@ejemplo.example");
    EXPECT_EQ(texto(a, "lblweb"), "https://ejemplo.example/oscilab/");
    EXPECT_EQ(texto(a, "lblDatos"),
              "Masas isotópicas:\nBlue Obelisk Data Repository\n(bodr 10, licencia MIT)");
    auto* info = a.findChild<QPushButton*>("cmdSysInfo");
    auto* ok = a.findChild<QPushButton*>("cmdOK");
    ASSERT_NE(info, nullptr);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(info->text(), "Información...");
    EXPECT_EQ(ok->text(), "Aceptar");
    EXPECT_TRUE(ok->isDefault());
    EXPECT_FALSE(a.isModal());
}

TEST(AcercaDe, WebLabelOpensTheAddress) {
    frmacercade a;
    QUrl abierta;
    a.ponAbridorWeb([&](const QUrl& u) {
        abierta = u;
        return true;
    });
    a.show();
    QTest::mouseClick(a.findChild<QWidget*>("lblweb"), Qt::LeftButton);
    EXPECT_EQ(abierta, QUrl(DatosInstalacion().web));
}

TEST(AcercaDe, FontsAndColours) {
    frmacercade a;
    const auto* titulo = a.findChild<QLabel*>("lblTitle");
    ASSERT_NE(titulo, nullptr);
    EXPECT_EQ(titulo->font().families().value(0), "Book Antiqua");
    EXPECT_DOUBLE_EQ(titulo->font().pointSizeF(), 24);
    EXPECT_TRUE(titulo->font().bold());
    EXPECT_EQ(titulo->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    for (const char* nombre : {"Label1", "Label2", "lblweb"}) {
        const auto* e = a.findChild<QLabel*>(nombre);
        ASSERT_NE(e, nullptr) << nombre;
        EXPECT_EQ(e->palette().color(QPalette::WindowText), QColor(0, 0, 255)) << nombre;
        EXPECT_NE(e->cursor().shape(), Qt::ArrowCursor) << nombre;
    }
    EXPECT_FALSE(a.windowIcon().isNull());
}

TEST(AcercaDe, NoTextIsClippedOrCovered) {
    frmacercade a;
    QList<const QWidget*> controles;
    for (const QLabel* e : a.findChildren<QLabel*>()) {
        if (e->text().isEmpty()) {
            continue;
        }
        EXPECT_LE(e->sizeHint().width(), e->width()) << e->objectName().toStdString();
        EXPECT_LE(e->sizeHint().height(), e->height()) << e->objectName().toStdString();
        controles << e;
    }
    for (const QPushButton* b : a.findChildren<QPushButton*>()) {
        EXPECT_LE(b->sizeHint().width(), b->width()) << b->objectName().toStdString();
        EXPECT_LE(b->geometry().bottom(), a.height()) << b->objectName().toStdString();
        controles << b;
    }
    for (const QWidget* x : controles) {
        for (const QWidget* y : controles) {
            if (x != y && x->objectName() < y->objectName()) {
                EXPECT_FALSE(x->geometry().intersects(y->geometry()))
                    << x->objectName().toStdString() << " / " << y->objectName().toStdString();
            }
        }
    }
}

TEST(AcercaDe, EnterPressesAceptar) {
    QPointer<frmacercade> a = new frmacercade();
    a->show();
    a->findChild<QPushButton*>("cmdSysInfo")->setFocus();
    QTest::keyClick(a.data(), Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(a.isNull());
}

TEST(AcercaDe, AWebAddressWithoutSchemeStillOpens) {
    DatosInstalacion datos;
    datos.web = QStringLiteral("www.ejemplo.example/oscilab");
    frmacercade a(datos);
    QUrl abierta;
    a.ponAbridorWeb([&](const QUrl& u) {
        abierta = u;
        return true;
    });
    a.show();
    QTest::mouseClick(a.findChild<QWidget*>("lblweb"), Qt::LeftButton);
    EXPECT_EQ(abierta.scheme(), "http");
    EXPECT_EQ(abierta.host(), "www.ejemplo.example");
}

TEST(AcercaDe, AcceptAndEscapeCloseAndDestroyTheBox) {
    QPointer<frmacercade> a = new frmacercade();
    a->show();
    QTest::mouseClick(a->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(a.isNull());

    QPointer<frmacercade> b = new frmacercade();
    b->show();
    QTest::keyClick(b.data(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(b.isNull());
}

TEST(AcercaDe, WithoutASystemInformationProgramTheMessageIsShown) {
    QTemporaryDir vacia;
    PathTemporal path(vacia.path());
    prueba::MensajesGuionizados mensajes;
    frmacercade a;
    bool lanzado = false;
    a.ponLanzador([&](const QString&) { return lanzado = true; });
    QTest::mouseClick(a.findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
    EXPECT_FALSE(lanzado);
    ASSERT_EQ(mensajes.mostrados.size(), 1u);
    EXPECT_EQ(mensajes.mostrados[0].texto,
              "La información del sistema no se puede mostrar en este momento");
    EXPECT_EQ(mensajes.mostrados[0].icono, IconoMensaje::Ninguno);
    EXPECT_EQ(mensajes.mostrados[0].botones, BotonesMensaje::Aceptar);
}

TEST(AcercaDe, TheFirstProgramFoundOnThePathIsStarted) {
    QTemporaryDir primera, segunda;
    ejecutable(segunda.filePath("hardinfo"));
    ejecutable(primera.filePath("gnome-system-monitor"));
    PathTemporal path(primera.path() + ":" + segunda.path());
    prueba::MensajesGuionizados mensajes;
    frmacercade a;
    QString lanzado;
    a.ponLanzador([&](const QString& p) {
        lanzado = p;
        return true;
    });
    a.StartSysInfo();
    EXPECT_EQ(lanzado, segunda.filePath("hardinfo")); // earlier in the list beats earlier on PATH
    EXPECT_TRUE(mensajes.mostrados.empty());
}

TEST(AcercaDe, AProgramThatFailsToStartGivesTheMessage) {
    QTemporaryDir carpeta;
    ejecutable(carpeta.filePath("kinfocenter"));
    PathTemporal path(carpeta.path());
    prueba::MensajesGuionizados mensajes;
    frmacercade a;
    a.ponLanzador([](const QString&) { return false; });
    a.StartSysInfo();
    EXPECT_EQ(mensajes.textos(),
              QStringList{"La información del sistema no se puede mostrar en este momento"});
}

TEST(AcercaDe, NonExecutableFilesAreNotSystemInformationPrograms) {
    QTemporaryDir carpeta;
    QFile f(carpeta.filePath("hardinfo"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(buscaInformacionSistema({carpeta.path()}), QString());
    EXPECT_EQ(buscaInformacionSistema({}), QString());
}

TEST(DatosInstalacion, FileOverridesAndKeepsDefaultsForMissingKeys) {
    QTemporaryDir dir;
    QFile f(dir.filePath("oscilab.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("# comentario\nweb = https://otra.example/\nautor2=Ña Ñu  nu@otra.example\n"
            "basura sin igual\nautor1=\n");
    f.close();
    const DatosInstalacion d = leeDatosInstalacion(f.fileName());
    EXPECT_EQ(d.web, "https://otra.example/");
    EXPECT_EQ(d.autor2, "Ña Ñu  nu@otra.example");
    EXPECT_EQ(d.autor1, DatosInstalacion().autor1);
    EXPECT_EQ(leeDatosInstalacion(dir.filePath("no.ini")).web, DatosInstalacion().web);
}

TEST(DatosInstalacion, TheInstalledFileSitsBesideThePrograms) {
    const QString ruta = ficheroInstalacion(QStringLiteral(OSCILAB_PROGRAM_DIR "/"));
    ASSERT_TRUE(QFile::exists(ruta));
    const DatosInstalacion d = leeDatosInstalacion(ruta);
    EXPECT_TRUE(d.web.startsWith("https://"));
    EXPECT_TRUE(d.autor1.contains(u'@'));
    EXPECT_TRUE(d.autor2Abreviado.contains(u'@'));
}

} // namespace
} // namespace oscilab
