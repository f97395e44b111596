#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test. Non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
kelmo_install_missing

BUILD=${KELMO_TEST_BUILD:-build/test}
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELMO_BUILD_TESTS=ON >/dev/null
cmake --build "$BUILD" -j"$(nproc)" -- --no-print-directory 2>&1 | grep -v -E '^\[ *[0-9]+%\]' || true
test "${PIPESTATUS[0]}" -eq 0
export QT_QPA_PLATFORM=offscreen
# Only failures and the closing summary are printed.
ctest --test-dir "$BUILD" --output-on-failure -j"$(nproc)" \
  | grep -v -E '^ +Start +[0-9]+:|^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed|^Test project|^Internal ctest|^$'
