// The isotope data: the system's Blue Obelisk files against pinned masses, the order of the
// natural isotopes, finding an isotope by its mass, files that cannot be read, the names
// that old documents' masses give their atoms.
#include "compartido/isotopos.h"
#include "compartido/textos_numero.h"
#include "modelo/elementos.h"
#include "modelo/masas_atomos.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace oscilab {

namespace {

const TablaIsotopos& tabla() {
    const TablaIsotopos* t = TablaIsotopos::delSistema();
    if (t == nullptr) {
        throw std::runtime_error("faltan los datos de bodr en /usr/share/bodr");
    }
    return *t;
}

} // namespace

TEST(Isotopos, MassesEqualThePinnedValues) {
    const struct {
        int z, A;
        double masa;
    } fijadas[] = {{1, 1, 1.00782503},
                   {1, 2, 2.01410178},
                   {17, 35, 34.96885268},
                   {35, 79, 78.9183371},
                   {53, 127, 126.904473}};
    for (const auto& f : fijadas) {
        const auto i = tabla().isotopo(f.z, f.A);
        ASSERT_TRUE(i) << f.z << " " << f.A;
        // The pinned values carry one digit less than some of the file's.
        EXPECT_NEAR(i->masa, f.masa, 6e-9) << f.z << " " << f.A;
        EXPECT_EQ(i->masa, i->textoMasa.toDouble());
        ASSERT_TRUE(i->incertidumbre);
        EXPECT_LT(*i->incertidumbre, 1e-5);
    }
    EXPECT_EQ(tabla().elemento(17)->simbolo, QStringLiteral("Cl"));
    EXPECT_NEAR(tabla().elemento(17)->pesoEstandar, 35.45, 0.01);
    // The three old table values that were plainly wrong.
    EXPECT_NEAR(tabla().elemento(67)->pesoEstandar, 164.93, 0.01);
    EXPECT_NEAR(tabla().elemento(64)->pesoEstandar, 157.25, 0.01);
    EXPECT_NEAR(tabla().elemento(66)->pesoEstandar, 162.50, 0.01);
    EXPECT_EQ(tabla().elemento(0), nullptr);
    EXPECT_EQ(tabla().elemento(1000), nullptr);
}

TEST(Isotopos, NaturalIsotopesMostAbundantFirst) {
    const auto cloro = tabla().naturales(17);
    ASSERT_EQ(cloro.size(), 2u);
    EXPECT_EQ(cloro[0].A, 35);
    EXPECT_EQ(cloro[1].A, 37);
    EXPECT_NEAR(*cloro[0].abundancia + *cloro[1].abundancia, 100.0, 0.01);
    const auto hidrogeno = tabla().naturales(1);
    ASSERT_EQ(hidrogeno.size(), 2u); // tritium is not natural
    EXPECT_EQ(hidrogeno[0].A, 1);
    EXPECT_TRUE(tabla().isotopo(1, 3));
    for (int z = 1; z <= 92; ++z) {
        const auto lista = tabla().naturales(z);
        for (std::size_t i = 1; i < lista.size(); ++i) {
            EXPECT_GE(*lista[i - 1].abundancia, *lista[i].abundancia) << z;
        }
    }
    EXPECT_TRUE(tabla().naturales(43).empty()); // technetium
    EXPECT_GT(tabla().elemento(43)->pesoEstandar, 96.0);
    EXPECT_EQ(tabla().naturales(6).front().A, 12);
}

TEST(Isotopos, AnIsotopeByItsMass) {
    const auto cl = tabla().porMasa(34.96885268);
    ASSERT_TRUE(cl);
    EXPECT_EQ(cl->z, 17);
    EXPECT_EQ(cl->isotopo.A, 35);
    EXPECT_TRUE(tabla().porMasa(34.96885268 + 9e-7));
    EXPECT_FALSE(tabla().porMasa(34.96885268 + 2e-6));
    EXPECT_FALSE(tabla().porMasa(35.453)); // the old average weight names no isotope
    EXPECT_FALSE(tabla().porMasa(1.0079));
    EXPECT_EQ(tabla().porMasa(2.014101778)->isotopo.A, 2);
    EXPECT_EQ(etiquetaIsotopo(35, QStringLiteral("Cl")), QStringLiteral("³⁵Cl"));
    EXPECT_EQ(etiquetaIsotopo(127, QStringLiteral("I")), QStringLiteral("¹²⁷I"));
}

