#!/usr/bin/env bash
# The user's path: key presses made on the virtual display (not synthesised
# by a Windows program) reach the window in front, with Shift, Backspace and
# Ctrl combinations working as on a real keyboard.
set -uo pipefail
source "$TAVRIX_ROOT/scripts/lib/e2e.sh"

start_windows_program notepad
driver wait-window Notepad 20000 || fail "notepad did not open"
driver front Notepad || fail "notepad did not come to the front"
user_types 'Typed (by) <hand>!x' || fail "xdotool could not type"
user_presses BackSpace || fail "xdotool could not press BackSpace"
driver wait-text Notepad 'Typed (by) <hand>!' 5000 || fail "notepad does not show the typed text"
# Ctrl+A selects everything; what is typed next replaces it.
user_presses ctrl+a || fail "xdotool could not press Ctrl+A"
user_types 'new' || fail "xdotool could not type"
driver wait-text Notepad 'new' 5000 || fail "Ctrl+A did not select the text"
echo "the user's keys arrived"
