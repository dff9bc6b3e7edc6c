#!/usr/bin/env bash
# Builds Tessor and starts the game.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
bash "$racine/scripts/construit.sh"
exec "$racine/build/ui/tessor"
