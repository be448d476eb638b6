#!/usr/bin/env bash
# The demo as a newcomer with a desktop runs it: with a display set, it says how
# to start the windows on its example; the Pathwell command it prints must open
# the chooser in that example's folder, still there once the demo has ended.
#   demo_with_a_display.sh BIN ACCESSIBILITY_TREE.PY
# BIN holds the programs already built. Exits 77 (skipped) when a tool is missing.
set -uo pipefail
bin=$1
tree=$2
here=$(dirname "$0")
. "$here/../../runtime/tests/support/x_session.sh"
require_tools Xvfb openbox xdotool
require_accessibility_bus

cleanup() {
  [ -z "${chooser:-}" ] || kill "$chooser" 2>/dev/null
  stop_x_session
  wait 2>/dev/null
}
trap cleanup EXIT
fail() { echo "FAILED: $*"; exit 1; }

start_x_server
start_window_manager
start_accessibility_bus
# A program on the accessibility bus starts slower on a busy machine.
window_wait_seconds=30
said=$(VORTALIS_DEMO_BIN=$bin bash "$here/../demo.sh" 2>&1) || fail "the demo failed: $said"
folder=$(sed -n 's/.*Pathwell "\(.*\)".*/\1/p' <<<"$said")
[ -n "$folder" ] || fail "the demo printed no Pathwell command: $said"
[ -f "$folder/mots de passe.txt" ] || fail "the example's folder $folder is gone"

"$bin/Pathwell" "$folder" 2>/dev/null &
chooser=$!
[ -n "$(new_window 'Choix Fichiers')" ] || fail "no chooser"
# Qt names the chooser's "Rechercher dans" list by the folder it shows.
/usr/bin/python3 "$tree" Pathwell | grep -F "combo box \"$folder\"" >/dev/null ||
  fail "the chooser is not in $folder"
echo "with a display, the demo's Pathwell command opens its chooser in $folder"
