# Sourced by the tests that run a real program on an X server of their own.
# Gives: require_tools, require_accessibility_bus, wait_for, start_x_server (sets DISPLAY),
# start_window_manager, new_window, focus_window, end_with_keys,
# start_accessibility_bus, and stop_x_session for the caller's clean-up.

x_server=""
x_window_manager=""
session_bus=""
accessibility_bus=""

# Exits 77 (skipped) when one of the named tools is not installed.
require_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
  done
}

# Within `seconds`, until `command` succeeds.
wait_for() {
  local seconds=$1
  shift
  for _ in $(seq $((seconds * 20))); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  return 1
}

# The id of a visible window whose name matches $1 and that is not $2 (the
# dialog shown before it), once it is up: within $window_wait_seconds (10).
# A window that does not come is said; the checks after it tell what it cost.
new_window() {
  local id
  for _ in $(seq $((${window_wait_seconds:-10} * 20))); do
    for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
      [ "$id" = "${2:-}" ] || { echo "$id"; return 0; }
    done
    sleep 0.05
  done
  echo "no new window '$1'" >&2
}

# Gives window $1 the focus, through the window manager where one runs.
focus_window() {
  xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus --sync "$1"
}

# Presses keys $3 in window $1 until process $2 ends, at most three times: a key
# pressed before the window has the focus goes elsewhere. Fails if it still runs.
end_with_keys() {
  for _ in 1 2 3; do
    focus_window "$1"
    xdotool key "$3"
    timeout 5 tail --pid="$2" -f /dev/null && return 0
  done
  ! kill -0 "$2" 2>/dev/null
}

# The server picks a free display itself and names it once it is ready.
start_x_server() {
  local number=""
  exec 3<> <(:)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  x_server=$!
  read -r -t 10 number <&3 || { echo "Xvfb did not start"; exit 1; }
  exec 3>&-
  export DISPLAY=":$number"
}

# A window manager that frames windows, as a desktop does. Its name on the root
# window comes before it manages windows: a window mapped in between is never
# shown. It runs its start-up command once it is ready.
start_window_manager() {
  local ready
  ready=$(mktemp -u)
  openbox --startup "touch $ready" >/dev/null 2>&1 &
  x_window_manager=$!
  wait_for 10 test -e "$ready" || { echo "openbox did not start"; exit 1; }
  rm -f "$ready"
}

# Exits 77 (skipped) without a session bus, the accessibility bus or its Python client.
require_accessibility_bus() {
  require_tools dbus-launch dbus-send /usr/libexec/at-spi-bus-launcher
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: no python3-pyatspi"; exit 77; }
}

# A session bus of the test's own and the accessibility bus on it, as a desktop
# starts them for a screen reader; Qt programs started after this speak on it.
start_accessibility_bus() {
  eval "$(dbus-launch --sh-syntax)"
  session_bus=$DBUS_SESSION_BUS_PID
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  accessibility_bus=$!
  # A program started before the bus answers may wait on it, or start without it.
  wait_for 10 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress || { echo "the accessibility bus did not start"; exit 1; }
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

stop_x_session() {
  [ -z "$accessibility_bus" ] || kill "$accessibility_bus" 2>/dev/null || true
  [ -z "$session_bus" ] || kill "$session_bus" 2>/dev/null || true
  [ -z "$x_window_manager" ] || kill "$x_window_manager" 2>/dev/null || true
  [ -z "$x_server" ] || kill "$x_server" 2>/dev/null || true
}
