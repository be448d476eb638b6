#!/usr/bin/env bash
# Builds the Debian package from a configured build folder (first argument),
# installs it (with dpkg as root, otherwise into a scratch root), and uses it:
# the installed Keyfold on a file, the installed Memoleaf keeping its settings
# in the user's configuration folder, and the installed Sealbox opening on the
# user's home.
set -euo pipefail
build=${1:-build/default}
cd "$(dirname "$0")/.."
(cd "$build" && cpack >/dev/null)
package=$(ls -t "$build"/vortalis-utilitaires_*.deb | head -1)

# As Debian's own checks see it: no error, no warning.
if ! lintian --fail-on error,warning "$package" >"$build/lintian.log" 2>&1; then
  grep -v "root privileges" "$build/lintian.log" >&2
  echo "package: lintian found faults" >&2
  exit 1
fi
# The programs' metadata, as software centres read it.
appstreamcli validate --no-net packaging/*.metainfo.xml >/dev/null ||
  { appstreamcli validate --no-net packaging/*.metainfo.xml; exit 1; }
echo "package: lintian and appstreamcli find nothing to say"
scratch=$(mktemp -d)
chmod 755 "$scratch"
installed_here=""
cleanup() {
  [ -n "$installed_here" ] && dpkg -r vortalis-utilitaires >/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

# xvfb-run -a takes the first free display from the number it is given: start
# somewhere at random, so that two servers started at once do not pick the same.
display_number() { echo $((100 + RANDOM % 800)); }

if [ "$(id -u)" -eq 0 ]; then
  dpkg -i "$package" >/dev/null
  installed_here=yes
  root=""
else
  dpkg -x "$package" "$scratch/root"
  root="$scratch/root"
  chmod a-w "$root/usr/libexec/vortalis"  # a system folder, as installed
fi
echo "package: $(basename "$package") installed${root:+ in $root}"

# Keyfold from the package, on a file, there and back.
printf 'utilisateur=claire\nmot de passe=Été2003!\n' >"$scratch/mots de passe.txt"
cp "$scratch/mots de passe.txt" "$scratch/original"
"$root/usr/bin/Keyfold" "$scratch/mots de passe.txt,clé,C"
! cmp -s "$scratch/mots de passe.txt" "$scratch/original"
"$root/usr/bin/Keyfold" "$scratch/mots de passe.txt,clé,D"
cmp "$scratch/mots de passe.txt" "$scratch/original"
echo "package: Keyfold enciphered and deciphered a file"

# Memoleaf from the package, as an ordinary user: its folder cannot be written,
# so the settings go to the user's configuration folder.
home="$scratch/home"
mkdir -p "$home"
run_as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chown nobody "$home"
  run_as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
# In a session: the window whose title holds NAME, of the program PID; PID is
# ended when none comes within 30 s.
cat >"$scratch/window-of.sh" <<'FIND'
#!/usr/bin/env bash
for _ in $(seq 150); do
  window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
  [ -n "$window" ] && { echo "$window"; exit 0; }
  sleep 0.2
done
echo "no window named $1 after 30 s" >&2
kill "$2"
exit 1
FIND
chmod 755 "$scratch/window-of.sh"

cat >"$scratch/memoleaf-session.sh" <<SESSION
#!/usr/bin/env bash
"$root/usr/bin/Memoleaf" & note=\$!
window=\$("$scratch/window-of.sh" VORTALIS \$note) || exit 1
xdotool windowfocus --sync "\$window" key ctrl+q
wait \$note
SESSION
chmod 755 "$scratch/memoleaf-session.sh"
mkdir -m 700 "$home/runtime"
[ ${#run_as_user[@]} -eq 0 ] || chown nobody "$home/runtime"
if ! "${run_as_user[@]}" env HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/runtime" \
    xvfb-run -a -n "$(display_number)" -s '-screen 0 1024x768x24' "$scratch/memoleaf-session.sh" >"$scratch/memoleaf.log" 2>&1; then
  cat "$scratch/memoleaf.log" >&2
  echo "package: the installed Memoleaf did not end well" >&2
  exit 1
fi
settings="$home/.config/Memoleaf/Memoleaf.PRM"
[ -f "$settings" ] || { echo "package: Memoleaf wrote no settings in $settings" >&2; exit 1; }
[ ! -e "$root/usr/libexec/vortalis/Memoleaf.PRM" ] || { echo "package: Memoleaf wrote beside itself" >&2; exit 1; }
echo "package: Memoleaf kept its settings in $settings"

# Sealbox from the package, as an ordinary user: it opens on the user's home,
# whose one file is the first of its file list. Click it, type a password,
# "Crypter": that file is enciphered.
printf 'Bonjour\n' >"$home/lettre.txt"
cp "$home/lettre.txt" "$scratch/lettre.original"
[ ${#run_as_user[@]} -eq 0 ] || chown nobody "$home/lettre.txt"
cat >"$scratch/sealbox-session.sh" <<SESSION
#!/usr/bin/env bash
"$root/usr/bin/Sealbox" & box=\$!
window=\$("$scratch/window-of.sh" cryptage \$box) || exit 1
sleep 0.5
# At 96 dpi (15 twips a pixel): the file list's first entry, the password box,
# then "Crypter".
xdotool mousemove --window "\$window" 100 190 click 1
xdotool mousemove --window "\$window" 100 30 click 1
xdotool type --delay 20 secret
xdotool mousemove --window "\$window" 50 98 click 1
wait \$box
SESSION
chmod 755 "$scratch/sealbox-session.sh"
if ! "${run_as_user[@]}" env HOME="$home" XDG_RUNTIME_DIR="$home/runtime" \
    xvfb-run -a -n "$(display_number)" -s '-screen 0 1024x768x24' "$scratch/sealbox-session.sh" >"$scratch/sealbox.log" 2>&1; then
  cat "$scratch/sealbox.log" >&2
  echo "package: the installed Sealbox did not end well" >&2
  exit 1
fi
if cmp -s "$home/lettre.txt" "$scratch/lettre.original"; then
  cat "$scratch/sealbox.log" >&2
  echo "package: Sealbox did not encipher the file in the user's home" >&2
  exit 1
fi
echo "package: Sealbox opened on the user's home and enciphered its file"
