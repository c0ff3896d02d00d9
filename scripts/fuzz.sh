#!/usr/bin/env bash
# scripts/fuzz.sh TARGET MINUTES: fuzzes one target of tests/fuzz (fuzz_motor, fuzz_leexls,
# fuzz_fichero_datos, fuzz_curva, fuzz_importar_texto, fuzz_resultado_json, fuzz_importar_csv,
# fuzz_importar_xlsx, fuzz_importar_ods, fuzz_dipolo) with libFuzzer for that long, in a
# clang build of its own (build-fuzz/, AddressSanitizer and UBSan on). It starts from the
# committed seed corpus and keeps what it finds in build-fuzz/corpus/TARGET; inputs that
# crash or trip a sanitizer land in build-fuzz/hallazgos/TARGET/. Runs at the lowest
# priority, on one core.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -ne 2 ]; then
  echo "uso: scripts/fuzz.sh OBJETIVO MINUTOS" >&2
  exit 2
fi
objetivo=$1
minutos=$2
semillas=tests/fuzz/corpus/$objetivo
if [ ! -d "$semillas" ]; then
  echo "no hay objetivo $objetivo (tests/fuzz/corpus/$objetivo no existe)" >&2
  exit 2
fi
bash scripts/setup.sh
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DOSCILAB_FUZZ=ON -DOSCILAB_SANITIZE=ON >/dev/null
nice -n 19 cmake --build build-fuzz --target "$objetivo"

corpus=build-fuzz/corpus/$objetivo
hallazgos=build-fuzz/hallazgos/$objetivo
mkdir -p "$corpus" "$hallazgos"
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
exec nice -n 19 "build-fuzz/bin/$objetivo" -max_total_time=$((minutos * 60)) \
  -timeout=10 -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
  -artifact_prefix="$hallazgos/" "$corpus" "$semillas"
