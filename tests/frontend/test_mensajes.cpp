#include "support/guiones.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace oscilab {

TEST(Seams, ScriptedAnswersAreTakenInOrderAndRecorded) {
    prueba::MensajesGuionizados guion;
    guion.responder(Respuesta::Si);
    EXPECT_EQ(
        mensajes().mostrar(nullptr, "¿Seguro?", "", IconoMensaje::Pregunta, BotonesMensaje::SiNo),
        Respuesta::Si);
    EXPECT_EQ(mensajes().mostrar(nullptr, "¿Otra vez?", "", IconoMensaje::Pregunta,
                                 BotonesMensaje::SiNoCancelar),
              Respuesta::Cancelar);
    ASSERT_EQ(guion.mostrados.size(), 2u);
    EXPECT_EQ(guion.mostrados[1].texto, QStringLiteral("¿Otra vez?"));
}

TEST(Seams, UninstallingRestoresTheDefault) {
    Mensajes* antes = nullptr;
    {
        prueba::MensajesGuionizados guion;
        antes = &mensajes();
        EXPECT_EQ(antes, &guion);
    }
    EXPECT_NE(&mensajes(), antes);
}

TEST(Seams, MessagesAreShownAsPlainText) {
    const QString nombre = QStringLiteral("<b>x</b>.qvd");
    QString visto;
    QTimer::singleShot(0, [&visto] {
        auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(caja, nullptr);
        for (auto* etiqueta : caja->findChildren<QLabel*>()) {
            if (etiqueta->textFormat() == Qt::PlainText && !etiqueta->text().isEmpty()) {
                visto = etiqueta->text();
            }
        }
        caja->accept();
    });
    MensajesQt().mostrar(nullptr, nombre, QString(), IconoMensaje::Informacion,
                         BotonesMensaje::Aceptar);
    EXPECT_EQ(visto, nombre);
}

// The unsaved-changes question: three buttons, and Escape is Cancelar, never No.
TEST(Seams, EscapeOnTheThreeButtonQuestionCancels) {
    int botones = 0;
    QTimer::singleShot(0, [&botones] {
        auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(caja, nullptr);
        botones = static_cast<int>(caja->buttons().size());
        QTest::keyClick(caja, Qt::Key_Escape);
    });
    EXPECT_EQ(MensajesQt().mostrar(nullptr, QStringLiteral("¿Guardar?"), QString(),
                                   IconoMensaje::Pregunta, BotonesMensaje::SiNoCancelar),
              Respuesta::Cancelar);
    EXPECT_EQ(botones, 3);
}

} // namespace oscilab
