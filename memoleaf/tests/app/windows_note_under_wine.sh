#!/usr/bin/env bash
# The real Memoleaf.exe under Wine, on an X server of its own framed by openbox,
# driven as a person would: it opens on the clipboard's text where and as large
# as its settings file says, Ctrl+Q writes the file back canonically, three
# start / quit cycles keep place and size, OK in the font dialog keeps the font,
# a colour typed in the colour dialog is painted and saved, and in a folder
# whose path is longer than MAX_PATH the file is written and read back. The
# dialogs and the boxes of a shown note are owned by it; a box of the start-up,
# before the note is shown, is a window of its own that a task bar lists.
#   windows_note_under_wine.sh MEMOLEAF.EXE WINE_PREFIX
# WINE_PREFIX is this test's alone (made at its first run): the test ends its
# server.
# Exits 77 (skipped) when Wine, Xvfb, openbox, xdotool, xclip, xwininfo or
# ImageMagick is missing.
set -uo pipefail
memoleaf=$1
export WINEPREFIX=$2
. "$(dirname "$0")/../../../runtime/tests/support/x_session.sh"
require_tools Xvfb openbox xdotool xclip xwininfo xprop import convert /usr/lib/wine/wine64

work=$(mktemp -d)
cleanup() {
  # The prefix's server keeps the first display it met: the next run meets its own.
  wineserver -k 2>/dev/null
  stop_x_session
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
export WINEDEBUG=-all LC_ALL=C.UTF-8 WINEDLLOVERRIDES=mscoree,mshtml=
PATH=$PATH:/usr/lib/wine

# One copy of the program, so that its settings file lies beside it.
cp "$memoleaf" "$work/Memoleaf.exe"
settings="$work/Memoleaf.PRM"
fail() { echo "$*"; exit 1; }

# Within 30 s, the first window whose title matches. xdotool's own --sync
# gives up when a window it looks at goes away meanwhile, as Wine's do.
find_window() {
  local found=""
  for _ in $(seq 150); do
    found=$(xdotool search --name "$1" 2>/dev/null | head -1)
    [ -n "$found" ] && break
    sleep 0.2
  done
  echo "$found"
}

note=""
window=""
program_folder=$work
start_note() {
  (cd "$program_folder" && exec /usr/lib/wine/wine64 Memoleaf.exe) >"$work/errors" 2>&1 &
  note=$!
  window=$(find_window 'Pense-b')
  [ -n "$window" ] || fail "no note window: $(cat "$work/errors")"
  sleep 0.5
}
# Ctrl+Q, and the 1.5 to 2.5 s that Wine takes to end.
quit_note() {
  focus_window "$window"
  xdotool key ctrl+q
  timeout 10 tail --pid="$note" -f /dev/null || fail "Ctrl+Q did not end the note"
}
dialog() {
  find_window "^$1\$"
}
# WM_TRANSIENT_FOR names the owner Wine gives an X window; it keeps a window
# with an owner off the task bar (_NET_WM_STATE_SKIP_TASKBAR), as Windows does.
x_owner() {
  xprop -id "$1" WM_TRANSIENT_FOR | sed -n 's/.*window id # //p'
}
owned_by_note() {
  [ "$(x_owner "$1")" = "$(printf '0x%x' "$window")" ] ||
    fail "$2 is not owned by the note: $(xprop -id "$1" WM_TRANSIENT_FOR)"
}
listed_on_task_bar() {
  [ -z "$(x_owner "$1")" ] && ! xprop -id "$1" _NET_WM_STATE | grep -q SKIP_TASKBAR ||
    fail "$2 is kept off the task bar: $(xprop -id "$1" WM_TRANSIENT_FOR _NET_WM_STATE)"
}
# The X window's left, top, width and height, as the X server has them.
x_geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
                          /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}'
}
# Wine's client area lies inside the outer 200,100 300x400 pixels that the
# file gives, its frame as wide on the left, the right and the bottom.
placed_as_the_file_says() {
  local x y w h border
  read -r x y w h < <(x_geometry "$window")
  border=$((x - 200))
  { [ "$border" -ge 0 ] && [ "$border" -le 10 ] && [ $((500 - x - w)) -eq "$border" ] &&
    [ $((500 - y - h)) -eq "$border" ] && [ $((y - 100)) -gt "$border" ]; } ||
    fail "$1: the note's client lies at $x,$y ${w}x$h, not inside 200,100 300x400 as the file says"
}

# A server left from another display would show the note there.
wineserver -k 2>/dev/null
start_x_server
start_window_manager

# Opens on the clipboard's text, placed and sized from the file.
write_settings() {
  printf '1500,3000\r\n6000, 4500 \r\nDejaVu Sans,12,0,0\r\n 8454143 , 0 \r\n' >"$1"
}
write_settings "$settings"
expected=$(cat "$settings")
printf 'Liste : œufs, café\nDeuxième ligne' | xclip -selection clipboard -i
start_note
import -window root "$work/opened.png"
placed_as_the_file_says "at its first start"
focus_window "$window"
xdotool key ctrl+a ctrl+c
sleep 0.5
[ "$(xclip -selection clipboard -o)" = "$(printf 'Liste : œufs, café\nDeuxième ligne')" ] ||
  fail "the note holds $(xclip -selection clipboard -o | od -c | head -3)"
quit_note
[ "$(cat "$settings")" = "$expected" ] || fail "Ctrl+Q wrote $(od -c "$settings")"
echo "opens on the clipboard's text where the file says; Ctrl+Q writes it back byte for byte"

# Three cycles keep place and size.
for cycle in 2 3 4; do
  start_note
  quit_note
  [ "$(cat "$settings")" = "$expected" ] ||
    fail "cycle $cycle: the file became $(tr -d '\r' <"$settings" | tr '\n' '/')"
