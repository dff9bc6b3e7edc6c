#!/usr/bin/env bash
# Installs the Debian packages that building, playing and testing Tessor need, when missing.
set -euo pipefail

paquets=(cmake g++ make qt6-base-dev qt6-translations-l10n libbenchmark-dev clang-format clang
         libclang-rt-14-dev dpkg-dev desktop-file-utils appstream)
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
