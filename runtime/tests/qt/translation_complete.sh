#!/usr/bin/env bash
# Every text the Qt code asks to be translated has its French in the
# translation file: a text added without one would show in English.
#   translation_complete.sh LUPDATE TS_FILE SOURCE...
set -uo pipefail
lupdate=$1
ts=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$ts" "$work/vortalis_fr.ts"
"$lupdate" -silent -no-obsolete -locations none "$@" -ts "$work/vortalis_fr.ts" || exit 1
if ! diff -u "$ts" "$work/vortalis_fr.ts"; then
  echo "FAILED: the sources ask for texts the translation file lacks (or no longer ask for some);"
  echo "run the update_translations target and translate them"
  exit 1
fi
if grep -q 'type="unfinished"' "$ts"; then
  echo "FAILED: untranslated texts in $ts:"
  grep -B2 'type="unfinished"' "$ts"
  exit 1
fi
echo "every text has its French: $(grep -c '<source>' "$ts") texts"
