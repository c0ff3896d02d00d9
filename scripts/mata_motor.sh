#!/usr/bin/env bash
# scripts/mata_motor.sh [N]: kills curvifit N times (200 by default) with SIGKILL at a random
# moment of a run and counts what each kill left in result/: an earlier run's complete JSON
# beside a report this run had already touched (must be 0), and a NAME.json.tmp (harmless:
# the next run removes it). Uses build/bin/curvifit; each run alternates between two
# example documents under one name, so the JSON tells which run wrote it.
set -euo pipefail
cd "$(dirname "$0")/.."
veces=${1:-200}
motor=$PWD/build/bin/curvifit
[ -x "$motor" ] || { echo "falta $motor: compile antes curvifit" >&2; exit 2; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/datos" "$tmp/result"
cp datos/H2.qvd "$tmp/H2.qvd"
cp datos/CO.qvd "$tmp/CO.qvd"
cd "$tmp"

puntos() { # the number of points of result/mol.json, or "no" when it is missing or partial
  python3 -c 'import json,sys
try: print(len(json.load(open(sys.argv[1]))["points"]))
except Exception: print("no")' result/mol.json
}

# The run's length on this machine sets the range of the kill moments.
inicio=$(date +%s%N)
for _ in 1 2 3 4 5; do cp H2.qvd datos/mol.qvd; "$motor" mol; done
duracion_us=$((($(date +%s%N) - inicio) / 5000))

antiguos=0
temporales=0
matados=0
for ((i = 0; i < veces; i++)); do
  if ((i % 2)); then anterior=CO nuevo=H2; else anterior=H2 nuevo=CO; fi
  cp "$anterior.qvd" datos/mol.qvd
  "$motor" mol
  puntos_anteriores=$(puntos)
  cp result/mol.res informe_anterior
  cp "$nuevo.qvd" datos/mol.qvd
  espera_us=$((RANDOM * RANDOM % (duracion_us * 3 / 2 + 1)))
  "$motor" mol &
  pid=$!
  sleep "$(printf '0.%06d' "$espera_us")"
  kill -KILL "$pid" 2>/dev/null && matados=$((matados + 1))
  wait "$pid" 2>/dev/null || true
  # A report this run has touched (truncated or rewritten) beside the earlier run's JSON.
  if ! cmp -s result/mol.res informe_anterior && [ "$(puntos)" = "$puntos_anteriores" ]; then
    antiguos=$((antiguos + 1))
  fi
  [ -e result/mol.json.tmp ] && temporales=$((temporales + 1))
done
echo "ejecuciones: $veces; matadas en marcha: $matados; duración de una ejecución: ${duracion_us} us"
echo "JSON antiguo junto a un informe nuevo: $antiguos"
echo "mol.json.tmp que quedó: $temporales"
[ "$antiguos" -eq 0 ]
