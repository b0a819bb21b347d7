#!/usr/bin/env bash
# "Build Macro Menu" as a user works it: "Add Macro" from the Macros menu, the
# menu's hot key pressed in the hot key field, "Popup Menu", "Build Menu";
# in the builder a nickname, two macros taken from "Available Macros" with
# "Add" (a click on the second, "Add", then "Add" again on the first, where
# the selection moved), Ok. The file holds the new popup menu, and its hot
# key in notepad opens "Choose A Macro", where a digit plays the macro.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi

AVAILABLE_LIST=1  # the builder's second list box: "Available Macros"

folder=$(program_folder tvbuild) || exit 1
remove_configuration
file=$folder/TAVRX.TVX
"$TAVRIX_TOOL" new "$file" || fail "tavrix new failed"
"$TAVRIX_TOOL" add "$file" --hotkey Ctrl+Shift+J --nickname First --text "first macro" >/dev/null || fail "tavrix add failed"
"$TAVRIX_TOOL" add "$file" --hotkey Ctrl+Shift+K --nickname Second --text "second macro, built in" >/dev/null ||
  fail "tavrix add failed"

start_program "$folder" first
probe ping "$MAIN_WINDOW_CLASS" 20000 || fail "the program did not reach its message loop"

open_add_macro
# The hot key goes to the field, which has the focus; Tab leaves it (and hot
# key entry mode), so Alt+P reaches the "Popup Menu" radio.
keys_to "$FORM_CLASS" ctrl+shift+m
keys_to "$FORM_CLASS" Tab alt+p
click_button "Build Menu"
wait_caption "Build Macro Menu"
echo "Build Macro Menu open"

keys_to "$FORM_CLASS" P i c k s
click_list_item "$AVAILABLE_LIST" 1
keys_to "$FORM_CLASS" alt+a
keys_to "$FORM_CLASS" alt+a alt+o
probe wait-gone "$FORM_CLASS" 20000 || fail "the builder did not close on Ok"

wait_dump 7 "NickName=Picks"
wait_dump 7 "Activation=$(hot_key_code Ctrl+Shift+M)"
wait_dump 7 "WordletText=N30"
entries=$("$TAVRIX_TOOL" menu "$file" 7 | grep -v '^[a-z]')
[[ $entries == $'0\tSecond\tGLOBAL\n1\tFirst\tGLOBAL' ]] || fail "the new menu's entries: $entries"
echo "macro 7 is the popup menu Picks on Ctrl+Shift+M: Second, First"

start_windows_program notepad
driver wait-window Notepad 20000 || fail "notepad did not open"
driver front Notepad || fail "notepad did not come to the front"
user_presses ctrl+shift+m || fail "xdotool could not press the hot key"
wait_caption "Choose A Macro"
choose_entry 0
driver wait-text Notepad "second macro, built in" 10000 ||
  fail "the chosen macro's text did not arrive in notepad: \"$(driver read Notepad)\""
echo "Ctrl+Shift+M and the digit 0 played \"second macro, built in\" into notepad"

terminate_now
