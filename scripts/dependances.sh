#!/usr/bin/env bash
# Installs the Debian packages Tessor needs, when missing: with "jeu", only what building, playing
# and testing the game needs; otherwise also the tools of CI (format check, sanitizers and
# fuzzers, benchmarks, packaging).
set -euo pipefail

paquets=(cmake g++ make qt6-base-dev)
if [ "${1:-tout}" != jeu ]; then
    paquets+=(clang-format clang libclang-rt-14-dev libbenchmark-dev dpkg-dev file
              desktop-file-utils appstream)
fi
manquants=()
for p in "${paquets[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || manquants+=("$p")
done
[ ${#manquants[@]} -eq 0 ] && exit 0

sudo_si_besoin=()
[ "$(id -u)" -ne 0 ] && sudo_si_besoin=(sudo)
echo "Installation de : ${manquants[*]}"
"${sudo_si_besoin[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_si_besoin[@]}" apt-get install -y -qq --no-install-recommends \
    "${manquants[@]}" >/dev/null
