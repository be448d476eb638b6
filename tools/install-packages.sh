#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-multimedia-dev
  qt6-svg-dev  # draws the SVG icons into the Windows programs' .ico files
  libxcb1-dev  # Memoleaf asks the X server whether a clipboard manager runs
  libglib2.0-dev  # GIO: Pathwell opens a document with its default application
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool fonts-dejavu-core dpkg-dev
  openbox x11-utils  # a window manager that frames windows, and xprop to see it up
  pulseaudio pulseaudio-utils sox  # a sound server of the tests' own, to hear the end sound
  fonts-dejavu-extra  # faces with and without italics, for the font dialog's tests
  qt6-translations-l10n  # Qt's own dialogs in French
  qt6-tools-dev qt6-l10n-tools  # lupdate and lrelease: the French texts Qt's translation lacks
  lintian appstream  # the package and its metadata checked as Debian and software centres do
  clang libclang-rt-14-dev
  clang-tools  # clang-query: the check that paths reach std::filesystem only as UTF-8
  g++-mingw-w64-x86-64 googletest  # the Windows build, with GoogleTest from its sources
  wine64  # runs the Windows build's tests
  nsis  # makes the Windows setup program
  acl  # setfacl, for the tests of files shared through access lists
  at-spi2-core python3-pyatspi dbus-x11 dbus-bin  # the accessibility bus, read as a screen reader reads it
  xclip imagemagick  # another program reading the clipboard; screenshots whose pixels tests check
)
[ "${1:-}" = "--with-bench-tools" ] && packages+=(hyperfine libssl-dev openssl)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installation de : ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
