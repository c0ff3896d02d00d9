#!/usr/bin/env bash
# Configures and builds OSCILAB into build/ (the program folder is build/bin).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
