#!/usr/bin/env bash
# Builds OSCILAB and runs every test: first the normal build (build/), then the whole suite
# again in a sanitizer build (build-asan/: AddressSanitizer with leak detection and
# UndefinedBehaviorSanitizer, see tests/sanitizer/lsan.supp). SIN_SANITIZADORES=1 skips the
# second pass.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2

if [ "${SIN_SANITIZADORES:-0}" != 1 ]; then
  # clang: the sanitizers' reference implementation, the compiler of the fuzz build, and
  # quicker than g++ at building this with them.
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOSCILAB_SANITIZE=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
  cmake --build build-asan
  QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure -j2
fi
