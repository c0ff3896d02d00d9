#!/usr/bin/env bash
# Builds the three programs (not the tests: scripts/test.sh builds those) and starts
# OSCILAB. Documents live in ~/.local/share/oscilab/datos, where the first start copies the
# examples; an example already there is never overwritten.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh oscilab curvifit oscilab-leexls
exec build/bin/oscilab "$@"
