#!/usr/bin/env bash
# Installs every Debian package that building, running and testing OSCILAB need.
# Idempotent and quiet when everything is already there.
set -euo pipefail

PACKAGES=(
  g++ cmake ninja-build pkg-config clang-format
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n qt6-svg-dev
  qt6-tools-dev qt6-l10n-tools
  libfreexl-dev libzip-dev
  libeigen3-dev liblapack-dev
  nlohmann-json3-dev
  poppler-utils
  bodr
  gfortran
  clang libclang-rt-14-dev
  fonts-dejavu-core fonts-liberation
  dpkg-dev desktop-file-utils appstream file shared-mime-info groff-base lintian
)

missing=()
for package in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Instalando paquetes: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
