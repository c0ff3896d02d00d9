#!/usr/bin/env bash
# scripts/build.sh [TARGET...]: configures and builds OSCILAB into build/ (the program
# folder is build/bin): the targets named, or everything (tests, fuzz targets, benchmarks)
# when none is.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [ $# -gt 0 ]; then
  cmake --build build --target "$@"
else
  cmake --build build
fi
