#include "modelo/elementos.h"
#include "modelo/texto_exacto.h"
#include "document/caja_masa.h"
#include "document/tabla_periodica.h"
#include "compartido/textos_numero.h"
#include "modelo/documento.h"
#include "support/ventana_prueba.h"
#include "document/frmajuste.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QEnterEvent>
#include <QGroupBox>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <map>

namespace oscilab::prueba {

using Inicio = VentanaPrueba;

TEST_F(Inicio, CaptionControlsAndInitialState) {
    EXPECT_EQ(ventana->windowTitle(), QStringLiteral("OSCILAB-(Sin Título)"));
    EXPECT_FALSE(ventana->hayCambios());
    EXPECT_FALSE(ventana->ejecutarHabilitado());
    EXPECT_FALSE(hijo<QPushButton>(QStringLiteral("btejecuta"))->isEnabled());
    EXPECT_FALSE(accion(QStringLiteral("Toolbar1_ejecutar"))->isEnabled());
    EXPECT_EQ(etiqueta(QStringLiteral("Lbpot"))->text(), QStringLiteral("0 1 2 3 4"));
    EXPECT_EQ(numeroPotencias(ventana->documento().potencias()), 5);
    EXPECT_EQ(dePotencia(ventana->documento().potencias(), 0), 1);
    EXPECT_EQ(dePotencia(ventana->documento().potencias(), 4), 1);
    EXPECT_EQ(etiqueta(QStringLiteral("lbato(1)"))->text(), QStringLiteral("Atomo 1:"));
    EXPECT_EQ(etiqueta(QStringLiteral("Label1"))->text(), QStringLiteral("Distancia-1:"));
    EXPECT_EQ(ventana->grid()->objectName(), QStringLiteral("grid"));
    EXPECT_EQ(ventana->grid()->model()->rowCount(), 500);
    EXPECT_EQ(ventana->grid()->model()->headerData(1, Qt::Horizontal).toString(),
              QStringLiteral("Energía"));
    EXPECT_EQ(ventana->grid()->model()->headerData(49, Qt::Vertical).toString(),
              QStringLiteral("50"));
    for (const char* nombre : {"optdist(1)", "optdist(2)", "optener(1)", "optener(2)"}) {
        EXPECT_FALSE(opcion(QString::fromLatin1(nombre))->isChecked()) << nombre;
    }
    auto* limitador = hijo<QComboBox>(QStringLiteral("CMBlimitador"));
    ASSERT_EQ(limitador->count(), 4);
    EXPECT_EQ(limitador->itemText(2), QStringLiteral(" "));
    EXPECT_EQ(limitador->itemText(3), QStringLiteral("Tab"));
    EXPECT_EQ(limitador->currentText(), QStringLiteral(","));
    EXPECT_EQ(hijo<QToolButton>(QStringLiteral("BTimport"))->toolTip(),
              QStringLiteral("Importar datos separados por ,"));
    EXPECT_EQ(hijo<QToolButton>(QStringLiteral("ssradd"))->toolTip(),
              QStringLiteral("Inserta nuevos puntos"));
    EXPECT_EQ(
        caja(QStringLiteral("textmatom(2)"))->toolTip(),
        QStringLiteral("Haz click en esta casilla y seleccina un átomo de la tabla periódica."));
    EXPECT_FALSE(ventana->ajuste()->isVisible());
    EXPECT_EQ(ventana->atomoactivo(), 1);
}

TEST_F(Inicio, EveryControlOfTheCatalogueWithItsCaption) {
    const std::pair<const char*, const char*> marcos[] = {
        {"SSFrame1", "Título"},         {"SSFrame2", "Masas Atómicas"}, {"SSFrame3", "Datos"},
        {"SSFrame4", "Unidades"},       {"SSFrame5", "Distancia"},      {"SSFrame6", "Energía"},
        {"SSFrame7", "Tipo de ajuste"}, {"frmtp", "Tabla Periódica"},
    };
    for (const auto& [nombre, titulo] : marcos) {
        EXPECT_EQ(hijo<QGroupBox>(QString::fromLatin1(nombre))->title(), QString::fromUtf8(titulo))
            << nombre;
    }
    const std::pair<const char*, const char*> etiquetas[] = {
        {"lbato(1)", "Atomo 1:"},
        {"lbato(2)", "Atomo 2:"},
        {"Label2", "UMAS"},
        {"Label3", "UMAS"},
        {"lbvent1", "Nombre:"},
        {"lbvent2", "Masa atómica:"},
        {"lbvent3", "Carga nuclear:"},
        {"lbventnombre", ""},
        {"lbventmato", ""},
        {"lbventcn", ""},
        {"Lbpot", "0 1 2 3 4"},
    };
    for (const auto& [nombre, texto] : etiquetas) {
        EXPECT_EQ(etiqueta(QString::fromLatin1(nombre))->text(), QString::fromUtf8(texto))
            << nombre;
    }
    const std::pair<const char*, const char*> botones[] = {
        {"btejecuta", "Ejecutar"}, {"btdato", "Aceptar"}, {"btgrado", "Cambiar tipo de ajuste"}};
    for (const auto& [nombre, texto] : botones) {
        EXPECT_EQ(hijo<QPushButton>(QString::fromLatin1(nombre))->text(), QString::fromUtf8(texto))
            << nombre;
    }
    // Off at start, the run command says why, and so does the status bar.
    EXPECT_EQ(hijo<QPushButton>(QStringLiteral("btejecuta"))->toolTip(),
              QStringLiteral("Faltan puntos: 0 para 5 potencias"));
    EXPECT_EQ(ventana->statusBar()->currentMessage(),
              QStringLiteral("Faltan puntos: 0 para 5 potencias"));
    const std::pair<const char*, const char*> opciones[] = {{"optdist(1)", "U.A."},
                                                            {"optdist(2)", "ANGSTROM"},
                                                            {"optener(1)", "U.A."},
                                                            {"optener(2)", "e.V."}};
    for (const auto& [nombre, texto] : opciones) {
        EXPECT_EQ(opcion(QString::fromLatin1(nombre))->text(), QString::fromUtf8(texto)) << nombre;
    }
    const std::pair<const char*, const char*> consejos[] = {
        {"textnombre", "Comentario / Título del archivo de datos"},
        {"textmatom(1)", "Haz click en esta casilla y seleccina un átomo de la tabla periódica."},
        {"textdato", "En esta casilla se introducen los datos de la tabla adjunta"},
    };
    for (const auto& [nombre, texto] : consejos) {
        EXPECT_EQ(caja(QString::fromLatin1(nombre))->toolTip(), QString::fromUtf8(texto)) << nombre;
    }
    const std::pair<const char*, const char*> imagenes[] = {
        {"BTNexcel", "Importar datos de Excel"},
        {"ssradd", "Inserta nuevos puntos"},
        {"ssrdel", "Elimina puntos existentes"},
    };
    for (const auto& [nombre, texto] : imagenes) {
        EXPECT_EQ(hijo<QToolButton>(QString::fromLatin1(nombre))->toolTip(),
                  QString::fromUtf8(texto))
            << nombre;
    }
    EXPECT_EQ(ventana->grid()->model()->headerData(0, Qt::Horizontal).toString(),
              QStringLiteral("Distancia"));
    EXPECT_EQ(ventana->grid()->model()->headerData(0, Qt::Vertical).toString(),
              QStringLiteral("1"));
    EXPECT_EQ(caja(QStringLiteral("textdato"))->text(), QString());
    EXPECT_FALSE(hijo<QWidget>(QStringLiteral("lbventana"))->isVisible());
    EXPECT_FALSE(hijo<QTimer>(QStringLiteral("Timer"))->isActive());
    const std::pair<const char*, const char*> menus[] = {
        {"mnunuevo", "&Nuevo"},     {"mnuabrir", "&Abrir"},
        {"mnuguardar", "&Guardar"}, {"mnuguardarcomo", "G&uardar como..."},
        {"mnusalir", "&Salir"},     {"mnuacercade", "A&cerca de..."},
        {"mnuayuda", "Ay&uda"},
    };
    for (const auto& [nombre, texto] : menus) {
        EXPECT_EQ(accion(QString::fromLatin1(nombre))->text(), QString::fromUtf8(texto)) << nombre;
    }
    EXPECT_EQ(hijo<QMenu>(QStringLiteral("mnuarchivo"))->title(), QStringLiteral("&Archivos"));
    EXPECT_EQ(hijo<QMenu>(QStringLiteral("mnuayudas"))->title(), QStringLiteral("Ay&uda"));
    const char* consejosBarra[] = {"Nuevo Archivo",
                                   "Abrir Archivo",
                                   "Guardar Archivo",
                                   "Faltan puntos: 0 para 5 potencias",
                                   "Acerca de ...",
                                   "Ayuda",
                                   "Salir"};
    const QList<QAction*> barra = hijo<QToolBar>(QStringLiteral("Toolbar1"))->actions();
    ASSERT_EQ(barra.size(), 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(barra[i]->toolTip(), QString::fromUtf8(consejosBarra[i])) << i;
    }
    // Only the run command is off at start.
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(barra[i]->isEnabled(), i != 3) << i;
    }
}

