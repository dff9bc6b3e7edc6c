#!/usr/bin/env bash
# Builds the benchmarks (Release, Google Benchmark) and runs the quick ones once, so that they
# keep building and running as the code changes. The long ones (Ordi 5's decisions, the 4 x 5
# and 5 x 5 boards solved) are run by hand:
#
#   build-bench/bench/tessor_bench --benchmark_filter=decision_ordi_5
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
bash "$racine/scripts/dependances.sh"

cmake -S "$racine" -B "$racine/build-bench" -DCMAKE_BUILD_TYPE=Release -DTESSOR_BENCH=ON \
    -DTESSOR_TESTS=OFF >/dev/null
cmake --build "$racine/build-bench" -j"$(nproc)" --target tessor_bench
"$racine/build-bench/bench/tessor_bench" --benchmark_min_time=0.01 \
    --benchmark_filter='calcul_tab_dep|dep_ordi|/largeur:3/|/largeur:4/hauteur:4/'
