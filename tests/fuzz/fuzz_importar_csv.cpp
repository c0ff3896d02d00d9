// The .csv import on any bytes (see importar_hoja.h).
#include "importar_hoja.h"

#include "import/importar_csv.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    return oscilab::fuzz::importaHoja(datos, tamano, oscilab::importarcsv);
}
