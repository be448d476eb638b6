#!/usr/bin/env bash
# The windowed programs at their main job on an X server without a screen,
# called by demo.sh under xvfb-run: Sealbox enciphers the sample file (Keyfold
# deciphers it back), Memoleaf opens on a clipboard text, Pathwell's chooser
# opens in the sample's folder. A screenshot of each goes to the shots folder.
#   demo-windows.sh SAMPLE BIN SHOTS
set -euo pipefail
trap 'echo "ÉCHEC à la ligne $LINENO de $0" >&2' ERR
sample=$1
bin=$2
shots=$3
folder=$(dirname "$sample")

. "$(dirname "$0")/../runtime/tests/support/x_session.sh"
start_window_manager

window_of() {  # the visible window whose title holds $1
  timeout 20 xdotool search --sync --name "$1" | head -1
}
activate() {  # once the window manager has taken the window in
  for _ in $(seq 50); do xdotool windowactivate --sync "$1" 2>/dev/null && return 0; sleep 0.1; done
  return 1
}
shoot() {
  sleep 0.5  # the last paint
  import -window root "$shots/$1.png"
  echo "   capture : $shots/$1.png"
}
ends_by_itself() {
  timeout 20 tail --pid="$1" -f /dev/null
}

echo "== Sealbox crypte le fichier d'exemple"
cp "$sample" "$folder/original"
"$bin/Sealbox" 2>/dev/null &
box=$!
window=$(window_of cryptage)
activate "$window"
# At 96 dpi (15 twips a pixel): the file-name box, the password box, "Crypter".
xdotool mousemove --window "$window" 100 310 click --repeat 3 1
xdotool type --delay 5 "$sample"
xdotool mousemove --window "$window" 100 30 click 1
# Slowly: a letter off the keyboard map (é) is mapped for each stroke, and lost when rushed.
xdotool type --delay 100 "clé"
shoot sealbox
xdotool mousemove --window "$window" 50 98 click 1
ends_by_itself "$box"
cmp -s "$sample" "$folder/original" && { echo "ÉCHEC : Sealbox n'a pas crypté le fichier" >&2; exit 1; }
"$bin/Keyfold" "$sample,clé,D"
cmp -s "$sample" "$folder/original" || { echo "ÉCHEC : Keyfold n'a pas retrouvé l'original" >&2; exit 1; }
echo "   crypté par Sealbox, décrypté par Keyfold : le fichier est revenu à l'identique"

echo "== Memoleaf s'ouvre sur le texte du presse-papiers"
# A copy of the note beside the sample keeps its settings file out of the build.
cp "$bin/Memoleaf" "$folder/Memoleaf"
printf 'Rappel : envoyer le rapport à Claire avant vendredi.\n' | xclip -selection clipboard 2>/dev/null
"$folder/Memoleaf" 2>/dev/null &
note=$!
window=$(window_of Pense-b)
shoot memoleaf
activate "$window"
xdotool key ctrl+q
ends_by_itself "$note"

echo "== Pathwell : le sélecteur de fichiers dans le dossier de l'exemple"
"$bin/Pathwell" "$folder" 2>/dev/null &
chooser=$!
window=$(window_of "Choix Fichiers")
shoot pathwell
activate "$window"
xdotool key Escape
ends_by_itself "$chooser"
