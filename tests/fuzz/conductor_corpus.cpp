// The main of a fuzz target when it is not built with libFuzzer: runs every file named on
// the command line, or every file inside a folder named there, through the target once.
// This is how ctest replays the committed corpora with any compiler.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano);

namespace {

int ejecutaFichero(const std::filesystem::path& ruta) {
    std::ifstream fichero(ruta, std::ios::binary);
    if (!fichero) {
        std::fprintf(stderr, "no se puede leer %s\n", ruta.c_str());
        return 1;
    }
    const std::vector<char> bytes{std::istreambuf_iterator<char>(fichero), {}};
    // Each input is named first, so that a sanitizer report or crash can be traced to it.
    std::fprintf(stderr, "%s\n", ruta.c_str());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    int fallos = 0;
    int ejecutados = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path ruta(argv[i]);
        if (std::filesystem::is_directory(ruta)) {
            for (const auto& entrada : std::filesystem::directory_iterator(ruta)) {
                fallos += ejecutaFichero(entrada.path());
                ++ejecutados;
            }
        } else {
            fallos += ejecutaFichero(ruta);
            ++ejecutados;
        }
    }
    std::fprintf(stderr, "%d entradas ejecutadas\n", ejecutados);
    return fallos == 0 && ejecutados > 0 ? 0 : 1;
}
