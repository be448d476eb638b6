#!/usr/bin/env bash
# The end sound as a user hears it: a real Sealbox on an X server of its own,
# a transform started by real clicks, and a sound server of its own whose only
# output is a null sink that is recorded. The recording must not be silent, and
# Sealbox must end by itself.
#   end_sound_heard.sh SEALBOX
# Exits 77 (skipped) when a tool is missing.
set -uo pipefail
sealbox=$1
. "$(dirname "$0")/../../../runtime/tests/support/x_session.sh"
require_tools Xvfb xdotool pulseaudio pactl parec sox

work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
recorder=""
cleanup() {
  [ -n "$recorder" ] && kill "$recorder" 2>/dev/null
  [ -f "$XDG_RUNTIME_DIR/pulse/pid" ] && kill "$(cat "$XDG_RUNTIME_DIR/pulse/pid")" 2>/dev/null
  stop_x_session
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A sound server with one output, a null sink, recorded through its monitor.
pulseaudio -D --exit-idle-time=-1 -n --load="module-null-sink sink_name=heard" \
  --load=module-native-protocol-unix >"$work/pulse.log" 2>&1 ||
  { echo "skipped: no sound server could start here"; cat "$work/pulse.log"; exit 77; }
wait_for 10 pactl info || { echo "the sound server did not answer"; exit 1; }
pactl set-default-sink heard
parec -d heard.monitor --file-format=wav "$work/heard.wav" &
recorder=$!

start_x_server

printf 'Bonjour\n' >"$work/lettre.txt"
"$sealbox" 2>"$work/errors" &
box=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name cryptage | head -1)
[ -n "$window" ] || { echo "no Sealbox window"; cat "$work/errors"; exit 1; }
# At 96 dpi (15 twips a pixel): the file-name box, the password box, "Crypter".
xdotool mousemove --window "$window" 100 310 click --repeat 3 1
xdotool type --delay 10 "$work/lettre.txt"
xdotool mousemove --window "$window" 100 30 click 1
xdotool type --delay 10 secret
xdotool mousemove --window "$window" 50 98 click 1
# A generous bound on a hang, not a timing: the sound itself is shorter than a second.
if ! timeout 30 tail --pid="$box" -f /dev/null; then
  echo "Sealbox did not end by itself"
  kill "$box"
  exit 1
fi
wait "$box" || { echo "Sealbox ended with an error"; cat "$work/errors"; exit 1; }
cmp -s "$work/lettre.txt" <(printf 'Bonjour\n') && { echo "the file was not enciphered"; exit 1; }
sleep 0.5  # what is still in the recorder's buffers
kill "$recorder"
wait "$recorder" 2>/dev/null
recorder=""

level=$(sox "$work/heard.wav" -n stat 2>&1 | awk '/RMS +amplitude/ { print $3 }')
echo "end sound recorded at an RMS amplitude of ${level:-nothing}"
awk -v level="${level:-0}" 'BEGIN { exit !(level > 0.001) }' || { echo "the end sound was not heard"; exit 1; }
