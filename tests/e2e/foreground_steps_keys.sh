#!/usr/bin/env bash
# Text typed right before a step that moves the foreground reaches notepad
# whole: a minimise of the window in front, and a launch that puts another
# program in front.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"
have_tool || { echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"; exit 0; }

readonly BEFORE_MINIMISE='the quick brown fox jumps over'
readonly BEFORE_LAUNCH='pack my box with five dozen jugs'

start_with_notepad tvsteps Ctrl+Shift+M Minimise "$BEFORE_MINIMISE<WMIN:\"CURRENT\">"
"$TAVRIX_TOOL" add "$folder/TAVRX.TVX" --hotkey Ctrl+Shift+L --nickname Launch \
  --text "$BEFORE_LAUNCH<LAUNCH:winver.exe>" >/dev/null || fail "tavrix add failed"
# The program reads its macro file at start: start it again with both macros.
close_main_window || fail "cannot post WM_CLOSE"
wait_exit "$folder" first 20 >/dev/null || fail "the program did not end"
start_program "$folder" second
probe ping "$MAIN_WINDOW_CLASS" 20000 || fail "the program did not reach its message loop"

driver front Notepad || fail "notepad did not come to the front"
user_presses ctrl+shift+m || fail "xdotool could not press the hot key"
driver wait-text Notepad "$BEFORE_MINIMISE" 10000 || fail "minimise: notepad shows \"$(driver read Notepad)\""
echo "before the minimise: \"$BEFORE_MINIMISE\""

driver set-text Notepad "" || fail "cannot empty notepad"
probe post Notepad 274 61728 >/dev/null 2>&1  # WM_SYSCOMMAND SC_RESTORE
driver front Notepad || fail "notepad did not come to the front again"
user_presses ctrl+shift+l || fail "xdotool could not press the hot key"
driver wait-text Notepad "$BEFORE_LAUNCH" 10000 || fail "launch: notepad shows \"$(driver read Notepad)\""
echo "before the launch: \"$BEFORE_LAUNCH\""

close_main_window || fail "cannot post WM_CLOSE"
code=$(wait_exit "$folder" second 20) || fail "the program did not end"
((code == 0)) || fail "the program ended with exit code $code"
