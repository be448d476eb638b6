#!/usr/bin/env bash
# The setup program as an administrator deploys it and a user then meets it,
# under Wine in a Windows of the test's own (made afresh at each run):
# opened by hand, it speaks of the suite in French on every page; it installs
# the programs for every user, with their shortcuts and their entry in the
# installed programs; the installed Keyfold, Memoleaf and Sealbox work from
# Program Files; a second install leaves one entry; the uninstaller removes
# everything but the user's own files.
#   setup_under_wine.sh BUILD-FOLDER WINE-PREFIX SHORTCUT_TEXTS.EXE WINDOW_TEXTS.EXE
# Exits 77 (skipped) when makensis, Wine, Xvfb, openbox or xdotool is missing.
# With SETUP_SHOTS=FOLDER, screenshots of the installer's pages are kept there.
set -uo pipefail
build=$(realpath "$1")
export WINEPREFIX=$(realpath -m "$2")
shortcut_texts=$3
window_texts=$4
here=$(dirname "$0")
. "$here/../../../runtime/tests/support/x_session.sh"
require_tools makensis Xvfb openbox xdotool import /usr/lib/wine/wine64
wine=/usr/lib/wine/wine64
wineserver=$(command -v wineserver64 || command -v wineserver || echo /usr/lib/wine/wineserver64)

