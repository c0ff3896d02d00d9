#include "mensajes.h"

#include <QMessageBox>

namespace oscilab {

namespace {

Mensajes* g_instalados = nullptr;

QMessageBox::Icon iconoQt(IconoMensaje icono) {
    switch (icono) {
    case IconoMensaje::Informacion:
        return QMessageBox::Information;
    case IconoMensaje::Exclamacion:
        return QMessageBox::Warning;
    case IconoMensaje::Stop:
        return QMessageBox::Critical;
    case IconoMensaje::Pregunta:
        return QMessageBox::Question;
    case IconoMensaje::Ninguno:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons botonesQt(BotonesMensaje botones) {
    switch (botones) {
    case BotonesMensaje::SiNo:
        return QMessageBox::Yes | QMessageBox::No;
    case BotonesMensaje::SiNoCancelar:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case BotonesMensaje::Aceptar:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

Respuesta MensajesQt::mostrar(QWidget* padre, const QString& texto, const QString& titulo,
                              IconoMensaje icono, BotonesMensaje botones) {
    QMessageBox caja(iconoQt(icono), titulo, texto, botonesQt(botones), padre);
    // File names and engine output are shown as they are: "<b>x</b>.qvd" is not markup.
    caja.setTextFormat(Qt::PlainText);
    switch (caja.exec()) {
    case QMessageBox::Yes:
        return Respuesta::Si;
    case QMessageBox::No:
        return Respuesta::No;
    case QMessageBox::Cancel:
        return Respuesta::Cancelar;
    default:
        return botones == BotonesMensaje::Aceptar ? Respuesta::Aceptar : Respuesta::Cancelar;
    }
}

Mensajes& mensajes() {
    static MensajesQt porDefecto;
    return g_instalados != nullptr ? *g_instalados : porDefecto;
}

void instalarMensajes(Mensajes* m) {
    g_instalados = m;
}

} // namespace oscilab
