// A main window on a scratch folder, with scripted messages and file dialogs.
#pragma once

#include "document/frmcurvi.h"
#include "support/ficheros_prueba.h"
#include "support/guiones.h"
#include "compartido/estado_global.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace oscilab::prueba {

class VentanaPrueba : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(carpeta.isValid());
        estado.dirprograma = carpeta.path() + QLatin1Char('/');
        estado.dirdatos = estado.dirprograma;
        estado.dirresult = estado.dirprograma;
        ventana = std::make_unique<frmcurvi>(estado);
        ventana->show();
    }

    template <class T> T* hijo(const QString& nombre) const {
        T* w = ventana->findChild<T*>(nombre);
        EXPECT_NE(w, nullptr) << nombre.toStdString();
        return w;
    }
    QLineEdit* caja(const QString& nombre) const { return hijo<QLineEdit>(nombre); }
    QLabel* etiqueta(const QString& nombre) const { return hijo<QLabel>(nombre); }
    QRadioButton* opcion(const QString& nombre) const { return hijo<QRadioButton>(nombre); }
    QAction* accion(const QString& nombre) const { return hijo<QAction>(nombre); }
    QString celda(int fila, int columna) const { return ventana->textoCelda(fila, columna); }

    QString ruta(const QString& nombre) const { return carpeta.filePath(nombre); }

    // Title, two hydrogen masses, atomic units and `puntos` points R = 1, 1.1, ...
    void llenaDocumento(int puntos, const QString& titulo = QStringLiteral("H2")) {
        caja(QStringLiteral("textnombre"))->setText(titulo);
        caja(QStringLiteral("textmatom(1)"))->setText(QStringLiteral("1.0079"));
        caja(QStringLiteral("textmatom(2)"))->setText(QStringLiteral("1.0079"));
        opcion(QStringLiteral("optdist(1)"))->setChecked(true);
        opcion(QStringLiteral("optener(1)"))->setChecked(true);
        for (int i = 1; i <= puntos; ++i) {
            ventana->ponTextoCelda(i, 1, QString::number(1.0 + 0.1 * (i - 1)));
            ventana->ponTextoCelda(i, 2, QStringLiteral("-1.%1").arg(i));
        }
        ventana->marcaCambio();
    }

    // Saves through the menu, choosing `nombre` in the dialog if one is shown.
    void guardaComo(const QString& nombre) {
        dialogos.elegir(ruta(nombre));
        accion(QStringLiteral("mnuguardarcomo"))->trigger();
    }

    QTemporaryDir carpeta;
    EstadoGlobal estado;
    MensajesGuionizados mensajes;
    DialogosGuionizados dialogos;
    std::unique_ptr<frmcurvi> ventana;
};

} // namespace oscilab::prueba
