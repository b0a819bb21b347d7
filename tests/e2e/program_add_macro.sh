#!/usr/bin/env bash
# "Add Macro" from the Macros menu, as a user works it: the hot key is
# pressed while the hot key field has the focus (the hook library sends it to
# the dialog instead of firing anything), then "Scripting Editor", a text line
# through "Enter Keystrokes" and Ok. The new macro is in the file, and its hot
# key plays it into notepad.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi


folder=$(program_folder tvadd) || exit 1
remove_configuration
file=$folder/TAVRX.TVX
"$TAVRIX_TOOL" new "$file" || fail "tavrix new failed"

start_program "$folder" first
probe ping "$MAIN_WINDOW_CLASS" 20000 || fail "the program did not reach its message loop"

open_add_macro
echo "Add Macro open"

# The hot key goes to the field, which has the focus; Tab leaves it (and
# hot key entry mode), so Alt+S reaches the dialog's button again.
keys_to "$FORM_CLASS" ctrl+shift+j
keys_to "$FORM_CLASS" Tab alt+s
wait_caption "Macro Scripting Editor  (GLOBAL)"
echo "scripting editor open for the new macro"

# From the nickname back over the script and the three add buttons to the
# command list, where typing "t" picks "Text", the first command with a T.
keys_to "$FORM_CLASS" shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
keys_to "$FORM_CLASS" Home t
keys_to "$FORM_CLASS" alt+a
wait_caption "Enter Keystrokes"
# Enter types a line break in the text box: "&Update" takes the text.
keys_to "$FORM_CLASS" a d d e d space t e x t alt+u
wait_caption "Macro Scripting Editor  (GLOBAL)"
keys_to "$FORM_CLASS" Return
probe wait-gone "$FORM_CLASS" 20000 || fail "the script editor did not close on Ok"

wait_dump 5 'MacroText=added text'
wait_dump 5 "Activation=$(hot_key_code Ctrl+Shift+J)"
echo "macro 5 saved on Ctrl+Shift+J"

start_windows_program notepad
driver wait-window Notepad 20000 || fail "notepad did not open"
driver front Notepad || fail "notepad did not come to the front"
user_presses ctrl+shift+j || fail "xdotool could not press the hot key"
driver wait-text Notepad "added text" 10000 || fail "the new hot key typed \"$(driver read Notepad)\""
echo "Ctrl+Shift+J typed \"added text\" into notepad"

close_main_window || fail "cannot post WM_CLOSE"
code=$(wait_exit "$folder" first 20) || fail "the program did not end"
((code == 0)) || fail "the program ended with exit code $code"
