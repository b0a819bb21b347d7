#!/usr/bin/env bash
# The main window takes the hook library's activation message (private
# message 2: the hot key code, the focus window) and plays the macro of that
# hot key into the window that had the focus: Wine's notepad here. The
# library itself is left out: the message is posted as it would post it.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi

readonly ACTIVATION_MESSAGE=1026 CLEAR_IN_USE_MESSAGE=1036
readonly CTRL_SHIFT_K=106  # Ctrl+Shift+ block (96..143), letter K
text='Hello from Tavrix'

start_with_notepad tvfire Ctrl+Shift+K Greeting "$text"
focus=$(probe handle Notepad Edit) || fail "notepad has no edit field"

probe post "$MAIN_WINDOW_CLASS" "$ACTIVATION_MESSAGE" "$CTRL_SHIFT_K" "${focus//$'\r'/}" ||
  fail "cannot post the activation"
driver wait-text Notepad "$text" 10000 || fail "the macro's text did not arrive in notepad"
echo "activation message played \"$text\" into notepad"

# The library's "clear in use" and a second activation: the macro plays again.
probe post "$MAIN_WINDOW_CLASS" "$CLEAR_IN_USE_MESSAGE" || fail "cannot post the clear message"
probe post "$MAIN_WINDOW_CLASS" "$ACTIVATION_MESSAGE" "$CTRL_SHIFT_K" "${focus//$'\r'/}" ||
  fail "cannot post the activation"
driver wait-text Notepad "$text$text" 10000 || fail "the second activation did not play"
echo "played again after the clear message"

close_main_window || fail "cannot post WM_CLOSE"
code=$(wait_exit "$folder" first 20) || fail "the program did not end"
((code == 0)) || fail "the program ended with exit code $code"
echo "ended with exit code 0"
