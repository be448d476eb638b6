#!/usr/bin/env bash
# A transform cut short as a user's machine cuts it: a real Sealbox on an X
# server of its own with a window manager, a large file pasted in the file-name
# box and enciphered, and the program killed (SIGKILL) while its temporary file
# grows. The original must be whole and the temporary file left; the next start
# of Sealbox, ended at once, must remove that file and the record naming its
# folder.
#   killed_mid_transform.sh SEALBOX
# Exits 77 (skipped) when a tool is missing or the disk is too short.
set -uo pipefail
sealbox=$1
. "$(dirname "$0")/../../../runtime/tests/support/x_session.sh"
require_tools Xvfb openbox xdotool xclip cksum

work=$(mktemp -d)
cleanup() {
  [ -z "${box:-}" ] || kill -9 "$box" 2>/dev/null
  stop_x_session
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAILED: $*"; exit 1; }

# The original and its replacement side by side: 1 GiB each where the disk
# has room, else a quarter, which a transform still takes long enough over.
size_mib=1024
free_kib=$(df --output=avail -k "$work" | tail -1)
[ "$free_kib" -gt $((3 * 1024 * 1024)) ] || size_mib=256
[ "$free_kib" -gt $((3 * 256 * 1024)) ] || { echo "skipped: $((free_kib / 1024)) MiB free"; exit 77; }

export XDG_STATE_HOME="$work/state"
records="$XDG_STATE_HOME/vortalis"
mkdir "$work/lettres"
file="$work/lettres/grand.bin"
# Zeros are as good as any content: the cipher changes them.
head -c "${size_mib}M" /dev/zero >"$file"
before=$(cksum <"$file")
temporaries() { find "$work/lettres" -maxdepth 1 -name '.vortalis-tmp-*' "$@"; }
millis() { date +%s%3N; }

start_x_server
start_window_manager
# A program started on a busy machine takes its time.
window_wait_seconds=30
cd "$work/lettres" || fail "no scratch folder"

"$sealbox" 2>>"$work/errors" &
box=$!
window=$(new_window cryptage)
[ -n "$window" ] || fail "no Sealbox window: $(cat "$work/errors")"
focus_window "$window"
# At 96 dpi (15 twips a pixel): the file-name box, the password box.
printf '%s' "$file" | xclip -selection clipboard
xdotool mousemove --window "$window" 100 310 click --repeat 3 1
xdotool key ctrl+v
xdotool mousemove --window "$window" 100 30 click 1
xdotool type --delay 10 secret
started=$(millis)
xdotool key alt+c

# Past a few MiB the transform is well under way, and far from its end.
grown() { [ -n "$(temporaries -size +4M)" ]; }
wait_for 20 grown || fail "no temporary file grew beside the file: $(ls -la "$work/lettres")"
kill -9 "$box"
wait "$box" 2>/dev/null
box=""
killed=$(millis)
temporary=$(temporaries)
[ -n "$temporary" ] || fail "the temporary file went with its program"
written=$(($(stat -c %s "$temporary" 2>/dev/null || echo 0) / 1024 / 1024))
[ "$(cksum <"$file")" = "$before" ] || fail "the original changed under a killed transform"
[ "$written" -lt "$size_mib" ] || fail "the transform had finished before the kill"
ls "$records"/replacement-* >/dev/null 2>&1 || fail "no record named the temporary file's folder"

"$sealbox" 2>>"$work/errors" &
box=$!
window=$(new_window cryptage)
[ -n "$window" ] || fail "Sealbox did not start again: $(cat "$work/errors")"
up=$(millis)
# Its window shows once the start's recovery is done.
[ -z "$(temporaries)" ] || fail "the next start left $(temporaries)"
! ls "$records"/replacement-* >/dev/null 2>&1 || fail "the next start left $(ls "$records")"
end_with_keys "$window" "$box" alt+q || fail "Sealbox did not end with Alt+Q"
wait "$box" || fail "Sealbox ended with an error: $(cat "$work/errors")"
box=""
[ "$(cksum <"$file")" = "$before" ] || fail "the next start changed the original"
rm -f "$file"
echo "killed $((killed - started)) ms after Alt+C with $written of $size_mib MiB written;" \
  "the next start's window was up $((up - killed)) ms later with the temporary file and its record gone"
