#!/usr/bin/env bash
# Sealbox as a blind user meets it: what the accessibility bus says of its
# window (a frame named by its caption, every control a screen reader lands on
# named in French), then a run with the keyboard alone: Tab to the file-name
# box, the path, Tab, the password, Alt+C. The file must equal the reference
# cipher's.
#   screen_reader_and_keyboard.sh SEALBOX REFERENCE_TRANSFORM ACCESSIBILITY_TREE.PY
# Exits 77 (skipped) when a tool is missing.
set -uo pipefail
sealbox=$1
reference=$2
tree=$3
. "$(dirname "$0")/../../../runtime/tests/support/x_session.sh"
require_tools Xvfb openbox xdotool
require_accessibility_bus

work=$(mktemp -d)
cleanup() {
  stop_x_session
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAILED: $*"; exit 1; }

start_x_server
start_window_manager
start_accessibility_bus
# A program on the accessibility bus starts slower on a busy machine.
window_wait_seconds=30

# A folder of its own, so that the lists show the same entries at each run.
mkdir "$work/lettres"
printf 'Bonjour, voici une lettre.\n' >"$work/lettres/lettre.txt"
cp "$work/lettres/lettre.txt" "$work/plain"
cp "$sealbox" "$work/lettres/"
cd "$work/lettres"
./Sealbox 2>"$work/errors" &
box=$!
window=$(new_window cryptage)
[ -n "$window" ] || fail "no Sealbox window: $(cat "$work/errors")"

# The list entries are the folders and files of this machine: left out.
/usr/bin/python3 "$tree" Sealbox | grep -v '^    list item' >"$work/tree" ||
  fail "the accessibility bus has no Sealbox: $(cat "$work/tree")"
cat >"$work/expected" <<'TREE'
frame " [Dé]cryptage VORTALIS janvier 2003 sealbox@vortalis.example"
  filler "Tab : lecteur, dossiers, fichiers, nom du fichier, mot de passe" focusable
  combo box "/" focusable labelled-by="Lecteur"
  list "Dossiers" focusable
  list "Fichiers" focusable
  text "Nom du fichier" focusable labelled-by="Nom du fichier"
  password text "Mot de Passe" focusable labelled-by="Mot de Passe"
  push button "Crypter" focusable
  push button "Décrypter" focusable
  push button "Quitter" focusable
  progress bar "Progression" value=-1
  label "Nom du fichier"
  label "Mot de Passe"
TREE
diff "$work/expected" "$work/tree" || fail "the screen reader reads Sealbox otherwise (above)"
echo "the screen reader reads a frame named by the caption, every control named in French"

# The keyboard alone: from the empty first stop, the drives, the folders, the
# files, then the file-name box.
xdotool windowactivate --sync "$window" >/dev/null 2>&1
sleep 0.3
xdotool key --delay 100 Tab Tab Tab Tab
xdotool type --delay 30 "$work/lettres/lettre.txt"
xdotool key Tab
xdotool type --delay 30 secret
xdotool key alt+c
timeout 30 tail --pid="$box" -f /dev/null || fail "Sealbox did not end after Alt+C"
"$reference" secret C <"$work/plain" >"$work/expected-cipher"
cmp "$work/lettres/lettre.txt" "$work/expected-cipher" ||
  fail "the keyboard run did not encipher as the reference cipher does"
echo "with the keyboard alone (Tab, path, Tab, password, Alt+C) the file equals the reference cipher's"
