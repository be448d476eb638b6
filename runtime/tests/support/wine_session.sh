# Sourced by the tests that run a Windows program under Wine, after they have
# read the Wine command (as CMake's emulator gives it) into the array `wine`.
# Gives `prefix` (its WINEPREFIX), `wineserver`, and stop_wine, which ends every
# program of that prefix and waits until its server has gone: the server keeps
# the first display it met, and the next run must meet its own.
prefix=""
for word in "${wine[@]}"; do
  case $word in WINEPREFIX=*) prefix=${word#WINEPREFIX=} ;; esac
done
wineserver=$(command -v wineserver64 || command -v wineserver || echo /usr/lib/wine/wineserver64)
[ -x "$wineserver" ] || { echo "skipped: no wineserver"; exit 77; }
stop_wine() { WINEPREFIX=$prefix "$wineserver" -k 2>/dev/null; WINEPREFIX=$prefix "$wineserver" -w; }
# A Linux path as a Windows program under Wine names it.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
