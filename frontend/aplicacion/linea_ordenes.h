// oscilab's own command-line options, answered before any window (or display) is needed:
//   oscilab [--lang es|en] [FICHERO.qvd]   oscilab --help   oscilab --version
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace oscilab {

// What to print on standard output and exit with status 0 for, when the arguments (after
// the program's name) ask for --help or --version; std::nullopt to start the program.
// Words after "--" are file names.
std::optional<std::string> respuestaLineaOrdenes(const std::vector<std::string>& argumentos);

// What to print on standard error and exit with status 2 for: --lang without "es" or "en"
// after it. std::nullopt when the options are usable.
std::optional<std::string> errorLineaOrdenes(const std::vector<std::string>& argumentos);

} // namespace oscilab
