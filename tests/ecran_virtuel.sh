#!/usr/bin/env bash
# Runs a command on a display of its own: a virtual X server (Xvfb) on a display number it picks
# free itself, with the openbox window manager. The command starts once both are ready, and both
# are stopped by their process ids when it ends; its exit status is the script's.
#   usage: ecran_virtuel.sh COMMAND [ARGUMENT...]
set -euo pipefail
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

# Xvfb writes its display number on a pipe once it accepts connections; openbox runs its startup
# command once it manages windows. Each read waits for that (the pipes are opened both ways so
# that opening them never blocks), and gives up after 30 s if a server failed to start.
mkfifo "$dossier/x" "$dossier/wm"
exec 4<>"$dossier/x" 5<>"$dossier/wm"
Xvfb -displayfd 4 -screen 0 1280x1024x24 -nolisten tcp 4>&4 >"$dossier/xvfb.log" 2>&1 &
xvfb=$!
if ! read -r -t 30 -u 4 numero; then
    cat "$dossier/xvfb.log" >&2
    echo "Xvfb did not start" >&2
    exit 1
fi
export DISPLAY=":$numero"
openbox --sm-disable --startup "sh -c 'echo pret >$dossier/wm'" >"$dossier/openbox.log" 2>&1 &
wm=$!
if ! read -r -t 30 -u 5 _; then
    cat "$dossier/openbox.log" >&2
    echo "openbox did not start" >&2
    exit 1
fi
exec 4>&- 5>&-
"$@"
