#!/usr/bin/env bash
# The setup program as an administrator deploys it and a user then meets it,
# under Wine in a Windows of the test's own (made afresh at each run):
# opened by hand, it speaks of the suite in French on every page; it installs
# the programs for every user, with their shortcuts and their entry in the
# installed programs; the installed Keyfold, Memoleaf and Sealbox work from
# Program Files; a second install leaves one entry; while a program of the
# suite runs, neither `/S` nor the uninstaller changes anything, and by hand
# the setup program waits for it to be closed; the uninstaller removes
# everything but the user's own files, and leaves nothing in %TEMP% after a
# restart; a folder outside Program Files gets Program Files' access list; an
# installation under the earlier entry's key is upgraded, its own uninstaller
# not run.
#   setup_under_wine.sh BUILD-FOLDER WINE-PREFIX SHORTCUT_TEXTS.EXE WINDOW_TEXTS.EXE HOLD_FILE.EXE
# Wine does not lock a running program's .exe: HOLD_FILE.EXE holds one as
# Windows does.
# Exits 77 (skipped) when makensis, Wine, Xvfb, openbox or xdotool is missing.
# With SETUP_SHOTS=FOLDER, screenshots of the installer's pages are kept there.
set -uo pipefail
build=$(realpath "$1")
export WINEPREFIX=$(realpath -m "$2")
shortcut_texts=$3
window_texts=$4
hold_file=$5
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
uninstall_keys='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
entry="$uninstall_keys\\VORTALIS Utilitaires"
entry_value() {
  "$wine" reg query "$entry" /v "$1" 2>/dev/null | tr -d '\r' |
    awk -v name="$1" '$1 == name { sub(/^ *[^ ]+ +[^ ]+ +/, ""); print }'
}
entries() { "$wine" reg query "$uninstall_keys" 2>/dev/null | grep -c 'VORTALIS'; }

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
  [ "$(entry_value DisplayIcon)" = 'C:\Program Files\VORTALIS\Uninstall.exe,0' ] &&
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

