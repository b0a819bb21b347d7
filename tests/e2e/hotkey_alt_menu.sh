#!/usr/bin/env bash
# A hot key made of Alt and one key: the hook swallows the key, so releasing
# Alt would open notepad's menu and the macro's keys would go to the menu. The
# library's unassigned key between the two keeps the menu shut: the macro's
# text arrives, and so does what the user types next.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi

start_with_notepad tvaltkey Alt+J AltKey "abc"

user_presses alt+j || fail "xdotool could not press the hot key"
driver wait-text Notepad abc 10000 || fail "the macro's text did not arrive in notepad"
user_types z || fail "xdotool could not type"
driver wait-text Notepad abcz 5000 || fail "the user's next key did not arrive (a menu open?)"
echo "Alt+J played its macro and left no menu open"

close_main_window || fail "cannot post WM_CLOSE"
code=$(wait_exit "$folder" first 20) || fail "the program did not end"
((code == 0)) || fail "the program ended with exit code $code"
