#!/usr/bin/env bash
# cpack -G DEB builds the Debian package from the programs already built; lintian finds no
# error or warning in it (when installed); unpacked, its
# curvifit runs an example exactly as the build's own, its desktop files pass the
# validators and its oscilab starts without a display.
# Usage: paquete_deb.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/paquete" >"$tmp/cpack.log" 2>&1 ||
  { cat "$tmp/cpack.log"; exit 1; }
deb=$tmp/paquete/oscilab_${version}_amd64.deb
[ -f "$deb" ] || { echo "FALLO: no se creó $(basename "$deb")" >&2; ls "$tmp/paquete" >&2; exit 1; }
# shlibdeps computed the libraries the programs link.
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' ||
  { echo "FALLO: dependencias sin Qt: $(dpkg-deb -f "$deb" Depends)" >&2; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q 'bodr' ||
  { echo "FALLO: dependencias sin bodr: $(dpkg-deb -f "$deb" Depends)" >&2; exit 1; }

# Debian's own checks of a package: no error and no warning. Skipped where lintian is not
# installed (scripts/setup.sh installs it).
if command -v lintian >/dev/null; then
  lintian --fail-on error,warning --no-tag-display-limit "$deb" >"$tmp/lintian.log" 2>&1 ||
    { echo "FALLO: lintian:" >&2; cat "$tmp/lintian.log" >&2; exit 1; }
else
  echo "lintian no está instalado: no se comprueba el paquete con él"
fi

raiz=$tmp/raiz
dpkg-deb -x "$deb" "$raiz"
usr=$raiz/usr

# The unpacked engine writes the same report and curve file as the build's engine.
for donde in instalado compilado; do
  mkdir -p "$tmp/$donde/datos" "$tmp/$donde/result"
  cp "$usr/share/oscilab/datos/H2.qvd" "$tmp/$donde/datos/"
done
(cd "$tmp/instalado" && "$usr/bin/curvifit" H2)
(cd "$tmp/compilado" && "$build/bin/curvifit" H2)
[ -s "$tmp/instalado/result/H2.res" ] || { echo "FALLO: informe vacío" >&2; exit 1; }
cmp "$tmp/instalado/result/H2.res" "$tmp/compilado/result/H2.res"
cmp "$tmp/instalado/result/H2.scs" "$tmp/compilado/result/H2.scs"

desktop-file-validate "$usr/share/applications/example.brenava.oscilab.desktop"
appstreamcli validate --no-net "$usr/share/metainfo/example.brenava.oscilab.metainfo.xml"
grep -q '<project_license>MIT</project_license>' "$usr/share/metainfo/example.brenava.oscilab.metainfo.xml" ||
  { echo "FALLO: AppStream sin project_license" >&2; exit 1; }

# The unpacked front end, started offscreen with an empty home, must still be running when
# the time is up (status 124 from timeout), past the splash's five seconds, and must have
# given the new user the examples.
casa=$tmp/casa
mkdir -p "$casa"
estado=0
HOME=$casa XDG_DATA_HOME=$casa/.local/share XDG_CONFIG_HOME=$casa/.config \
  XDG_RUNTIME_DIR=$casa QT_QPA_PLATFORM=offscreen \
  timeout 7 "$usr/bin/oscilab" >"$tmp/oscilab.log" 2>&1 || estado=$?
[ "$estado" -eq 124 ] || { echo "FALLO: oscilab terminó con $estado" >&2; cat "$tmp/oscilab.log" >&2; exit 1; }
for ejemplo in H2 HF CO; do
  [ -s "$casa/.local/share/oscilab/datos/$ejemplo.qvd" ] ||
    { echo "FALLO: $ejemplo.qvd no se copió a la carpeta del usuario" >&2; exit 1; }
done
[ -d "$casa/.local/share/oscilab/result" ]
