#!/usr/bin/env bash
# A popup-menu macro end to end: with Wine's notepad in front the user presses
# the menu's hot key, "Choose A Macro" opens in front of notepad, the user
# types the digit of its second entry, and that macro's text arrives in
# notepad; the hot key and the digit themselves never do.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi

folder=$(program_folder tvpopup) || exit 1
remove_configuration
file="$folder/TAVRX.TVX"
"$TAVRIX_TOOL" new "$file" || fail "tavrix new failed"
first=$("$TAVRIX_TOOL" add "$file" --hotkey Ctrl+Shift+J --nickname First --text "first macro") || fail "tavrix add failed"
second=$("$TAVRIX_TOOL" add "$file" --hotkey Ctrl+Shift+K --nickname Second --text "second macro, typed whole") ||
  fail "tavrix add failed"
"$TAVRIX_TOOL" add "$file" --popup --hotkey Ctrl+Shift+M --nickname Menu --entries "$first,$second" >/dev/null ||
  fail "tavrix add --popup failed"

start_program_then_notepad

user_presses ctrl+shift+m || fail "xdotool could not press the hot key"
driver wait-window TavrixModalBox 10000 || fail "no \"Choose A Macro\" window after the menu's hot key"
choose_entry 1
driver wait-text Notepad "second macro, typed whole" 10000 ||
  fail "the chosen macro's text did not arrive in notepad: \"$(driver read Notepad)\""
echo "the menu's digit 1 played \"second macro, typed whole\" into notepad"

terminate_now
