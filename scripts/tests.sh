#!/usr/bin/env bash
# Builds Tessor and runs every test.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
bash "$racine/scripts/construit.sh"
ctest --test-dir "$racine/build" --output-on-failure -j"$(nproc)"
