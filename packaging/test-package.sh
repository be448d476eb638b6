#!/usr/bin/env bash
# Builds the Debian package from a configured build folder (first argument),
# installs it (with dpkg as root, otherwise into a scratch root), and uses it:
# the installed Keyfold on a file, and the installed Memoleaf keeping its
# settings in the user's configuration folder.
set -euo pipefail
build=${1:-build/default}
cd "$(dirname "$0")/.."
(cd "$build" && cpack >/dev/null)
package=$(ls -t "$build"/vortalis-utilitaires_*.deb | head -1)
scratch=$(mktemp -d)
chmod 755 "$scratch"
installed_here=""
cleanup() {
  [ -n "$installed_here" ] && dpkg -r vortalis-utilitaires >/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

if [ "$(id -u)" -eq 0 ]; then
  dpkg -i "$package" >/dev/null
  installed_here=yes
  root=""
else
  dpkg -x "$package" "$scratch/root"
  root="$scratch/root"
  chmod a-w "$root/usr/lib/vortalis"  # a system folder, as installed
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
cat >"$scratch/memoleaf-session.sh" <<SESSION
#!/usr/bin/env bash
"$root/usr/bin/Memoleaf" & note=\$!
for _ in \$(seq 150); do
  window=\$(xdotool search --name VORTALIS 2>/dev/null | head -1)
  [ -n "\$window" ] && break
  sleep 0.2
done
if [ -z "\$window" ]; then
  echo "no Memoleaf window after 30 s" >&2
  kill \$note
  exit 1
fi
xdotool windowfocus --sync "\$window" key ctrl+q
wait \$note
SESSION
chmod 755 "$scratch/memoleaf-session.sh"
mkdir -m 700 "$home/runtime"
[ ${#run_as_user[@]} -eq 0 ] || chown nobody "$home/runtime"
if ! "${run_as_user[@]}" env HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/runtime" \
    xvfb-run -a -s '-screen 0 1024x768x24' "$scratch/memoleaf-session.sh" >"$scratch/memoleaf.log" 2>&1; then
  cat "$scratch/memoleaf.log" >&2
  echo "package: the installed Memoleaf did not end well" >&2
  exit 1
fi
settings="$home/.config/Memoleaf/Memoleaf.PRM"
[ -f "$settings" ] || { echo "package: Memoleaf wrote no settings in $settings" >&2; exit 1; }
[ ! -e "$root/usr/lib/vortalis/Memoleaf.PRM" ] || { echo "package: Memoleaf wrote beside itself" >&2; exit 1; }
echo "package: Memoleaf kept its settings in $settings"
