#!/usr/bin/env bash
# "Menu of Macros for Top Most Window" end to end: with Wine's notepad in
# front the user presses the system key of that menu; "Choose A Macro" lists
# the macros meant for notepad's window and program (not the global one), and
# the digit of the second one plays it into notepad.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi

folder=$(program_folder tvtopmenu) || exit 1
remove_configuration
file="$folder/TAVRX.TVX"
"$TAVRIX_TOOL" new "$file" || fail "tavrix new failed"
"$TAVRIX_TOOL" add "$file" --hotkey Ctrl+Shift+G --nickname Global --text "global" >/dev/null || fail "tavrix add failed"
"$TAVRIX_TOOL" add "$file" --hotkey Ctrl+Shift+J --nickname Window --text "for the window" \
  --scope window:notepad >/dev/null || fail "tavrix add failed"
"$TAVRIX_TOOL" add "$file" --hotkey Ctrl+Shift+K --nickname Program --text "for the program, typed whole" \
  --scope program:notepad.exe >/dev/null || fail "tavrix add failed"

start_program_then_notepad

# The fresh file's key of the menu: Ctrl+Alt+Shift+Z.
user_presses ctrl+alt+shift+z || fail "xdotool could not press the system key"
driver wait-window TavrixModalBox 10000 || fail "no \"Choose A Macro\" window after the system key"
driver front TavrixModalBox 10000 || fail "\"Choose A Macro\" did not take the keyboard"
user_types 1 || fail "xdotool could not type the digit"
driver wait-text Notepad "for the program, typed whole" 10000 ||
  fail "the chosen macro's text did not arrive in notepad: \"$(driver read Notepad)\""
echo "the top-most window menu's digit 1 played the program macro into notepad"

terminate_now
