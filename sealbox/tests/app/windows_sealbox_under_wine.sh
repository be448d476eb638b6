#!/usr/bin/env bash
# Sealbox.exe as a user runs it: under Wine, on an X server of its own with a
# window manager, driven by real clicks and keys. Each run has a scratch folder
# holding a copy of the program and its end sound, so that the lists open on it.
#   windows_sealbox_under_wine.sh WINE-COMMAND... -- SEALBOX.EXE KEYFOLD.EXE WINDOW-TEXTS.EXE ACCESSIBLE-NAMES.EXE WINDOW-ANSWERS.EXE
# Exits 77 (skipped) when a tool is missing. With SEALBOX_SHOTS=FOLDER, the
# screenshots are kept there.
set -uo pipefail
wine=()
while [ "$1" != "--" ]; do wine+=("$1"); shift; done
shift
sealbox=$1
keyfold=$2
window_texts=$3
accessible_names=$4
window_answers=$5
. "$(dirname "$0")/../../../runtime/tests/support/x_session.sh"
require_tools Xvfb openbox xdotool xwininfo convert import xclip
. "$(dirname "$0")/../../../runtime/tests/support/wine_session.sh"

work=$(mktemp -d)
failures=0
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}
cleanup() {
  set_dpi 96 >/dev/null 2>&1
  stop_wine
  [ -f "$work/runtime/pulse/pid" ] && kill "$(cat "$work/runtime/pulse/pid")" 2>/dev/null
  stop_x_session
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

set_dpi() { "${wine[@]}" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f; }
# A scratch folder named $1 with the program and its end sound.
program_folder() {
  local folder="$work/$1"
  mkdir -p "$folder"
  cp "$sealbox" "$(dirname "$sealbox")/Sealfin.WAV" "$folder/"
  echo "$folder"
}
# Starts the folder's Sealbox with the command line $2; sets `box` and `window`.
start_sealbox() {
  local folder=$1
  (cd "$folder" && exec "${wine[@]}" "$folder/Sealbox.exe" ${2:+"$2"}) 2>>"$work/errors" &
  box=$!
  window=$(timeout 30 xdotool search --sync --onlyvisible --name cryptage | head -1)
  [ -n "$window" ] || { fail "no Sealbox window"; return 1; }
  xdotool windowactivate --sync "$window" 2>/dev/null
  sleep 0.5
}
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }
# Within 30 s, the program ends by itself with status $1.
ends_with() {
  if ! timeout 30 tail --pid="$box" -f /dev/null; then
    fail "Sealbox did not end by itself"
    kill "$box"
    return 1
  fi
  wait "$box"
  local status=$?
  [ "$status" -eq "$1" ] || fail "Sealbox ended with $status, not $1"
}
# The pixel's colour as RRGGBB at x, y of a screenshot.
pixel() { convert "$1" -format "%[hex:p{$2,$3}]" info: | cut -c1-6; }
shot() {
  import -window "$window" "$work/$1.png"
  [ -z "${SEALBOX_SHOTS:-}" ] || { mkdir -p "$SEALBOX_SHOTS"; cp "$work/$1.png" "$SEALBOX_SHOTS/"; }
}
size_of() { xwininfo -id "$window" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }

# A sound server whose only output, a null sink, is recorded. It must be named
# before Wine's first process of the session: one started without it leaves
# the whole session unable to reach it.
start_sound_server() {
  sound_server=""
  command -v pulseaudio >/dev/null && command -v parec >/dev/null && command -v sox >/dev/null ||
    { echo "end sound not checked: pulseaudio, parec or sox is missing"; return; }
  [ -e /usr/lib/x86_64-linux-gnu/wine/x86_64-unix/winepulse.so ] ||
    { echo "end sound not checked: Wine has no PulseAudio driver here"; return; }
  export XDG_RUNTIME_DIR="$work/runtime"
  mkdir -m 700 -p "$XDG_RUNTIME_DIR"
  pulseaudio -D --exit-idle-time=-1 -n --load="module-null-sink sink_name=heard" \
    --load=module-native-protocol-unix >"$work/pulse.log" 2>&1 ||
    { echo "end sound not checked: no sound server could start here"; return; }
  wait_for 10 pactl info || { echo "end sound not checked: the sound server did not answer"; return; }
  pactl set-default-sink heard
  export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse/native"
  # Wine's streams asking the server's default latency of a null sink were
  # recorded silent one time in two, at random; asked for 60 ms, 18 of 18 were
  # heard.
  export PULSE_LATENCY_MSEC=60
  sound_server=yes
}
start_recording() {
  recording=""
  [ -n "$sound_server" ] || return
  parec -d heard.monitor --file-format=wav "$work/heard.wav" &
  recording=$!
}
check_recording() {
  [ -n "$recording" ] || return
  sleep 0.5  # what is still in the recorder's buffers
  kill "$recording"
  wait "$recording" 2>/dev/null
  local level
  level=$(sox "$work/heard.wav" -n stat 2>&1 | awk '/RMS +amplitude/ { print $3 }')
  echo "end sound recorded at an RMS amplitude of ${level:-nothing}"
  recordings=$((recordings + 1))
  awk -v level="${level:-0}" 'BEGIN { exit !(level > 0.001) }' && heard=$((heard + 1))
}

