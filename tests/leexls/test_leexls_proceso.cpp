// oscilab-leexls as the front end starts it: the workbook's path as its one argument.
#include "celdas.h"
#include "limites.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>

namespace leexls {
namespace {

struct Ejecucion {
    int estado = -1;
    std::string salida;
};

Ejecucion ejecuta(const std::string& argumentos) {
    const std::string orden =
        "'" OSCILAB_PROGRAM_DIR "/oscilab-leexls' " + argumentos + " 2>/dev/null </dev/null";
    Ejecucion ejecucion;
    FILE* tubo = popen(orden.c_str(), "r");
    std::array<char, 4096> bloque{};
    std::size_t leidos = 0;
    while ((leidos = std::fread(bloque.data(), 1, bloque.size(), tubo)) > 0) {
        ejecucion.salida.append(bloque.data(), leidos);
    }
    const int estado = pclose(tubo);
    ejecucion.estado = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    return ejecucion;
}

std::string fixture(const char* nombre) {
    return "'" OSCILAB_SOURCE_DIR "/tests/frontend/fixtures/" + std::string(nombre) + "'";
}

TEST(LeexlsProceso, AWorkbookGivesItsHundredCellsAndStatusZero) {
    const Ejecucion e = ejecuta(fixture("doce_puntos.xls"));
    EXPECT_EQ(e.estado, 0);
    const auto lectura = leeSalida(e.salida);
    ASSERT_TRUE(lectura.has_value()) << e.salida;
    ASSERT_TRUE(lectura->completa);
    EXPECT_EQ(lectura->celdas[0].tipo, TipoCelda::Real);
    EXPECT_EQ(lectura->celdas[0].real, 0.8);
    EXPECT_EQ(lectura->celdas[20].tipo, TipoCelda::Entero);
    EXPECT_EQ(lectura->celdas[20].entero, 5);
    EXPECT_EQ(lectura->celdas[23].real, 1.5e20);
    EXPECT_EQ(lectura->celdas[24].tipo, TipoCelda::Vacia);
}

TEST(LeexlsProceso, NotAWorkbookIsStatusOneWithoutCells) {
    for (const char* nombre : {"truncado.xls", "firma_sin_contenido.xls", "no_existe.xls"}) {
        const Ejecucion e = ejecuta(fixture(nombre));
        EXPECT_EQ(e.estado, 1) << nombre;
        EXPECT_EQ(e.salida, "fin incompleta\n") << nombre;
    }
}

TEST(LeexlsProceso, WrongArgumentsAreStatusTwo) {
    EXPECT_EQ(ejecuta("").estado, 2);
    EXPECT_EQ(ejecuta("a.xls b.xls").estado, 2);
}

// The limits are checked in a child, since they would bind this test program too.
TEST(LimitesLeexls, CpuTimeAndCoreFilesAreBounded) {
    const pid_t hijo = fork();
    ASSERT_GE(hijo, 0);
    if (hijo == 0) {
        rlimit cpu{}, core{};
        const bool bien = limitaRecursos() && getrlimit(RLIMIT_CPU, &cpu) == 0 &&
                          getrlimit(RLIMIT_CORE, &core) == 0 &&
                          cpu.rlim_cur == static_cast<rlim_t>(SEGUNDOS_CPU) && core.rlim_max == 0;
        _exit(bien ? 0 : 1);
    }
    int estado = 0;
    ASSERT_EQ(waitpid(hijo, &estado, 0), hijo);
    EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
}

} // namespace
} // namespace leexls
