#!/usr/bin/env bash
# Installs the Debian packages that Kelmov2 needs to build, test and run, when missing.
# Sourced by run.sh and test.sh; `apt-get update` runs only when something is missing.
set -euo pipefail

KELMO_PACKAGES=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libsqlite3-dev
  libgtest-dev googletest libbenchmark-dev
  fonts-crosextra-carlito fonts-liberation2 fonts-arkpandora fonts-dejavu-core fontconfig
  qt6-translations-l10n
  poppler-utils xdg-utils
)

kelmo_install_missing() {
  local missing=()
  for p in "${KELMO_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  if [ ${#missing[@]} -gt 0 ]; then
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installation des paquets manquants: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
  fi
}