# At 96 dots per inch (15 twips a pixel): the centres of the boxes and buttons,
# and File1's first row.
at() { echo $(($1 * scale)) $(($2 * scale)); }
scale=1

# A file picked with a click in File1 and enciphered under a password with an
# accent; Keyfold deciphers it back; the end sound is heard and Sealbox ends.
run_pick_encipher_and_hear() {
  local folder
  folder=$(program_folder pick)
  printf 'Bonjour, voici un été de lettres.\r\n' >"$folder/a-lettre.txt"
  cp "$folder/a-lettre.txt" "$work/plain"
  start_recording
  start_sealbox "$folder" || return
  click $(at 30 190)   # File1's first row: a-lettre.txt
  click $(at 100 30)   # Text2
  xdotool type --delay 120 'clé'
  click $(at 53 98)    # "&Crypter"
  ends_with 0
  check_recording
  cmp -s "$folder/a-lettre.txt" "$work/plain" && fail "the picked file was not enciphered"
  "${wine[@]}" "$keyfold" "$(windows_path "$folder/a-lettre.txt"),clé,D" 2>>"$work/errors" ||
    fail "Keyfold could not decipher Sealbox's file"
  cmp -s "$folder/a-lettre.txt" "$work/plain" || fail "Keyfold did not give the original back"
}

# The window opens in the middle of the screen of 1280x1024, give or take its
# frame (Wine's own place for a new window is the top-left corner).
check_centred() {
  local x y w h
  read -r x y w h < <(xwininfo -id "$window" | awk '/Absolute upper-left X:/ { x = $4 } /Absolute upper-left Y:/ { y = $4 }
    /Width:/ { w = $2 } /Height:/ { h = $2 } END { print x, y, w, h }')
  [ $(((x + w / 2 - 640) ** 2 + (y + h / 2 - 512) ** 2)) -le 1600 ] || fail "the window opens at $x,$y"
}
# A second after keys that could have ended it, Sealbox still shows its window.
still_open() {
  sleep 1
  [ -n "$(xdotool search --onlyvisible --name cryptage)" ] || { fail "$1: Sealbox ended"; return 1; }
}
# The box titled Sealbox says $1; Enter closes it.
close_box() {
  local dialog report
  dialog=$(timeout 20 xdotool search --sync --onlyvisible --name '^Sealbox$' | head -1)
  xdotool windowactivate --sync "$dialog" 2>/dev/null
  sleep 0.5
  report=$("${wine[@]}" "$window_texts" Sealbox 2>>"$work/errors")
  case $report in *"$1"*) ;; *) fail "no box saying '$1'; it says: $(echo "$report" | tr -s '\r\n' ' ')" ;; esac
  xdotool key Return
  sleep 1
}
# A plain letter never presses a button (Alt does): "quai" typed at start goes
# to the empty first stop, after "Fichier non trouvé" into the file's name (the
# next box says so), after "quel est le mot de passe ?" into the password.
# Sealbox goes on all along, the file untouched, until Alt+Q.
run_plain_letters() {
  local folder
  folder=$(program_folder keys)
  printf 'Rien ne doit me changer.\r\n' >"$folder/a-garder.txt"
  cp "$folder/a-garder.txt" "$work/kept"
  start_sealbox "$folder" || return
  check_centred
  xdotool type --delay 120 quai
  still_open "quai at start" || return
  click $(at 53 98)  # "&Crypter", with the folder in Text1
  close_box "Fichier non trouvé"
  xdotool type --delay 120 quai
  still_open "quai after Fichier non trouvé" || return
  click $(at 53 98)
  close_box "quai"
  click $(at 30 190)  # File1's first row: a-garder.txt
  click $(at 53 98)
  close_box "quel est le mot de passe ?"
  xdotool type --delay 120 quai
  still_open "quai after quel est le mot de passe ?" || return
  xdotool key alt+q
  ends_with 0
  cmp -s "$folder/a-garder.txt" "$work/kept" || fail "the file was changed by letters typed"
}

