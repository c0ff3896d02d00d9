#include "compartido/dimensiones.h"
#include "import/importacion.h"
#include "support/guiones.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <array>

namespace oscilab {
namespace {

// A stand-in for the main window's table and document state.
class TablaDePrueba : public DestinoImportacion {
public:
    Resultado<void> unidadesElegidas() const override {
        ++comprobaciones;
        return unidades ? Resultado<void>() : Fallo{QStringLiteral("Faltan las unidades")};
    }
    void filaActual(int fila) override { filasActuales.push_back(fila); }
    void escribeCelda(int fila, int columna, const QString& texto) override {
        celdas.at(static_cast<std::size_t>(fila)).at(static_cast<std::size_t>(columna)) = texto;
    }
    Resultado<void> documentoCambiado() override {
        cambios = true;
        ejecutarHabilitado = false;
        return {};
    }
    const QString& celda(int f, int c) const {
        return celdas.at(static_cast<std::size_t>(f)).at(static_cast<std::size_t>(c));
    }

    bool unidades = true;
    mutable int comprobaciones = 0;
    bool cambios = false;
    bool ejecutarHabilitado = true;
    std::vector<int> filasActuales;
    std::array<std::array<QString, 3>, puntosMaximos + 1> celdas{};
};

class ImportComando : public ::testing::Test {
protected:
    QString fichero(const QByteArray& contenido) {
        const QString ruta = dir_.filePath("puntos.txt");
        QFile f(ruta);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(contenido);
        return ruta;
    }
    void llenaDiezPuntos() {
        for (int f = 1; f <= 10; ++f) {
            tabla_.celdas[f][1] = QString::number(f);
            tabla_.celdas[f][2] = QString::number(-f);
        }
    }