TEST_F(Inicio, MenusAndToolbarByKey) {
    EXPECT_EQ(accion(QStringLiteral("mnusalir"))->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_EQ(accion(QStringLiteral("mnuguardar"))->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+G")));
    EXPECT_EQ(accion(QStringLiteral("mnudeshacer"))->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+Z")));
    EXPECT_EQ(accion(QStringLiteral("mnurehacer"))->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+Y")));
    EXPECT_EQ(accion(QStringLiteral("mnuguardarcomo"))->text(), QStringLiteral("G&uardar como..."));
    const QStringList claves = {"nuevo",    "abrir", "guardar", "ejecutar",
                                "acercade", "ayuda", "salir"};
    const QList<QAction*> botones = hijo<QToolBar>(QStringLiteral("Toolbar1"))->actions();
    ASSERT_EQ(botones.size(), 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(botones[i]->objectName(), QStringLiteral("Toolbar1_") + claves[i]);
    }
    EXPECT_EQ(botones[3]->text(), QStringLiteral("Ejecutar"));
    EXPECT_EQ(botones[4]->toolTip(), QStringLiteral("Acerca de ..."));
}

TEST_F(Inicio, ChoosingTheSemicolonRenamesTheImportTooltip) {
    auto* limitador = hijo<QComboBox>(QStringLiteral("CMBlimitador"));
    limitador->setCurrentIndex(1);
    emit limitador->activated(1);
    EXPECT_EQ(hijo<QToolButton>(QStringLiteral("BTimport"))->toolTip(),
              QStringLiteral("Importar datos separados por ;"));
}

TEST_F(Inicio, ATypedDelimiterChangesNeitherTheListNorTheTooltip) {
    auto* limitador = hijo<QComboBox>(QStringLiteral("CMBlimitador"));
    limitador->setFocus();
    limitador->lineEdit()->selectAll();
    QTest::keyClicks(limitador->lineEdit(), QStringLiteral("|"));
    QTest::keyClick(limitador->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(limitador->count(), 4);
    EXPECT_EQ(ventana->delimitador(), QStringLiteral("|"));
    EXPECT_EQ(hijo<QToolButton>(QStringLiteral("BTimport"))->toolTip(),
              QStringLiteral("Importar datos separados por ,"));
}

using EditorCeldas = VentanaPrueba;

TEST_F(EditorCeldas, TypingREnterVEnterWalksTheTable) {
    opcion(QStringLiteral("optdist(1)"))->setChecked(true);
    opcion(QStringLiteral("optener(2)"))->setChecked(true);
    ventana->marcaGuardado();
    QLineEdit* dato = caja(QStringLiteral("textdato"));
    QTest::keyClicks(dato, QStringLiteral("1.5"));
    QTest::keyClick(dato, Qt::Key_Return);
    EXPECT_EQ(etiqueta(QStringLiteral("Label1"))->text(), QStringLiteral("Energía-1:"));
    QTest::keyClicks(dato, QStringLiteral("-0.25"));
    QTest::keyClick(dato, Qt::Key_Enter);
    QTest::keyClicks(dato, QStringLiteral("2"));
    QTest::keyClick(dato, Qt::Key_Return);
    EXPECT_EQ(celda(1, 1), QStringLiteral("1.5"));
    EXPECT_EQ(celda(1, 2), QStringLiteral("-0.25"));
    EXPECT_EQ(celda(2, 1), QStringLiteral("2"));
    EXPECT_EQ(ventana->grid()->currentIndex().row(), 1);
    EXPECT_EQ(ventana->grid()->currentIndex().column(), 1);
    EXPECT_EQ(etiqueta(QStringLiteral("Label1"))->text(), QStringLiteral("Energía-2:"));
    EXPECT_TRUE(ventana->hayCambios());
    EXPECT_TRUE(mensajes.mostrados.empty());
}

TEST_F(EditorCeldas, LettersAndASecondPointAreRefused) {
    opcion(QStringLiteral("optdist(1)"))->setChecked(true);
    opcion(QStringLiteral("optener(1)"))->setChecked(true);
    QLineEdit* dato = caja(QStringLiteral("textdato"));
    QTest::keyClicks(dato, QStringLiteral("1.2e.5x-,"));
    EXPECT_EQ(dato->text(), QStringLiteral("1.25"));
    // Keys that type nothing are not filtered.
    QTest::keyClick(dato, Qt::Key_Home);
    QTest::keyClick(dato, Qt::Key_Delete);
    EXPECT_EQ(dato->text(), QStringLiteral(".25"));
    QTest::keyClick(dato, Qt::Key_End);
    QTest::keyClick(dato, Qt::Key_Backspace);
    EXPECT_EQ(dato->text(), QStringLiteral(".2"));
    EXPECT_TRUE(mensajes.mostrados.empty());
}

TEST_F(EditorCeldas, ACommaIsTypedAsAPointAndAMinusOnlyFirst) {
    opcion(QStringLiteral("optdist(1)"))->setChecked(true);
    opcion(QStringLiteral("optener(1)"))->setChecked(true);
    QLineEdit* dato = caja(QStringLiteral("textdato"));
    QTest::keyClicks(dato, QStringLiteral("1,75"));
    QTest::keyClick(dato, Qt::Key_Return);
    QTest::keyClicks(dato, QStringLiteral("1.715-317"));
    QTest::keyClick(dato, Qt::Key_Return);
    EXPECT_EQ(celda(1, 1), QStringLiteral("1.75"));
    EXPECT_EQ(celda(1, 2), QStringLiteral("1.715317"));
    // A new value typed over the selected old one may start with its sign.
    ventana->grid()->setCurrentIndex(ventana->grid()->model()->index(0, 1));
    dato->setFocus();
    dato->selectAll();
    QTest::keyClicks(dato, QStringLiteral("-0,5"));
    EXPECT_EQ(dato->text(), QStringLiteral("-0.5"));
    QTest::keyClick(dato, Qt::Key_Home);
    QTest::keyClicks(dato, QStringLiteral("-7."));
    EXPECT_EQ(dato->text(), QStringLiteral("-0.5"));
}

TEST_F(EditorCeldas, ACellThatIsNoNumberIsNeverTaken) {
    llenaDocumento(7);
    EXPECT_FALSE(ventana->ponTextoCelda(3, 2, QStringLiteral("-1.7-3")));
    EXPECT_EQ(celda(3, 2), QStringLiteral("-1.3"));
    // Accepted from the editor, it is named and the cell keeps its value.
    ventana->grid()->setCurrentIndex(ventana->grid()->model()->index(2, 1));
    caja(QStringLiteral("textdato"))->setText(QStringLiteral("-1.7-3"));
    mensajes.mostrados.clear();
    QTest::mouseClick(hijo<QPushButton>(QStringLiteral("btdato")), Qt::LeftButton);
    ASSERT_EQ(mensajes.mostrados.size(), 1u);
    EXPECT_EQ(mensajes.mostrados[0].texto,
              QStringLiteral("La energía de la fila 3 no es un número: «-1.7-3».\n"
                             "Corrígela antes de guardar."));
    EXPECT_EQ(celda(3, 2), QStringLiteral("-1.3"));
    ventana->ponTextoCelda(2, 1, QString());
    EXPECT_EQ(ventana->chequeadatos().puntos, 6);
    EXPECT_FALSE(ventana->ejecutarHabilitado());
}

TEST_F(EditorCeldas, SelectCopyCutAndPasteWorkAndAPasteIsValidatedLikeTyping) {
    opcion(QStringLiteral("optdist(1)"))->setChecked(true);
    opcion(QStringLiteral("optener(1)"))->setChecked(true);
    QLineEdit* dato = caja(QStringLiteral("textdato"));
    QTest::keyClicks(dato, QStringLiteral("1.25"));
    dato->deselect();
    QTest::keyClick(dato, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(dato->selectedText(), QStringLiteral("1.25"));
    QTest::keyClick(dato, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("1.25"));
    QTest::keyClick(dato, Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(dato->text().isEmpty());
    QGuiApplication::clipboard()->setText(QStringLiteral("-3078,3338289"));
    QTest::keyClick(dato, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dato->text(), QStringLiteral("-3078,3338289"));
    // Letters are refused, from the keys and from the context menu's "Pegar" alike.
    dato->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
    QTest::keyClick(dato, Qt::Key_V, Qt::ControlModifier);
    dato->paste();
    EXPECT_EQ(dato->text(), QStringLiteral("-3078,3338289"));
    QTest::keyClick(dato, Qt::Key_Return);
    EXPECT_EQ(celda(1, 1), QStringLiteral("-3078.3338289"));
    EXPECT_TRUE(mensajes.mostrados.empty());
}

TEST_F(EditorCeldas, MovingBetweenCellsIsNotAChangeButTypingIs) {
    dialogos.elegir(QStringLiteral(OSCILAB_SOURCE_DIR "/datos/H2.qvd"));
    accion(QStringLiteral("mnuabrir"))->trigger();
    ASSERT_TRUE(ventana->ejecutarHabilitado());
    ASSERT_FALSE(ventana->hayCambios());
    // Writing the current cell shows the new value in the editor.
    ventana->ponTextoCelda(1, 1, QStringLiteral("1.05"));
    EXPECT_EQ(caja(QStringLiteral("textdato"))->text(), QStringLiteral("1.05"));
    EXPECT_TRUE(ventana->hayCambios());
    accion(QStringLiteral("mnudeshacer"))->trigger();
    EXPECT_FALSE(ventana->hayCambios());
    // Clicking around the table refills the editor, and the document stays as it was.
    QTableView* tabla = ventana->grid();
    for (const auto& [fila, columna] : {std::pair{2, 1}, std::pair{5, 0}, std::pair{0, 0}}) {
        const QRect celdaVista = tabla->visualRect(tabla->model()->index(fila, columna));
        QTest::mouseClick(tabla->viewport(), Qt::LeftButton, {}, celdaVista.center());
        EXPECT_EQ(caja(QStringLiteral("textdato"))->text(), celda(fila + 1, columna + 1));
    }
    QTest::keyClick(tabla, Qt::Key_Down);
    EXPECT_FALSE(ventana->hayCambios());
    EXPECT_TRUE(ventana->ejecutarHabilitado());
    EXPECT_TRUE(accion(QStringLiteral("Toolbar1_ejecutar"))->isEnabled());
    // A typed value is an edit once accepted.
    QTest::keyClick(caja(QStringLiteral("textdato")), Qt::Key_7);
    EXPECT_FALSE(ventana->hayCambios());
    QTest::keyClick(caja(QStringLiteral("textdato")), Qt::Key_Return);
    EXPECT_TRUE(ventana->hayCambios());
    EXPECT_FALSE(ventana->ejecutarHabilitado());
}

TEST_F(EditorCeldas, KeysBeforeUnitsAreRefusedWithTheUnitsMessage) {
    QLineEdit* dato = caja(QStringLiteral("textdato"));
    QTest::keyClicks(dato, QStringLiteral("12"));
    EXPECT_TRUE(dato->text().isEmpty());
    ASSERT_EQ(mensajes.mostrados.size(), 2u);
    EXPECT_EQ(mensajes.mostrados[0].texto,
              QStringLiteral("Debes elegir las unidades para la distancia"));
    EXPECT_EQ(mensajes.mostrados[0].titulo, QStringLiteral("Unidades"));
    EXPECT_EQ(mensajes.mostrados[0].icono, IconoMensaje::Informacion);
    opcion(QStringLiteral("optdist(2)"))->setChecked(true);
    QTest::keyClicks(dato, QStringLiteral("3"));
    EXPECT_EQ(mensajes.mostrados.back().texto,
              QStringLiteral("Debes elegir las unidades para la energía"));
    EXPECT_TRUE(dato->text().isEmpty());
}

TEST_F(EditorCeldas, EnterInTheLastRowStaysThere) {
    opcion(QStringLiteral("optdist(1)"))->setChecked(true);
    opcion(QStringLiteral("optener(1)"))->setChecked(true);
    ventana->grid()->setCurrentIndex(ventana->grid()->model()->index(499, 1));
    QLineEdit* dato = caja(QStringLiteral("textdato"));
    QTest::keyClicks(dato, QStringLiteral("-1"));
    QTest::keyClick(dato, Qt::Key_Return);
    EXPECT_EQ(celda(500, 2), QStringLiteral("-1"));
    EXPECT_EQ(ventana->grid()->currentIndex().row(), 499);
    EXPECT_EQ(ventana->grid()->currentIndex().column(), 0);
}

TEST_F(EditorCeldas, AcceptingAnEmptyEditorEmptiesTheCellOnly) {
    opcion(QStringLiteral("optdist(1)"))->setChecked(true);
    opcion(QStringLiteral("optener(1)"))->setChecked(true);
    ventana->ponTextoCelda(3, 1, QStringLiteral("7"));
    ventana->grid()->setCurrentIndex(ventana->grid()->model()->index(2, 0));
    EXPECT_EQ(caja(QStringLiteral("textdato"))->text(), QStringLiteral("7"));
    ventana->marcaGuardado();
    caja(QStringLiteral("textdato"))->clear();
    QTest::mouseClick(hijo<QPushButton>(QStringLiteral("btdato")), Qt::LeftButton);
    EXPECT_TRUE(celda(3, 1).isEmpty());
    EXPECT_EQ(ventana->grid()->currentIndex().row(), 2);
    EXPECT_TRUE(ventana->hayCambios());
}

TEST_F(EditorCeldas, InsertAndDeleteModesOnAClick) {
    for (int i = 1; i <= 50; ++i) {
        ventana->ponTextoCelda(i, 1, QString::number(i));
    }
    auto pulsaFila = [this](int fila) {
        const QModelIndex item = ventana->grid()->model()->index(fila - 1, 0);
        ventana->grid()->scrollTo(item);
        QTest::mouseClick(ventana->grid()->viewport(), Qt::LeftButton, {},
                          ventana->grid()->visualRect(item).center());
    };
    ventana->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
    pulsaFila(2); // no mode: nothing moves, and the editor is ready for the value
    EXPECT_EQ(celda(2, 1), QStringLiteral("2"));
    EXPECT_EQ(celda(3, 1), QStringLiteral("3"));
    EXPECT_TRUE(caja(QStringLiteral("textdato"))->hasFocus());

    QTest::mouseClick(hijo<QToolButton>(QStringLiteral("ssradd")), Qt::LeftButton);
    EXPECT_EQ(ventana->modogrid(), 1);
    pulsaFila(2);
    EXPECT_TRUE(celda(2, 1).isEmpty());
    EXPECT_EQ(celda(3, 1), QStringLiteral("2"));
    EXPECT_EQ(celda(51, 1), QStringLiteral("50")); // the rows below move down
    EXPECT_TRUE(ventana->hayCambios());

    // The delete button switches any mode off first, then on.
    QTest::mouseClick(hijo<QToolButton>(QStringLiteral("ssrdel")), Qt::LeftButton);
    EXPECT_EQ(ventana->modogrid(), 0);
    QTest::mouseClick(hijo<QToolButton>(QStringLiteral("ssrdel")), Qt::LeftButton);
    EXPECT_EQ(ventana->modogrid(), 2);
    EXPECT_TRUE(hijo<QToolButton>(QStringLiteral("ssrdel"))->isChecked());
    EXPECT_FALSE(hijo<QToolButton>(QStringLiteral("ssradd"))->isChecked());
    pulsaFila(2);
    EXPECT_EQ(celda(2, 1), QStringLiteral("2"));
    EXPECT_EQ(celda(50, 1), QStringLiteral("50"));
    EXPECT_TRUE(celda(51, 1).isEmpty());
    EXPECT_EQ(ventana->grid()->currentIndex().row(), 1);
}

TEST_F(EditorCeldas, KeysThatChangeNothingAreNoEdit) {
    llenaDocumento(7);
    guardaComo(QStringLiteral("teclas.qvd"));
    ASSERT_FALSE(ventana->hayCambios());
    ASSERT_TRUE(ventana->ejecutarHabilitado());
    for (const char* nombre : {"textnombre", "textmatom(1)", "textmatom(2)", "optener(1)"}) {
        QWidget* w = hijo<QWidget>(QString::fromLatin1(nombre));
        QTest::keyClick(w, Qt::Key_Left);
        QTest::keyClick(w, Qt::Key_Tab);
        EXPECT_FALSE(ventana->hayCambios()) << nombre;
        // Ctrl+C types the control code 3 and leaves the text as it was: no change.
        QKeyEvent copia(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier,
                        QString(QChar::fromLatin1(3)));
        QApplication::sendEvent(w, &copia);
        EXPECT_FALSE(ventana->hayCambios()) << nombre;
        EXPECT_TRUE(ventana->ejecutarHabilitado()) << nombre;
        ventana->marcaGuardado();
    }
    EXPECT_EQ(caja(QStringLiteral("textnombre"))->text(), QStringLiteral("H2"));
}

using Unidades = VentanaPrueba;

TEST_F(Unidades, SwitchingDistanceUnitConvertsTheColumn) {
    opcion(QStringLiteral("optdist(1)"))->setChecked(true);
    opcion(QStringLiteral("optener(1)"))->setChecked(true);
    ventana->ponTextoCelda(1, 1, QStringLiteral("2"));
    ventana->ponTextoCelda(2, 1, QStringLiteral("1.5E-05"));
    ventana->ponTextoCelda(1, 2, QStringLiteral("-1"));
    ventana->grid()->setCurrentIndex(ventana->grid()->model()->index(4, 1));
    ventana->marcaGuardado();
    opcion(QStringLiteral("optdist(2)"))->setChecked(true);
    // The model converts (its own test); the view shows it and keeps the current cell.
    EXPECT_EQ(celda(1, 1), textoExacto(2.0 * 0.529177210903));
    EXPECT_EQ(celda(1, 2), QStringLiteral("-1"));
    EXPECT_EQ(ventana->grid()->currentIndex().row(), 4);
    EXPECT_TRUE(ventana->hayCambios());
    EXPECT_FALSE(ventana->ejecutarHabilitado());
    opcion(QStringLiteral("optdist(1)"))->setChecked(true);
    EXPECT_EQ(celda(1, 1), QStringLiteral("2"));
    EXPECT_EQ(celda(2, 1), QStringLiteral("1.5E-05"));
}

using TablaElementos = VentanaPrueba;

TEST_F(TablaElementos, ClickingOxygenFillsTheActiveMassBox) {
    auto* tabla = hijo<TablaPeriodica>(QStringLiteral("frmtp"));
    QTest::mouseClick(caja(QStringLiteral("textmatom(1)")), Qt::LeftButton);
    QTest::mouseClick(hijo<QToolButton>(QStringLiteral("lbatomos(8)")), Qt::LeftButton);
    // The most abundant isotope by default, with the data file's digits.
    EXPECT_EQ(caja(QStringLiteral("textmatom(1)"))->text(), QStringLiteral("15.99491462"));
    EXPECT_EQ(etiqueta(QStringLiteral("lbato(1)"))->text(), QStringLiteral("Oxígeno"));
    EXPECT_EQ(etiqueta(QStringLiteral("lbventnombre"))->text(), QStringLiteral("Oxígeno"));
    EXPECT_EQ(etiqueta(QStringLiteral("lbventmato"))->text(), QStringLiteral("¹⁶O 15.99491462"));
    EXPECT_EQ(etiqueta(QStringLiteral("lbventcn"))->text(), QStringLiteral("8"));
    EXPECT_TRUE(tabla->panel()->isVisible());
    EXPECT_TRUE(ventana->hayCambios());
    EXPECT_FALSE(ventana->ejecutarHabilitado());
    // The same atom is replaced until the other mass box is clicked.
    QTest::mouseClick(hijo<QToolButton>(QStringLiteral("lbatomos(1)")), Qt::LeftButton);
    EXPECT_EQ(caja(QStringLiteral("textmatom(1)"))->text(), QStringLiteral("1.007825032"));
    EXPECT_TRUE(caja(QStringLiteral("textmatom(2)"))->text().isEmpty());
    QTest::mouseClick(caja(QStringLiteral("textmatom(2)")), Qt::LeftButton);
    EXPECT_EQ(ventana->atomoactivo(), 2);
    QTest::mouseClick(hijo<QToolButton>(QStringLiteral("lbatomos(17)")), Qt::LeftButton);
    EXPECT_EQ(caja(QStringLiteral("textmatom(2)"))->text(), QStringLiteral("34.96885268"));
    EXPECT_EQ(etiqueta(QStringLiteral("lbato(2)"))->text(), QStringLiteral("Cloro"));
    // The button's menu offers the other isotope and the standard weight.
    QMenu* menu = tabla->menuMasas(17);
    ASSERT_EQ(menu->actions().size(), 3);
    EXPECT_TRUE(menu->actions()[0]->text().startsWith(QStringLiteral("³⁵Cl 34.96885268 u")));
    EXPECT_TRUE(menu->actions()[1]->text().startsWith(QStringLiteral("³⁷Cl 36.96590259 u")));
    menu->actions()[1]->trigger();
    EXPECT_EQ(caja(QStringLiteral("textmatom(2)"))->text(), QStringLiteral("36.96590259"));
    EXPECT_EQ(etiqueta(QStringLiteral("lbventmato"))->text(), QStringLiteral("³⁷Cl 36.96590259"));
    // The box itself shows which isotope it holds; its text stays the number.
    auto* masa2 = qobject_cast<CajaMasa*>(caja(QStringLiteral("textmatom(2)")));
    ASSERT_NE(masa2, nullptr);
    EXPECT_EQ(masa2->textoMostrado(), QStringLiteral("³⁷Cl 36.96590259"));
    EXPECT_GT(masa2->textMargins().left(), 0);
    // A weight that is no isotope's shows the number alone.
    menu->actions()[2]->trigger();
    EXPECT_TRUE(masa2->isotopo().isEmpty());
    EXPECT_EQ(masa2->textMargins().left(), 0);
    // The panel is wide enough for the whole mass.
    EXPECT_GE(tabla->panel()->width(), tabla->panel()->sizeHint().width());
    tabla->menuMasas(17)->actions()[2]->trigger();
    EXPECT_EQ(etiqueta(QStringLiteral("lbato(2)"))->text(), QStringLiteral("Cloro"));
    EXPECT_NEAR(caja(QStringLiteral("textmatom(2)"))->text().toDouble(), 35.45, 0.01);
    // Technetium has no stable isotope: its standard weight is the only choice.
    EXPECT_EQ(tabla->menuMasas(43)->actions().size(), 1);
    EXPECT_TRUE(tabla->boton(17)->toolTip().contains(QStringLiteral("Peso atómico estándar")));
    EXPECT_TRUE(tabla->boton(17)->toolTip().contains(QStringLiteral("³⁷Cl 36.96590259 u")));
}

TEST(TablaPeriodicaDibujo, ButtonsStandInThePeriodicTableLayout) {
    TablaPeriodica tabla;
    EXPECT_EQ(tabla.title(), QStringLiteral("Tabla Periódica"));
    // Each row of the table: the column of its first symbol and the symbols from there on.
    const struct {
        int fila;
        int columna;
        const char* simbolos;
    } filas[] = {
        {1, 1, "H"},
        {1, 18, "He"},
        {2, 1, "Li Be"},
        {2, 13, "B C N O F Ne"},
        {3, 1, "Na Mg"},
        {3, 13, "Al Si P S Cl Ar"},
        {4, 1, "K Ca Sc Ti V Cr Mn Fe Co Ni Cu Zn Ga Ge As Se Br Kr"},
        {5, 1, "Rb Sr Y Zr Nb Mo Tc Ru Rh Pd Ag Cd In Sn Sb Te I Xe"},
        {6, 1, "Cs Ba La"},
        {6, 4, "Hf Ta W Re Os Ir Pt Au Hg Tl Pb Bi Po At Rn"},
        {7, 1, "Fr Ra Ac"},
        {8, 3, "Ce Pr Nd Pm Sm Eu Gd Tb Dy Ho Er Tm Yb Lu"},
        {9, 3, "Th Pa U Np Pu Am Cm Bk Cf Es Fm Md No Lw"},
    };
    const QRect h = tabla.boton(1)->geometry();
    const int lado = h.width();
    EXPECT_EQ(h.height(), lado);
    // The two lower rows stand apart by a small gap: 45 of 255 twips.
    const int hueco = tabla.boton(58)->y() - h.y() - 7 * lado;
    EXPECT_GT(hueco, 0);
    EXPECT_LT(hueco, lado / 2);
    std::map<QString, std::pair<int, int>> casillas;
    for (int z = 1; z <= numeroElementos; ++z) {
        const QToolButton* b = tabla.boton(z);
        EXPECT_EQ(b->objectName(), QStringLiteral("lbatomos(%1)").arg(z));
        EXPECT_EQ(b->size(), QSize(lado, lado)) << z;
        EXPECT_TRUE(tabla.rect().contains(b->geometry())) << z;
        const int dx = b->x() - h.x();
        int dy = b->y() - h.y();
        if (dy >= 7 * lado) {
            dy -= hueco;
        }
        EXPECT_EQ(dx % lado, 0) << z;
        EXPECT_EQ(dy % lado, 0) << z;
        casillas[b->text()] = {dy / lado + 1, dx / lado + 1};
    }
    int total = 0;
    for (const auto& f : filas) {
        int columna = f.columna;
        for (const QString& s : QString::fromLatin1(f.simbolos).split(QLatin1Char(' '))) {
            EXPECT_EQ(casillas[s], std::make_pair(f.fila, columna)) << s.toStdString();
            ++columna;
            ++total;
        }
    }
    EXPECT_EQ(total, numeroElementos);
    EXPECT_EQ(casillas.size(), static_cast<std::size_t>(numeroElementos));
}

TEST_F(TablaElementos, EmptyingAMassBoxRenamesItsAtom) {
    QTest::mouseClick(hijo<QToolButton>(QStringLiteral("lbatomos(8)")), Qt::LeftButton);
    caja(QStringLiteral("textmatom(1)"))->clear();
    EXPECT_EQ(etiqueta(QStringLiteral("lbato(1)"))->text(), QStringLiteral("Atomo 1"));
}

TEST_F(TablaElementos, PanelHidesAgainWhenTheTimerFires) {
    auto* tabla = hijo<TablaPeriodica>(QStringLiteral("frmtp"));
    EXPECT_FALSE(tabla->panel()->isVisible());
    EXPECT_EQ(tabla->temporizador()->interval(), 3000);
    EXPECT_FALSE(tabla->temporizador()->isActive());
    // The mouse coming over a button points at its element.
    QToolButton* einstenio = hijo<QToolButton>(QStringLiteral("lbatomos(99)"));
    EXPECT_EQ(einstenio->text(), QStringLiteral("Es"));
    QEnterEvent entrada(QPointF(2, 2), QPointF(2, 2), einstenio->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(einstenio, &entrada);
    EXPECT_TRUE(tabla->panel()->isVisible());
    EXPECT_TRUE(tabla->temporizador()->isActive());
    EXPECT_EQ(etiqueta(QStringLiteral("lbventnombre"))->text(), QStringLiteral("Einstenio"));
    tabla->temporizador()->setInterval(1);
    tabla->apunta(99);
    QTRY_VERIFY_WITH_TIMEOUT(!tabla->panel()->isVisible(), 5000);
    EXPECT_FALSE(tabla->temporizador()->isActive());
}

using Ajuste = VentanaPrueba;

TEST_F(Ajuste, DegreeDialogUpdatesLbpotAndDisablesTheRun) {
    ventana->marcaGuardado();
    QTest::mouseClick(hijo<QPushButton>(QStringLiteral("btgrado")), Qt::LeftButton);
    frmajuste* dialogo = ventana->ajuste();
    EXPECT_TRUE(dialogo->isVisible());
    EXPECT_FALSE(dialogo->isModal());
    EXPECT_EQ(dialogo->windowTitle(), QStringLiteral("Potencias incluidas en el ajuste"));
    QCheckBox* menosUno = dialogo->grado(14);
    EXPECT_EQ(menosUno->text(), QStringLiteral("Potencia -1"));
    EXPECT_EQ(dialogo->grado(0)->text(), QStringLiteral("Potencia -15"));
    EXPECT_EQ(dialogo->grado(29)->text(), QStringLiteral("Potencia 14"));
    QTest::mouseClick(menosUno, Qt::LeftButton);
    EXPECT_TRUE(menosUno->isChecked());
    EXPECT_EQ(etiqueta(QStringLiteral("Lbpot"))->text(), QStringLiteral("-1 0 1 2 3 4"));
    EXPECT_EQ(dePotencia(ventana->documento().potencias(), -1), 1);
    EXPECT_EQ(menosUno->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_FALSE(ventana->ejecutarHabilitado());
    EXPECT_FALSE(accion(QStringLiteral("Toolbar1_ejecutar"))->isEnabled());
    EXPECT_TRUE(ventana->hayCambios());

    QTest::mouseClick(menosUno, Qt::LeftButton);
    EXPECT_NE(menosUno->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(etiqueta(QStringLiteral("Lbpot"))->text(), QStringLiteral("0 1 2 3 4"));

    // "Aceptar" only hides it; the choice stays.
    QTest::mouseClick(hijo<QPushButton>(QStringLiteral("btaceptar")), Qt::LeftButton);
    EXPECT_FALSE(dialogo->isVisible());
    dialogo->grado(15)->setChecked(false);
    QTest::mouseClick(hijo<QPushButton>(QStringLiteral("btgrado")), Qt::LeftButton);
    EXPECT_FALSE(dialogo->grado(15)->isChecked());
    EXPECT_EQ(etiqueta(QStringLiteral("Lbpot"))->text(), QStringLiteral("1 2 3 4"));
}

TEST_F(Ajuste, SixColumnsOfFiveTheLegendAndTheAcceptButton) {
    frmajuste* dialogo = ventana->ajuste();
    dialogo->mostrar();
    for (int i = 0; i < 30; ++i) {
        const QCheckBox* caja = dialogo->grado(i);
        EXPECT_EQ(caja->objectName(), QStringLiteral("grado(%1)").arg(i));
        EXPECT_EQ(caja->text(), QStringLiteral("Potencia %1").arg(i - 15));
        const QCheckBox* primeraDeSuColumna = dialogo->grado(i - i % 5);
        EXPECT_EQ(caja->x(), primeraDeSuColumna->x()) << i;
        if (i % 5 > 0) {
            EXPECT_GT(caja->y(), dialogo->grado(i - 1)->y()) << i;
        }
        if (i >= 5) {
            EXPECT_GT(caja->x(), dialogo->grado(i - 5)->x()) << i;
            EXPECT_EQ(caja->y(), dialogo->grado(i - 5)->y()) << i;
        }
        // Red exactly while included.
        EXPECT_EQ(caja->palette().color(QPalette::WindowText) == QColor(Qt::red), caja->isChecked())
            << i;
    }
    const std::pair<const char*, const char*> leyenda[] = {
        {"lcoef", "a"}, {"lsubcoef", "0"}, {"lr", "R"}, {"lsupcoef", "0"}};
    for (const auto& [nombre, texto] : leyenda) {
        const QLabel* l = dialogo->findChild<QLabel*>(QString::fromLatin1(nombre));
        ASSERT_NE(l, nullptr) << nombre;
        EXPECT_EQ(l->text(), QString::fromLatin1(texto));
    }
    const auto* aceptar = dialogo->findChild<QPushButton*>(QStringLiteral("btaceptar"));
    ASSERT_NE(aceptar, nullptr);
    EXPECT_EQ(aceptar->text(), QStringLiteral("&Aceptar"));
    // Lower right: below the boxes and right of the legend.
    EXPECT_GT(aceptar->y(), dialogo->grado(29)->y());
    EXPECT_GT(aceptar->x(), dialogo->findChild<QLabel*>(QStringLiteral("lsupcoef"))->x());
}

TEST_F(Ajuste, UncheckingEverythingLeavesAnEmptyLabel) {
    for (int i = 0; i < 30; ++i) {
        ventana->ajuste()->grado(i)->setChecked(false);
    }
    EXPECT_TRUE(etiqueta(QStringLiteral("Lbpot"))->text().isEmpty());
    EXPECT_EQ(numeroPotencias(ventana->documento().potencias()), 0);
}

using Chequeo = VentanaPrueba;

// The counts and their messages are the check's own test; here, that the window shows them
// and says why the run waits.
TEST_F(Chequeo, TheCheckMessageIsShownAndTheRunSaysWhyItWaits) {
    const struct {
        int puntos;
        const char* mensaje;
        const char* motivo;
    } casos[] = {
        {6,
         "Pocos puntos. Quizás no sean suficientes para hacer\nsignificativo es ajuste "
         "minimo-cuadrático",
         "Guarde el documento para ejecutar"},
        {4, "Para ajustar este polinomio hace falta como mínimo 6 puntos",
         "Faltan puntos: 4 para 5 potencias"},
    };
    for (const auto& caso : casos) {
        for (int fila = caso.puntos + 1; fila <= 6; ++fila) { // the rows of the case before
            ventana->ponTextoCelda(fila, 1, QString());
            ventana->ponTextoCelda(fila, 2, QString());
        }
        llenaDocumento(caso.puntos);
        mensajes.mostrados.clear();
        EXPECT_EQ(ventana->chequeadatos().puntos, caso.puntos);
        ASSERT_EQ(mensajes.mostrados.size(), 1u);
        EXPECT_EQ(mensajes.mostrados[0].texto, QString::fromUtf8(caso.mensaje));
        EXPECT_EQ(mensajes.mostrados[0].icono, IconoMensaje::Exclamacion);
        EXPECT_TRUE(mensajes.mostrados[0].titulo.isEmpty());
        EXPECT_FALSE(ventana->ejecutarHabilitado());
        EXPECT_EQ(ventana->motivoSinEjecutar(), QString::fromUtf8(caso.motivo)) << caso.puntos;
    }
}

TEST_F(Chequeo, MissingTitleIsReportedFirstAndTakesTheFocus) {
    llenaDocumento(7, QString());
    caja(QStringLiteral("textmatom(1)"))->clear();
    ventana->activateWindow();
    EXPECT_EQ(ventana->chequeadatos().foco, FocoChequeo::Titulo);
    EXPECT_EQ(mensajes.textos().last(),
              QStringLiteral("Debes introducir un título para el archivo"));
    EXPECT_FALSE(ventana->ejecutarHabilitado());
    caja(QStringLiteral("textnombre"))->setText(QStringLiteral("t"));
    EXPECT_EQ(ventana->chequeadatos().foco, FocoChequeo::Masa1);
    caja(QStringLiteral("textmatom(1)"))->setText(QStringLiteral("1"));
    caja(QStringLiteral("textmatom(2)"))->clear();
    EXPECT_EQ(ventana->chequeadatos().foco, FocoChequeo::Masa2);
    EXPECT_EQ(mensajes.textos().last(),
              QStringLiteral("Debes introducir la masa atómica del átomo2"));
}

// Sorting is the document's own test; the view goes back to the first cell, shown in the
// data box.
TEST_F(Chequeo, TheCheckSortsTheTableAndReturnsToItsFirstCell) {
    llenaDocumento(0);
    ventana->ponTextoCelda(1, 1, QStringLiteral("3.0"));
    ventana->ponTextoCelda(1, 2, QStringLiteral("-0.30"));
    ventana->ponTextoCelda(3, 1, QStringLiteral("1"));
    ventana->ponTextoCelda(3, 2, QStringLiteral("-.00001"));
    ventana->grid()->setCurrentIndex(ventana->grid()->model()->index(10, 1));
    EXPECT_EQ(ventana->chequeadatos().puntos, 2);
    EXPECT_EQ(celda(1, 1), QStringLiteral("1"));
    EXPECT_EQ(celda(1, 2), QStringLiteral("-1E-05"));
    EXPECT_EQ(ventana->grid()->currentIndex().row(), 0);
    EXPECT_EQ(ventana->grid()->currentIndex().column(), 0);
    EXPECT_EQ(caja(QStringLiteral("textdato"))->text(), QStringLiteral("1"));
}

TEST_F(Chequeo, TypingKeepsThePointUnderADecimalCommaLocale) {
    const QLocale antes;
    QLocale::setDefault(QLocale(QLocale::German));
    llenaDocumento(0);
    QLineEdit* dato = caja(QStringLiteral("textdato"));
    QTest::keyClicks(dato, QStringLiteral("1.5"));
    QTest::keyClick(dato, Qt::Key_Return);
    QTest::keyClicks(dato, QStringLiteral("-0.125"));
    QTest::keyClick(dato, Qt::Key_Return);
    EXPECT_EQ(ventana->documento().valor(1, 1), 1.5);
    EXPECT_EQ(celda(1, 2), QStringLiteral("-0.125"));
    QLocale::setDefault(antes);
}

} // namespace oscilab::prueba
