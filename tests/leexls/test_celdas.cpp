#include "celdas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace leexls {
namespace {

LecturaLibro tablaCompleta() {
    LecturaLibro lectura;
    for (int i = 0; i < FILAS_LEIDAS * COLUMNAS_LEIDAS; ++i) {
        CeldaLibro celda;
        celda.fila = i / 2 + 1;
        celda.columna = i % 2 + 1;
        lectura.celdas.push_back(celda);
    }
    lectura.completa = true;
    return lectura;
}

TEST(CeldasLeexls, EveryKindOfCellComesBackUnchanged) {
    LecturaLibro lectura = tablaCompleta();
    lectura.celdas[0].tipo = TipoCelda::Real;
    lectura.celdas[0].real = 0.1 + 0.2; // needs all 17 digits
    lectura.celdas[1].tipo = TipoCelda::Real;
    lectura.celdas[1].real = -1.5e-300;
    lectura.celdas[2].tipo = TipoCelda::Entero;
    lectura.celdas[2].entero = -2147483648LL;
    lectura.celdas[3].tipo = TipoCelda::Texto;
    lectura.celdas[3].texto = "Energía \\n\r\n\\\\ fin completa";
    lectura.celdas[4].tipo = TipoCelda::Texto; // an empty text is not an empty cell
    const auto leida = leeSalida(textoSalida(lectura));
    ASSERT_TRUE(leida.has_value());
    ASSERT_EQ(leida->celdas.size(), 2u * FILAS_LEIDAS);
    EXPECT_TRUE(leida->completa);
    EXPECT_EQ(leida->celdas[0].real, 0.1 + 0.2);
    EXPECT_EQ(leida->celdas[1].real, -1.5e-300);
    EXPECT_EQ(leida->celdas[2].entero, -2147483648LL);
    EXPECT_EQ(leida->celdas[3].texto, lectura.celdas[3].texto);
    EXPECT_EQ(leida->celdas[4].tipo, TipoCelda::Texto);
    EXPECT_EQ(leida->celdas[5].tipo, TipoCelda::Vacia);
    EXPECT_EQ(leida->celdas.back().fila, FILAS_LEIDAS);
    EXPECT_EQ(leida->celdas.back().columna, 2);
}

TEST(CeldasLeexls, AnIncompleteReadingKeepsItsFirstCells) {
    LecturaLibro lectura = tablaCompleta();
    lectura.celdas.resize(3);
    lectura.completa = false;
    const std::string texto = textoSalida(lectura);
    EXPECT_EQ(texto, "1 1 vacia\n1 2 vacia\n2 1 vacia\nfin incompleta\n");
    const auto leida = leeSalida(texto);
    ASSERT_TRUE(leida.has_value());
    EXPECT_EQ(leida->celdas.size(), 3u);
    EXPECT_FALSE(leida->completa);
}

TEST(CeldasLeexls, TextNotInTheHelpersFormIsRefused) {
    const std::string completa = textoSalida(tablaCompleta());
    for (const std::string& malo : {
             std::string(""),
             std::string("fin completa\n"),                    // complete without cells
             std::string("1 1 vacia\nfin completa\n"),         // complete with one cell
             std::string("1 2 vacia\nfin incompleta\n"),       // out of order
             std::string("1 1 real 1,5\nfin incompleta\n"),    // not a C number
             std::string("1 1 entero 7x\nfin incompleta\n"),   // trailing rubbish
             std::string("1 1 texto a\\qb\nfin incompleta\n"), // unknown escape
             std::string("1 1 vacia x\nfin incompleta\n"),
             std::string("1 1 fecha 3\nfin incompleta\n"),
             std::string("1 1 vacia\nfin incompleta"),        // cut before the last LF
             std::string("1 1 vacia\nfin incompleta\nmas\n"), // more after the end
             completa.substr(0, completa.size() - 13),        // no "fin" line
             completa.substr(0, completa.size() - 13) + "1 1 vacia\nfin completa\n",
         }) {
        EXPECT_FALSE(leeSalida(malo).has_value()) << malo;
    }
}

} // namespace
} // namespace leexls
