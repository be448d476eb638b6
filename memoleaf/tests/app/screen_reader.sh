#!/usr/bin/env bash
# The note as a screen reader reads it through the accessibility bus: a frame
# named by its caption, its text box named in French, the "Ordres" menu.
#   screen_reader.sh MEMOLEAF ACCESSIBILITY_TREE.PY
# Exits 77 (skipped) when a tool is missing.
set -uo pipefail
memoleaf=$1
tree=$2
. "$(dirname "$0")/../../../runtime/tests/support/x_session.sh"
require_tools Xvfb openbox xdotool
require_accessibility_bus

work=$(mktemp -d)
cleanup() {
  [ -z "${note:-}" ] || kill "$note" 2>/dev/null
  stop_x_session
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

start_x_server
start_window_manager
start_accessibility_bus
# A program on the accessibility bus starts slower on a busy machine.
window_wait_seconds=30
cp "$memoleaf" "$work/"
(cd "$work" && exec ./Memoleaf) 2>"$work/errors" &
note=$!
[ -n "$(new_window Pense-b)" ] || { echo "FAILED: no note window: $(cat "$work/errors")"; exit 1; }
/usr/bin/python3 "$tree" Memoleaf >"$work/tree"
cat >"$work/expected" <<'TREE'
frame "Pense-bête ž VORTALIS ž avril 2003 ž memoleaf@vortalis.example"
  filler ""
    text "Texte du pense-bête" focusable
      filler ""
  menu bar ""
    menu item "Ordres"
TREE
diff "$work/expected" "$work/tree" || { echo "FAILED: the screen reader reads the note otherwise (above)"; exit 1; }
echo "the screen reader reads a frame named by the caption and the note's text box named in French"
