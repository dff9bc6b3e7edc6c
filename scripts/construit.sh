#!/usr/bin/env bash
# Configures Tessor in build/ (git ignores it) and builds it: everything, or only the targets
# named after --cible (e.g. --cible tessor, the game alone). Other arguments go to CMake.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
cibles=()
if [ "${1:-}" = --cible ]; then
    cibles=(--target "$2")
    shift 2
fi
bash "$racine/scripts/dependances.sh" jeu
cmake -S "$racine" -B "$racine/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$racine/build" -j"$(nproc)" "${cibles[@]}"
