#include "compartido/idioma.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QSettings>
#include <QTranslator>

namespace oscilab {

namespace {

const QString claveIdioma = QStringLiteral("interfaz/idioma");
Idioma g_idioma = Idioma::Espanol;
// The translators installed last, replaced by the next instalaIdioma.
QPointer<QTranslator> g_traductorQt;
QPointer<QTranslator> g_traductorPropio;

void retira(QPointer<QTranslator>& traductor) {
    if (traductor) {
        QCoreApplication::removeTranslator(traductor);
        delete traductor;
    }
}

} // namespace

QString codigoIdioma(Idioma idioma) {
    return idioma == Idioma::Ingles ? QStringLiteral("en") : QStringLiteral("es");
}

std::optional<Idioma> idiomaDeCodigo(const QString& codigo) {
    if (codigo == QLatin1String("es")) {
        return Idioma::Espanol;
    }
    if (codigo == QLatin1String("en")) {
        return Idioma::Ingles;
    }
    return std::nullopt;
}

std::optional<Idioma> idiomaDeArgumentos(const QStringList& argumentos) {
    const QString opcion = QStringLiteral("--lang");
    for (qsizetype i = 1; i < argumentos.size(); ++i) {
        const QString& a = argumentos[i];
        if (a == QLatin1String("--")) {
            break;
        }
        if (a == opcion && i + 1 < argumentos.size()) {
            return idiomaDeCodigo(argumentos[i + 1]);
        }
        if (a.startsWith(opcion + QLatin1Char('='))) {
            return idiomaDeCodigo(a.mid(opcion.size() + 1));
        }
    }
    return std::nullopt;
}

std::unique_ptr<QSettings> ajustesUsuario() {
    return std::make_unique<QSettings>(QStringLiteral("oscilab"), QStringLiteral("oscilab"));
}

Idioma idiomaGuardado(const QSettings& ajustes) {
    return idiomaDeCodigo(ajustes.value(claveIdioma).toString()).value_or(Idioma::Espanol);
}

void guardaIdioma(QSettings& ajustes, Idioma idioma) {
    ajustes.setValue(claveIdioma, codigoIdioma(idioma));
    ajustes.sync();
}

Idioma idiomaDeArranque(const QStringList& argumentos, const QSettings& ajustes) {
    return idiomaDeArgumentos(argumentos).value_or(idiomaGuardado(ajustes));
}

bool instalaIdioma(QCoreApplication& app, Idioma idioma, const QString& carpetaTraducciones) {
    retira(g_traductorQt);
    retira(g_traductorPropio);
    // Qt's own dialogs and buttons speak the interface's language too.
    g_traductorQt = new QTranslator(&app);
    if (g_traductorQt->load(QStringLiteral("qtbase_") + codigoIdioma(idioma),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(g_traductorQt);
    }
    g_idioma = Idioma::Espanol;
    if (idioma == Idioma::Espanol) {
        return true; // the sources' own texts
    }
    g_traductorPropio = new QTranslator(&app);
    if (!g_traductorPropio->load(QStringLiteral("oscilab_") + codigoIdioma(idioma),
                                 carpetaTraducciones)) {
        return false;
    }
    QCoreApplication::installTranslator(g_traductorPropio);
    g_idioma = idioma;
    return true;
}

Idioma idiomaInterfaz() {
    return g_idioma;
}

} // namespace oscilab
