#!/usr/bin/env bash
# Another program finds the hook thread's window of a running TAVRXP.EXE and
# sends it a planted WM_NCCREATE, removal requests for the hook handles the
# library once gave out in order, stop, type, close and quit requests. The
# program lives on, nothing was typed, and its hot key still plays the macro
# into notepad afterwards.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi
MEDDLER=$TAVRIX_WIN32_BUILD/tests/e2e/hook_meddler.exe
[[ -f $MEDDLER ]] || fail "the meddler is not built: $MEDDLER"

start_with_notepad tvmeddle Ctrl+Shift+H Hello 'still here'
wine_timed "$E2E_STEP_SECONDS" "$MEDDLER" </dev/null || fail "the meddler found no hook thread window"
probe ping "$MAIN_WINDOW_CLASS" 5000 || fail "the program did not survive the meddling: $(cat "$folder/first.log")"
driver front Notepad || fail "notepad did not come back to the front"

user_presses ctrl+shift+h || fail "xdotool could not press the hot key"
driver wait-text Notepad 'still here' 10000 || fail "the hot key typed nothing after the meddling"
echo "after the meddling the hot key still played \"still here\" into notepad"

close_main_window || fail "cannot post WM_CLOSE"
code=$(wait_exit "$folder" first 20) || fail "the program did not end"
((code == 0)) || fail "the program ended with exit code $code"
