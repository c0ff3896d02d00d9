#include "modelo/chequeo_datos.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace oscilab {

namespace {

CeldasTabla tabla(std::initializer_list<std::pair<const char*, const char*>> filas) {
    CeldasTabla c;
    std::size_t i = 0;
    for (const auto& [r, v] : filas) {
        c[i++] = {QString::fromUtf8(r), QString::fromUtf8(v)};
    }
    return c;
}

QStringList columna(const CeldasTabla& c, int col, int filas) {
    QStringList t;
    for (int i = 0; i < filas; ++i) {
        t << c[static_cast<std::size_t>(i)][static_cast<std::size_t>(col)];
    }
    return t;
}

} // namespace

TEST(OrdenaPuntos, EmptyRowBetweenPointsIsRemoved) {
    const auto r =
        ordenaPuntos(tabla({{"1", "-1"}, {"2", "-2"}, {"", ""}, {"4", "-4"}, {"5", "-5"}}));
    EXPECT_EQ(r.n, 4);
    EXPECT_EQ(columna(r.celdas, 0, 5), (QStringList{"1", "2", "4", "5", ""}));
}

TEST(OrdenaPuntos, TwoConsecutiveEmptyRowsAreBothRemoved) {
    const auto r = ordenaPuntos(
        tabla({{"1", "-1"}, {"2", "-2"}, {"", ""}, {"", ""}, {"5", "-5"}, {"6", "-6"}}));
    EXPECT_EQ(r.n, 4);
    EXPECT_EQ(columna(r.celdas, 0, 4), (QStringList{"1", "2", "5", "6"}));
}

TEST(OrdenaPuntos, EmptyRowJustAboveTheLastPointIsRemovedToo) {
    // Points in rows 1, 2, 3 and 5: the last point must not fall out of the file.
    const auto r =
        ordenaPuntos(tabla({{"1", "-1"}, {"2", "-2"}, {"3", "-3"}, {"", ""}, {"5", "-5"}}));
    EXPECT_EQ(r.n, 4);
    EXPECT_EQ(columna(r.celdas, 0, 4), (QStringList{"1", "2", "3", "5"}));
    EXPECT_EQ(columna(r.celdas, 1, 4), (QStringList{"-1", "-2", "-3", "-5"}));
}

TEST(OrdenaPuntos, DescendingInputIsSortedAndRewritten) {
    const auto r = ordenaPuntos(tabla({{"3.0", "-0.30"}, {"2.50", "-.25"}, {"1", "-1E-05"}}));
    EXPECT_EQ(r.n, 3);
    EXPECT_EQ(columna(r.celdas, 0, 3), (QStringList{"1", "2.5", "3"}));
    EXPECT_EQ(columna(r.celdas, 1, 3), (QStringList{"-1E-05", "-0.25", "-0.3"}));
}

TEST(OrdenaPuntos, EqualDistancesAreNeverExchangedWithEachOther) {
    const auto r = ordenaPuntos(tabla({{"2", "-1"}, {"1", "-5"}, {"2", "-2"}}));
    EXPECT_EQ(columna(r.celdas, 1, 3), (QStringList{"-5", "-1", "-2"}));
    // The exchange with a smaller R may still carry one of them past the other.
    const auto s = ordenaPuntos(tabla({{"2", "-1"}, {"2", "-2"}, {"1", "-5"}}));
    EXPECT_EQ(columna(s.celdas, 1, 3), (QStringList{"-5", "-2", "-1"}));
}

TEST(OrdenaPuntos, AZeroIsANumberSoItsRowIsAPoint) {
    // V = 0 is common in curves measured from the dissociation limit; the engine reads it.
    const auto r =
        ordenaPuntos(tabla({{"1", "-1"}, {"2", "0"}, {"3", "-3"}, {"0", "0"}, {"4", ""}}));
    EXPECT_EQ(r.n, 4);
    EXPECT_EQ(columna(r.celdas, 0, 5), (QStringList{"0", "1", "2", "3", "4"}));
    EXPECT_EQ(columna(r.celdas, 1, 5), (QStringList{"0", "-1", "0", "-3", ""}));
}

