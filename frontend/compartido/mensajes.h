// Every message box of the program goes through this seam, so that tests can answer
// the questions and record what was said.
#pragma once

#include <QString>

class QWidget;

namespace oscilab {

enum class IconoMensaje { Ninguno, Informacion, Exclamacion, Stop, Pregunta };
enum class BotonesMensaje { Aceptar, SiNo, SiNoCancelar };
enum class Respuesta { Aceptar, Si, No, Cancelar };

class Mensajes {
public:
    virtual ~Mensajes() = default;
    virtual Respuesta mostrar(QWidget* padre, const QString& texto, const QString& titulo,
                              IconoMensaje icono, BotonesMensaje botones) = 0;
};

// The default implementation: a modal QMessageBox.
class MensajesQt : public Mensajes {
public:
    Respuesta mostrar(QWidget* padre, const QString& texto, const QString& titulo,
                      IconoMensaje icono, BotonesMensaje botones) override;
};

// The process-wide seam. instalarMensajes(nullptr) restores the default.
Mensajes& mensajes();
void instalarMensajes(Mensajes* m);

// Shorthand for a notice with only an "Aceptar" button.
inline void avisar(QWidget* padre, const QString& texto, const QString& titulo,
                   IconoMensaje icono) {
    mensajes().mostrar(padre, texto, titulo, icono, BotonesMensaje::Aceptar);
}

} // namespace oscilab
