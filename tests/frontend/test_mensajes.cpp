#include "support/guiones.h"

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

} // namespace oscilab
