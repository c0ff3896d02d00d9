#include "compartido/campo_numerico.h"

#include "compartido/textos_numero.h"

#include <QLineEdit>

namespace oscilab {

bool validanumfloat(int& tecla, const QLineEdit& campo) {
    const bool seleccion = campo.hasSelectedText();
    const qsizetype inicio = seleccion ? campo.selectionStart() : campo.cursorPosition();
    const qsizetype fin = seleccion ? campo.selectionEnd() : inicio;
    return validanumfloat(tecla, campo.text(), inicio, fin);
}

bool escribeSustituta(QLineEdit& campo, int pulsada, int tecla) {
    if (tecla == 0 || tecla == pulsada) {
        return false;
    }
    campo.insert(QString(QChar(tecla)));
    return true;
}

} // namespace oscilab