# A colour file on the command line colours the lists, the window and the
# buttons; checked on a screenshot where File1 shows no entry, between two
# controls, and inside a button. Alt+Q (a mnemonic) then ends the program.
run_colours() {
  local name=$1 folder image
  folder=$(program_folder "$name")
  {
    for i in $(seq 20); do printf '%s,' "$i"; done
    printf '255,16777215,16711680,0,65280\r\n'  # red lists, white text, blue window, green buttons
  } >"$folder/couleurs.txt"
  start_sealbox "$folder" couleurs.txt || return
  shot "$name"
  image="$work/$name.png"
  [ "$(pixel "$image" $(at 300 270))" = FF0000 ] || fail "$name: File1 is not red"
  [ "$(pixel "$image" $(at 200 180))" = 0000FF ] || fail "$name: the window between two controls is not blue"
  [ "$(pixel "$image" $(at 20 140))" = 00FF00 ] || fail "$name: the button is not green"
  echo "$name: client $(size_of)"
  [ "$(size_of)" = "$(at 394 365 | tr ' ' x)" ] || fail "$name: the client is $(size_of)"
  xdotool key alt+q
  ends_with 0
}

# A read-only file is refused with error 70, the program ends with the
# report, and the file is left as it was.
run_read_only() {
  local folder report
  folder=$(program_folder read-only)
  printf 'ne pas toucher\r\n' >"$folder/a-figé.txt"
  chmod a-w "$folder/a-figé.txt"
  cp "$folder/a-figé.txt" "$work/frozen"
  start_sealbox "$folder" || return
  click $(at 30 190)
  click $(at 100 30)
  xdotool type --delay 120 'clef'
  click $(at 53 98)
  local dialog
  dialog=$(timeout 20 xdotool search --sync --onlyvisible --name '^Sealbox$' | head -1)
  if [ -z "$dialog" ]; then
    fail "no error box"
  else
    xdotool windowactivate --sync "$dialog" 2>/dev/null
    sleep 0.5
    window=$dialog shot read-only-box
    report=$("${wine[@]}" "$window_texts" Sealbox 2>>"$work/errors")
    echo "the box said: $(echo "$report" | tr -s '\r\n' ' ')"
    case $report in *"Erreur : 70"*) ;; *) fail "the box does not report error 70" ;; esac
    xdotool key Return
  fi
  ends_with 1
  cmp -s "$folder/a-figé.txt" "$work/frozen" || fail "the read-only file was changed"
}

# A file whose name has letters of no ANSI code page is listed, picked (the
# list's last entry, by End) and enciphered as Keyfold enciphers a copy; the
# keys alone go on from File1: Tab to Text1, Tab to Text2, Alt+C for "&Crypter".
run_any_letter() {
  local folder name='Ω été.txt'
  folder=$(program_folder letters)
  printf 'Des lettres de partout.\r\n' >"$folder/$name"
  cp "$folder/$name" "$work/copie.txt"
  "${wine[@]}" "$keyfold" "$(windows_path "$work/copie.txt"),clef,C" 2>>"$work/errors"
  start_recording
  start_sealbox "$folder" || return
  click $(at 30 190)
  xdotool key End Tab Tab
  sleep 0.3
  xdotool type --delay 120 'clef'
  xdotool key alt+c
  ends_with 0
  check_recording
  cmp -s "$folder/$name" "$work/copie.txt" || fail "'$name' is not enciphered as Keyfold enciphers it"
}

# Text $1 pasted in the file-name box (over the folder the lists put there), as
# a path copied from the explorer is, the password "clef", and "Crypter",
# returning at once: under Wine here 1 GiB is through in about two seconds.
paste_and_encipher() {
  printf '%s' "$1" | xclip -selection clipboard
  click $(at 196 310)  # Text1
  xdotool key End shift+Home ctrl+v
  click $(at 100 30)   # Text2
  xdotool type --delay 120 'clef'
  xdotool mousemove --window "$window" $(at 53 98) click 1  # "&Crypter"
}

