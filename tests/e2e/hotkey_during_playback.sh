#!/usr/bin/env bash
# A hot key pressed while its macro still plays plays the macro again inside
# the running one; the interrupted playback then goes on with its own repeat
# counter, as if it had not been interrupted.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi

start_with_notepad tvnested Ctrl+Shift+L Counter '<REPEAT:0003>r<I><DELAY:01.00><ENDREP>.'

user_presses ctrl+shift+l || fail "xdotool could not press the hot key"
driver wait-text Notepad r1 10000 || fail "the macro did not start: notepad shows \"$(driver read Notepad)\""
user_presses ctrl+shift+l || fail "xdotool could not press the hot key again"
expected=r1r1r2r3.r2r3.
driver wait-text Notepad "$expected" 20000 || fail "notepad shows \"$(driver read Notepad)\", not \"$expected\""
echo "the interrupted macro went on with its own counter: \"$expected\""

close_main_window || fail "cannot post WM_CLOSE"
code=$(wait_exit "$folder" first 20) || fail "the program did not end"
((code == 0)) || fail "the program ended with exit code $code"
