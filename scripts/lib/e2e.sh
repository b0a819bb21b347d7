# Helpers for the end-to-end cases in tests/e2e/*.sh. scripts/test runs each
# case with the Wine environment already up (WINEPREFIX, DISPLAY exported)
# and a fresh Wine server; a case exits 0 when it passed. Sourced, never run.
#
#   driver COMMAND ARGS...          tests/e2e/tvxdriver.exe, bounded (see its usage)
#   start_windows_program PROGRAM [ARGS...]
#                                   start a Windows program in the background;
#                                   scripts/test ends it after the case
#   user_types TEXT / user_presses KEYS...
#                                   the user typing on the (virtual) keyboard
#   watch_key VK [MS] / key_seen    watch for a release of virtual key VK from now
#                                   on (in the background); key_seen waits for it
#   fail MESSAGE                    end the case as failed

# shellcheck source=wine_env.sh
source "$(dirname "${BASH_SOURCE[0]}")/wine_env.sh"

TAVRIX_DRIVER=$TAVRIX_WIN32_BUILD/tests/e2e/tvxdriver.exe
E2E_STEP_SECONDS=${E2E_STEP_SECONDS:-30}
E2E_PROGRAM_SECONDS=${E2E_PROGRAM_SECONDS:-120}

fail() {
  printf 'FAIL: %s\n' "$*" >&2
  exit 1
}

driver() {
  [[ -f $TAVRIX_DRIVER ]] || fail "the driver is not built: $TAVRIX_DRIVER"
  wine_timed "$E2E_STEP_SECONDS" "$TAVRIX_DRIVER" "$@" </dev/null
}

start_windows_program() {
  wine_timed "$E2E_PROGRAM_SECONDS" "$@" </dev/null >/dev/null 2>&1 &
}

# The user's own typing: X key events on the virtual display, which Wine
# takes as physical input (not injected), as a person's key presses would be.
user_types() {
  timeout 30 xdotool type --delay 15 -- "$1"
}

# The user presses a key combination, in xdotool's names (ctrl+alt+F5).
user_presses() {
  timeout 30 xdotool key --delay 30 -- "$@"
}

# A check that something did not happen waits for a later event that must
# come after it, never for a fixed time. watch_key starts the watch and
# returns once the watcher's hook is in place; key_seen waits (bounded by the
# MS given to watch_key) until the key was released.
watch_key() {
  [[ -f $TAVRIX_DRIVER ]] || fail "the driver is not built: $TAVRIX_DRIVER"
  E2E_KEY_WATCH_OUT=$(mktemp)
  wine_timed "$E2E_STEP_SECONDS" "$TAVRIX_DRIVER" wait-key "$1" "${2:-20000}" </dev/null \
    >"$E2E_KEY_WATCH_OUT" 2>&1 &
  E2E_KEY_WATCH_PID=$!
  local tries=0
  until grep -q '^ready' "$E2E_KEY_WATCH_OUT"; do
    kill -0 "$E2E_KEY_WATCH_PID" 2>/dev/null || return 1
    ((++tries > 400)) && return 1
    sleep 0.05
  done
}

key_seen() {
  wait "$E2E_KEY_WATCH_PID"
}
