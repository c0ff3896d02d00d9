// Reading a file with a third-party parser in a child process first, so that a parser
// crash or endless loop on a damaged file becomes an import error instead of taking the
// program down.
#pragma once

#include <chrono>
#include <functional>

namespace oscilab {

// Runs `lectura` in a forked child and reports whether it ran to its end within `limite`.
// When no child can be started the answer is true: the caller then reads in process, as
// it would without this guard.
bool lecturaTerminaSinRomperse(const std::function<void()>& lectura,
                               std::chrono::milliseconds limite);

} // namespace oscilab