TEST(OrdenaPuntos, RowsBelowTheLastPointStayAsTyped) {
    const auto r = ordenaPuntos(tabla({{"1.50", "-1"}, {"", ""}, {"abc", ""}, {"7", ""}}));
    EXPECT_EQ(r.n, 1);
    EXPECT_EQ(columna(r.celdas, 0, 5), (QStringList{"1.5", "", "abc", "7", ""}));
}

TEST(OrdenaPuntos, FullTableOfFiveHundredPoints) {
    CeldasTabla c;
    for (int i = 0; i < puntosMaximos; ++i) {
        c[static_cast<std::size_t>(i)] = {QString::number(puntosMaximos - i), QStringLiteral("-1")};
    }
    const auto r = ordenaPuntos(c);
    EXPECT_EQ(r.n, puntosMaximos);
    EXPECT_EQ(r.celdas[0][0], QStringLiteral("1"));
    EXPECT_EQ(r.celdas[puntosMaximos - 1][0], QString::number(puntosMaximos));
}

TEST(EvaluaChequeo, DefaultPowersSevenSixFiveFourPoints) {
    const int m = 5;
    const auto siete = evaluaChequeo(7, m, true, true, true);
    EXPECT_EQ(siete.puntos, 7);
    EXPECT_TRUE(siete.mensaje.isEmpty());
    EXPECT_TRUE(siete.permiteEjecutar);

    const auto seis = evaluaChequeo(6, m, true, true, true);
    EXPECT_EQ(seis.puntos, 6);
    EXPECT_EQ(seis.mensaje, QStringLiteral("Pocos puntos. Quizás no sean suficientes para hacer\n"
                                           "significativo es ajuste minimo-cuadrático"));
    EXPECT_TRUE(seis.permiteEjecutar);

    const auto cinco = evaluaChequeo(5, m, true, true, true);
    EXPECT_EQ(cinco.mensaje,
              QStringLiteral("El número de puntos es mínimo y la curva pasa por ellos"));
    EXPECT_TRUE(cinco.permiteEjecutar);

    const auto cuatro = evaluaChequeo(4, m, true, true, true);
    EXPECT_EQ(cuatro.puntos, 4);
    EXPECT_EQ(cuatro.mensaje,
              QStringLiteral("Para ajustar este polinomio hace falta como mínimo 6 puntos"));
    EXPECT_FALSE(cuatro.permiteEjecutar);
}

TEST(EvaluaChequeo, TitleBeforeMassOneBeforeMassTwo) {
    const auto todo = evaluaChequeo(9, 5, false, false, false);
    EXPECT_EQ(todo.mensaje, QStringLiteral("Debes introducir un título para el archivo"));
    EXPECT_EQ(todo.foco, FocoChequeo::Titulo);
    EXPECT_FALSE(todo.permiteEjecutar);
    const auto masas = evaluaChequeo(9, 5, true, false, false);
    EXPECT_EQ(masas.mensaje, QStringLiteral("Debes introducir la masa atómica del átomo1"));
    EXPECT_EQ(masas.foco, FocoChequeo::Masa1);
    const auto masa2 = evaluaChequeo(9, 5, true, true, false);
    EXPECT_EQ(masa2.mensaje, QStringLiteral("Debes introducir la masa atómica del átomo2"));
    EXPECT_EQ(masa2.foco, FocoChequeo::Masa2);
    EXPECT_FALSE(masa2.permiteEjecutar);
}

TEST(EvaluaChequeo, NoPowersAndNoPoints) {
    const auto r = evaluaChequeo(0, 0, true, true, true);
    EXPECT_EQ(r.puntos, 0);
    EXPECT_TRUE(r.completo());
    EXPECT_EQ(r.mensaje, QStringLiteral("El número de puntos es mínimo y la curva pasa por ellos"));
}

} // namespace oscilab
