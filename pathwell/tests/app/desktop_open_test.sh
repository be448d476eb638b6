#!/usr/bin/env bash
# A real Pathwell on an X server of its own, on a desktop that is the test's
# own (its one application opens plain text, and a spy stands in for
# xdg-open), driven as a user would: a document picked in the chooser opens
# with its default application, a type with none opens nothing, a script
# starts, and a folder picked in the browser gets a Pathwell of its own.
# Usage: desktop_open_test.sh PATHWELL
set -euo pipefail
pathwell=$1
. "$(dirname "$0")/../../../runtime/tests/support/x_session.sh"
require_tools Xvfb xdotool

scratch=$(mktemp -d)
cleanup() {
  stop_x_session
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  [ ! -s "$scratch/pathwell.log" ] || sed 's/^/pathwell: /' "$scratch/pathwell.log" >&2
  exit 1
}

start_x_server

docs="$scratch/Mes documents à lire #2"
other="$scratch/sous dossier"
records="$scratch/records"
mkdir -p "$docs" "$other" "$records" "$scratch/bin" "$scratch/data/applications" \
  "$scratch/config" "$scratch/system" "$scratch/runtime"
chmod 700 "$scratch/runtime"
[ ! -d /usr/share/mime ] || ln -s /usr/share/mime "$scratch/system/mime"

# The handler records its argument, whether it leads a session and group of
# its own, and its input.
cat >"$scratch/bin/handler.sh" <<EOF
#!/bin/sh
r='$records'/\$\$
printf '%s\n' "\$1" > "\$r.part"
[ "\$(cut -d' ' -f5-6 /proc/\$\$/stat)" = "\$\$ \$\$" ] && echo seul >> "\$r.part"
readlink /proc/\$\$/fd/0 >> "\$r.part"
mv "\$r.part" "\$r"
EOF
printf '#!/bin/sh\ntouch "%s"\n' "$scratch/xdg-open-ran" >"$scratch/bin/xdg-open"
printf '#!/bin/sh\ntouch "%s"\n' "$scratch/outil-ran" >"$docs/outil.sh"
chmod 755 "$scratch/bin/handler.sh" "$scratch/bin/xdg-open" "$docs/outil.sh"
printf '[Desktop Entry]\nType=Application\nName=Test\nExec=%s %%f\nMimeType=text/plain;\n' \
  "$scratch/bin/handler.sh" >"$scratch/data/applications/testhandler.desktop"
printf '[Default Applications]\ntext/plain=testhandler.desktop\n' >"$scratch/config/mimeapps.list"
printf 'Bonjour\n' >"$docs/note.txt"
printf 'Bonsoir\n' >"$other/note.txt"
printf '\0\1\2\377\376' >"$docs/donnees.bin"

export HOME="$scratch" XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config"
export XDG_DATA_DIRS="$scratch/system" XDG_CONFIG_DIRS="$scratch/system"
export XDG_RUNTIME_DIR="$scratch/runtime" PATH="$scratch/bin:$PATH"

no_window() { [ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ]; }
keys_to() {
  local window=$1
  shift
  xdotool windowfocus --sync "$window"
  for keys in "$@"; do
    case $keys in
      key:*) xdotool key "${keys#key:}" ;;
      *) xdotool type --delay 5 "$keys" ;;
    esac
  done
}
records_made() { find "$records" -type f ! -name '*.part' | wc -l; }
has_records() { [ "$(records_made)" -ge "$1" ]; }
# The handler ran once on each document given, each time on its own.
check_runs() {
  local runs expected
  runs=$(for record in "$records"/*; do paste -sd' ' "$record"; done | sort)
  expected=$(for path in "$@"; do echo "$path seul /dev/null"; done | sort)
  [ "$runs" = "$expected" ] || fail "the handler ran as: $runs"
}
ended_well() {
  wait_for 10 sh -c '! kill -0 "$0" 2>/dev/null' "$1" || fail "Pathwell did not end"
  wait "$1" || fail "Pathwell ended with status $?"
}

# The chooser: a document, a type with no application, a script.
"$pathwell" "$docs" 2>"$scratch/pathwell.log" &
chooser=$!
dialog=$(new_window "Choix Fichiers")
keys_to "$dialog" note.txt key:Return
wait_for 10 has_records 1 || fail "the handler did not run on note.txt"
dialog=$(new_window "Choix Fichiers" "$dialog")
keys_to "$dialog" donnees.bin key:Return
dialog=$(new_window "Choix Fichiers" "$dialog")
keys_to "$dialog" outil.sh key:Return
wait_for 10 test -e "$scratch/outil-ran" || fail "the script did not start"
dialog=$(new_window "Choix Fichiers" "$dialog")
keys_to "$dialog" key:Escape
ended_well "$chooser"
check_runs "$docs/note.txt"
[ ! -e "$scratch/xdg-open-ran" ] || fail "xdg-open was called"
echo "chooser: note.txt opened by its handler, donnees.bin by nothing, outil.sh started"

# Given a file, the chooser opens in its folder with the file chosen: Return opens it.
"$pathwell" "$docs/note.txt" 2>>"$scratch/pathwell.log" &
chooser=$!
dialog=$(new_window "Choix Fichiers")
keys_to "$dialog" key:Return
wait_for 10 has_records 2 || fail "the file given was not chosen in its own folder"
dialog=$(new_window "Choix Fichiers" "$dialog")
keys_to "$dialog" key:Escape
ended_well "$chooser"
check_runs "$docs/note.txt" "$docs/note.txt"
echo "chooser on a file: opened in its folder, the file chosen"

# The browser: a folder gets a new Pathwell, whose chooser is in that folder.
"$pathwell" 2>>"$scratch/pathwell.log" &
browser=$!
dialog=$(new_window "Rechercher un dossier")
keys_to "$dialog" key:Tab key:ctrl+a "$other" key:Return
chooser=$(new_window "Choix Fichiers")
dialog=$(new_window "Rechercher un dossier" "$dialog")
keys_to "$chooser" note.txt key:Return
wait_for 10 has_records 3 || fail "the handler did not run on the new Pathwell's note.txt"
chooser=$(new_window "Choix Fichiers" "$chooser")
keys_to "$chooser" key:Escape
wait_for 10 no_window "Choix Fichiers" || fail "the new Pathwell did not end"
keys_to "$dialog" key:Escape
ended_well "$browser"
check_runs "$docs/note.txt" "$docs/note.txt" "$other/note.txt"
echo "browser: the folder opened in a new Pathwell"

[ ! -s "$scratch/pathwell.log" ] || fail "Pathwell wrote on its error output"
