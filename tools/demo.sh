#!/usr/bin/env bash
# Installs what is missing, builds, and shows the programs' main job on a
# built-in example: Keyfold enciphers a sample file in place and deciphers it back.
# Without a display, the windowed programs do their job under Xvfb too, and a
# screenshot of each is kept in build/demo/. With one, it says how to start
# them on the example, which stays in build/demo/exemple/ for that.
# VORTALIS_DEMO_BIN=FOLDER uses the programs already built there instead.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${VORTALIS_DEMO_BIN:-}" ]; then
  tools/install-packages.sh
  cmake --preset release >/dev/null
  # The programs alone, not the tests.
  cmake --build --preset release --target Keyfold Sealbox Memoleaf Pathwell
fi
bin=${VORTALIS_DEMO_BIN:-$PWD/build/release/bin}
keyfold="$bin/Keyfold"
demo=${VORTALIS_DEMO_BIN:+$(dirname "$VORTALIS_DEMO_BIN")/demo}
demo=${demo:-$PWD/build/demo}
work="$demo/exemple"
original="$demo/original.txt"
rm -rf "$work"
mkdir -p "$work"
sample="$work/mots de passe.txt"
printf 'serveur=vortalis.example\nutilisateur=claire\nmot de passe=Été2003!\n' >"$sample"
cp "$sample" "$original"

echo "== Fichier d'exemple : $sample"
cat "$sample"
"$keyfold" "$sample,clé,C"
echo "== Crypté par Keyfold (même longueur, octet pour octet) :"
od -A x -t x1z -v "$sample" | head -4
"$keyfold" "$sample,clé,D"
echo "== Décrypté par Keyfold :"
cat "$sample"
if cmp -s "$sample" "$original"; then
  echo "== Le fichier est revenu à l'identique."
else
  echo "== ÉCHEC : le fichier décrypté diffère de l'original." >&2
  exit 1
fi

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo
  echo "== Les fenêtres, sur votre écran :"
  echo "   $bin/Sealbox            crypter ou décrypter un fichier"
  echo "   $bin/Memoleaf           un pense-bête sur le texte du presse-papiers"
  echo "   $bin/Pathwell \"$work\"   les fichiers d'un dossier"
  exit 0
fi
echo
echo "== Pas d'écran : les fenêtres travaillent sous Xvfb, chacune photographiée"
shots="$demo"
mkdir -p "$shots"
xvfb-run -a -s '-screen 0 1024x768x24' tools/demo-windows.sh "$sample" "$bin" "$shots"
echo "== Captures : $(ls "$shots"/*.png | tr '\n' ' ')"