TEST(Isotopos, UnreadableFilesGiveAMessage) {
    QTemporaryDir carpeta;
    const QString roto = carpeta.filePath(QStringLiteral("roto.xml"));
    std::ofstream(roto.toStdString()) << "<cml><isotopeList><isotope number=\"1\">";
    const QString elementos = QString::fromLatin1(CARPETA_BODR) + "/elements.xml";
    for (const QString& isotopos : {roto, carpeta.filePath(QStringLiteral("no_existe.xml"))}) {
        const auto leida = TablaIsotopos::lee(isotopos, elementos);
        ASSERT_FALSE(leida.ok()) << isotopos.toStdString();
        EXPECT_TRUE(leida.fallo().mensaje.contains(QStringLiteral("datos de isótopos")));
    }
}

TEST(Isotopos, OldDocumentsNameTheirAtomsAsBefore) {
    // Every weight of the old table, as it was written into documents, names what it named.
    for (int z = 1; z <= numeroElementos; ++z) {
        const QString texto = textoGeneralSimple(elemento(z).masa);
        const int antes = elementoDeTextoMasa(texto);
        ASSERT_NE(antes, 0) << z;
        EXPECT_EQ(nombreDeMasa(texto, &tabla()), elemento(antes).nombre) << z;
        EXPECT_EQ(nombreDeMasa(texto, nullptr), elemento(antes).nombre) << z;
    }
    EXPECT_EQ(nombreDeMasa(QStringLiteral("34.968853"), &tabla()), QStringLiteral("Cloro"));
    EXPECT_EQ(nombreDeMasa(QStringLiteral("34.968853"), nullptr), QString());
    EXPECT_EQ(nombreDeMasa(QStringLiteral("35.45"), &tabla()), QStringLiteral("Cloro"));
    EXPECT_EQ(nombreDeMasa(QStringLiteral("abc"), &tabla()), QString());
    // What an opened document's atoms are called: an isotope's mass to 1e-6 u names the
    // isotope; 2e-6 u off ¹²⁷I, or a mass no element has, names nothing.
    EXPECT_EQ(nombreDeMasa(QStringLiteral("2.0141018"), &tabla()), QStringLiteral("Hidrógeno"));
    EXPECT_EQ(nombreDeMasa(QStringLiteral("34.96885268"), &tabla()), QStringLiteral("Cloro"));
    EXPECT_EQ(nombreDeMasa(QStringLiteral("126.904475"), &tabla()), QString());
    EXPECT_EQ(nombreDeMasa(QStringLiteral("1.008"), &tabla()), QStringLiteral("Hidrógeno"));
    EXPECT_EQ(nombreDeMasa(QStringLiteral("210"), &tabla()), QStringLiteral("Polonio"));
    EXPECT_EQ(nombreDeMasa(QStringLiteral("1.5"), &tabla()), QString());
    EXPECT_EQ(isotopoDeMasa(QStringLiteral("2.0141018"), &tabla()), QStringLiteral("²H"));
    EXPECT_EQ(isotopoDeMasa(QStringLiteral("1.008"), &tabla()), QString());
    EXPECT_EQ(isotopoDeMasa(QStringLiteral("2.0141018"), nullptr), QString());
    // Without the data the table offers the old weight alone.
    const auto sinDatos = opcionesMasa(17, nullptr);
    ASSERT_EQ(sinDatos.size(), 1u);
    EXPECT_EQ(sinDatos[0].masa, QStringLiteral("35.453"));
    EXPECT_EQ(opcionesMasa(17, &tabla()).size(), 3u);
}

} // namespace oscilab