# Files held as Windows holds a running program's .exe (Wine does not):
# others may read them, none may write or delete them. Each is let go once a
# file of the test's appears, and is free when its holder says so.
holders=0
hold() {
  local mark="$work/held-$holders"
  "$wine" "$hold_file" "$1" "Z:${work//\//\\}\\release-$holders" >"$mark" 2>&1 &
  holders=$((holders + 1))
  wait_for 10 grep -q tenu "$mark" || fail "$1 could not be held: $(cat "$mark")"
}
release() {
  touch "$work/release-$1"
  wait_for 10 grep -q rendu "$work/held-$1" || fail "a held file was not let go: $(cat "$work/held-$1")"
}
# Each file's name and year: a file rewritten or removed changes it.
touch -d 2001-01-01 "$programs_folder"/*
files() { ls -l --time-style=+%Y "$programs_folder" 2>&1; }
old_files=$(files)
# The uninstaller run as a deploying script waits for it: from a copy, on the
# folder named after _?= (a command line Wine would quote, hence cmd).
cp "$programs_folder/Uninstall.exe" "$work/copie-Uninstall.exe"
printf '@"Z:%s" /S _?=C:\\Program Files\\VORTALIS\r\n@exit /b %%errorlevel%%\r\n' \
  "${work//\//\\}\\copie-Uninstall.exe" >"$work/desinstaller.bat"
uninstall_status() { "$wine" cmd /c "Z:${work//\//\\}\\desinstaller.bat"; }

# Memoleaf left open: neither setup /S nor the uninstaller changes anything.
hold 'C:\Program Files\VORTALIS\Memoleaf.exe'
"$wine" "$setup" /S
status=$?
[ "$status" -eq 32 ] && [ "$(files)" = "$old_files" ] && [ "$(entries)" -eq 1 ] ||
  fail "with Memoleaf open, setup /S ended with $status, the folder holds: $(files)"
uninstall_status
status=$?
[ "$status" -eq 32 ] && [ "$(files)" = "$old_files" ] && [ "$(entry_value InstallLocation)" ] ||
  fail "with Memoleaf open, the uninstaller ended with $status, the folder holds: $(files)"
echo "with Memoleaf.exe held, setup /S and the uninstaller end with 32, every file and the entry as they were"

# By hand, the setup program names the open programs and waits for each to
# be closed; Réessayer then upgrades. (A key pressed before the box has the
# focus goes elsewhere: Réessayer is pressed again until the box changes.)
retry_until() {
  for _ in 1 2 3; do
    press "^$caption\$" Return
    wait_for 10 "$@" && return 0
  done
  return 1
}
hold 'C:\Program Files\VORTALIS\Sealbox.exe'
start_by_hand
next_page_shows "J'accepte"
next_page_shows "Espace requis"
press "^$caption" Return
wait_for 30 box_shows "Fermez Sealbox et Memoleaf, puis cliquez sur Réessayer." ||
  fail "no box names the open programs: $(texts_of "$caption")"
box_shows Réessayer && box_shows Annuler || fail "the box's buttons: $(texts_of "$caption")"
shot programs-open
release 1
retry_until box_shows "Fermez Memoleaf, puis cliquez sur Réessayer." || fail "after Sealbox closed: $(texts_of "$caption")"
release 0
retry_until page_shows "Fin de l'installation des utilitaires VORTALIS" || fail "once closed: $(texts_of "$caption ")"
press "^$caption" Return
ended_with 0
[ -z "$(find "$programs_folder" -type f ! -newermt 2002-01-01)" ] || fail "an old file stayed: $(files)"
echo "by hand, a box named Sealbox and Memoleaf, then Memoleaf, until closed; Réessayer then upgraded every file"

# A file of the suite held (the end sound, open in a player): the uninstaller
# keeps its entry and says it failed, and so does an upgrade, which checks
# the earlier installation's uninstaller.
hold 'C:\Program Files\VORTALIS\Sealfin.WAV'
uninstall_status
status=$?
[ "$status" -eq 2 ] && [ "$(entry_value InstallLocation)" ] && [ -f "$programs_folder/Uninstall.exe" ] ||
  fail "with Sealfin.WAV held, the uninstaller ended with $status, $(entries) entries, the folder holds: $(files)"
"$wine" "$setup" /S
status=$?
[ "$status" -eq 2 ] && [ "$(entries)" -eq 1 ] ||
  fail "with Sealfin.WAV held, setup /S ended with $status and left $(entries) entries"
release 2
run_setup
[ "$(cd "$programs_folder" && ls | tr '\n' ' ')" = "$installed" ] || fail "once released: $(files)"
echo "with Sealfin.WAV held, the uninstaller and an upgrade end with 2 and keep the entry; released, all is installed"

# The uninstaller returns at once and goes on removing: wait until it is done.
"$wine" 'C:\Program Files\VORTALIS\Uninstall.exe' /S || fail "the uninstaller ended with $?"
removed() { [ ! -e "$programs_folder" ] && [ ! -e "$start_menu" ] && [ "$(entries)" -eq 0 ]; }
wait_for 60 removed ||
  fail "after the uninstaller: $(ls "$programs_folder" "$start_menu" 2>&1), $(entries) entries"
[ -s "$settings" ] || fail "the uninstaller removed the user's $settings"
echo "the uninstaller removed the programs, the shortcuts and the entry, and kept Memoleaf.PRM"

# Its copy in %TEMP%, which Windows removes at the next start, goes with its
# folder. (A second uninstaller's copy, in the same folder, would hide a fault.)
temp=$(unix_path "$(windows_value '%TEMP%')")
"$wine" wineboot -r
"$wineserver" -k
! ls -d "$temp"/~nsu* 2>/dev/null || fail "after a restart, %TEMP% holds: $(ls -d "$temp"/~nsu*)"
echo "after a restart, no ~nsu*.tmp is left in %TEMP%"

# Outside Program Files, the folder gets Program Files' access list. Wine
# keeps none of its own: it turns the one given into the folder's Unix mode,
# where users (everyone else to Unix) lose the right to write the folder.
"$wine" reg add "$uninstall_keys\\VORTALIS" /v DisplayName /d VORTALIS /f >/dev/null || fail "reg add failed"
"$wine" "$setup" /S '/D=C:\VORTALIS' || fail "the setup program ended with $? in C:\\VORTALIS"
folder=$(unix_path 'C:\VORTALIS')
[ "$(stat -c %a "$folder")" = 770 ] || fail "C:\\VORTALIS kept its access list: mode $(stat -c %a "$folder")"
"$wine" reg query "$uninstall_keys\\VORTALIS" /v DisplayName 2>/dev/null | grep -q 'REG_SZ *VORTALIS' ||
  fail "the setup program changed the product's own entry: $("$wine" reg query "$uninstall_keys\\VORTALIS" 2>&1)"
echo "C:\\VORTALIS got Program Files' access list; the product's own entry, VORTALIS, stays"

# An installation by the suite's earlier setups, under the bare key, is found
# and upgraded in place; the uninstaller in its folder, which users could
# write, is not run (this one, given /S _?=, would end with 2).
"$wine" reg delete "$entry" /f >/dev/null
"$wine" reg add "$uninstall_keys\\VORTALIS" /v DisplayName /d 'Utilitaires VORTALIS' /f >/dev/null
"$wine" reg add "$uninstall_keys\\VORTALIS" /v InstallLocation /d 'C:\VORTALIS' /f >/dev/null
cp "$hold_file" "$folder/Uninstall.exe"
run_setup
! cmp -s "$hold_file" "$folder/Uninstall.exe" && [ "$(entry_value InstallLocation)" = 'C:\VORTALIS' ] &&
  [ "$(entries)" -eq 1 ] || fail "the earlier installation: $(ls "$folder"), $(entries) entries"
echo "an installation under the earlier key VORTALIS was upgraded where it lay, without running its uninstaller"

# Opened by hand, the uninstaller too speaks of the suite in French.
caption='Désinstallation des utilitaires VORTALIS'
"$wine" 'C:\VORTALIS\Uninstall.exe' >"$work/setup.log" 2>&1
wait_for 30 page_shows "Les utilitaires VORTALIS vont être retirés du dossier ci-dessous" ||
  fail "the uninstaller's first page says: $(texts_of "$caption ")"
next_page_shows "La désinstallation s'est terminée avec succès."
press "^$caption" Return
wait_for 60 test ! -e "$folder" || fail "C:\\VORTALIS after the uninstaller: $(ls "$folder")"
! grep -n 'Utilitaires VORTALIS' "$work/all-texts" || fail "a page names the suite by its bare title"
echo "by hand, the uninstaller spoke of \"les utilitaires VORTALIS\" and removed C:\\VORTALIS"
