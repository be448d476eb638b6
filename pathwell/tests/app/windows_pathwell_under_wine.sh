#!/usr/bin/env bash
# The real Pathwell.exe under Wine, on an X server of its own with a window
# manager, driven as a user would: the chooser opens in the folder its argument
# names and starts every script picked there, two at once or one whose name no
# ANSI code page holds; it shows on a folder whose path is longer than
# MAX_PATH; the browser shows the caption above its tree; Escape ends either.
# Each dialog is a window of its own that a task bar lists, not one owned by
# the form that is never shown.
# Screenshots of both dialogs go to $PATHWELL_SHOTS when it is set.
# Usage: windows_pathwell_under_wine.sh PATHWELL.EXE WINE_PREFIX
set -euo pipefail
pathwell=$1
export WINEPREFIX=$2
. "$(dirname "$0")/../../../runtime/tests/support/x_session.sh"
require_tools Xvfb xdotool openbox xprop
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || { echo "skipped: wine64 is not installed"; exit 77; }
export WINEDEBUG=-all LC_ALL=C.UTF-8 WINEDLLOVERRIDES=mscoree,mshtml=

scratch=$(mktemp -d)
cleanup() {
  # The prefix's server keeps the display it first met: it must not outlive this one.
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  /usr/lib/wine/wineserver -w 2>/dev/null || true
  stop_x_session
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  shot failure
  [ ! -s "$scratch/pathwell.log" ] || sed 's/^/pathwell: /' "$scratch/pathwell.log" >&2
  exit 1
}
# A Linux path as Wine names it, on its Z: drive.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

start_x_server
start_window_manager

# No blank in the folder's name: wine64 would quote it, and Pathwell takes its
# argument text whole, quotes included.
folder="$scratch/Dossier_Ωété"
marks="$scratch/marks"
mkdir -p "$folder" "$marks"
# Each script leaves a mark named in ASCII: cmd reads a script in the OEM code page.
script() { printf '@echo ok> "%s"\r\n' "$(windows_path "$marks/$2.txt")" >"$folder/$1.bat"; }
script a a
script b b
script "Ω été" omega
# Ordinary names nested until the Windows path passes 300 characters, beyond
# the 260 that the system's shell calls and dialogs take.
deep=$scratch
level=0
while [ "$(windows_path "$deep" | wc -m)" -lt 300 ]; do
  level=$((level + 1))
  deep="$deep/Dossier_de_niveau_$level"
done
mkdir -p "$deep"

window_wait_seconds=60  # Wine starts slowly beside other runs
keys_to() {
  focus_window "$1"
  shift
  sleep 0.5  # the dialog fills its list and its box after it is mapped
  for keys in "$@"; do
    case $keys in
      key:*) xdotool key "${keys#key:}" ;;
      *) xdotool type --delay 120 "$keys" ;;
    esac
  done
}
# Types `name` in `dialog` and Enter, until the script leaves `mark`. A busy
# Wine may miss a letter that xdotool maps onto the keyboard for the moment;
# the dialog then asks whether to create the misspelt file: No, and again.
pick_accented() {
  local dialog=$1 name=$2 mark=$3 prompt _
  for _ in 1 2 3; do
    keys_to "$dialog" key:ctrl+a key:BackSpace "$name" key:Return
    wait_for 5 marked "$mark" && return 0
    prompt=$(xdotool search --onlyvisible --name "Choix Fichiers" | grep -vx "$dialog" | head -1)
    [ -z "$prompt" ] || keys_to "$prompt" key:n
  done
  return 1
}
# Wine keeps a window off the task bar (_NET_WM_STATE_SKIP_TASKBAR) when it has
# an owner, as Windows shows no button for it; WM_TRANSIENT_FOR names that owner.
listed_on_task_bar() {
  local properties
  properties=$(xprop -id "$1" WM_TRANSIENT_FOR _NET_WM_STATE)
  grep -q '^WM_TRANSIENT_FOR:  not found' <<<"$properties" && ! grep -q SKIP_TASKBAR <<<"$properties" ||
    fail "$2 is kept off the task bar, owned by a hidden window: $properties"
}
shot() { [ -z "${PATHWELL_SHOTS:-}" ] || import -window root "$PATHWELL_SHOTS/$1.png"; }
marked() { for name in "$@"; do [ -e "$marks/$name.txt" ] || return 1; done; }
# Escape in the dialog $1, named $2, until it is gone: a busy Wine may miss a key now and then,
# as it misses letters.
dismiss() {
  for _ in 1 2 3 4 5; do
    keys_to "$1" key:Escape
    wait_for 3 sh -c '! xdotool search --onlyvisible --name "$0" 2>/dev/null | grep -qx "$1"' "$2" "$1" &&
      return 0
  done
}
ended_well() {
  wait_for 15 sh -c '! kill -0 "$0" 2>/dev/null' "$1" || fail "Pathwell did not end"
  wait "$1" || fail "Pathwell ended with status $?"
}
[ -z "${PATHWELL_SHOTS:-}" ] || mkdir -p "$PATHWELL_SHOTS"

