#!/usr/bin/env bash
# "Terminate and Unload" while a macro plays: the program stops the macro
# first, as the abort key does (the Shift it holds is released, nothing more
# is typed), and then ends. The command is sent as the tray menu sends it, a
# WM_COMMAND of the command's id to the main window.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi

# During a wait in the macro, with Shift held down by the macro. Had the
# program waited for the macro, "MORE" would follow and Shift stay down.
start_with_notepad tvterminate Ctrl+Shift+K Long 'start<SHFD><DELAY:03.00>more'
user_presses ctrl+shift+k || fail "xdotool could not press the hot key"
driver wait-text Notepad start 10000 || fail "the macro did not start"
terminate_now
echo "ended while the macro waited"
# The user's own key arrives without Shift: the macro's Shift was released.
driver front Notepad || fail "notepad did not come to the front"
user_types z || fail "xdotool could not type"
driver wait-text Notepad startz 5000 || fail "notepad shows \"$(driver read Notepad)\" after the user's z"
echo "nothing more was typed and Shift was released"
