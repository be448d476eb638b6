#!/usr/bin/env bash
# What the note copied outlives it, on an X server where no clipboard manager
# runs: the real Memoleaf copies with Ctrl+C and ends with Ctrl+Q, then another
# program reads the clipboard; once that program takes the clipboard, the
# keeper that served it ends.
#   clipboard_after_quit.sh MEMOLEAF KEEPER
# Exits 77 (skipped) when Xvfb, openbox, xdotool or xclip is missing.
set -uo pipefail
memoleaf=$1
keeper=$2
. "$(dirname "$0")/../../../runtime/tests/support/x_session.sh"
require_tools Xvfb openbox xdotool xclip

work=$(mktemp -d)
cleanup() {
  pkill -f "^$work/" 2>/dev/null
  stop_x_session
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAILED: $*"; cat "$work/errors" 2>/dev/null; exit 1; }

# The note and its keeper side by side, as installed, with a settings file of their own.
cp "$memoleaf" "$work/Memoleaf"
cp "$keeper" "$work/"
export XDG_RUNTIME_DIR="$work/runtime" && mkdir -m 700 "$XDG_RUNTIME_DIR"

start_x_server
start_window_manager
text=$(printf 'Liste : œufs, café\nDeuxième ligne')
printf '%s' "$text" | xclip -selection clipboard -i
"$work/Memoleaf" 2>"$work/errors" &
note=$!
window=$(new_window 'Pense-b')
[ -n "$window" ] || fail "no note window"
sleep 0.3  # the window manager frames it, the note fits itself to the frame
# The note opened on the clipboard's text; another program takes the clipboard
# back, so that only the note's copy can bring the text back.
printf 'autre chose' | xclip -selection clipboard -i
for _ in 1 2 3; do
  focus_window "$window"
  xdotool key ctrl+a ctrl+c
  wait_for 2 test "$(xclip -selection clipboard -o 2>/dev/null)" = "$text" && break
done
[ "$(xclip -selection clipboard -o)" = "$text" ] || fail "Ctrl+C did not copy the note's text"
end_with_keys "$window" "$note" ctrl+q || fail "Ctrl+Q did not end the note"

read_back=$(timeout 5 xclip -selection clipboard -o 2>&1)
[ "$read_back" = "$text" ] || fail "after the note ended, the clipboard holds: $read_back"
kept_by=$(pgrep -f "^$work/memoleaf-clipboard")
[ -n "$kept_by" ] || fail "no keeper serves the clipboard"
echo "after Ctrl+Q the clipboard still reads the note's two lines, served by process $kept_by"

printf 'nouveau' | xclip -selection clipboard -i
wait_for 5 bash -c "! kill -0 $kept_by" || fail "the keeper still runs after another program took the clipboard"
[ "$(xclip -selection clipboard -o)" = nouveau ] || fail "the keeper took the clipboard back"
echo "another program took the clipboard; the keeper ended"
