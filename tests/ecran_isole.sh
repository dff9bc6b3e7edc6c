#!/usr/bin/env bash
# The display of the real-display suite is its own. X servers of another mount namespace (a
# container or a chroot, with a /tmp of their own, so their lock files and socket files are not
# seen here) hold the abstract names of displays :0 to :5, which are shared across namespaces; a
# client started by ecran_virtuel.sh must still reach the suite's server (1280 x 1024), not one
# of theirs (800 x 600). Making the namespace needs root: without it the test is skipped (77).
set -euo pipefail
ici=$(cd "$(dirname "$0")" && pwd)
if ! unshare -m -p -f true 2>/dev/null; then
    echo "no mount namespace can be made here: skipped"
    exit 77
fi
# The decoys run in a PID namespace of their own: killing unshare kills all of them.
unshare -m -p -f --kill-child sh -c \
    'mount -t tmpfs tmpfs /tmp && for n in 0 1 2 3 4 5; do
         Xvfb ":$n" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
     done; wait' &
leurres=$!
# unshare ignores SIGTERM while it waits for its child; its death kills the whole namespace.
trap 'kill -KILL "$leurres" 2>/dev/null; wait "$leurres" 2>/dev/null || true' EXIT
# A decoy that cannot take its number (a server of this namespace holds it) gives up at once;
# the others listen within seconds.
for _ in $(seq 200); do
    [ "$(grep -c '@/tmp/.X11-unix/X[0-5]$' /proc/net/unix)" -ge 6 ] && break
    sleep 0.05
done
taille=$(bash "$ici/ecran_virtuel.sh" --sans-gestionnaire xdotool getdisplaygeometry)
echo "the suite's display: $taille"
[ "$taille" = "1280 1024" ]
