#!/usr/bin/env bash
# The repeat prompt's label "Times To Repeat" shows whole at a large system
# font size (144 dots per inch), with the text before the prompt whole and
# the text after it arriving.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/pause_prompt_support.bash"
have_tool || { echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"; exit 0; }
wine_timed 60 reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1 ||
  fail "cannot set the font size"
trap 'wine_timed 60 reg delete "HKCU\\Control Panel\\Desktop" /v LogPixels /f >/dev/null 2>&1' EXIT
folder=$(program_folder tvlabel) || exit 1
remove_configuration
"$TAVRIX_TOOL" new "$folder/TAVRX.TVX" || fail "tavrix new failed"
"$TAVRIX_TOOL" add "$folder/TAVRX.TVX" --hotkey Ctrl+Shift+R --nickname Prompted \
  --text "$BEFORE_PROMPT<PROMPTREP>x<ENDREP> done" >/dev/null || fail "tavrix add failed"
start_program "$folder" first
probe ping "$MAIN_WINDOW_CLASS" 20000 || fail "the program did not reach its message loop"
start_windows_program notepad
driver wait-window Notepad 20000 || fail "notepad did not open"
prompt_case enter
close_main_window || fail "cannot post WM_CLOSE"
code=$(wait_exit "$folder" first 20) || fail "the program did not end"
((code == 0)) || fail "the program ended with exit code $code"
