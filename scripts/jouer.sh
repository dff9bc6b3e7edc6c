#!/usr/bin/env bash
# Builds the game alone (not the tests nor the tools) and starts it.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
bash "$racine/scripts/construit.sh" --cible tessor
exec "$racine/build/ui/tessor"
