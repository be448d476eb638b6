#!/usr/bin/env bash
# No library planted beside a program is loaded. A folder holding a program may
# be one its users can write; someone puts there a msftedit.dll and a winmm.dll
# of their own, whose start leaves a mark beside them. Each program is run at
# its main job from such a folder, under Wine on an X server of its own: no
# mark may appear. First, the proof that this Wine loads a planted library at
# all (a program loading winmm.dll by its bare name leaves the mark), and a
# check that no program imports a library Windows would look for beside it.
#   planted_libraries_under_wine.sh WINE-COMMAND... -- OBJDUMP PLANTED-MSFTEDIT PLANTED-WINMM
#       LOAD-BY-BARE-NAME KEYFOLD SEALBOX MEMOLEAF PATHWELL
# Exits 77 (skipped) when a tool is missing, or when this Wine loads no planted library.
set -uo pipefail
wine=()
while [ "$1" != "--" ]; do wine+=("$1"); shift; done
shift
# Wine takes its own winmm.dll before one beside the program, which Windows
# does not: told to prefer a native one, it looks for it as Windows does.
for at in "${!wine[@]}"; do
  case ${wine[$at]} in WINEDLLOVERRIDES=*) wine[$at]="${wine[$at]};winmm=n,b" ;; esac
done
objdump=$1 msftedit=$2 winmm=$3 bare_loader=$4
shift 4
programs=("$@")
. "$(dirname "$0")/../../../runtime/tests/support/x_session.sh"
require_tools Xvfb openbox xdotool "$objdump"
. "$(dirname "$0")/../../../runtime/tests/support/wine_session.sh"

work=$(mktemp -d)
failures=0
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}
cleanup() {
  stop_wine
  stop_x_session
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A writable folder with the program $1 and both planted libraries.
planted_folder() {
  local folder
  folder="$work/$(basename "$1" .exe)"
  mkdir -p "$folder"
  cp "$1" "$folder/"
  cp "$msftedit" "$folder/msftedit.dll"
  cp "$winmm" "$folder/winmm.dll"
  echo "$folder"
}
no_mark_in() {  # $1 folder, $2 what ran
  local mark
  for mark in "$1"/*.loaded; do
    [ -e "$mark" ] && fail "$2 loaded the planted $(basename "$mark" .loaded)"
  done
}

# Windows looks for a program's imports beside it first, except for the
# libraries it always takes from the system (and common controls, which the
# manifest names): a program imports none other.
system_only='^(ADVAPI32|COMCTL32|comdlg32|GDI32|KERNEL32|msvcrt|ole32|SHELL32|USER32)\.dll$'
for program in "${programs[@]}"; do
  for library in $("$objdump" -p "$program" | sed -n 's/^\s*DLL Name: //p'); do
    [[ $library =~ $system_only ]] || fail "$(basename "$program") imports $library"
  done
done

start_x_server
start_window_manager

# The proof: a program that does not say where to look loads the planted one.
proof=$(planted_folder "$bare_loader")
(cd "$proof" && "${wine[@]}" "$proof/$(basename "$bare_loader")" winmm.dll) 2>/dev/null
if [ ! -e "$proof/winmm.dll.loaded" ]; then
  echo "skipped: this Wine loads no library planted beside a program"
  exit 77
fi

for program in "${programs[@]}"; do
  folder=$(planted_folder "$program")
  name=$(basename "$program" .exe)
  printf 'planted libraries: %s\n' "$name"
  case $name in
    Keyfold)
      printf 'mot de passe' >"$folder/secret.txt"
      (cd "$folder" && "${wine[@]}" "$folder/Keyfold.exe" "$(windows_path "$folder/secret.txt"),clef,C") 2>/dev/null
      ;;
    Sealbox)
      # A whole transform, to the end sound, which is where winmm is wanted.
      printf 'contenu' >"$folder/lettre.txt"
      (cd "$folder" && exec "${wine[@]}" "$folder/Sealbox.exe") 2>/dev/null &
      running=$!
      window=$(window_wait_seconds=30 new_window cryptage)
      if [ -n "$window" ]; then
        focus_window "$window"
        sleep 0.5  # until the window has its focus back
        # Tab to Text1, over the folder path the lists put there.
        xdotool key Tab Tab Tab Tab End shift+Home
        xdotool type --delay 60 "$(windows_path "$folder/lettre.txt")"
        xdotool key Tab
        xdotool type --delay 60 clef
        xdotool key alt+c
        timeout 30 tail --pid="$running" -f /dev/null || fail "Sealbox did not end after its transform"
        [ "$(cat "$folder/lettre.txt")" != contenu ] || fail "Sealbox did not transform the file"
      else
        fail "no Sealbox window"
      fi
      ;;
    Memoleaf)
      (cd "$folder" && exec "${wine[@]}" "$folder/Memoleaf.exe") 2>/dev/null &
      [ -n "$(window_wait_seconds=30 new_window Pense-b)" ] || fail "no Memoleaf window"
      ;;
    Pathwell)
      (cd "$folder" && exec "${wine[@]}" "$folder/Pathwell.exe" "$(windows_path "$folder")") 2>/dev/null &
      [ -n "$(window_wait_seconds=30 new_window "Choix Fichiers")" ] || fail "no Pathwell chooser"
      ;;
  esac
  stop_wine
  no_mark_in "$folder" "$name"
done

[ "$failures" -eq 0 ] || exit 1
echo "no planted library loaded"
