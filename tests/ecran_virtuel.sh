#!/usr/bin/env bash
# Runs a command on a display of its own: a virtual X server (Xvfb) on a display number it picks
# free itself, with the openbox window manager unless --sans-gestionnaire is given. The command
# starts once both are ready, and both are stopped by their process ids when it ends; its exit
# status is the script's.
#   usage: ecran_virtuel.sh [--sans-gestionnaire] COMMAND [ARGUMENT...]
set -euo pipefail
gestionnaire=oui
if [ "${1:-}" = --sans-gestionnaire ]; then
    gestionnaire=non
    shift
fi
dossier=$(mktemp -d)
xvfb=
wm=
arrete() {
    for pid in $wm $xvfb; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
    done
    rm -rf "$dossier"
}
trap arrete EXIT

# Xvfb writes its display number on a pipe once it accepts connections; the read waits for that
# (the pipe is opened both ways so that opening it never blocks), and gives up after 30 s.
# Clients of ":N" try the abstract socket "@/tmp/.X11-unix/XN" before the socket file, and the
# abstract names are shared with every mount namespace (a chroot, a container) whose lock files
# and /tmp this server cannot see. So the server listens on that name too: a number whose name
# another server holds cannot be bound, and -displayfd moves on to the next, so every client
# of ":N" reaches this server and no other.
mkfifo "$dossier/x"
exec 4<>"$dossier/x"
Xvfb -displayfd 4 -screen 0 1280x1024x24 -nolisten tcp 4>&4 >"$dossier/xvfb.log" 2>&1 &
xvfb=$!
if ! read -r -t 30 -u 4 numero; then
    cat "$dossier/xvfb.log" >&2
    echo "Xvfb did not start" >&2
    exit 1
fi
export DISPLAY=":$numero"
exec 4>&-

demarre_openbox() {
    # openbox announces itself on the root window (which wmctrl -m reads) before it has
    # finished starting, and requests that reach it in between are lost: a window mapped then
    # is never shown. It runs its --startup command once it is ready, which creates a file that
    # the loop waits for.
    openbox --sm-disable --startup "touch $dossier/pret" >"$dossier/openbox.log" 2>&1 &
    wm=$!
    for _ in $(seq 600); do
        [ -e "$dossier/pret" ] && break
        if ! kill -0 "$wm" 2>/dev/null; then
            cat "$dossier/openbox.log" >&2
            echo "openbox did not start" >&2
            exit 1
        fi
        sleep 0.05
    done
    if [ ! -e "$dossier/pret" ]; then
        echo "openbox did not finish starting" >&2
        exit 1
    fi
}
[ $gestionnaire = non ] || demarre_openbox
"$@"
