#!/usr/bin/env bash
# "Add Macro" handing over to "Enter Directly", as a user works it: the hot
# key pressed in the hot key field, "Enter Directly", a nickname and a text
# typed in "Modify Hot Key" with a Tab and an Enter in it, "Update". The new
# macro is in the file (the Tab saved as "<TAB>", the line break kept as it
# is), and its hot key plays that text into notepad.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi

folder=$(program_folder tvadddirect) || exit 1
remove_configuration
file=$folder/TAVRX.TVX
"$TAVRIX_TOOL" new "$file" || fail "tavrix new failed"

start_program "$folder" first
probe wait-window "$MAIN_WINDOW_CLASS" 20000 || fail "the main window did not appear"

open_add_macro
# Tab leaves the hot key field (and hot key entry mode), so Alt+E reaches
# the "Enter Directly" button.
keys_to "$FORM_CLASS" ctrl+shift+d
keys_to "$FORM_CLASS" Tab alt+e
wait_caption "Modify Hot Key  (GLOBAL)"
echo "Modify Hot Key open for the new macro"

# The focus starts on the nickname; then the scope radios, the icon button
# and the text box.
keys_to "$FORM_CLASS" D i r e c t Tab Tab Tab ctrl+End
keys_to "$FORM_CLASS" o n e Tab t w o Return t h r e e alt+u
probe wait-gone "$FORM_CLASS" 20000 || fail "Update did not close Modify Hot Key"

wait_dump 5 'MacroText=one<TAB>two\r\nthree'
wait_dump 5 "Activation=$(hot_key_code Ctrl+Shift+D)"
wait_dump 5 "NickName=Direct"
echo "macro 5 saved on Ctrl+Shift+D: one<TAB>two\\r\\nthree"

start_windows_program notepad
driver wait-window Notepad 20000 || fail "notepad did not open"
driver front Notepad || fail "notepad did not come to the front"
user_presses ctrl+shift+d || fail "xdotool could not press the hot key"
driver wait-text Notepad $'one\ttwo\r\nthree' 10000 || fail "the new hot key typed \"$(driver read Notepad)\""
echo "Ctrl+Shift+D typed the text with its tab and line break into notepad"

terminate_now
