#!/usr/bin/env bash
# "Terminate and Unload" while a macro waits in its pause box: the program
# closes the box itself, types nothing that follows the pause and ends,
# without waiting for Resume. The command is sent as the tray menu sends it,
# a WM_COMMAND of the command's id to the main window.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi

readonly MODAL_BOX_CLASS=TavrixModalBox

start_with_notepad tvterminatepause Ctrl+Shift+K Paused 'before<DELAY:00.50><PAUSE>after'
user_presses ctrl+shift+k || fail "xdotool could not press the hot key"
driver wait-window "$MODAL_BOX_CLASS" 10000 || fail "the pause box did not appear"
driver wait-text Notepad before 5000 || fail "the text before the pause did not arrive"
terminate_now
echo "ended with the pause box open"
driver front Notepad || fail "notepad did not come to the front"
user_types z || fail "xdotool could not type"
driver wait-text Notepad beforez 5000 || fail "notepad shows \"$(driver read Notepad)\" after the user's z"
echo "nothing after the pause was typed"
