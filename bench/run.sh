#!/usr/bin/env bash
# Builds the benchmarks in build/bench, generates the large Data folder once
# (build/bench/Data-large, 5 years of a busy shop) and runs every benchmark over it.
# Extra arguments go to each benchmark (e.g. --benchmark_filter=Search).
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD=build/bench
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DKELMO_BUILD_BENCHMARKS=ON \
  -DKELMO_BUILD_TESTS=OFF >/dev/null
cmake --build "$BUILD" -j2 --target kelmo-gendata masters_bench sales_search_bench \
  -- --no-print-directory 2>&1 | grep -v -E '^\[ *[0-9]+%\]' || true
test "${PIPESTATUS[0]}" -eq 0

export KELMO_BENCH_DATA="$PWD/$BUILD/Data-large"
if [ ! -e "$KELMO_BENCH_DATA/dbProd.db" ]; then
  # Generated aside and renamed when complete, so an interrupted run leaves no half folder.
  rm -rf "$KELMO_BENCH_DATA" "$KELMO_BENCH_DATA.partial"
  "$BUILD/bench/kelmo-gendata" "$KELMO_BENCH_DATA.partial" --years 5
  mv "$KELMO_BENCH_DATA.partial" "$KELMO_BENCH_DATA"
fi

for bench in masters_bench sales_search_bench; do
  echo "== $bench"
  "$BUILD/bench/$bench" "$@"
done
