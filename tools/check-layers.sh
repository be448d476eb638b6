#!/usr/bin/env bash
# Checks the layering rules of ARCHITECTURE.md on the sources: includes named
# from the source root, Qt-free cores and shared libraries, widgets apart from
# the platform code, and no system test outside platform folders and
# _posix/_windows pairs. Prints each breach; exits 1 if there is any.
set -uo pipefail
cd "$(dirname "$0")/.."

programs="keyfold sealbox memoleaf pathwell"
breaches=0
breach() {
  echo "$1"
  breaches=$((breaches + 1))
}
sources() { git ls-files -- "$@" | grep -E '\.(cpp|h)$'; }

# Includes in quotes name their folder from the source root.
while IFS= read -r line; do
  breach "include not named from the source root: $line"
done < <(sources runtime cipher $programs bench fuzz |
  xargs grep -HnE '^#include "' |
  grep -vE '#include "(runtime|cipher|keyfold|sealbox|memoleaf|pathwell)/' |
  grep -vE '#include "[a-z_]+\.moc"')

# The cores and the Qt-free shared libraries include no Qt, no widgets, no
# platform; a program's core not even in a _windows.cpp half.
no_system_includes='^#include (<Q|<windows|<commctrl|<richedit|<shlobj|"[a-z]+/(ui|platform)/|"runtime/(qt|win32)/)'
core_paths=$(for p in $programs; do echo "$p/core"; done)
while IFS= read -r line; do
  breach "Qt-free code includes Qt, a widget or a platform service: $line"
done < <({
  sources $core_paths
  sources runtime/text runtime/process runtime/errors runtime/files cipher | grep -vE '_windows\.cpp$'
} | xargs grep -HnE "$no_system_includes")

# Control and command ids are the toolkit's (runtime/win32): a program's
# window connects its controls' events and never decodes what they send.
while IFS= read -r line; do
  breach "control ids or messages outside runtime/win32: $line"
done < <(sources $(for p in $programs; do echo "$p/ui/win32 $p/app"; done) |
  xargs -r grep -HnE '^[^/]*(WM_COMMAND|WM_NOTIFY|WM_CTLCOLOR|WM_DRAWITEM|WM_MEASUREITEM|GetDlgCtrlID|GetDlgItem|reinterpret_cast<HMENU>)')

# Widgets do not reach into the platform's implementations.
while IFS= read -r line; do
  breach "widget code includes platform code: $line"
done < <(sources $(for p in $programs; do echo "$p/ui"; done) |
  xargs grep -HnE '^#include "[a-z]+/platform/')

# Each interface speaks to its own toolkit only: a Win32 window includes no Qt,
# a Qt widget no Windows header.
while IFS= read -r line; do
  breach "Win32 interface code includes Qt: $line"
done < <(sources runtime/win32 $(for p in $programs; do echo "$p/ui/win32"; done) |
  xargs -r grep -HnE '^#include (<Q|"runtime/qt/|"[a-z]+/ui/qt/)')
while IFS= read -r line; do
  breach "Qt interface code includes a Windows header: $line"
done < <(sources runtime/qt $(for p in $programs; do echo "$p/ui/qt"; done) |
  xargs -r grep -HnE '^#include (<windows|<commctrl|<richedit|"runtime/win32/|"[a-z]+/ui/win32/)')

# A program includes no other program.
for p in $programs; do
  others=$(echo $programs | tr ' ' '\n' | grep -vx "$p" | paste -sd'|')
  while IFS= read -r line; do
    breach "one program includes another: $line"
  done < <(sources "$p" | xargs grep -HnE "^#include \"($others)/")
done

# Systems differ only in platform folders, _posix/_windows pairs and headers that
# only select (named *_platform.h or platform_*.h).
while IFS= read -r line; do
  breach "system test outside a platform folder or pair: $line"
done < <(sources runtime cipher $programs |
  grep -vE '/(platform|tests|win32)/|_(posix|windows)\.cpp$|/platform_[a-z_]+\.h$' |
  xargs grep -HnE '^\s*#\s*if.*(_WIN32|__linux__|__unix__|__APPLE__)')

if [ "$breaches" -gt 0 ]; then
  echo "$breaches breach(es) of the layering rules (ARCHITECTURE.md)"
  exit 1
fi
echo "layering rules kept"
