#!/usr/bin/env bash
# Builds OSCILAB and starts it from its program folder (examples in datos/).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build/bin
exec ./oscilab "$@"
