// "Exportar gráfico...": the files written parse, have the size asked for and hold the
// plot's own colours.
#include "compartido/dialogos_fichero.h"
#include "results/exportar_grafico.h"
#include "support/resultados_prueba.h"

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QXmlStreamReader>

namespace oscilab::prueba {
namespace {

class ExportarGrafico : public VentanaResultados {
protected:
    void exporta(const QString& nombre) {
        ventana->cargaResultados();
        dialogos.elegir(dir.filePath(nombre));
        ventana->findChild<QPushButton*>(QStringLiteral("btexportar"))->click();
    }
    DialogosGuionizados dialogos;
};

// Stroke colours of the SVG's elements, and whether the XML was well formed.
QStringList coloresSvg(const QString& ruta, bool& valido) {
    QFile f(ruta);
    QStringList colores;
    valido = f.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&f);
    while (valido && !xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement) {
            colores << xml.attributes().value(QStringLiteral("stroke")).toString();
        }
    }
    valido = valido && !xml.hasError();
    return colores;
}

TEST_F(ExportarGrafico, SvgParsesAndHoldsCurvePointsAndLevels) {
    exporta(QStringLiteral("H2.svg"));
    bool valido = false;
    const QStringList colores = coloresSvg(dir.filePath(QStringLiteral("H2.svg")), valido);
    EXPECT_TRUE(valido);
    EXPECT_TRUE(colores.contains(QStringLiteral("#0000ff"))); // curve
    EXPECT_TRUE(colores.contains(QStringLiteral("#008000"))); // points
    EXPECT_TRUE(colores.contains(QStringLiteral("#ff0000"))); // levels
    for (const auto& m : mensajes.mostrados) {
        EXPECT_NE(m.titulo, QStringLiteral("Exportar gráfico")) << m.texto.toStdString();
    }
}

// The exported drawing names the units it is drawn in, as the window's captions do.
TEST(ExportaGrafico, CaptionsNameTheDocumentsUnits) {
    QTemporaryDir dir;
    DibujoGrafico dibujo{
        {}, {}, Caja{1, -1, 2, 1}, 1.5, {0.529177210903, 27.211386245988, "Å", "eV"}};
    const QString ruta = dir.filePath(QStringLiteral("u.svg"));
    ASSERT_TRUE(exportaGrafico(dibujo, ruta, {800, 600}).ok());
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(svg.contains(QStringLiteral("R (Å)")));
    EXPECT_TRUE(svg.contains(QStringLiteral("V(R) (eV)")));
}

TEST_F(ExportarGrafico, PngHasTheSizeChosenInTheDialog) {
    QTimer::singleShot(0, [] {
        QWidget* d = QApplication::activeModalWidget();
        ASSERT_NE(d, nullptr);
        d->findChild<QSpinBox*>(QStringLiteral("ancho"))->setValue(700);
        d->findChild<QSpinBox*>(QStringLiteral("alto"))->setValue(450);
        QMetaObject::invokeMethod(d, "accept");
    });
    exporta(QStringLiteral("H2.png"));
    const QImage imagen(dir.filePath(QStringLiteral("H2.png")));
    ASSERT_FALSE(imagen.isNull());
    EXPECT_EQ(imagen.size(), QSize(700, 450));
    bool hayCurva = false;
    for (int y = 0; y < imagen.height() && !hayCurva; ++y) {
        for (int x = 0; x < imagen.width() && !hayCurva; ++x) {
            const QColor c = imagen.pixelColor(x, y);
            hayCurva = c.blue() > 200 && c.red() < 80 && c.green() < 80;
        }
    }
    EXPECT_TRUE(hayCurva);
}

TEST_F(ExportarGrafico, PdfIsWritten) {
    exporta(QStringLiteral("H2.pdf"));
    QFile f(dir.filePath(QStringLiteral("H2.pdf")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5) == "%PDF-");
}

TEST(ExportaGrafico, RefusesOtherNamesAndSizes) {
    QTemporaryDir dir;
    const DibujoGrafico dibujo{{}, {}, Caja{1, -1, 2, 1}, 1.5, {}};
    EXPECT_FALSE(exportaGrafico(dibujo, dir.filePath(QStringLiteral("a.jpg")), {800, 600}).ok());
    EXPECT_FALSE(exportaGrafico(dibujo, dir.filePath(QStringLiteral("a.png")), {800, 20000}).ok());
    EXPECT_FALSE(exportaGrafico(dibujo, QStringLiteral("/no/such/dir/a.png"), {800, 600}).ok());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

} // namespace
} // namespace oscilab::prueba

namespace oscilab {
namespace {

TEST(ExportaGrafico, ABareNameGetsTheChosenFiltersExtension) {
    EXPECT_EQ(conExtensionDelFiltro(QStringLiteral("/tmp/curva"),
                                    QStringLiteral("Documento PDF (*.pdf)")),
              QStringLiteral("/tmp/curva.pdf"));
    EXPECT_EQ(
        conExtensionDelFiltro(QStringLiteral("/tmp/tabla"), QStringLiteral("Texto CSV (*.csv)")),
        QStringLiteral("/tmp/tabla.csv"));
    // A name with its own extension, or a filter without one, stays as typed.
    EXPECT_EQ(conExtensionDelFiltro(QStringLiteral("/tmp/c.svg"), QStringLiteral("PDF (*.pdf)")),
              QStringLiteral("/tmp/c.svg"));
    EXPECT_EQ(conExtensionDelFiltro(QStringLiteral("/tmp/c"), QStringLiteral("Todos (*)")),
              QStringLiteral("/tmp/c"));
    // Every filter the plot export offers names an extension it writes.
    for (const QString& filtro : filtroExportacion().split(QStringLiteral(";;"))) {
        const QString nombre = conExtensionDelFiltro(QStringLiteral("/tmp/c"), filtro);
        EXPECT_NE(nombre, QStringLiteral("/tmp/c")) << filtro.toStdString();
    }
}

} // namespace
} // namespace oscilab
