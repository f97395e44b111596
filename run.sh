#!/usr/bin/env bash
# Installs what is missing, builds Kelmov2 in Release, stages it in dist/DataFile with a
# ready Data folder (an existing Data folder is never replaced) and starts it from there.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
kelmo_install_missing

BUILD=build/release
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DKELMO_BUILD_TESTS=OFF >/dev/null
cmake --build "$BUILD" -j"$(nproc)" >/dev/null

STAGE=dist/DataFile
mkdir -p "$STAGE"
cp "$BUILD/src/app/Kelmov2" "$STAGE/Kelmov2"
[ -f "$BUILD/src/installer/installer" ] && cp "$BUILD/src/installer/installer" dist/installer
"$BUILD/src/store/kelmo-initdb" "$STAGE/Data" >/dev/null

cd "$STAGE"
exec ./Kelmov2
