// oscilab-leexls LIBRO.xls: prints the cells A1:B500 of the workbook's active sheet in the
// form described in celdas.h. Exit status: 0 all cells read, 1 the workbook could not be
// read (the cells read before the failure are printed), 2 wrong arguments, 3 the resource
// limits could not be set. Killed by a signal when it runs past its limits.
#include "celdas.h"
#include "lectura_xls.h"
#include "limites.h"

#include <cstdio>
#include <string>

// FreeXL is built without frame pointers: only the slow unwinder sees its frames in a leak's
// stack, which is what the leak suppressions name (sanitizer builds only).
#if OSCILAB_CON_ASAN
extern "C" const char* __asan_default_options() {
    return "fast_unwind_on_malloc=0";
}
#endif

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("uso: oscilab-leexls LIBRO.xls\n", stderr);
        return 2;
    }
    if (!leexls::limitaRecursos()) {
        std::fputs("oscilab-leexls: no se pueden fijar los límites de recursos\n", stderr);
        return 3;
    }
    const leexls::LecturaLibro lectura = leexls::leeLibroXls(argv[1]);
    const std::string salida = leexls::textoSalida(lectura);
    if (std::fwrite(salida.data(), 1, salida.size(), stdout) != salida.size() ||
        std::fflush(stdout) != 0) {
        return 1;
    }
    return lectura.completa ? 0 : 1;
}