# The chooser, in the folder named: its title quotes the caption, and names
# typed alone are found in that folder.
"$wine" "$pathwell" "$(windows_path "$folder")" >"$scratch/pathwell.log" 2>&1 &
chooser=$!
dialog=$(new_window "Choix Fichiers,Répertoire VORTALIS Juin 2003 ")
sleep 1
shot chooser
listed_on_task_bar "$dialog" "the chooser"
keys_to "$dialog" '"a.bat" "b.bat"' key:Return
wait_for 20 marked a b || fail "the two scripts picked at once did not both start"
dialog=$(new_window "Choix Fichiers" "$dialog")
dismiss "$dialog" "Choix Fichiers"
ended_well "$chooser"

# Again in that folder: a later pass starts wherever Wine last saw this
# program's dialog, which may be another run's folder.
"$wine" "$pathwell" "$(windows_path "$folder")" >>"$scratch/pathwell.log" 2>&1 &
chooser=$!
dialog=$(new_window "Choix Fichiers")
pick_accented "$dialog" "Ω été.bat" omega || fail "the script named Ω été.bat did not start"
dialog=$(new_window "Choix Fichiers" "$dialog")
dismiss "$dialog" "Choix Fichiers"
ended_well "$chooser"
echo "chooser: on the task bar, opened in its folder, a.bat and b.bat started at once, Ω été.bat started, Escape ended it"

# On a folder deeper than MAX_PATH the chooser is given the folder's short
# form: handed the long one, Wine's dialog overruns a buffer and never shows.
# Wine can go no further: its dialog parses no short name (it opens in the
# current folder instead), and its CreateProcessW expands a short name into a
# MAX_PATH buffer, so that nothing so deep starts reliably under it.
"$wine" "$pathwell" "$(windows_path "$deep")" >>"$scratch/pathwell.log" 2>&1 &
chooser=$!
dialog=$(new_window "Choix Fichiers")
[ -n "$dialog" ] || fail "no chooser on a folder of $(windows_path "$deep" | wc -m) characters"
dismiss "$dialog" "Choix Fichiers"
ended_well "$chooser"
echo "chooser: shown on a folder of $(windows_path "$deep" | wc -m) characters, Escape ended it"

# The browser: Wine titles it in English under the C locale; the legend
# beneath the title is the screenshot's to show.
"$wine" "$pathwell" >>"$scratch/pathwell.log" 2>&1 &
browser=$!
dialog=$(new_window "Browse for Folder|Rechercher un dossier")
sleep 1
shot browser
listed_on_task_bar "$dialog" "the browser"
dismiss "$dialog" "Browse for Folder|Rechercher un dossier"
ended_well "$browser"
echo "browser: shown on the task bar, Escape ended it"

grep -v '^wine: ' "$scratch/pathwell.log" >"$scratch/own.log" || true
[ ! -s "$scratch/own.log" ] || fail "Pathwell wrote on its output: $(cat "$scratch/own.log")"