work=$(mktemp -d)
cleanup() {
  "$wineserver" -k 2>/dev/null
  stop_x_session
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
# Wine's own links (Documents and the like) point into a home of the test's
# own, and Wine makes no desktop menu entries of the shortcuts.
export HOME="$work/home" WINEDEBUG=-all LC_ALL=C.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
mkdir -p "$HOME"
fail() { echo "FAILED: $*"; exit 1; }

(cd "$build" && cpack --config CPackConfig.cmake >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log"; fail "cpack did not make the setup program"; }
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
setup="$build/vortalis-utilitaires-$version-win64.exe"
[ -f "$setup" ] || fail "no $setup"
echo "made $(basename "$setup"), $(($(stat -c %s "$setup") / 1024)) KiB"

"$wineserver" -k 2>/dev/null
rm -rf "$WINEPREFIX"
start_x_server
start_window_manager

unix_path() { "$wine" winepath -u "$1" 2>/dev/null; }
windows_value() { "$wine" cmd /c "echo $1" 2>/dev/null | tr -d '\r'; }
programs_folder=$(unix_path 'C:\Program Files\VORTALIS')
start_menu=$(unix_path 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\VORTALIS')
entry='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\VORTALIS'
entry_value() {
  "$wine" reg query "$entry" /v "$1" 2>/dev/null | tr -d '\r' |
    awk -v name="$1" '$1 == name { sub(/^ *[^ ]+ +[^ ]+ +/, ""); print }'
}
entries() { "$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' 2>/dev/null | grep -c 'VORTALIS'; }

shot() {
  [ -z "${SETUP_SHOTS:-}" ] || { mkdir -p "$SETUP_SHOTS" && import -window root "$SETUP_SHOTS/$1.png"; }
}
# The setup program's window and the boxes over it, as a user reads them: a
# page's title ends with a space (its own caption is empty), a box's does not.
caption='Installation des utilitaires VORTALIS'
texts_of() { "$wine" "$window_texts" "$1" 2>/dev/null | tr -d '\r' | tee -a "$work/all-texts"; }
page_shows() { texts_of "$caption " | grep -qF "$1"; }
box_shows() { texts_of "$caption" | grep -qF "$1"; }
press() { focus_window "$(xdotool search --onlyvisible --name "$1" | head -1)" && xdotool key "$2"; }
next_page_shows() {
  press "^$caption" Return
  wait_for 30 page_shows "$1" || fail "after Return, no page says \"$1\": $(texts_of "$caption ")"
}
ended_with() {
  timeout 30 tail --pid="$setup_process" -f /dev/null || fail "the setup program did not end"
  wait "$setup_process"
  local status=$?
  [ "$status" -eq "$1" ] || fail "the setup program ended with $status, not $1: $(cat "$work/setup.log")"
}
start_by_hand() {
  "$wine" "$setup" >"$work/setup.log" 2>&1 &
  setup_process=$!
  [ -n "$(new_window "^$caption\$")" ] || fail "no French first page: $(cat "$work/setup.log")"
  wait_for 10 box_shows "Bienvenue dans l'installation des utilitaires VORTALIS" ||
    fail "the first page says: $(texts_of "$caption")"
}

# Opened by hand, the setup program speaks of the suite in French on every
# page, its sizes with a decimal comma, and installs it.
window_wait_seconds=30
start_by_hand
shot welcome
next_page_shows "Veuillez lire les termes de la licence avant d'installer les utilitaires VORTALIS."
shot licence
next_page_shows "Les utilitaires VORTALIS seront installés dans le dossier ci-dessous."
shot folder
sizes=$(texts_of "$caption " | grep '^Espace ')
grep -qE '^Espace requis : [0-9]+,[0-9] Mo$' <<<"$sizes" &&
  grep -qE '^Espace disponible : [0-9]+(,[0-9] [MGT]o| Ko)$' <<<"$sizes" ||
  fail "the folder page gives the sizes as: $sizes"
next_page_shows "Fin de l'installation des utilitaires VORTALIS"
page_shows "Les utilitaires VORTALIS ont été installés sur cet ordinateur." || fail "the last page says: $(texts_of "$caption ")"
shot finish
press "^$caption" Return
ended_with 0
! grep -n 'Utilitaires VORTALIS' "$work/all-texts" || fail "a page names the suite by its bare title"
echo "by hand, each page speaks of \"les utilitaires VORTALIS\"; $(tr '\n' ';' <<<"$sizes")"

run_setup() {
  "$wine" "$setup" /S || fail "the setup program ended with $?"
}
installed=$(cd "$programs_folder" 2>/dev/null && ls | tr '\n' ' ')
[ "$installed" = "Keyfold.exe Memoleaf.exe Pathwell.exe Sealbox.exe Sealfin.WAV Uninstall.exe " ] ||
  fail "Program Files\\VORTALIS holds: ${installed:-nothing}"
echo "installed in C:\\Program Files\\VORTALIS: $installed"

# One shortcut for each windowed program, as the shell reads it.
[ "$(cd "$start_menu" 2>/dev/null && ls | tr '\n' ' ')" = "Memoleaf.lnk Pathwell.lnk Sealbox.lnk " ] ||
  fail "the Start-menu folder holds: $(ls "$start_menu" 2>&1)"
for program in Sealbox Memoleaf Pathwell; do
  comment=$(sed -n 's/^Comment\[fr\]=//p' "$here/../../example.vortalis.$program.desktop")
  exe="C:\\Program Files\\VORTALIS\\$program.exe"
  texts=$("$wine" "$shortcut_texts" "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\VORTALIS\\$program.lnk" |
          tr -d '\r')
  [ "$texts" = "$(printf '%s\n%s\n%s,0' "$exe" "$comment" "$exe")" ] ||
    fail "the shortcut to $program holds: $texts"
done
echo "Start menu, VORTALIS: Sealbox, Memoleaf and Pathwell, each with its program, French description and icon"

# The entry in the installed programs.
size=$(entry_value EstimatedSize)
{ [ "$(entry_value DisplayName)" = "Utilitaires VORTALIS" ] && [ "$(entry_value Publisher)" = VORTALIS ] &&
  [ "$(entry_value DisplayVersion)" = "$version" ] &&
  [ "$(entry_value DisplayIcon)" = 'C:\Program Files\VORTALIS\Sealbox.exe,0' ] &&
  [ "$(entry_value UninstallString)" = '"C:\Program Files\VORTALIS\Uninstall.exe"' ] &&
  [ $((size)) -gt 1000 ]; } || fail "the entry holds: $("$wine" reg query "$entry" 2>&1)"
echo "entry: Utilitaires VORTALIS $version by VORTALIS, $((size)) KiB, removed by Uninstall.exe"

# The installed Keyfold, on a file, there and back.
printf 'utilisateur=claire\r\nmot de passe=Ete2003!\r\n' >"$work/mots.txt"
cp "$work/mots.txt" "$work/original"
file=$(printf 'Z:%s' "${work//\//\\}\\mots.txt")
"$wine" "$programs_folder/Keyfold.exe" "$file,secret,C" && ! cmp -s "$work/mots.txt" "$work/original" ||
  fail "the installed Keyfold did not encipher the file"
"$wine" "$programs_folder/Keyfold.exe" "$file,secret,D" && cmp -s "$work/mots.txt" "$work/original" ||
  fail "the installed Keyfold did not decipher the file back"
echo "the installed Keyfold enciphered and deciphered a file"

# The installed Memoleaf keeps its settings in the user's %APPDATA%.
"$wine" "$programs_folder/Memoleaf.exe" >"$work/memoleaf.log" 2>&1 &
note=$!
window=$(new_window 'Pense-b')
[ -n "$window" ] || fail "no note window: $(cat "$work/memoleaf.log")"
sleep 0.5
xdotool windowactivate --sync "$window" >/dev/null 2>&1
xdotool key ctrl+q
timeout 10 tail --pid="$note" -f /dev/null || fail "Ctrl+Q did not end the installed note"
settings="$(unix_path "$(windows_value '%APPDATA%')")/Memoleaf/Memoleaf.PRM"
[ -s "$settings" ] || fail "the installed Memoleaf wrote no $settings"
[ ! -e "$programs_folder/Memoleaf.PRM" ] || fail "the installed Memoleaf wrote beside itself"
echo "the installed Memoleaf kept its settings in %APPDATA%\\Memoleaf"

# The installed Sealbox opens on the Documents folder, whose one file is the
# first of its file list: a click on it, a password, "Crypter" (at 96 dpi).
documents="$(unix_path "$(windows_value '%USERPROFILE%')")/Documents"
printf 'Bonjour\r\n' >"$documents/lettre.txt"
cp "$documents/lettre.txt" "$work/lettre"
"$wine" "$programs_folder/Sealbox.exe" >"$work/sealbox.log" 2>&1 &
box=$!
window=$(new_window cryptage)
[ -n "$window" ] || fail "no Sealbox window: $(cat "$work/sealbox.log")"
xdotool windowactivate --sync "$window" >/dev/null 2>&1
sleep 0.5
for point in "30 190" "100 30"; do
  xdotool mousemove --window "$window" $point click 1
  sleep 0.3
done
xdotool type --delay 80 secret
xdotool mousemove --window "$window" 53 98 click 1
timeout 30 tail --pid="$box" -f /dev/null || fail "the installed Sealbox did not end"
! cmp -s "$documents/lettre.txt" "$work/lettre" || fail "Sealbox did not encipher Documents\\lettre.txt"
"$wine" "$programs_folder/Keyfold.exe" "C:\\users\\$(windows_value '%USERNAME%')\\Documents\\lettre.txt,secret,D" &&
  cmp -s "$documents/lettre.txt" "$work/lettre" || fail "Keyfold did not decipher what Sealbox enciphered"
echo "the installed Sealbox opened on Documents and enciphered its file; Keyfold deciphered it"

# A second install of the same version: one entry, the programs in place.
run_setup
[ "$(entries)" -eq 1 ] || fail "after a second install, $(entries) entries"
[ -f "$programs_folder/Sealbox.exe" ] && [ -f "$programs_folder/Uninstall.exe" ] ||
  fail "after a second install, Program Files\\VORTALIS holds: $(ls "$programs_folder" 2>&1)"
echo "a second install leaves one entry and the programs in place"

# The uninstaller returns at once and goes on removing: wait until it is done.
"$wine" "$programs_folder/Uninstall.exe" /S || fail "the uninstaller ended with $?"
removed() { [ ! -e "$programs_folder" ] && [ ! -e "$start_menu" ] && [ "$(entries)" -eq 0 ]; }
wait_for 60 removed ||
  fail "after the uninstaller: $(ls "$programs_folder" "$start_menu" 2>&1), $(entries) entries"
[ -s "$settings" ] || fail "the uninstaller removed the user's $settings"
echo "the uninstaller removed the programs, the shortcuts and the entry, and kept Memoleaf.PRM"
