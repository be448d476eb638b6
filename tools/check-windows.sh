#!/usr/bin/env bash
# Builds what can be built for Windows here, with Debian's MinGW-w64 cross
# compiler: Keyfold whole (it needs no Qt), Pathwell's logic with its Windows
# shell and dialogs, and the other programs' logic (Qt for Windows is not on this
# machine, so the Qt parts are left to a Windows build).
set -euo pipefail
cd "$(dirname "$0")/.."
compiler=x86_64-w64-mingw32-g++-posix
command -v "$compiler" >/dev/null || compiler=x86_64-w64-mingw32-g++
out=build/windows
mkdir -p "$out"
flags=(-std=c++20 -O2 -Wall -Wextra -Wpedantic -Werror -DUNICODE -D_UNICODE -Iruntime -Icipher -Ikeyfold)

# The runtime as Windows builds it: its POSIX files and the Qt module left out.
runtime=$(ls runtime/*.cpp | grep -v -e '_posix\.cpp$' -e '/message_box_module\.cpp$')
# Its version information, as a file's properties show it.
windres=x86_64-w64-mingw32-windres
"$windres" keyfold/keyfold.rc -O coff -o "$out/keyfold_rc.o"
"$compiler" "${flags[@]}" $runtime cipher/*.cpp keyfold/*.cpp "$out/keyfold_rc.o" -static -mwindows -luser32 \
  -o "$out/Keyfold.exe"
echo "Keyfold.exe built for Windows: $out/Keyfold.exe"

# Pathwell's logic and its Windows shell and dialogs need no Qt: compiled whole.
pathwell=$(ls pathwell/*.cpp pathwell/windows/*.cpp | grep -v '/main.cpp$')
for source in $pathwell; do
  "$compiler" "${flags[@]}" -Ipathwell -Ipathwell/windows -c "$source" -o "$out/$(basename "$source" .cpp).o"
done
echo "Pathwell's logic, shell and dialogs compile for Windows"

# The other programs' logic, free of Qt, compiled whole too.
for source in sealbox/*.cpp memoleaf/settings/*.cpp memoleaf/window/note_layout.cpp \
              memoleaf/window/screen_placement.cpp memoleaf/window/window_platform.cpp; do
  "$compiler" "${flags[@]}" -Isealbox -Imemoleaf/settings -Imemoleaf/window -c "$source" \
    -o "$out/$(basename "$source" .cpp).o"
done
echo "Sealbox's and Memoleaf's logic compile for Windows"
