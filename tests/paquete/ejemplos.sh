#!/usr/bin/env bash
# The build's copy of the examples fills in missing ones and never overwrites a file of the
# same name, however old.
# Usage: ejemplos.sh SOURCE_DIR
set -euo pipefail
fuente=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/datos"
printf 'editado\r\n' >"$tmp/datos/H2.qvd"
touch -d '2000-01-01' "$tmp/datos/H2.qvd"
cmake -DORIGEN="$fuente/datos" -DDESTINO="$tmp/datos" -P "$fuente/cmake/copia_ejemplos.cmake"
[ "$(cat "$tmp/datos/H2.qvd")" = $'editado\r' ] || { echo "FALLO: H2.qvd sobrescrito" >&2; exit 1; }
for ejemplo in "$fuente"/datos/*.qvd; do
  nombre=$(basename "$ejemplo")
  [ "$nombre" = H2.qvd ] && continue
  cmp "$ejemplo" "$tmp/datos/$nombre" || { echo "FALLO: $nombre no copiado" >&2; exit 1; }
done