    QTemporaryDir dir_;
    TablaDePrueba tabla_;
    prueba::MensajesGuionizados mensajes_;
    prueba::DialogosGuionizados dialogos_;
};

TEST_F(ImportComando, ThreeLinesOverTenPointsChangeRowsOneToThreeOnly) {
    llenaDiezPuntos();
    dialogos_.elegir(fichero("1.1;-1\r\n1.2;-2\r\n1.3;-3\r\n"));
    importarDatos(nullptr, OrigenImportacion::Texto, "/prog/", ";", tabla_);
    EXPECT_EQ(tabla_.celda(1, 1), "1.1");
    EXPECT_EQ(tabla_.celda(3, 2), "-3");
    for (int f = 4; f <= 10; ++f) {
        EXPECT_EQ(tabla_.celda(f, 1), QString::number(f));
        EXPECT_EQ(tabla_.celda(f, 2), QString::number(-f));
    }
    EXPECT_TRUE(mensajes_.mostrados.empty());
    EXPECT_TRUE(tabla_.cambios);
    EXPECT_FALSE(tabla_.ejecutarHabilitado);
    EXPECT_EQ(tabla_.filasActuales, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(dialogos_.iniciales, QStringList{"/prog/"});
    // Text, comma-separated and data files, then every file (Linux names need no extension).
    EXPECT_EQ(dialogos_.filtros.front(), "Archivos de texto y datos (*.txt *.csv *.dat);;"
                                         "Todos los archivos (*)");
}

TEST_F(ImportComando, EmptyFileStillMarksTheDocumentChanged) {
    dialogos_.elegir(fichero(""));
    importarDatos(nullptr, OrigenImportacion::Texto, "/prog/", ",", tabla_);
    EXPECT_TRUE(tabla_.cambios);
    EXPECT_FALSE(tabla_.ejecutarHabilitado);
}

TEST_F(ImportComando, CancelShowsSeleccionCanceladaAndChangesNothing) {
    llenaDiezPuntos();
    for (auto origen : {OrigenImportacion::Texto, OrigenImportacion::Excel}) {
        dialogos_.elegir(std::nullopt);
        importarDatos(nullptr, origen, "/prog/", ",", tabla_);
    }
    ASSERT_EQ(mensajes_.mostrados.size(), 2u);
    for (const auto& m : mensajes_.mostrados) {
        EXPECT_EQ(m.texto, "Seleccion cancelada");
        EXPECT_EQ(m.titulo, "Importar datos");
        EXPECT_EQ(m.icono, IconoMensaje::Informacion);
    }
    EXPECT_EQ(tabla_.celda(5, 1), "5");
    EXPECT_FALSE(tabla_.cambios);
    EXPECT_TRUE(tabla_.ejecutarHabilitado);
}

TEST_F(ImportComando, MissingUnitStopsBeforeTheDialogSayingWhich) {
    tabla_.unidades = false;
    importarDatos(nullptr, OrigenImportacion::Excel, "/prog/", ",", tabla_);
    EXPECT_EQ(tabla_.comprobaciones, 1);
    EXPECT_TRUE(dialogos_.iniciales.isEmpty());
    ASSERT_EQ(mensajes_.mostrados.size(), 1u);
    EXPECT_EQ(mensajes_.mostrados[0].texto, QStringLiteral("Faltan las unidades"));
    EXPECT_EQ(mensajes_.mostrados[0].titulo, QStringLiteral("Unidades"));
    EXPECT_EQ(mensajes_.mostrados[0].icono, IconoMensaje::Informacion);
}

// All or nothing: a file that fails on its second line changes no cell.
TEST_F(ImportComando, FailureWritesNothingAndLeavesDocumentStateAlone) {
    llenaDiezPuntos();
    dialogos_.elegir(fichero("7;8\r\n\r\n9;9\r\n"));
    importarDatos(nullptr, OrigenImportacion::Texto, "/prog/", ";", tabla_);
    EXPECT_EQ(tabla_.celda(1, 1), "1");
    EXPECT_EQ(tabla_.celda(2, 1), "2");
    EXPECT_EQ(tabla_.celda(3, 1), "3");
    ASSERT_EQ(mensajes_.mostrados.size(), 1u);
    EXPECT_EQ(mensajes_.mostrados[0].texto,
              "Se ha producido un error al abrir el archivo\nLínea 2: está vacía");
    EXPECT_EQ(mensajes_.mostrados[0].titulo, "Importar datos");
    EXPECT_EQ(mensajes_.mostrados[0].icono, IconoMensaje::Stop);
    EXPECT_FALSE(tabla_.cambios);
    EXPECT_TRUE(tabla_.ejecutarHabilitado);
}

TEST_F(ImportComando, WorkbookWritesEveryCellOfTheTable) {
    llenaDiezPuntos();
    tabla_.celdas[40][2] = "viejo";
    dialogos_.elegir(QStringLiteral(OSCILAB_SOURCE_DIR "/tests/frontend/fixtures/doce_puntos.xls"));
    importarDatos(nullptr, OrigenImportacion::Excel, "/prog/", ",", tabla_);
    EXPECT_EQ(tabla_.celda(1, 1), "0.8");
    EXPECT_EQ(tabla_.celda(12, 1), "6.25");
    EXPECT_EQ(tabla_.celda(40, 2), "");
    EXPECT_TRUE(mensajes_.mostrados.empty());
    EXPECT_TRUE(tabla_.cambios);
    EXPECT_EQ(dialogos_.filtros.front(), "Hojas de cálculo (*.xls *.xlsx *.ods);;"
                                         "Archivos de Excel (*.xls *.xlsx);;"
                                         "Hojas de cálculo OpenDocument (*.ods)");
}

TEST_F(ImportComando, CorruptWorkbookShowsTheErrorAndKeepsTheTable) {
    llenaDiezPuntos();
    dialogos_.elegir(QStringLiteral(OSCILAB_SOURCE_DIR "/tests/frontend/fixtures/truncado.xls"));
    importarDatos(nullptr, OrigenImportacion::Excel, "/prog/", ",", tabla_);
    ASSERT_EQ(mensajes_.textos().size(), 1);
    EXPECT_TRUE(mensajes_.textos()[0].startsWith("Se ha producido un error al abrir el archivo\n"))
        << mensajes_.textos()[0].toStdString();
    EXPECT_EQ(tabla_.celda(10, 2), "-10");
    EXPECT_FALSE(tabla_.cambios);
}

TEST(ImportTooltip, NamesTheDelimiter) {
    EXPECT_EQ(tooltipImportarTexto(","), "Importar datos separados por ,");
    EXPECT_EQ(tooltipImportarTexto(";"), "Importar datos separados por ;");
}

} // namespace
} // namespace oscilab