# File $3, named by text $4 pasted in the file-name box, is enciphered as
# Keyfold enciphers a copy; Sealbox is started from folder $2, and $1 names
# the run.
encipher_pasted_path() {
  local name=$1 folder=$2 file=$3 pasted=$4 report
  cp "$file" "$work/$name-copy"
  "${wine[@]}" "$keyfold" "$(windows_path "$work/$name-copy"),clef,C" 2>>"$work/errors"
  start_recording
  start_sealbox "$folder" || return
  paste_and_encipher "$pasted"
  if ! timeout 30 tail --pid="$box" -f /dev/null; then
    report=$("${wine[@]}" "$window_texts" Sealbox 2>>"$work/errors")
    fail "$name: Sealbox did not end; it says: $(echo "$report" | tr -s '\r\n' ' ')"
    kill "$box"
    [ -z "$recording" ] || kill "$recording"
    return
  fi
  ends_with 0
  check_recording
  cmp -s "$file" "$work/$name-copy" || fail "$name: the pasted file is not enciphered as Keyfold enciphers it"
}

# A path as the explorer's "Copy as path" gives it: in double quotes.
run_quoted_path() {
  local folder
  folder=$(program_folder quoted)
  local file="$folder/lettre d'Hélène.txt"
  printf 'Copié comme chemin.\r\n' >"$file"
  encipher_pasted_path quoted "$folder" "$file" "\"$(windows_path "$file")\""
}

# A path of about 300 characters, past Windows' classic limit of 260, through
# folders of ordinary names. Wine enforces no limit: this proves that such a
# path goes whole through the window, the form and the file layer's long form.
run_long_path() {
  local folder nested file pasted
  folder=$(program_folder long)
  nested=$folder
  for i in 1 2 3 4 5; do nested="$nested/dossier-$i-d-un-chemin-plus-long-que-les-classiques"; done
  mkdir -p "$nested"
  file="$nested/lettre-au-bout-du-chemin.txt"
  printf 'Tout au fond.\r\n' >"$file"
  pasted=$(windows_path "$file")
  echo "long path: ${#pasted} characters"
  encipher_pasted_path long "$folder" "$file" "$pasted"
}

# A transform killed part-way, as a machine that loses its power or a task
# manager ends it: the Windows program's own process killed while its hidden
# temporary file grows. The original must be whole and the temporary file left;
# the next start, ended at once with Alt+Q, must remove the file and the record
# in the user's state folder (in the prefix) that named its folder.
run_killed_mid_transform() {
  local folder file before temporary written records pasted killed size_mib=1024
  # The original and its replacement side by side: a quarter as large where
  # the disk is short.
  [ "$(df --output=avail -k "$work" | tail -1)" -gt $((3 * 1024 * 1024)) ] || size_mib=256
  folder=$(program_folder killed)
  file="$folder/grand.bin"
  head -c "${size_mib}M" /dev/zero >"$file"  # the cipher changes zeros as any content
  before=$(cksum <"$file")
  start_sealbox "$folder" || return
  pasted=$(date +%s%3N)
  paste_and_encipher "$(windows_path "$file")"
  # Past a few MiB the transform is well under way, and far from its end.
  grown() { [ -n "$(find "$folder" -maxdepth 1 -name '.vortalis-tmp-*' -size +4M)" ]; }
  if ! wait_for 30 grown; then
    fail "killed: no temporary file grew beside the file"
    kill "$box"
    wait "$box"
    rm -f "$file"
    return
  fi
  kill -9 "$box"
  wait "$box" 2>/dev/null
  killed=$(date +%s%3N)
  temporary=$(find "$folder" -maxdepth 1 -name '.vortalis-tmp-*')
  [ -n "$temporary" ] || fail "killed: the temporary file went with its program"
  written=$(($(stat -c %s "$temporary" 2>/dev/null || echo 0) / 1024 / 1024))
  [ "$(cksum <"$file")" = "$before" ] || fail "killed: the original changed under a killed transform"
  [ "$written" -lt "$size_mib" ] || fail "killed: the transform had finished before the kill"
  records=$(find "$prefix/drive_c/users" -path '*/AppData/Local/vortalis/replacement-*')
  [ -n "$records" ] || fail "killed: no record in the prefix's state folder named the temporary file's folder"

  start_sealbox "$folder" || { rm -f "$file"; return; }
  # Its window shows once the start's recovery is done.
  temporary=$(find "$folder" -maxdepth 1 -name '.vortalis-tmp-*')
  [ -z "$temporary" ] || fail "killed: the next start left $temporary"
  records=$(find "$prefix/drive_c/users" -path '*/AppData/Local/vortalis/replacement-*')
  [ -z "$records" ] || fail "killed: the next start left $records"
  xdotool key alt+q
  ends_with 0
  [ "$(cksum <"$file")" = "$before" ] || fail "killed: the next start changed the original"
  rm -f "$file"
  echo "killed $((killed - pasted)) ms after the paste (password and Crypter included)" \
    "with $written of $size_mib MiB written; the next start removed the temporary file and its record"
}

