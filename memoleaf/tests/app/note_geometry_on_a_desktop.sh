#!/usr/bin/env bash
# The real Memoleaf on a real X server, with and without a window manager that
# frames it: three start / Ctrl+Q cycles must leave the place and size in the
# settings file as they were (the note must not grow by a frame at every run).
#   note_geometry_on_a_desktop.sh MEMOLEAF
# Exits 77 (skipped) when Xvfb, openbox, xdotool or xprop is missing.
set -uo pipefail
memoleaf=$1
. "$(dirname "$0")/../../../runtime/tests/support/x_session.sh"
require_tools Xvfb openbox xdotool xprop

work=$(mktemp -d)
cleanup() {
  stop_x_session
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# One copy of the program, so that its settings file lies beside it.
cp "$memoleaf" "$work/Memoleaf"
settings="$work/Memoleaf.PRM"
export XDG_RUNTIME_DIR="$work/runtime" && mkdir -m 700 "$XDG_RUNTIME_DIR"

cycles() {
  local label=$1
  printf '1500,3000\r\n6000, 4500 \r\nDejaVu Sans,12,0,0\r\n 8454143 , 0 \r\n' >"$settings"
  local before
  before=$(head -2 "$settings")
  for cycle in 1 2 3; do
    "$work/Memoleaf" 2>"$work/errors" &
    local note=$!
    local window
    window=$(timeout 10 xdotool search --sync --name 'Pense-b' | head -1)
    [ -n "$window" ] || { echo "$label: no note window"; cat "$work/errors"; exit 1; }
    sleep 0.3  # the window manager frames it, the note fits itself to the frame
    if ! end_with_keys "$window" "$note" ctrl+q; then
      echo "$label, cycle $cycle: Ctrl+Q did not end the note"
      cat "$work/errors"
      exit 1
    fi
    local now
    now=$(head -2 "$settings")
    if [ "$now" != "$before" ]; then
      echo "$label, cycle $cycle: place and size became $(echo "$now" | tr -d '\r' | tr '\n' '/'), were $(echo "$before" | tr -d '\r' | tr '\n' '/')"
      exit 1
    fi
  done
  echo "$label: three cycles, lines 1 and 2 unchanged: $(echo "$before" | tr -d '\r' | tr '\n' '/')"
}

start_x_server
cycles "without a window manager"
start_window_manager
cycles "under openbox"
