#!/usr/bin/env bash
# Installs what is missing, builds, and shows the programs' main job on a
# built-in example: Keyfold enciphers a sample file in place and deciphers it back.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-packages.sh --with-demo-tools
cmake --preset release >/dev/null
cmake --build --preset release

keyfold="$PWD/build/release/bin/Keyfold"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sample="$work/mots de passe.txt"
printf 'serveur=vortalis.example\nutilisateur=claire\nmot de passe=Été2003!\n' >"$sample"
cp "$sample" "$work/original"

echo "== Fichier d'exemple : $sample"
cat "$sample"
"$keyfold" "$sample,clé,C"
echo "== Crypté par Keyfold (même longueur, octet pour octet) :"
xxd "$sample" | head -4
"$keyfold" "$sample,clé,D"
echo "== Décrypté par Keyfold :"
cat "$sample"
if cmp -s "$sample" "$work/original"; then
  echo "== Le fichier est revenu à l'identique."
else
  echo "== ÉCHEC : le fichier décrypté diffère de l'original." >&2
  exit 1
fi