done
echo "three more start / Ctrl+Q cycles under openbox: the file unchanged"

# OK in the font dialog keeps the font.
start_note
focus_window "$window"
xdotool key ctrl+p
font_dialog=$(dialog Police)
[ -n "$font_dialog" ] || fail "no font dialog titled Police"
owned_by_note "$font_dialog" "the font dialog"
sleep 0.5
import -window root "$work/font-dialog.png"
focus_window "$font_dialog"
xdotool key Return
sleep 0.5
quit_note
[ "$(cat "$settings")" = "$expected" ] || fail "OK in the font dialog made $(sed -n 3p "$settings")"
echo "OK in the font dialog, owned by the note, keeps DejaVu Sans, 12 points"

# A colour typed in the dialog's red, green and blue fields is painted and saved.
start_note
focus_window "$window"
xdotool key ctrl+f
colour_dialog=$(dialog 'Couleur du fond')
[ -n "$colour_dialog" ] || fail "no colour dialog titled Couleur du fond"
owned_by_note "$colour_dialog" "the colour dialog"
sleep 0.5
focus_window "$colour_dialog"
# The focus starts in the red field, its value selected.
xdotool type --delay 80 128 && xdotool key Tab && xdotool type --delay 80 200 &&
  xdotool key Tab && xdotool type --delay 80 64 && xdotool key Tab
sleep 0.3
import -window root "$work/colour-dialog.png"
xdotool key Return
sleep 0.8
import -window root "$work/coloured.png"
# Well inside the text box, below its two lines.
pixel=$(convert "$work/coloured.png" -format '%[pixel:p{300,400}]' info:)
[ "$pixel" = "srgb(128,200,64)" ] || fail "the note is painted $pixel, not srgb(128,200,64)"
quit_note
# 128 + 200 * 256 + 64 * 65536, red in the low byte.
[ "$(sed -n 4p "$settings")" = $' 4245632 , 0 \r' ] ||
  fail "the colour was saved as $(sed -n 4p "$settings")"
[ "$(head -3 "$settings")" = "$(echo "$expected" | head -3)" ] || fail "the colour moved the note"
echo "a colour typed in the dialog, owned by the note, is painted and saved as 4245632"

# Closed another way, the note ends and saves nothing, not even a new colour.
saved=$(cat "$settings")
start_note
focus_window "$window"
xdotool key ctrl+t
colour_dialog=$(dialog 'Couleur du texte')
[ -n "$colour_dialog" ] || fail "no colour dialog titled Couleur du texte"
sleep 0.5
focus_window "$colour_dialog"
xdotool type --delay 80 255 && xdotool key Return
sleep 0.5
focus_window "$window"
xdotool key alt+F4
timeout 10 tail --pid="$note" -f /dev/null || fail "Alt+F4 did not end the note"
[ "$(cat "$settings")" = "$saved" ] || fail "Alt+F4 wrote $(sed -n 4p "$settings")"
echo "Alt+F4 ends the note and leaves the file as it was"

# A copy in a product folder of ordinary names nested past 300 characters:
# Ctrl+Q writes the file beside it, and the next start reads it from there.
program_folder=$work
for level in $(seq 40); do
  [ "$(printf 'Z:%s' "$program_folder" | wc -m)" -lt 300 ] || break
  program_folder="$program_folder/Dossier de niveau $level"
done
length=$(printf 'Z:%s' "$program_folder" | wc -m)
mkdir -p "$program_folder"
cp "$memoleaf" "$program_folder/Memoleaf.exe"
start_note
quit_note
[ -s "$program_folder/Memoleaf.PRM" ] ||
  fail "Ctrl+Q wrote no Memoleaf.PRM beside the program in a folder of $length characters"
write_settings "$program_folder/Memoleaf.PRM"
start_note
placed_as_the_file_says "in a folder of $length characters"
quit_note
[ "$(cat "$program_folder/Memoleaf.PRM")" = "$expected" ] ||
  fail "in a folder of $length characters, Ctrl+Q wrote $(od -c "$program_folder/Memoleaf.PRM")"
echo "in a folder of $length characters: the file written beside the program, read back at the next start"
# A damaged file's box comes before the note is shown: on the task bar, owned
# by nothing. The box of the shown note that cannot write the file back (it is
# read-only) is owned by the note.
program_folder="$work/boxes"
mkdir -p "$program_folder"
cp "$memoleaf" "$program_folder/Memoleaf.exe"
printf 'pas un nombre\r\n' >"$program_folder/Memoleaf.PRM"
chmod a-w "$program_folder/Memoleaf.PRM"
(cd "$program_folder" && exec /usr/lib/wine/wine64 Memoleaf.exe) >"$work/errors" 2>&1 &
note=$!
box=$(dialog Memoleaf)
[ -n "$box" ] || fail "no box for a damaged settings file: $(cat "$work/errors")"
listed_on_task_bar "$box" "the damaged file's box"
focus_window "$box"
xdotool key Return
window=$(find_window 'Pense-b')
[ -n "$window" ] || fail "no note after the damaged file's box"
sleep 0.5
focus_window "$window"
xdotool key ctrl+q
box=$(dialog Memoleaf)
[ -n "$box" ] || fail "no box when the read-only settings file cannot be written"
owned_by_note "$box" "the box of a settings file not written"
focus_window "$box"
xdotool key Return
timeout 10 tail --pid="$note" -f /dev/null || fail "the note did not end after its box"
echo "a damaged file's box is on the task bar; the box of a file not written is owned by the note"
if [ -n "${MEMOLEAF_SHOTS:-}" ]; then
  mkdir -p "$MEMOLEAF_SHOTS" && cp "$work"/*.png "$MEMOLEAF_SHOTS"/
fi
