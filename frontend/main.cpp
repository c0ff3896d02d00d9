#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel etiqueta(QStringLiteral("OSCILAB"));
    etiqueta.show();
    return app.exec();
}
