#!/usr/bin/env bash
# Installs the Debian packages Tessor needs, when missing: with "jeu", only what building, playing
# and testing the game needs; otherwise also the tools of CI (format check, sanitizers and
# fuzzers, benchmarks, packaging). Without root it goes through sudo, and without sudo it stops
# with the list to install.
set -euo pipefail

# The window's tests on a real display need a virtual X server, a window manager and the tools
# that drive it.
paquets=(cmake g++ make qt6-base-dev xvfb openbox xdotool wmctrl)
if [ "${1:-tout}" != jeu ]; then
    paquets+=(clang-format clang libclang-rt-14-dev libbenchmark-dev dpkg-dev file
              desktop-file-utils appstream lintian)
fi
manquants=()
for p in "${paquets[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || manquants+=("$p")
done
[ ${#manquants[@]} -eq 0 ] && exit 0

sudo_si_besoin=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "Paquets Debian manquants : ${manquants[*]}" >&2
        echo "Relancez la commande en tant que root, ou faites d'abord installer ces paquets" \
            "par un administrateur :" >&2
        echo "    apt-get install ${manquants[*]}" >&2
        exit 1
    fi
    sudo_si_besoin=(sudo)
fi
echo "Installation des paquets Debian manquants (quelques minutes) : ${manquants[*]}"
"${sudo_si_besoin[@]}" apt-get update
"${sudo_si_besoin[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y \
    --no-install-recommends "${manquants[@]}"
echo "Paquets installés : ${manquants[*]}"