# A long transform on a real disk: the window answers the system's "are you
# alive" all along, the replacement's flush included, well within the 5 s after
# which Windows calls a window hung. Wine stalls every thread of every program
# while its server renames over a large file: some 150 ms here for 512 MiB.
run_answers_while_transforming() {
  local folder file asking answers longest size_mib=512
  [ "$(df --output=avail -k "$work" | tail -1)" -gt $((2 * 1024 * 1024)) ] || size_mib=128
  folder=$(program_folder answering)
  file="$folder/grand.bin"
  head -c "${size_mib}M" /dev/zero >"$file"
  start_sealbox "$folder" || { rm -f "$file"; return; }
  "${wine[@]}" "$window_answers" VortalisSealbox "$(windows_path "$folder")\\.vortalis-tmp-*" \
    >"$work/answers" 2>>"$work/errors" &
  asking=$!
  paste_and_encipher "$(windows_path "$file")"
  wait "$asking" || fail "answering: no transform was seen"
  ends_with 0
  read -r answers longest < <(tr -d '\r' <"$work/answers")
  echo "answering: $size_mib MiB transformed, $answers answers, the longest after $longest ms"
  [ "${answers:-0}" -ge 5 ] || fail "answering: the window answered ${answers:-0} times"
  [ "${longest:-100000}" -le 1000 ] || fail "answering: the window took $longest ms to answer"
  cmp -s -n 1048576 "$file" /dev/zero && fail "answering: the file was not enciphered"
  rm -f "$file"
}

# What a screen reader reads of the window through the system's accessibility
# interface. Wine keeps no annotations: the drop-down list of drives, named by
# one on Windows, reads empty here; the rest are named by their labels or texts.
run_screen_reader_names() {
  local names
  names=$("${wine[@]}" "$accessible_names" 2>>"$work/errors" | tr -d '\r')
  local expected='client " [Dé]cryptage VORTALIS janvier 2003 sealbox@vortalis.example" focusable
  client "Tab : lecteur, dossiers, fichiers, nom du fichier, mot de passe" focusable
  client "" focusable
  client "Dossiers" focusable
  client "Fichiers" focusable
  client "Nom du fichier" focusable
  text "Nom du fichier" focusable
  client "Mot de Passe" focusable
  text "Mot de Passe" focusable
  client "Crypter" focusable
  client "Décrypter" focusable
  client "Quitter" focusable
  client "Progression" focusable'
  [ "$names" = "$expected" ] || fail "a screen reader reads: $names"
}

start_sound_server
start_x_server
start_window_manager
stop_wine  # Wine's desktop belongs to the first display its server meets: this one
set_dpi 96 >/dev/null 2>&1

heard=0
recordings=0
run_screen_reader_names
run_plain_letters
run_pick_encipher_and_hear
run_colours colours-96dpi
run_read_only
run_any_letter
run_quoted_path
run_long_path
run_killed_mid_transform
run_answers_while_transforming
# Each transform plays the end sound, and every one is heard.
[ "$heard" -eq "$recordings" ] || fail "the end sound was heard $heard times in $recordings transforms"
# Twice the density: every place twice as far, the client twice as large.
set_dpi 192 >/dev/null 2>&1
scale=2
run_colours colours-192dpi
scale=1
set_dpi 96 >/dev/null 2>&1

if [ "$failures" -gt 0 ]; then
  echo "--- what the programs wrote:"
  cat "$work/errors"
  exit 1
fi
echo "Sealbox.exe did all it was asked under Wine"
