#!/usr/bin/env bash
# cmake --install into a temporary prefix lays out the programs, the shared files and the
# desktop integration where a desktop and the front end look for them.
# Usage: instalacion.sh BUILD_DIR
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
p=$tmp/prefijo

cmake --install "$build" --prefix "$p" >"$tmp/install.log"

fallos=0
falla() { echo "FALLO: $*" >&2; fallos=$((fallos + 1)); }

for programa in oscilab curvifit oscilab-leexls; do
  [ -x "$p/bin/$programa" ] || falla "bin/$programa no es ejecutable"
done
for fichero in \
  share/oscilab/ayuda.html share/oscilab/help.html share/oscilab/oscilab.ini \
  share/oscilab/traducciones/oscilab_en.qm \
  share/oscilab/datos/H2.qvd share/oscilab/datos/HF.qvd share/oscilab/datos/CO.qvd \
  share/applications/example.brenava.oscilab.desktop \
  share/icons/hicolor/scalable/apps/oscilab.svg \
  share/metainfo/example.brenava.oscilab.metainfo.xml \
  share/mime/packages/oscilab.xml \
  share/man/man1/oscilab.1.gz share/man/man1/curvifit.1.gz share/man/man1/oscilab-leexls.1.gz \
  share/doc/oscilab/copyright share/doc/oscilab/changelog.gz; do
  [ -s "$p/$fichero" ] || falla "falta $fichero"
done

[ "$(file -b --mime-type "$p/share/icons/hicolor/scalable/apps/oscilab.svg")" = image/svg+xml ] ||
  falla "el icono no es SVG"
for pagina in oscilab curvifit oscilab-leexls; do
  comprimida=$p/share/man/man1/$pagina.1.gz
  [ "$(zcat "$comprimida" | file -b --mime-type -)" = text/troff ] ||
    falla "$pagina.1.gz no es una página de manual"
  avisos=$(zcat "$comprimida" | LC_ALL=C.UTF-8 groff -man -ww -z 2>&1)
  [ -z "$avisos" ] || falla "$pagina.1: $avisos"
done
grep -q '^License: Expat' "$p/share/doc/oscilab/copyright" || falla "copyright sin licencia MIT"

# The MIME database built from the package file knows .qvd.
update-mime-database "$p/share/mime" >/dev/null 2>&1
grep -q '\*\.qvd' "$p/share/mime/globs2" 2>/dev/null ||
  falla "la base MIME no asocia *.qvd"
grep -q 'application/x-oscilab-qvd' "$p/share/mime/globs2" 2>/dev/null ||
  falla "la base MIME no conoce application/x-oscilab-qvd"

# The installed front end finds its shared folder at ../share/oscilab from its binary.
[ -d "$p/bin/../share/oscilab/datos" ] || falla "share/oscilab no está junto a bin"

[ "$fallos" -eq 0 ]
