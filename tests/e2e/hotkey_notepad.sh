#!/usr/bin/env bash
# The road of a hot key, end to end: the user presses Ctrl+Shift+H on the
# (virtual) keyboard while Wine's notepad is in front; the hook library of a
# running TAVRXP.EXE recognises it, the program plays the macro into notepad,
# and notepad's text is exactly the macro's text. The hot key itself never
# reaches notepad.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi

macro='hello, world! (1+2)<TAB>x'
expected=$'hello, world! (1+2)\tx'

start_with_notepad tvhotkey Ctrl+Shift+H Hello "$macro"

user_presses ctrl+shift+h || fail "xdotool could not press the hot key"
driver wait-text Notepad "$expected" 10000 || fail "the macro's text did not arrive in notepad"
echo "the hot key played \"$expected\" into notepad"

close_main_window || fail "cannot post WM_CLOSE"
code=$(wait_exit "$folder" first 20) || fail "the program did not end"
((code == 0)) || fail "the program ended with exit code $code"
