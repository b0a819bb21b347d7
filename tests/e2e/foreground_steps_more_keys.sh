#!/usr/bin/env bash
# Text typed right before more steps that move the foreground reaches notepad
# whole: hiding the window in front (shown again by the same macro so its
# text can be read), and a macro-file swap, whose refresh of the program's
# own window comes right after the text.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"
have_tool || { echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"; exit 0; }

readonly BEFORE_HIDE='sphinx of black quartz judge my vow'
readonly BEFORE_SWAP='how vexingly quick daft zebras jump'

start_with_notepad tvsteps2 \
  Ctrl+Shift+H Hide "$BEFORE_HIDE<WHIDE:\"CURRENT\"><WSHOW:Notepad>" \
  Ctrl+Shift+J Swap "$BEFORE_SWAP<SWAP:C:\\TVSTEPS2\\OTHER.TVX>"
"$TAVRIX_TOOL" new "$folder/OTHER.TVX" || fail "tavrix new failed"

user_presses ctrl+shift+h || fail "xdotool could not press the hot key"
driver wait-text Notepad "$BEFORE_HIDE" 10000 || fail "hide: notepad shows \"$(driver read Notepad)\""
echo "before the hide: \"$BEFORE_HIDE\""

driver set-text Notepad "" || fail "cannot empty notepad"
driver front Notepad || fail "notepad did not come to the front again"
user_presses ctrl+shift+j || fail "xdotool could not press the hot key"
driver wait-text Notepad "$BEFORE_SWAP" 10000 || fail "swap: notepad shows \"$(driver read Notepad)\""
echo "before the swap: \"$BEFORE_SWAP\""

close_main_window || fail "cannot post WM_CLOSE"
code=$(wait_exit "$folder" first 20) || fail "the program did not end"
((code == 0)) || fail "the program ended with exit code $code"
