// The English interface: every tr() text of the sources translated in oscilab_en.ts, no
// user-visible literal outside tr(), and one window of each folder with no Spanish left.
#include "compartido/idioma.h"
#include "detalles/frmdetalles.h"
#include "dipolo/frmdipolo.h"
#include "document/frmajuste.h"
#include "explorador/frmexplorador.h"
#include "modelo/elementos.h"
#include "resultado_json.h"
#include "support/resultados_prueba.h"
#include "support/ventana_prueba.h"
#include "windows/ayuda.h"
#include "windows/frmacercade.h"
#include "windows/frmsplash.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QDirIterator>
#include <QGroupBox>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace oscilab {
namespace {

const QString kTs = QStringLiteral(OSCILAB_SOURCE_DIR "/frontend/traducciones/oscilab_en.ts");

QString leeTexto(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// lupdate over today's sources, merged into a copy of the committed translation: a new or
// changed text comes out unfinished, a text no longer in the sources is dropped.
TEST(Traduccion, EveryTextOfTheSourcesHasAnEnglishTranslation) {
    QTemporaryDir dir;
    const QString copia = dir.filePath(QStringLiteral("oscilab_en.ts"));
    ASSERT_TRUE(QFile::copy(kTs, copia));
    QProcess lupdate;
    lupdate.start(QStringLiteral(OSCILAB_LUPDATE),
                  {QStringLiteral(OSCILAB_SOURCE_DIR "/frontend"), QStringLiteral("-extensions"),
                   QStringLiteral("cpp,h"), QStringLiteral("-no-obsolete"),
                   QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-ts"),
                   copia});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    const QString nuevo = leeTexto(copia);
    const auto cuenta = [](const QString& ts, const QString& marca) { return ts.count(marca); };
    EXPECT_GT(cuenta(nuevo, QStringLiteral("<source>")), 400);
    EXPECT_EQ(cuenta(nuevo, QStringLiteral("<source>")), cuenta(leeTexto(kTs), "<source>"))
        << "oscilab_en.ts holds texts the sources no longer have";
    static const QRegularExpression sinTraducir(QStringLiteral(
        "<translation[^>]*type=\"unfinished\"[^>]*>(?!</)|<translation[^>]*>\\s*</translation>"));
    for (const auto& m : sinTraducir.globalMatch(nuevo)) {
        ADD_FAILURE() << "unfinished: " << nuevo.mid(m.capturedStart() - 200, 260).toStdString();
    }
    EXPECT_FALSE(nuevo.contains(QStringLiteral("type=\"unfinished\"")));
}

// A literal handed straight to a widget's text setter escapes tr(): the scan finds
// QStringLiteral("..."), QString::fromUtf8("...") or a bare "..." holding a word there.
TEST(Traduccion, NoWordyLiteralReachesAWidgetWithoutTr) {
    static const QRegularExpression setter(QStringLiteral(
        "\\b(setText|setWindowTitle|setToolTip|setStatusTip|setWhatsThis|setPlaceholderText|"
        "setTitle|setAccessibleName|addAction|addMenu|addTab|setTabText|addToolBar|addRow|"
        "setHorizontalHeaderLabels|setVerticalHeaderLabels|showMessage|setLabelText|avisar|"
        "mostrar|guardar|abrir|QLabel|QPushButton|QCheckBox|QRadioButton|QGroupBox|QAction)"
        "\\(\\s*(?:[\\w.>()*&-]+,\\s*)?(?:QStringLiteral\\(|QString::fromUtf8\\(|QLatin1String\\(|"
        "u)?"
        "\"([^\"]*)\""));
    static const QRegularExpression palabra(QStringLiteral("[A-Za-zÁÉÍÓÚáéíóúñ]{3,}"));
    QStringList escapados;
    QDirIterator it(QStringLiteral(OSCILAB_SOURCE_DIR "/frontend"), {"*.cpp", "*.h"}, QDir::Files,
                    QDirIterator::Subdirectories);
    int ficheros = 0;
    while (it.hasNext()) {
        const QString ruta = it.next();
        ++ficheros;
        const QStringList lineas = leeTexto(ruta).split(QLatin1Char('\n'));
        for (qsizetype n = 0; n < lineas.size(); ++n) {
            for (const auto& m : setter.globalMatch(lineas[n])) {
                // OSCILAB is the program's name in every language.
                if (palabra.match(m.captured(2).remove(QStringLiteral("OSCILAB"))).hasMatch()) {
                    escapados << QStringLiteral("%1:%2: %3").arg(ruta).arg(n + 1).arg(lineas[n]);
                }
            }
        }
    }
    EXPECT_GT(ficheros, 100);
    EXPECT_TRUE(escapados.isEmpty()) << escapados.join(QLatin1Char('\n')).toStdString();
}

// Spanish-only marks: accents, ñ, ¿ ¡, and words English texts never hold.
bool pareceEspanol(const QString& texto) {
    static const QRegularExpression espanol(QStringLiteral(
        "[áéíóúñÁÉÍÓÚÑ¿¡]|\\b(de|del|la|las|los|el|con|para|por|una|sin)\\b|"
        "(?i:\\b(archivos?|ficheros?|ayuda|salir|guardar|abrir|nuevo|ejecutar|potencias?|"
        "escala|aceptar|cancelar|tabla|masas?|unidades|datos|resultados|niveles|constantes|"
        "ajustes?|exportar|imprimir|detalles|cerrar|nombre|carga|atomo|gráficos?|distancia|"
        "energía|título|especie|valor|rama)\\b)"));
    return espanol.match(texto).hasMatch();
}

QStringList textosVisibles(QWidget& ventana) {
    QStringList t{ventana.windowTitle(), ventana.toolTip()};
    for (QWidget* w : ventana.findChildren<QWidget*>()) {
        t << w->toolTip() << w->accessibleName();
        if (auto* l = qobject_cast<QLabel*>(w)) {
            t << l->text();
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            t << b->text();
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            t << g->title();
        } else if (auto* m = qobject_cast<QMenu*>(w)) {
            t << m->title();
        } else if (auto* p = qobject_cast<QTabWidget*>(w)) {
            for (int i = 0; i < p->count(); ++i) {
                t << p->tabText(i);
            }
        } else if (auto* v = qobject_cast<QAbstractItemView*>(w); v && v->model()) {
            for (int c = 0; c < v->model()->columnCount(); ++c) {
                t << v->model()->headerData(c, Qt::Horizontal).toString();
            }
        }
    }
    for (QAction* a : ventana.findChildren<QAction*>()) {
        // Each language keeps its own name in the language menu.
        if (!a->objectName().startsWith(QStringLiteral("mnuidioma_"))) {
            t << a->text() << a->toolTip();
        }
    }
    // The authors' names (with their addresses) are no Spanish text.
    t.removeIf([](const QString& s) { return s.contains(QLatin1Char('@')); });
    return t;
}

// `delUsuario`: what the user wrote (a document's title), in whatever language.
void sinEspanol(QWidget& ventana, const QString& delUsuario = QString()) {
    QStringList hallados;
    for (QString s : textosVisibles(ventana)) {
        if (!delUsuario.isEmpty()) {
            s.remove(delUsuario);
        }
        if (pareceEspanol(s)) {
            hallados << s;
        }
    }
    EXPECT_TRUE(hallados.isEmpty()) << ventana.objectName().toStdString() << ":\n"
                                    << hallados.join(QStringLiteral("\n")).toStdString();
}

// The program as started with --lang en, Spanish again after each test.
class EnIngles : public prueba::VentanaPrueba {
protected:
    void SetUp() override {
        ASSERT_TRUE(instalaIdioma(*qApp, Idioma::Ingles,
                                  QStringLiteral(OSCILAB_PROGRAM_DIR "/traducciones")));
        prueba::VentanaPrueba::SetUp();
    }
    void TearDown() override {
        ventana.reset();
        instalaIdioma(*qApp, Idioma::Espanol, QString());
    }
};

TEST_F(EnIngles, MainWindowDegreeDialogPeriodicTableAndDipoleDialogSpeakEnglish) {
    EXPECT_EQ(idiomaInterfaz(), Idioma::Ingles);
    llenaDocumento(5);
    EXPECT_EQ(hijo<QMenu>(QStringLiteral("mnuarchivo"))->title(), QStringLiteral("&Files"));
    EXPECT_EQ(hijo<QPushButton>(QStringLiteral("btejecuta"))->text(), QStringLiteral("Run"));
    EXPECT_EQ(etiqueta(QStringLiteral("lbato(1)"))->text(), QStringLiteral("Hydrogen"));
    EXPECT_EQ(elemento(1).nombre, QStringLiteral("Hydrogen"));
    sinEspanol(*ventana);
    // The help follows the interface: its English twin, built beside the programs.
    const QString ayuda = ficheroAyuda(QStringLiteral(OSCILAB_PROGRAM_DIR "/"));
    EXPECT_TRUE(ayuda.endsWith(QStringLiteral("/help.html"))) << ayuda.toStdString();
    EXPECT_TRUE(QFile::exists(ayuda));
    ventana->ajuste()->mostrar();
    EXPECT_EQ(ventana->ajuste()->windowTitle(), QStringLiteral("Powers included in the fit"));
    sinEspanol(*ventana->ajuste());
    std::unique_ptr<frmdipolo> dipolo(
        frmdipolo::abre(ventana->documento(), QString(), nullptr).valor());
    ASSERT_NE(dipolo, nullptr);
    dipolo->setAttribute(Qt::WA_DeleteOnClose, false);
    EXPECT_EQ(dipolo->windowTitle(), QStringLiteral("Dipole moment"));
    sinEspanol(*dipolo);
}

TEST_F(EnIngles, ResultsDetailsExplorerSplashAndAboutSpeakEnglish) {
    prueba::MensajesGuionizados mensajes;
    EstadoResultados resultados;
    ASSERT_TRUE(QFile::copy(prueba::ejemploResultados("H2.scs"), ruta(QStringLiteral("H2.scs"))));
    {
        frmgraficos graficos(resultados, ficherosDeCalculo(estado.dirresult, QStringLiteral("H2")),
                             [] { return 20; });
        EXPECT_EQ(graficos.findChild<QPushButton*>(QStringLiteral("btescala"))->text(),
                  QStringLiteral("S&cale"));
        sinEspanol(graficos);
    }
    const std::string json = leeTexto(prueba::ejemploResultados("H2.json")).toStdString();
    auto resultado = curvifit::leeResultadoJson(json).resultado;
    ASSERT_TRUE(resultado);
    std::unique_ptr<frmdetalles> detalles(
        frmdetalles::abre(std::make_shared<const curvifit::ResultadoEjecucion>(*resultado),
                          prueba::ejemploResultados("H2.json"), nullptr)
            .valor());
    ASSERT_NE(detalles, nullptr);
    detalles->setAttribute(Qt::WA_DeleteOnClose, false);
    EXPECT_TRUE(detalles->windowTitle().startsWith(QStringLiteral("Detailed results")));
    sinEspanol(*detalles, QString::fromStdString(resultado->titulo));
    frmexplorador explorador;
    EXPECT_EQ(explorador.windowTitle(), QStringLiteral("Fit explorer"));
    sinEspanol(explorador);
    std::unique_ptr<frmSplash> splash(new frmSplash([] {}));
    sinEspanol(*splash);
    std::unique_ptr<frmacercade> acercade(new frmacercade());
    sinEspanol(*acercade);
    EXPECT_TRUE(mensajes.mostrados.empty()) << mensajes.textos().join('\n').toStdString();
}

} // namespace
} // namespace oscilab
