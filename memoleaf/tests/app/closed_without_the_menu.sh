#!/usr/bin/env bash
# The real Memoleaf under openbox, closed by Alt+F4 rather than through its
# menu: it ends with status 0 and writes no settings file, though a first run
# would write one through the menu.
#   closed_without_the_menu.sh MEMOLEAF
# Exits 77 (skipped) when Xvfb, openbox or xdotool is missing.
set -uo pipefail
memoleaf=$1
. "$(dirname "$0")/../../../runtime/tests/support/x_session.sh"
require_tools Xvfb openbox xdotool

work=$(mktemp -d)
cleanup() {
  stop_x_session
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAILED: $*"; cat "$work/errors" 2>/dev/null; exit 1; }

# One copy of the program, so that its settings file would lie beside it.
cp "$memoleaf" "$work/Memoleaf"
export XDG_RUNTIME_DIR="$work/runtime" && mkdir -m 700 "$XDG_RUNTIME_DIR"

start_x_server
start_window_manager
"$work/Memoleaf" 2>"$work/errors" &
note=$!
window=$(new_window 'Pense-b')
[ -n "$window" ] || fail "no note window"
sleep 0.3  # the window manager frames it, the note fits itself to the frame
end_with_keys "$window" "$note" alt+F4 || fail "Alt+F4 did not end the note"
wait "$note"
status=$?
[ "$status" -eq 0 ] || fail "the note ended with status $status"
[ ! -e "$work/Memoleaf.PRM" ] || fail "Alt+F4 wrote $(od -c "$work/Memoleaf.PRM" | head -3)"
echo "Alt+F4 ends the note with status 0 and writes no settings file"
