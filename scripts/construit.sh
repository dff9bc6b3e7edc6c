#!/usr/bin/env bash
# Configures and builds Tessor in build/ (git ignores it). Extra arguments go to CMake.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
bash "$racine/scripts/dependances.sh" jeu
cmake -S "$racine" -B "$racine/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$racine/build" -j"$(nproc)"
